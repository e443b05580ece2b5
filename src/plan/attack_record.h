#pragma once

// The attack plan. Data flow:
//   the last strike (input and result) + the active language's words -> FormatAttackRecord -> one record
//   app/ appends records to the plan file; plan_export.h copies that file where the player chose.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "strike/defence_table.h"
#include "strike/strike.h"

namespace quorvel {

// The words of the active language that an attack record is written with.
struct AttackRecordWords {
    std::string_view heading;          // "Attack" in "3. Attack"
    std::string_view missilesCaption;  // in front of the missiles fired
    PerType<std::string_view> defenceLabel;
    std::string_view abmLabel;
    std::string_view primaryTargetLabel;
};

// One simulated strike under its number in the plan: what went in and what came out.
struct AttackRecordFacts {
    std::int64_t number = 1;
    StrikeInput in;    // counts, interceptors, missiles and the primary target before the strike
    StrikeResult out;  // what it destroyed, the missiles fired and left, both sides' losses

    bool operator==(const AttackRecordFacts&) const = default;
};

// The interceptors as a record tells them: when there were fewer than missiles, all of them were
// used up (if anything was fired); otherwise each missile fired took one.
struct InterceptorOutcome {
    std::int64_t left = 0;
    std::int64_t lost = 0;
};
InterceptorOutcome RecordedInterceptors(const AttackRecordFacts& facts);

// One numbered record of the attack plan: heading, underline, primary target, missiles fired, then
// every defence type and the interceptors with what is left and, in brackets, what was lost
// ("(*)" when nothing was). Lines end in "\n"; the record ends with two empty lines.
std::string FormatAttackRecord(const AttackRecordWords& words, const AttackRecordFacts& facts);

// How many records a plan text holds and the number of the last: each record starts with a line
// "N. <heading>" underlined by a line of '='.
struct PlanTextRecords {
    std::int64_t count = 0;
    std::int64_t lastNumber = 0;
};
PlanTextRecords CountPlanRecords(std::string_view planText);

// One record of a plan text as FormatAttackRecord wrote it, in whatever language: its lines. The
// records a window took over from one that ended are known only so.
struct WrittenRecord {
    std::int64_t number = 0;
    std::string_view heading;                    // "3. Attack"
    std::string_view primaryTargetLine;          // "Primary target: Rocket Launcher"; empty without one
    std::string_view missilesLine;               // "Interplanetary missiles: 4"
    std::vector<std::string_view> defenceLines;  // "Rocket Launcher 0 (-100)", the interceptors last
};
// The records of a plan text, in order; views into planText.
std::vector<WrittenRecord> ReadPlanRecords(std::string_view planText);

}  // namespace quorvel
