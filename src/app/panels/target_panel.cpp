#include "app/panels/target_panel.h"

#include "report/report_split.h"

namespace quorvel {

TargetSettings TargetPanel::Settings(std::int32_t secondsOfDayNow) const {
    const InputValues& in = m_context.inputs;
    TargetSettings settings;
    settings.weaponsLevel = in.weaponsLevel;
    settings.impulseDriveLevel = in.impulseDriveLevel;
    settings.rangeRule = m_context.rangeRule;
    settings.secondsOfDayNow = secondsOfDayNow;
    const Position start{in.startGalaxy, in.startSystem, in.startPlanet};
    if (start != Position{}) settings.start = start;
    return settings;
}

void TargetPanel::OnTargets(std::int32_t secondsOfDayNow) {
    m_rows = ComputeTargetTable(m_context.form.GetText(ControlId::ReportText), Settings(secondsOfDayNow));
}

void TargetPanel::OnLoadTarget() {
    const std::string text = m_context.form.GetText(ControlId::ReportText);
    const std::vector<std::string_view> reports = SplitReports(text);
    if (m_chosenRow < 1 || m_chosenRow > reports.size()) {
        m_context.form.ShowMessage(m_context.texts.msgNoReport);
        return;
    }
    m_context.inputs.reportText = text;
    m_report.LoadReport(ReadReport(reports[m_chosenRow - 1]));
}

}  // namespace quorvel
