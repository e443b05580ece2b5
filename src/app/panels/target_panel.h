#pragma once

// The target panel: every espionage report of a text as a row of the target list
// (plan/target_table.h), and one row loaded into the fields as reading that report alone would.
// Two sets of rows: those of the last Targets (the report field's reports in text order, what the
// batch prints) and those of the target list window, which keeps its rows while it is open and takes
// each new page of reports in, a report of a position it holds replacing that row.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/panels/panel_context.h"
#include "app/panels/report_panel.h"
#include "app/panels/travel_panel.h"
#include "plan/target_table.h"

namespace quorvel {

class TargetPanel {
public:
    TargetPanel(PanelContext& context, ReportPanel& report, const TravelPanel& travel)
        : m_context(context), m_report(report), m_travel(travel) {}

    // The rows of the report field's text with the inputs as last read and the clock's time of day.
    void OnTargets();
    const std::vector<TargetRow>& Rows() const { return m_rows; }
    // The report (from 1) of the report field's text the next OnLoadTarget loads.
    void ChooseRow(std::size_t row) {
        m_chosenRow = row;
        m_chosenReport.reset();
    }
    // The target list's row (from 0) the next OnLoadTarget loads: its own report, whatever the
    // report field holds by then.
    void ChooseListRow(std::size_t index);
    // The chosen report into the fields; a message when there is none.
    void OnLoadTarget();

    // Whether the report field holds more than one report: reading it then fills the target list.
    bool FieldHoldsSeveralReports() const;
    // The text the next OnListTargets takes in place of the report field's (a dropped file's).
    void OfferText(std::string text) { m_offeredText = std::move(text); }
    // The reports of the offered text, else of the report field, into the target list, every row
    // computed anew with the inputs as last read and the clock's time of day; the form shows the
    // list. A text without a report is said, unless it is blank.
    void OnListTargets();
    const std::vector<TargetRow>& ListRows() const { return m_listRows; }
    // The target list window was closed: its rows go.
    void ClearList() { m_listRows.clear(); }
    // The list's rows computed anew when what they depend on (the levels, the range rule, the start)
    // has changed since; true when they were.
    bool FollowInputs();

    // A dropped file's text for the target list; nothing after an error box naming the file and the
    // reason (a file larger than kLargestTargetFile is not read).
    std::optional<std::string> ReadTargetFile(const std::filesystem::path& file) const;
    static constexpr std::size_t kLargestTargetFile = std::size_t{4} << 20;

private:
    TargetSettings Settings(std::int32_t secondsOfDayNow) const;

    PanelContext& m_context;
    ReportPanel& m_report;
    const TravelPanel& m_travel;
    std::vector<TargetRow> m_rows;
    std::vector<TargetRow> m_listRows;
    TargetSettings m_listSettings;  // what the list's rows were computed with
    std::size_t m_chosenRow = 0;
    std::optional<SpyReport> m_chosenReport;
    std::optional<std::string> m_offeredText;
};

}  // namespace quorvel
