#include "plan/attack_record.h"

#include <algorithm>
#include <optional>

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
    const std::vector<WrittenRecord> records = ReadPlanRecords(planText);
    return {static_cast<std::int64_t>(records.size()), records.empty() ? 0 : records.back().number};
}

std::vector<WrittenRecord> ReadPlanRecords(std::string_view planText) {
    std::vector<std::string_view> lines;
    while (!planText.empty()) {
        const std::size_t end = std::min(planText.find('\n'), planText.size());
        lines.push_back(planText.substr(0, end));
        planText.remove_prefix(std::min(end + 1, planText.size()));
    }
    // A heading "N. <heading>" stands over a line of '='.
    const auto number = [&lines](std::size_t i) -> std::optional<std::int64_t> {
        if (i + 1 >= lines.size()) return std::nullopt;
        const std::string_view line = lines[i];
        const std::string_view under = lines[i + 1];
        const std::size_t dot = line.find(". ");
        if (under.empty() || under.find_first_not_of('=') != std::string_view::npos ||
            dot == std::string_view::npos || dot == 0 || dot > 18 ||
            line.substr(0, dot).find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        std::int64_t value = 0;
        for (char c : line.substr(0, dot)) value = value * 10 + (c - '0');
        return value;
    };
    std::vector<WrittenRecord> records;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<std::int64_t> heading = number(i);
        if (!heading) continue;
        WrittenRecord record;
        record.number = *heading;
        record.heading = lines[i];
        // The head (primary target, missiles) up to an empty line, then the defence up to the next.
        std::vector<std::string_view> head;
        std::size_t j = i + 2;
        for (; j < lines.size() && !lines[j].empty() && !number(j); ++j) head.push_back(lines[j]);
        if (j < lines.size() && lines[j].empty()) {
            for (++j; j < lines.size() && !lines[j].empty() && !number(j); ++j)
                record.defenceLines.push_back(lines[j]);
        }
        if (head.size() > 1) record.primaryTargetLine = head.front();
        if (!head.empty()) record.missilesLine = head.back();
        records.push_back(std::move(record));
        i += 1;
    }
    return records;
}

}  // namespace quorvel
