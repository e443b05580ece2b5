#include "plan/share_text.h"

#include <algorithm>
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "text/number_format.h"
#include "text/utf8.h"
#include "travel/position.h"

namespace quorvel {
namespace {

constexpr std::string_view kSeparator = " \xC2\xB7 ";  // " · " between items of one line

std::string Grouped(std::int64_t value) { return FormatGrouped(Wide{value}); }

// A Markdown code block of text: its fence is longer than any run of backticks in the text, so no
// word can end it early.
std::string Fenced(const std::string& text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : text) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    const std::string fence(std::max<std::size_t>(3, longest + 1), '`');
    return fence + '\n' + text + fence + '\n';
}

// A heading outside the code block with a backslash before every character that could open or
// close emphasis, code, a link, a tag or a spoiler in Markdown, as BBCodeSafe guards a forum's tags.
std::string MarkdownSafe(std::string_view word) {
    std::string text;
    for (const char c : word) {
        if (std::string_view("\\`*_~|[]<>").find(c) != std::string_view::npos) text += '\\';
        text += c;
    }
    return text;
}

// One line of a defence table: the label, then the count before, destroyed and left.
struct DefenceLine {
    std::string_view label;
    std::int64_t before = 0;
    std::int64_t destroyed = 0;
    std::int64_t left = 0;
};

// Every type and the interceptors, as the record lists them: left, and lost in brackets.
std::vector<DefenceLine> RecordLines(const ShareWords& words, const AttackRecordFacts& facts) {
    std::vector<DefenceLine> lines;
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        lines.push_back({words.record.defenceLabel[t], facts.in.counts[t], facts.out.destroyed[t],
                         facts.in.counts[t] - facts.out.destroyed[t]});
    }
    const InterceptorOutcome abm = RecordedInterceptors(facts);
    lines.push_back({words.record.abmLabel, facts.in.interceptors, abm.lost, abm.left});
    return lines;
}

// The types present before the strike, then the interceptors if there were any.
std::vector<DefenceLine> StrikeLines(const ShareWords& words, const AttackRecordFacts& facts) {
    std::vector<DefenceLine> lines = RecordLines(words, facts);
    std::erase_if(lines, [](const DefenceLine& line) { return line.before == 0; });
    return lines;
}

bool HasPrimaryTarget(const AttackRecordFacts& facts) {
    return facts.in.primaryTarget >= 0 && facts.in.primaryTarget < kDefenceTypeCount;
}

// "Primary Target: Rocket Launcher" with its line end, the label in bold for a forum; nothing
// without a primary target.
std::string PrimaryTargetLine(const ShareWords& words, const AttackRecordFacts& facts, bool bold) {
    if (!HasPrimaryTarget(facts)) return {};
    const std::string label = std::string(words.record.primaryTargetLabel) + ':';
    return (bold ? "[b]" + label + "[/b] " : label + ' ') +
           std::string(words.record.defenceLabel[facts.in.primaryTarget]) + '\n';
}

std::string_view BalanceMark(const ShareWords& words, LossBalance balance) {
    switch (balance) {
        case LossBalance::More:
            return words.lostMoreMark;
        case LossBalance::Less:
            return words.lostLessMark;
        case LossBalance::Equal:
            break;
    }
    return {};
}

// A loss with its mark readable without colour: "231.000 ▲ more".
std::string MarkedLoss(const ShareWords& words, std::int64_t own, std::int64_t other) {
    std::string text = Grouped(own);
    const std::string_view mark = BalanceMark(words, CompareLoss(own, other));
    if (!mark.empty()) {
        text += ' ';
        text += mark;
    }
    return text;
}

// Rows of cells as fixed-width text: the first column left-aligned, the others right-aligned,
// two blanks between columns. Widths count characters, not bytes.
std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> width;
    for (const auto& row : rows) {
        if (width.size() < row.size()) width.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], Utf8Length(row[c]));
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(width[c] - Utf8Length(row[c]), ' ');
            if (c == 0) {
                line += row[c] + padding;
            } else {
                line += "  " + padding + row[c];
            }
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    }
    return out;
}

