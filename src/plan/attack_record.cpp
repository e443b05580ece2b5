#include "plan/attack_record.h"

#include <algorithm>

#include "text/utf8.h"

namespace quorvel {
namespace {

// " (*)" when nothing was lost, otherwise " (-n)"; n keeps its own sign, as typed.
void AppendLoss(std::string& out, std::int64_t lost) {
    if (lost == 0) {
        out += " (*)";
    } else {
        out += " (-";
        out += std::to_string(lost);
        out += ')';
    }
}

}  // namespace

InterceptorOutcome RecordedInterceptors(const AttackRecordFacts& facts) {
    InterceptorOutcome outcome;
    const std::int64_t interceptors = facts.in.interceptors;
    if (interceptors < facts.in.missiles) {
        if (facts.out.missilesFired != 0 && interceptors != 0) outcome.lost = interceptors;
    } else {
        outcome.left = interceptors - facts.out.missilesFired;
        outcome.lost = facts.out.missilesFired;
    }
    return outcome;
}

std::string FormatAttackRecord(const AttackRecordWords& words, const AttackRecordFacts& facts) {
    std::string out;
    out += std::to_string(facts.number);
    out += ". ";
    out += words.heading;
    out += '\n';
    // The underline is as long as a one- or two-digit heading line; it counts characters, not bytes.
    const std::size_t extra = facts.number <= 9 ? 3 : 4;
    out.append(Utf8Length(words.heading) + extra, '=');
    out += '\n';

    if (facts.in.primaryTarget >= 0 && facts.in.primaryTarget < kDefenceTypeCount) {
        out += words.primaryTargetLabel;
        out += ": ";
        out += words.defenceLabel[facts.in.primaryTarget];
        out += '\n';
    }

    out += words.missilesCaption;
    out += ' ';
    out += std::to_string(facts.out.missilesFired);
    out += "\n\n";

    for (int t = 0; t < kDefenceTypeCount; ++t) {
        out += words.defenceLabel[t];
        out += ' ';
        out += std::to_string(facts.in.counts[t] - facts.out.destroyed[t]);
        AppendLoss(out, facts.out.destroyed[t]);
        out += '\n';
    }

    const InterceptorOutcome abm = RecordedInterceptors(facts);
    out += words.abmLabel;
    out += ' ';
    out += std::to_string(abm.left);
    AppendLoss(out, abm.lost);
    out += "\n\n\n";
    return out;
}

PlanTextRecords CountPlanRecords(std::string_view planText) {
    PlanTextRecords found;
    std::string_view previous;
    while (!planText.empty()) {
        const std::size_t end = std::min(planText.find('\n'), planText.size());
        const std::string_view line = planText.substr(0, end);
        planText.remove_prefix(std::min(end + 1, planText.size()));
        const bool underline = !line.empty() && line.find_first_not_of('=') == std::string_view::npos;
        const std::size_t dot = previous.find(". ");
        if (underline && dot != std::string_view::npos && dot > 0 && dot <= 18 &&
            previous.substr(0, dot).find_first_not_of("0123456789") == std::string_view::npos) {
            ++found.count;
            std::int64_t number = 0;
            for (char c : previous.substr(0, dot)) number = number * 10 + (c - '0');
            found.lastNumber = number;
        }
        previous = line;
    }
    return found;
}

}  // namespace quorvel
