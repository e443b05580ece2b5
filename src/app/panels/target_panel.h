#pragma once

// The target panel: every espionage report of a text as a row of the target list
// (plan/target_table.h), and one row loaded into the fields as reading that report alone would.
// Two sets of rows: those of the last Targets (the report field's reports in text order, what the
// batch's `targets` prints) and those of the target list, which keeps its rows while it is open and
// takes each new page of reports in, a report of a position it holds replacing that row. The panel
// also owns the list's order, its in-range filter, its shares and its CSV, and holds all of it as a
// TargetListView for the faces.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/panels/panel_context.h"
#include "app/panels/report_panel.h"
#include "app/panels/travel_panel.h"
#include "app/views.h"
#include "plan/share_text.h"
#include "plan/target_table.h"

namespace quorvel {

class TargetPanel {
public:
    TargetPanel(PanelContext& context, ReportPanel& report, const TravelPanel& travel)
        : m_context(context), m_report(report), m_travel(travel) {}

    // The rows of the report field's text with the inputs as last read and the clock's time of day.
    void OnTargets();
    // Report k (from 1) of the report field's text into the fields; a message when there is none.
    // Whether a report was loaded.
    bool OnLoadTarget(std::size_t report);
    // The list's shown row (from 0, top to bottom) into the fields: its own report, whatever the
    // report field holds by then. Whether there was such a row.
    bool OnLoadListedTarget(std::size_t shownRow);

    // Whether the report field holds more than one report: reading it then fills the target list.
    bool FieldHoldsSeveralReports() const;
    // The reports of text, else of the report field, into the target list, every row computed anew
    // with the inputs as last read and the clock's time of day; the form shows the list. A text
    // without a report is said, unless it is blank.
    void OnListTargets(const std::optional<std::string>& text);
    // Reports a target list code brought into the list, as reports read from a text are.
    void OnListReports(std::span<const SpyReport> reports);
    // A dropped file's text, as UTF-8, for the list (or, when it holds a code, for loading that);
    // nothing after an error box naming the file and the reason when it cannot be read (a file
    // larger than kLargestTargetFile, views.h, is not read).
    std::optional<std::string> ReadDroppedFile(const std::filesystem::path& file) const;
    // Sorted by a column's numbers; the same column again turns the order round.
    void OnSort(int column);
    void OnFilterInRange(bool inRangeOnly);
    // The shown rows onto the clipboard: text, BBCode, Markdown, or (csv) CSV; linkLine ends a
    // BBCode or Markdown share.
    void OnCopy(ShareFormat format, bool csv, std::string_view linkLine = {}) const;
    // The reports of the shown rows, top to bottom: what a target list code carries.
    std::vector<SpyReport> ShownReports() const;
    // The shown rows as a CSV file; an error box names the file and the reason when it cannot be.
    void OnExportCsv(const std::string& path) const;
    // The list was closed: its rows go, and a list opened anew starts empty.
    void OnClose();
    // After every action: the list's rows computed anew when what they depend on (the levels, the
    // range rule, the start) has changed since, and its words when the language has.
    void FollowInputs();

    const TargetListView& View() const { return m_view; }

private:
    TargetSettings Settings(std::int32_t secondsOfDayNow) const;
    TargetListWords Words() const;
    // Rows of a new page into the list, every row computed anew; the form shows the list.
    void TakeIn(std::vector<TargetRow> added, const TargetSettings& settings);
    // The view from the rows, their order and the words.
    void Redraw();

    PanelContext& m_context;
    ReportPanel& m_report;
    const TravelPanel& m_travel;
    std::vector<TargetRow> m_rows;
    std::vector<TargetRow> m_listRows;
    TargetSettings m_listSettings;  // what the list's rows were computed with
    std::optional<TargetColumn> m_sortColumn;
    bool m_descending = false;
    bool m_inRangeOnly = false;
    bool m_open = false;
    std::vector<std::size_t> m_order;
    std::string m_wordsLocale;  // the language the view's words are in
    TargetListView m_view;
};

}  // namespace quorvel