std::string MissileLine(const ShareWords& words, const AttackRecordFacts& facts, bool bold) {
    const auto item = [&](std::string_view label, std::int64_t value) {
        std::string text = bold ? "[b]" + std::string(label) + ":[/b] " : std::string(label) + ": ";
        return text + Grouped(value);
    };
    std::string line = item(words.missilesFired, facts.out.missilesFired);
    line += kSeparator;
    line += item(words.missilesIntercepted, RecordedInterceptors(facts).lost);
    line += kSeparator;
    line += item(words.missilesLeft, facts.out.missilesLeft);
    return line;
}

std::string StrikeBBCode(const ShareWords& words, const AttackRecordFacts& facts) {
    std::string out = "[b]" + std::string(words.strikeHeading) + "[/b]\n";
    out += PrimaryTargetLine(words, facts, true);
    out += MissileLine(words, facts, true) + '\n';

    const std::vector<DefenceLine> lines = StrikeLines(words, facts);
    if (!lines.empty()) {
        out += "[list]\n";
        for (const DefenceLine& line : lines) {
            out += "[*][b]" + std::string(line.label) + "[/b]: ";
            out += std::string(words.beforeHeading) + ' ' + Grouped(line.before) + std::string(kSeparator);
            out +=
                std::string(words.destroyedHeading) + ' ' + Grouped(line.destroyed) + std::string(kSeparator);
            out += std::string(words.remainingHeading) + ' ' + Grouped(line.left) + '\n';
        }
        out += "[/list]\n";
    }

    const auto side = [&](std::string_view heading, const Resources& own, const Resources& other) {
        std::string text = "[b]" + std::string(heading) + "[/b]: ";
        for (int r = 0; r < kResourceCount; ++r) {
            if (r > 0) text += kSeparator;
            text += std::string(words.resource[r]) + ' ';
            const LossBalance balance = CompareLoss(own[r], other[r]);
            const std::string value = MarkedLoss(words, own[r], other[r]);
            if (balance == LossBalance::Equal) {
                text += value;
            } else {
                text += (balance == LossBalance::More ? "[color=red]" : "[color=green]") + value + "[/color]";
            }
        }
        return text + '\n';
    };
    out += side(words.defenderLosses, facts.out.defenderLoss, facts.out.attackerLoss);
    out += side(words.attackerLosses, facts.out.attackerLoss, facts.out.defenderLoss);
    return out;
}

std::string StrikeMarkdown(const ShareWords& words, const AttackRecordFacts& facts) {
    std::string out = PrimaryTargetLine(words, facts, false);
    out += MissileLine(words, facts, false) + "\n\n";

    const std::vector<DefenceLine> lines = StrikeLines(words, facts);
    if (!lines.empty()) {
        std::vector<std::vector<std::string>> rows = {{"", std::string(words.beforeHeading),
                                                       std::string(words.destroyedHeading),
                                                       std::string(words.remainingHeading)}};
        for (const DefenceLine& line : lines) {
            rows.push_back(
                {std::string(line.label), Grouped(line.before), Grouped(line.destroyed), Grouped(line.left)});
        }
        out += AlignedTable(rows) + '\n';
    }

    std::vector<std::vector<std::string>> losses = {{""}};
    for (std::string_view resource : words.resource) losses[0].emplace_back(resource);
    const auto side = [&](std::string_view heading, const Resources& own, const Resources& other) {
        std::vector<std::string> row = {std::string(heading)};
        for (int r = 0; r < kResourceCount; ++r) row.push_back(MarkedLoss(words, own[r], other[r]));
        losses.push_back(std::move(row));
    };
    side(words.defenderLosses, facts.out.defenderLoss, facts.out.attackerLoss);
    side(words.attackerLosses, facts.out.attackerLoss, facts.out.defenderLoss);
    out += AlignedTable(losses);
    return "**" + MarkdownSafe(words.strikeHeading) + "**\n" + Fenced(out);
}

