#include "app/panels/target_panel.h"

#include <algorithm>
#include <tuple>

#include "fileio/atomic_file.h"
#include "report/report_split.h"
#include "text/number_format.h"
#include "text/placeholders.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

CellAlignment AlignmentOf(TargetColumn column) {
    switch (column) {
        case TargetColumn::Position:
        case TargetColumn::Player:
        case TargetColumn::Planet:
            return CellAlignment::Left;
        case TargetColumn::InRange:
            return CellAlignment::Centre;
        default:
            return CellAlignment::Right;
    }
}

TargetRowView RowView(const TargetRow& row, const TargetListWords& words) {
    TargetRowView view;
    const std::array<std::string, kTargetColumnCount> cells = TargetCells(row, words);
    view.cells.assign(cells.begin(), cells.end());
    const Position p = row.target.value_or(Position{});
    view.position =
        std::to_string(p.galaxy) + ':' + std::to_string(p.system) + ':' + std::to_string(p.planet);
    view.missilesNeeded = ToDecimal(row.missilesNeeded);
    if (row.loss) view.loss = ResourceValues{(*row.loss)[0], (*row.loss)[1], (*row.loss)[2]};
    return view;
}

}  // namespace

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

TargetListWords TargetPanel::Words() const {
    const LanguageTexts& texts = m_context.texts;
    TargetListWords words;
    words.title = texts.targetShareHeading;
    for (std::size_t h = 0; h < texts.targetHeading.size(); ++h) words.heading[h] = texts.targetHeading[h];
    for (std::size_t h = 0; h < texts.targetNameHeading.size(); ++h)
        words.heading[texts.targetHeading.size() + h] = texts.targetNameHeading[h];
    for (int r = 0; r < kResourceCount; ++r) words.resource[r] = texts.resourceHeading[r];
    words.yes = texts.targetYes;
    words.no = texts.targetNo;
    return words;
}

void TargetPanel::OnTargets() {
    m_rows = ComputeTargetTable(m_context.form.GetText(ControlId::ReportText),
                                Settings(m_context.secondsOfDayNow()));
    Redraw();
}

bool TargetPanel::OnLoadTarget(std::size_t report) {
    const std::string text = m_context.form.GetText(ControlId::ReportText);
    const std::vector<std::string_view> reports = SplitReports(text);
    if (report < 1 || report > reports.size()) {
        m_context.form.ShowMessage(m_context.texts.msgNoReport);
        return false;
    }
    m_context.inputs.reportText = text;
    m_report.LoadReport(ReadReport(reports[report - 1]));
    return true;
}

bool TargetPanel::OnLoadListedTarget(std::size_t shownRow) {
    if (shownRow >= m_order.size()) return false;
    m_report.LoadReport(m_listRows[m_order[shownRow]].report);
    return true;
}

void TargetPanel::FollowInputs() {
    const bool relabel = m_wordsLocale != m_context.locale || m_view.headings.empty();
    bool recomputed = false;
    if (!m_listRows.empty()) {
        // The arrival times keep the clock of the list's last page: only what the player changed counts.
        const TargetSettings settings = Settings(m_listSettings.secondsOfDayNow);
        const auto key = [](const TargetSettings& s) {
            return std::tuple(s.weaponsLevel, s.impulseDriveLevel, s.rangeRule, s.start);
        };
        if (key(settings) != key(m_listSettings)) {
            m_listSettings = settings;
            for (TargetRow& row : m_listRows) row = ComputeTargetRow(row.report, settings);
            recomputed = true;
        }
    }
    if (relabel || recomputed) Redraw();
}

bool TargetPanel::FieldHoldsSeveralReports() const {
    return SplitReports(m_context.form.GetText(ControlId::ReportText)).size() > 1;
}

void TargetPanel::OnListTargets(const std::optional<std::string>& offered) {
    const std::string text = offered ? *offered : m_context.form.GetText(ControlId::ReportText);
    const TargetSettings settings = Settings(m_context.secondsOfDayNow());
    std::vector<TargetRow> added = ComputeTargetTable(text, settings);
    const bool none = added.empty();
    TakeIn(std::move(added), settings);
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (none && !blank) m_context.form.ShowMessage(m_context.texts.msgNoReport);
    m_context.form.ShowTargetList();
}

