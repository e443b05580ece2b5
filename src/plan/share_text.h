#pragma once

// A strike or an attack plan as text to paste elsewhere: plain text (the attack plan's own record),
// BBCode for forums and Markdown for chat clients. Numbers are grouped as the window shows them.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "plan/attack_record.h"
#include "plan/target_table.h"
#include "strike/defence_table.h"

namespace quorvel {

enum class ShareFormat { Text, BBCode, Markdown };

// The words of the active language the shared texts are written with.
struct ShareWords {
    AttackRecordWords record;
    std::string_view strikeHeading;  // "Missile strike"
    std::string_view beforeHeading;  // count before the strike
    std::string_view destroyedHeading;
    std::string_view remainingHeading;
    std::string_view defenderLosses;  // "Defender's losses"
    std::string_view attackerLosses;
    std::array<std::string_view, kResourceCount> resource;  // metal, crystal, deuterium
    std::string_view missilesFired;
    std::string_view missilesIntercepted;
    std::string_view missilesLeft;
    std::string_view lostMoreMark;  // beside a loss larger than the other side's, e.g. "▲ more"
    std::string_view lostLessMark;
};

// How one side's loss of a resource compares with the other side's: red and "more" for the side
// that lost more, green and "less" for the other, neither when both lost the same.
enum class LossBalance { Equal, More, Less };
LossBalance CompareLoss(std::int64_t own, std::int64_t other);

// The last strike, numbered as the plan would record it next.
std::string FormatStrikeShare(ShareFormat format, const ShareWords& words, const AttackRecordFacts& facts);

// The plan: the records taken over from an ended window (takenOver, as that window wrote them),
// then this window's records. Plain text is the plan file's text; BBCode and Markdown are drawn
// from it, so they hold every record, each in the language it was written in.
std::string FormatPlanShare(ShareFormat format, const ShareWords& words, std::string_view takenOver,
                            std::span<const AttackRecordFacts> records);

// The line a BBCode or Markdown share ends with: a link to the page that opens it, under `words`
// ("Open in Quorvel"); nothing for plain text or without a link.
std::string ShareLinkLine(ShareFormat format, std::string_view words, std::string_view link);

// The target list's words: the column headings (a value and a loss heading stand over three columns,
// one per resource), the "in range" answers and the shared list's heading.
inline constexpr int kTargetHeadingCount = 14;
struct TargetListWords {
    std::string_view title;
    // position, defence units, value, anti-ballistic missiles, armour, missiles needed, loss, per
    // missile, distance, flight time, arrival, in range, player, planet
    std::array<std::string_view, kTargetHeadingCount> heading;
    std::array<std::string_view, kResourceCount> resource;
    std::string_view yes;
    std::string_view no;
};

// The heading of each column; a resource column's is its heading and the resource's name joined by
// `joiner` ("\n" for two lines in the window, " " in a shared text).
std::array<std::string, kTargetColumnCount> TargetHeadings(const TargetListWords& words,
                                                           std::string_view joiner);
// A row's cells as the list shows them: numbers grouped as the window groups them ("1.234.567"), the
// flight time as h:mm:ss, the arrival as hh:mm:ss; a target in another galaxy has "—" for its
// distance, flight time and arrival; any other cell without a value is empty.
std::array<std::string, kTargetColumnCount> TargetCells(const TargetRow& row, const TargetListWords& words);

// The list's rows in the given order (indices into rows) as a table of aligned columns (text and,
// in a code block, Markdown) or as a BBCode list of one item per row.
std::string FormatTargetListShare(ShareFormat format, const TargetListWords& words,
                                  std::span<const TargetRow> rows, std::span<const std::size_t> order);
// The same rows as CSV (RFC 4180): a heading row, fields with a comma, quote or line break in quotes
// with their quotes doubled, lines ending in CR LF, integers plain without separators, a cell
// without a value (also "—") empty.
std::string FormatTargetListCsv(const TargetListWords& words, std::span<const TargetRow> rows,
                                std::span<const std::size_t> order);

}  // namespace quorvel