// The word with a zero-width space (U+200B) after every "[": it can then open or close no BBCode
// tag on any forum ("[noparse]" is unknown to phpBB, "[[]" shows as it is written there), and the
// text still reads the same.
std::string BBCodeSafe(std::string_view word) {
    std::string text;
    for (const char c : word) {
        text += c;
        if (c == '[') text += "\xE2\x80\x8B";
    }
    return text;
}

// The words made safe for BBCode.
class BBCodeSafeWords {
public:
    explicit BBCodeSafeWords(const ShareWords& words) : m_words(words) {
        const auto safe = [this](std::string_view& word) {
            m_texts.push_back(BBCodeSafe(word));
            word = m_texts.back();
        };
        safe(m_words.record.heading);
        safe(m_words.record.missilesCaption);
        for (std::string_view& label : m_words.record.defenceLabel) safe(label);
        safe(m_words.record.abmLabel);
        safe(m_words.record.primaryTargetLabel);
        for (std::string_view* word :
             {&m_words.strikeHeading, &m_words.beforeHeading, &m_words.destroyedHeading,
              &m_words.remainingHeading, &m_words.defenderLosses, &m_words.attackerLosses,
              &m_words.missilesFired, &m_words.missilesIntercepted, &m_words.missilesLeft,
              &m_words.lostMoreMark, &m_words.lostLessMark}) {
            safe(*word);
        }
        for (std::string_view& resource : m_words.resource) safe(resource);
    }
    BBCodeSafeWords(const BBCodeSafeWords&) = delete;
    BBCodeSafeWords& operator=(const BBCodeSafeWords&) = delete;

    const ShareWords& Words() const { return m_words; }

private:
    std::deque<std::string> m_texts;  // a deque keeps the words in place as it grows
    ShareWords m_words;
};

// A number as a record writes it ("1234"), grouped as the window shows numbers ("1.234"); any other
// text as it is.
std::string GroupedText(std::string_view text) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(text);
    std::int64_t value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return Grouped(value);
}

// A written line split at a blank: the text before it and, grouped, the number after ("Interplanetary
// missiles: 4"); the whole line when it has no blank.
std::pair<std::string, std::string> CaptionAndNumber(std::string_view line) {
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, blank)), GroupedText(line.substr(blank + 1))};
}

// A defence line of a record ("Rocket Launcher 0 (-100)"): the label, what is left and what was
// lost, grouped ("(*)" when nothing was); a line of another shape is all label.
struct DefenceParts {
    std::string label, left, lost;
};
DefenceParts SplitDefenceLine(std::string_view line) {
    const std::size_t open = line.rfind(" (");
    if (open == std::string_view::npos || !line.ends_with(')')) return {std::string(line), {}, {}};
    const std::string_view inside = line.substr(open + 2, line.size() - open - 3);
    const std::string lost = inside.starts_with('-') ? "(-" + GroupedText(inside.substr(1)) + ')'
                                                     : '(' + std::string(inside) + ')';
    auto [label, left] = CaptionAndNumber(line.substr(0, open));
    return {std::move(label), std::move(left), lost};
}

// The parts joined by blanks, empty ones left out.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

std::string PlanRecordBBCode(const WrittenRecord& record) {
    std::string out = "[b]" + BBCodeSafe(record.heading) + "[/b]\n";
    if (!record.primaryTargetLine.empty()) {
        // "[b]Primary Target:[/b] Rocket Launcher"
        const std::size_t colon = record.primaryTargetLine.find(": ");
        out += colon == std::string_view::npos
                   ? BBCodeSafe(record.primaryTargetLine)
                   : "[b]" + BBCodeSafe(record.primaryTargetLine.substr(0, colon + 1)) + "[/b] " +
                         BBCodeSafe(record.primaryTargetLine.substr(colon + 2));
        out += '\n';
    }
    const auto [caption, fired] = CaptionAndNumber(record.missilesLine);
    out += Joined({"[b]" + BBCodeSafe(caption) + "[/b]", fired}) + '\n';
    out += "[list]\n";
    for (std::string_view line : record.defenceLines) {
        const DefenceParts parts = SplitDefenceLine(line);
        out += "[*]" + Joined({BBCodeSafe(parts.label), parts.left, parts.lost}) + '\n';
    }
    out += "[/list]\n";
    return out;
}