void TargetPanel::OnListReports(std::span<const SpyReport> reports) {
    const TargetSettings settings = Settings(m_context.secondsOfDayNow());
    std::vector<TargetRow> added;
    added.reserve(reports.size());
    for (const SpyReport& report : reports) added.push_back(ComputeTargetRow(report, settings));
    TakeIn(std::move(added), settings);
    m_context.form.ShowTargetList();
}

void TargetPanel::TakeIn(std::vector<TargetRow> added, const TargetSettings& settings) {
    m_listSettings = settings;
    for (TargetRow& row : m_listRows) row = ComputeTargetRow(row.report, settings);
    MergeTargetRows(m_listRows, added);
    m_open = true;
    Redraw();
}

std::optional<std::string> TargetPanel::ReadDroppedFile(const std::filesystem::path& file) const {
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
    if (!IsValidUtf8(*text)) *text = EncodeUtf8(DecodeUtf8(*text));
    return text;
}

void TargetPanel::OnSort(int column) {
    if (column < 0 || column >= kTargetColumnCount) return;
    const auto chosen = static_cast<TargetColumn>(column);
    m_descending = m_sortColumn == chosen ? !m_descending : SortsHighestFirst(chosen);
    m_sortColumn = chosen;
    Redraw();
}

void TargetPanel::OnFilterInRange(bool inRangeOnly) {
    if (inRangeOnly == m_inRangeOnly) return;
    m_inRangeOnly = inRangeOnly;
    Redraw();
}

void TargetPanel::OnCopy(ShareFormat format, bool csv, std::string_view linkLine) const {
    const TargetListWords words = Words();
    m_context.form.SetClipboardText(csv ? FormatTargetListCsv(words, m_listRows, m_order)
                                        : FormatTargetListShare(format, words, m_listRows, m_order) +
                                              std::string(linkLine));
}

std::vector<SpyReport> TargetPanel::ShownReports() const {
    std::vector<SpyReport> reports;
    reports.reserve(m_order.size());
    for (const std::size_t i : m_order) reports.push_back(m_listRows[i].report);
    return reports;
}

void TargetPanel::OnExportCsv(const std::string& path) const {
    int error = 0;
    if (ReplaceFileAtomically(path, FormatTargetListCsv(Words(), m_listRows, m_order), &error) !=
        WriteOutcome::Ok) {
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, path, error);
    }
}

void TargetPanel::OnClose() {
    m_listRows.clear();
    m_open = false;
    Redraw();
}

void TargetPanel::Redraw() {
    const TargetListWords words = Words();
    const LanguageTexts& texts = m_context.texts;
    m_wordsLocale = m_context.locale;
    m_order = TargetOrder(m_listRows, m_sortColumn, m_descending, m_inRangeOnly);

    TargetListView view;
    view.number = m_view.number + 1;
    view.open = m_open;
    const std::array<std::string, kTargetColumnCount> headings = TargetHeadings(words, "\n");
    for (int c = 0; c < kTargetColumnCount; ++c) {
        const TargetColumnWords column = kTargetColumnWords[c];
        const std::string resource = column.resource >= 0 ? texts.resourceHeading[column.resource] : "";
        view.headings.push_back(headings[c]);
        const auto tip = static_cast<std::size_t>(column.heading);
        const std::string& pattern = tip < texts.targetTip.size()
                                         ? texts.targetTip[tip]
                                         : texts.targetNameTip[tip - texts.targetTip.size()];
        view.headingTips.push_back(FillPlaceholders(pattern, {resource}));
        view.alignments.push_back(AlignmentOf(static_cast<TargetColumn>(c)));
    }
    view.rows.reserve(m_listRows.size());
    for (const TargetRow& row : m_listRows) view.rows.push_back(RowView(row, words));
    view.order = m_order;
    if (m_sortColumn) view.sortColumn = static_cast<int>(*m_sortColumn);
    view.descending = m_descending;
    view.inRangeOnly = m_inRangeOnly;
    view.count = FillPlaceholders(texts.targetCount, {texts.Count(texts.targetsCounted, m_listRows.size()),
                                                      FormatGrouped(m_order.size())});
    for (const TargetRow& row : m_rows) view.fieldRows.push_back(RowView(row, words));
    m_view = std::move(view);
}

}  // namespace quorvel
