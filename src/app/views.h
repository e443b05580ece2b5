#pragma once

// What the panels show besides the cells, as plain data the faces draw: the window with Qt, the
// batch as lines, the page through the bridge's JSON. Numbers come both as the values (for drawing
// and for the batch) and as the texts the language writes them with; every word is in the language
// in force. A face that needs a number or a word the view lacks adds it here, never computes it.
// Each view carries a number that changes whenever its contents change, so a face redraws only
// what changed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/plural.h"

namespace quorvel {

// Metal, crystal, deuterium.
using ResourceValues = std::array<std::int64_t, 3>;

struct CurvePointView {
    std::int64_t missiles = 0;
    ResourceValues defender{};
    ResourceValues attacker{};
    std::int64_t defenderTotal = 0;
    std::int64_t attackerTotal = 0;
};

struct CurveMarkView {
    std::string key;    // abm, typed, break-even, wiped-K (K the defence type), all
    std::string label;  // the mark's words with the count, e.g. "All destroyed (4)"; empty: not drawn
    std::int64_t missiles = 0;
    // The mark's vertical line: dash and gap lengths in turn, in line widths; empty: solid. Each
    // drawn mark has a pattern of its own, so that the marks are told apart without colour.
    std::vector<int> dashes;
    int labelRow = 0;  // the row below the chart's top its label stands in; no two drawn marks share one
};

// A tick of an axis at a round number (1, 2 or 5 times a power of ten), with its grouped label.
struct CurveTickView {
    std::int64_t value = 0;
    std::string label;
};

// The loss curve of the last strike shown (or, after the batch's `curve`, of the inputs).
struct CurveView {
    std::uint64_t number = 0;
    std::vector<CurvePointView> points;  // increasing missile counts from 0
    std::vector<CurveMarkView> marks;    // increasing missile counts
    std::int64_t end = 0;                // the last point's count, where the x axis ends
    // The table's column headings: the missiles, then both sides' metal, crystal and deuterium; in
    // headingLines each on two lines (the side, then the resource), as the table shows them whole.
    std::vector<std::string> headings;
    std::vector<std::string> headingLines;
    std::string hoverPattern;                  // the language's words for a point, %1-%6
    std::array<std::string, 3> hoverMissiles;  // %1 of the pattern, the count's forms (one, few, many)
    PluralRule plural = PluralRule::OneOther;
    // The axes: the x axis from 0 to end, the y axis from 0 to yEnd (its last tick), their titles,
    // and the names of the two lines (the defender's loss, the attacker's cost).
    std::vector<CurveTickView> xTicks;
    std::vector<CurveTickView> yTicks;
    std::int64_t yEnd = 0;
    std::string xTitle;
    std::string yTitle;
    std::array<std::string, 2> lineNames;
    // Said in place of the chart when there is nothing to draw (no strike, or a single point);
    // empty otherwise.
    std::string emptyText;
    // Beyond the missiles that destroy everything no further missile is fired: both lines run flat
    // from flatFrom to end, and flatNote says why there. Empty when the curve has no such part.
    std::string flatNote;
    std::int64_t flatFrom = 0;

    // What hovering or tapping point i says, exact to the unit.
    std::string Hover(std::size_t point) const;
    // Point i as the table shows it: grouped numbers in the headings' columns.
    std::vector<std::string> Row(std::size_t point) const;
};

// The launches under the silo level as last planned.
struct LaunchView {
    std::int64_t missiles = 0;
    ResourceValues defender{};
};
struct LaunchesView {
    std::uint64_t number = 0;
    std::vector<LaunchView> launches;
    std::int64_t totalMissiles = 0;
};

// One row of a target list: its cells as the list shows them, and the plain numbers the batch
// prints.
struct TargetRowView {
    std::vector<std::string> cells;
    std::string position;                // g:s:p, 0:0:0 without one
    std::string missilesNeeded;          // a plain decimal integer
    std::optional<ResourceValues> loss;  // the defender's loss with those missiles
};

enum class CellAlignment { Left, Centre, Right };

// The largest file the target list reads, in bytes: a face that hands a file over need not pass
// more than one byte beyond it.
inline constexpr std::size_t kLargestTargetFile = std::size_t{4} << 20;

// The target list: the rows, the order and filter they are shown in, and its words.
struct TargetListView {
    std::uint64_t number = 0;
    bool open = false;                      // the list was asked for and not closed since
    std::vector<std::string> headings;      // one per column; a resource column's on two lines
    std::vector<std::string> headingTips;   // one per column
    std::vector<CellAlignment> alignments;  // one per column
    std::vector<TargetRowView> rows;        // every row, in list order
    std::vector<std::size_t> order;         // the rows shown, top to bottom, as indices into rows
    std::optional<int> sortColumn;
    bool descending = false;
    bool inRangeOnly = false;
    std::string count;  // "3 targets, 2 shown"
    // The rows of the report field's text in text order, as the batch's `targets` prints them.
    std::vector<TargetRowView> fieldRows;
};

// Undo, redo and the plan.
struct WorkView {
    std::uint64_t number = 0;
    std::size_t undoSteps = 0;
    std::size_t redoSteps = 0;
    std::int64_t planSize = 0;  // the strikes the attack plan holds
    std::uint64_t moves = 0;    // the steps taken, undone and redone so far

    bool operator==(const WorkView&) const = default;
};

// Share codes: whether links are offered (the page's address is known) and the code and link the
// batch's `code` and `link` asked for last (empty when none could be made).
struct CodeView {
    std::uint64_t number = 0;
    bool linksOffered = false;
    std::string address;  // the page's, as links use it
    std::string code;
    std::string link;
};

// The about box.
struct AboutView {
    std::string title;
    std::string name;     // the program's name
    std::string version;  // "Version 1.0.9a"
    std::string purpose;
    std::string license;
};

// Everything the faces draw besides the cells.
struct ProgramView {
    const CurveView& curve;
    const LaunchesView& launches;
    const TargetListView& targets;
    const WorkView& work;
    const CodeView& codes;
    AboutView about;
};

}  // namespace quorvel