std::string PlanRecordMarkdown(const WrittenRecord& record) {
    std::string out;
    if (!record.primaryTargetLine.empty()) out += std::string(record.primaryTargetLine) + '\n';
    const auto [caption, fired] = CaptionAndNumber(record.missilesLine);
    out += Joined({caption, fired}) + "\n\n";
    std::vector<std::vector<std::string>> rows;
    for (std::string_view line : record.defenceLines) {
        DefenceParts parts = SplitDefenceLine(line);
        rows.push_back({std::move(parts.label), std::move(parts.left), std::move(parts.lost)});
    }
    out += AlignedTable(rows);
    return "**" + MarkdownSafe(record.heading) + "**\n" + Fenced(out);
}

std::string PositionText(const std::optional<Position>& p) {
    if (!p) return {};
    return std::to_string(p->galaxy) + ':' + std::to_string(p->system) + ':' + std::to_string(p->planet);
}

// Seconds as h:mm:ss, or as hh:mm:ss for a time of day.
std::string ClockText(std::int32_t seconds, bool twoDigitHours) {
    const auto twoDigits = [](std::int32_t n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    const std::int32_t hours = seconds / 3600;
    return (twoDigitHours ? twoDigits(hours) : std::to_string(hours)) + ':' + twoDigits(seconds / 60 % 60) +
           ':' + twoDigits(seconds % 60);
}

// A row's cells with numbers written by `number`, and `none` where a target in another galaxy has no
// flight.
template <class Number>
std::array<std::string, kTargetColumnCount> CellsOf(const TargetRow& row, const TargetListWords& words,
                                                    Number number, std::string_view none) {
    std::array<std::string, kTargetColumnCount> cells;
    for (int c = 0; c < kTargetColumnCount; ++c) {
        const auto column = static_cast<TargetColumn>(c);
        if (IsNameColumn(column)) {
            cells[c] = std::string(TargetName(row, column));
            continue;
        }
        const bool flight = column == TargetColumn::Systems || column == TargetColumn::FlightTime ||
                            column == TargetColumn::Arrival;
        if (flight && row.otherGalaxy) {
            cells[c] = std::string(none);
            continue;
        }
        const std::optional<Wide> value = TargetSortValue(row, column);
        if (!value) continue;
        switch (column) {
            case TargetColumn::Position:
                cells[c] = PositionText(row.target);
                break;
            case TargetColumn::FlightTime:
                cells[c] = ClockText(static_cast<std::int32_t>(*value), false);
                break;
            case TargetColumn::Arrival:
                cells[c] = ClockText(static_cast<std::int32_t>(*value), true);
                break;
            case TargetColumn::InRange:
                cells[c] = std::string(*value != 0 ? words.yes : words.no);
                break;
            default:
                cells[c] = number(*value);
        }
    }
    return cells;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + '"';
}

void AppendCsvLine(std::string& out, const std::array<std::string, kTargetColumnCount>& cells) {
    for (int c = 0; c < kTargetColumnCount; ++c) {
        if (c > 0) out += ',';
        out += CsvField(cells[c]);
    }
    out += "\r\n";
}

}  // namespace

LossBalance CompareLoss(std::int64_t own, std::int64_t other) {
    if (own == other) return LossBalance::Equal;
    return own > other ? LossBalance::More : LossBalance::Less;
}

std::string FormatStrikeShare(ShareFormat format, const ShareWords& words, const AttackRecordFacts& facts) {
    switch (format) {
        case ShareFormat::BBCode:
            return StrikeBBCode(BBCodeSafeWords(words).Words(), facts);
        case ShareFormat::Markdown:
            return StrikeMarkdown(words, facts);
        case ShareFormat::Text:
            break;
    }
    return FormatAttackRecord(words.record, facts);
}

