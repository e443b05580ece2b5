#pragma once

// A strike or an attack plan as text to paste elsewhere: plain text (the attack plan's own record),
// BBCode for forums and Markdown for chat clients. Numbers are grouped as the window shows them.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "plan/attack_record.h"
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

// The plan's records in BBCode or Markdown (the plain text of a plan is its export file).
std::string FormatPlanShare(ShareFormat format, const ShareWords& words,
                            std::span<const AttackRecordFacts> records);

}  // namespace quorvel
