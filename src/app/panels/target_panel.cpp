#include "app/panels/target_panel.h"

#include <algorithm>
#include <tuple>

#include "fileio/atomic_file.h"
#include "report/report_split.h"
#include "text/placeholders.h"
#include "text/utf8.h"

namespace quorvel {

TargetSettings TargetPanel::Settings(std::int32_t secondsOfDayNow) const {
    const InputValues& in = m_context.inputs;
    TargetSettings settings;
    settings.weaponsLevel = in.weaponsLevel;
    settings.impulseDriveLevel = in.impulseDriveLevel;
    settings.rangeRule = m_context.rangeRule;
    settings.secondsOfDayNow = secondsOfDayNow;
    // The start fields, else the saved start position the book list shows.
    const Position start{in.startGalaxy, in.startSystem, in.startPlanet};
    settings.start = start != Position{} ? std::optional(start) : m_travel.ShownBookEntry();
    return settings;
}

void TargetPanel::OnTargets() {
    m_rows = ComputeTargetTable(m_context.form.GetText(ControlId::ReportText),
                                Settings(m_context.secondsOfDayNow()));
}

void TargetPanel::ChooseListRow(std::size_t index) {
    m_chosenReport.reset();
    if (index < m_listRows.size()) m_chosenReport = m_listRows[index].report;
}

void TargetPanel::OnLoadTarget() {
    if (m_chosenReport) {
        const SpyReport report = *m_chosenReport;
        m_chosenReport.reset();
        m_report.LoadReport(report);
        return;
    }
    const std::string text = m_context.form.GetText(ControlId::ReportText);
    const std::vector<std::string_view> reports = SplitReports(text);
    if (m_chosenRow < 1 || m_chosenRow > reports.size()) {
        m_context.form.ShowMessage(m_context.texts.msgNoReport);
        return;
    }
    m_context.inputs.reportText = text;
    m_report.LoadReport(ReadReport(reports[m_chosenRow - 1]));
}

bool TargetPanel::FollowInputs() {
    if (m_listRows.empty()) return false;
    // The arrival times keep the clock of the list's last page: only what the player changed counts.
    TargetSettings settings = Settings(m_listSettings.secondsOfDayNow);
    const auto key = [](const TargetSettings& s) {
        return std::tuple(s.weaponsLevel, s.impulseDriveLevel, s.rangeRule, s.start);
    };
    if (key(settings) == key(m_listSettings)) return false;
    m_listSettings = settings;
    for (TargetRow& row : m_listRows) row = ComputeTargetRow(row.report, settings);
    return true;
}

bool TargetPanel::FieldHoldsSeveralReports() const {
    return SplitReports(m_context.form.GetText(ControlId::ReportText)).size() > 1;
}

void TargetPanel::OnListTargets() {
    const std::string text = m_offeredText ? *m_offeredText : m_context.form.GetText(ControlId::ReportText);
    m_offeredText.reset();
    const TargetSettings settings = m_listSettings = Settings(m_context.secondsOfDayNow());
    for (TargetRow& row : m_listRows) row = ComputeTargetRow(row.report, settings);
    const std::vector<TargetRow> added = ComputeTargetTable(text, settings);
    MergeTargetRows(m_listRows, added);
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (added.empty() && !blank) m_context.form.ShowMessage(m_context.texts.msgNoReport);
    m_context.form.ShowTargetList();
}

std::optional<std::string> TargetPanel::ReadTargetFile(const std::filesystem::path& file) const {
    int error = 0;
    std::optional<std::string> text = ReadRegularFile(file, kLargestTargetFile + 1, &error);
    if (!text) {
        m_context.ShowFileError(m_context.texts.fileErrors.cannotRead, file, error);
        return std::nullopt;
    }
    if (text->size() > kLargestTargetFile) {
        const std::string reason =
            FillPlaceholders(m_context.texts.fileTooLarge, {std::to_string(kLargestTargetFile >> 20)});
        m_context.form.ShowError(
            FillPlaceholders(m_context.texts.fileErrors.cannotRead, {file.string(), reason}));
        return std::nullopt;
    }
    // Read as UTF-8: a byte that is none becomes U+FFFD rather than a broken text.
    if (!IsValidUtf8(*text)) return EncodeUtf8(DecodeUtf8(*text));
    return text;
}

}  // namespace quorvel
