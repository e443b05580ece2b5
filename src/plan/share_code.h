#pragma once

// Share codes: a strike's inputs, an attack plan or a target list as one line of text that another
// Quorvel (or a page opened with it as a link's fragment) loads again. Data flow:
//   StrikeCode | PlanCode | TargetCode (plain numbers) -> EncodeShareCode -> "QV1.S..." -> ShareLink
//   a pasted text or a link -> FindShareCode -> DecodeShareCode -> the same plain numbers, or the
//   reason it is refused
// A code holds numbers only, never a text. The format, for tools of others to implement, is
// docs/share-codes.md. Decoding is linear in the code's length and never allocates more than a
// bounded multiple of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report/report_reader.h"
#include "strike/defence_table.h"
#include "strike/strike.h"
#include "travel/missile_range.h"
#include "travel/position.h"

namespace quorvel {

inline constexpr std::string_view kShareCodePrefix = "QV";
inline constexpr int kShareCodeVersion = 1;
inline constexpr std::size_t kMostPlanRecords = 1000;
inline constexpr std::size_t kMostTargetRows = 10000;
inline constexpr std::size_t kMostCodeCharacters = std::size_t{1} << 20;

// Every input of the main window's form.
struct StrikeCode {
    PerType<std::int32_t> counts{};
    std::int32_t interceptors = 0;
    std::int32_t armourLevel = 0;
    std::int32_t missiles = 0;
    std::int32_t weaponsLevel = 0;
    std::int32_t primaryTarget = 0;  // 0..8, as the primary-target list
    std::int32_t neededTarget = 0;   // 0..8, as the required-missiles list
    std::int32_t siloLevel = 0;
    Position start;
    Position target;
    std::int32_t impulseDriveLevel = 0;
    RangeRule rangeRule = RangeRule::TwiceLevel;

    bool operator==(const StrikeCode&) const = default;
};

// An attack plan's records as their inputs: the results are worked out anew on loading.
struct PlanCode {
    std::vector<StrikeInput> records;

    bool operator==(const PlanCode&) const = default;
};

// A target list's row as its report tells it: the position and the items in report item order
// (armour, anti-ballistic missiles, the eight defence types), each only when the report had it.
struct TargetCodeRow {
    std::optional<Position> target;
    std::array<std::optional<std::int32_t>, kReportItemCount> items{};

    bool operator==(const TargetCodeRow&) const = default;
};
struct TargetCode {
    std::vector<TargetCodeRow> rows;

    bool operator==(const TargetCode&) const = default;
};

// A report's row as a code carries it, and back: the report a list loads like one it read.
TargetCodeRow TargetCodeRowOf(const SpyReport& report);
SpyReport ReportOf(const TargetCodeRow& row);

using ShareCode = std::variant<StrikeCode, PlanCode, TargetCode>;

// Why a code is not loaded (or not made).
enum class CodeRefusal {
    Damaged,       // its checksum does not match, or it is no code of this format at all
    Truncated,     // it ends before its data does
    NewerVersion,  // a later version of the format than this program reads
    TooLarge,      // past kMostPlanRecords, kMostTargetRows or kMostCodeCharacters
    OutOfRange,    // a value no field takes (a primary target of 9, a range rule of 3, ...)
};

struct DecodedShareCode {
    ShareCode code;
    std::optional<CodeRefusal> refusal;  // when set, code is empty
};

// The code a text holds: the text itself, white space (and a byte-order mark) around it apart, when
// it starts with the prefix and a digit, or the fragment of a link (one word with a '#') that does.
// Nothing for any other text, which is then no code at all.
std::optional<std::string_view> FindShareCode(std::string_view text);

// A code as FindShareCode finds it; white space inside the data is passed over, so a code a chat
// program broke into lines still reads.
DecodedShareCode DecodeShareCode(std::string_view code);

// The code of the data; a refusal (TooLarge, or OutOfRange for a value no field takes) when the
// data cannot travel as a code.
struct EncodedShareCode {
    std::string text;
    std::optional<CodeRefusal> refusal;
};
EncodedShareCode EncodeShareCode(const ShareCode& code);

// The page's address as a line of the player's file or a build option gives it: white space around
// it and a fragment dropped. Nothing for a text that is no http, https or file address, or holds
// white space or characters a shared text would have to escape.
std::optional<std::string> PageAddressOf(std::string_view text);

// The link that opens the page at `address` (as PageAddressOf gives it) with the code.
std::string ShareLink(std::string_view address, std::string_view code);

}  // namespace quorvel