std::string FormatPlanShare(ShareFormat format, const ShareWords& words, std::string_view takenOver,
                            std::span<const AttackRecordFacts> records) {
    std::string text(takenOver);
    for (const AttackRecordFacts& facts : records) text += FormatAttackRecord(words.record, facts);
    if (format == ShareFormat::Text) return text;
    // The other forms are drawn from the plan's text, the one place that holds every record.
    std::string out;
    for (const WrittenRecord& record : ReadPlanRecords(text)) {
        // A plain record ends in empty lines of its own; the other forms get one between records.
        if (!out.empty()) out += '\n';
        out += format == ShareFormat::BBCode ? PlanRecordBBCode(record) : PlanRecordMarkdown(record);
    }
    return out;
}

std::string ShareLinkLine(ShareFormat format, std::string_view words, std::string_view link) {
    if (link.empty() || format == ShareFormat::Text) return {};
    if (format == ShareFormat::BBCode)
        return "[url=" + std::string(link) + "]" + BBCodeSafe(words) + "[/url]\n";
    std::string label;
    for (const char c : words) {
        if (c == '[' || c == ']' || c == '\\') label += '\\';
        label += c;
    }
    return "[" + label + "](" + std::string(link) + ")\n";
}

std::array<std::string, kTargetColumnCount> TargetHeadings(const TargetListWords& words,
                                                           std::string_view joiner) {
    std::array<std::string, kTargetColumnCount> headings;
    for (int c = 0; c < kTargetColumnCount; ++c) {
        const TargetColumnWords column = kTargetColumnWords[c];
        headings[c] = std::string(words.heading[column.heading]);
        if (column.resource >= 0) {
            headings[c] += joiner;
            headings[c] += words.resource[column.resource];
        }
    }
    return headings;
}

std::array<std::string, kTargetColumnCount> TargetCells(const TargetRow& row, const TargetListWords& words) {
    return CellsOf(
        row, words, [](Wide value) { return FormatGrouped(value); }, "\u2014");
}

std::string FormatTargetListShare(ShareFormat format, const TargetListWords& words,
                                  std::span<const TargetRow> rows, std::span<const std::size_t> order) {
    const std::array<std::string, kTargetColumnCount> headings = TargetHeadings(words, " ");
    if (format == ShareFormat::BBCode) {
        // One item per row, led by its position; empty cells are left out.
        std::string out = "[b]" + BBCodeSafe(words.title) + "[/b]\n[list]\n";
        for (const std::size_t i : order) {
            const std::array<std::string, kTargetColumnCount> cells = TargetCells(rows[i], words);
            std::string line = "[*][b]" + cells[0] + "[/b]";
            bool first = true;
            for (int c = 1; c < kTargetColumnCount; ++c) {
                if (cells[c].empty()) continue;
                line += first ? ": " : std::string(kSeparator);
                line += BBCodeSafe(headings[c]) + ' ' + BBCodeSafe(cells[c]);
                first = false;
            }
            out += line + '\n';
        }
        return out + "[/list]\n";
    }
    std::vector<std::vector<std::string>> table = {{headings.begin(), headings.end()}};
    for (const std::size_t i : order) {
        const std::array<std::string, kTargetColumnCount> cells = TargetCells(rows[i], words);
        table.emplace_back(cells.begin(), cells.end());
    }
    if (format == ShareFormat::Markdown)
        return "**" + std::string(words.title) + "**\n" + Fenced(AlignedTable(table));
    return std::string(words.title) + '\n' + AlignedTable(table);
}

std::string FormatTargetListCsv(const TargetListWords& words, std::span<const TargetRow> rows,
                                std::span<const std::size_t> order) {
    std::string out;
    AppendCsvLine(out, TargetHeadings(words, " "));
    for (const std::size_t i : order) {
        AppendCsvLine(out, CellsOf(
                               rows[i], words, [](Wide value) { return ToDecimal(value); }, ""));
    }
    return out;
}

}  // namespace quorvel
