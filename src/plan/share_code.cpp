// The share code's bytes: unsigned LEB128 numbers in a fixed order per kind, led by the payload's
// length and followed by a CRC-32, in the URL-safe Base64 alphabet after "QV1." and a kind letter.
// docs/share-codes.md is the same layout for people.

#include "plan/share_code.h"

#include <algorithm>
#include <type_traits>

namespace quorvel {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// The kinds' letters, in the order of ShareCode's alternatives.
constexpr std::string_view kKindLetters = "SPT";
// The largest number any value takes: what a field of the form holds.
constexpr std::uint32_t kLargest = 2147483647;
// A LEB128 number of 32 bits takes at most five bytes.
constexpr int kMostNumberBytes = 5;
// The version is at most this many digits; more is a version no program writes.
constexpr std::size_t kMostVersionDigits = 9;

// Bits per item of a target row's presence flags: the position, then the report items.
constexpr std::uint32_t kPositionFlag = 1;
constexpr std::uint32_t kAllRowFlags = (1U << (1 + kReportItemCount)) - 1;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// CRC-32 as zlib and PNG compute it, of the kind letter followed by the bytes.
std::uint32_t Checksum(char kind, std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    const auto add = [&crc](char c) {
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFU] ^ (crc >> 8);
    };
    add(kind);
    for (const char c : bytes) add(c);
    return crc ^ 0xFFFFFFFFU;
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsCode(std::string_view text) {
    return text.size() > kShareCodePrefix.size() && text.starts_with(kShareCodePrefix) &&
           text[kShareCodePrefix.size()] >= '0' && text[kShareCodePrefix.size()] <= '9';
}

void PutNumber(std::string& bytes, std::int64_t value) {
    // A value no field takes is written as one past the largest, which reading refuses.
    auto rest =
        static_cast<std::uint64_t>(value < 0 || value > kLargest ? std::int64_t{kLargest} + 1 : value);
    while (rest >= 0x80) {
        bytes += static_cast<char>((rest & 0x7F) | 0x80);
        rest >>= 7;
    }
    bytes += static_cast<char>(rest);
}

std::string Base64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : bytes) {
        bits = (bits << 8) | static_cast<unsigned char>(c);
        count += 8;
        while (count >= 6) {
            count -= 6;
            text += kAlphabet[(bits >> count) & 63];
        }
        bits &= (1U << count) - 1;
    }
    if (count > 0) text += kAlphabet[(bits << (6 - count)) & 63];
    return text;
}

// The bytes of Base64 text, white space passed over.
struct Unpacked {
    std::string bytes;
    bool foreignCharacter = false;  // one outside the alphabet: the bytes stop before it
    bool looseBits = false;         // bits past the last whole byte that are not 0, or a lone character
};
Unpacked Unpack(std::string_view text) {
    static constexpr std::array<std::int8_t, 256> kValues = [] {
        std::array<std::int8_t, 256> values{};
        values.fill(-1);
        for (std::size_t i = 0; i < kAlphabet.size(); ++i)
            values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
        return values;
    }();
    Unpacked out;
    out.bytes.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        if (IsWhiteSpace(c)) continue;
        const std::int8_t value = kValues[static_cast<unsigned char>(c)];
        if (value < 0) {
            out.foreignCharacter = true;
            return out;
        }
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.bytes += static_cast<char>((bits >> count) & 0xFF);
        }
        bits &= (1U << count) - 1;
    }
    out.looseBits = count == 6 || bits != 0;
    return out;
}

// Numbers from bytes; the first fault is kept and every read after it gives 0.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    // A number from 0 to most; a number that runs past the end is `atEnd`.
    std::uint32_t Number(std::uint32_t most, CodeRefusal atEnd = CodeRefusal::Damaged) {
        if (m_faulted) return 0;
        std::uint64_t value = 0;
        for (int k = 0; k < kMostNumberBytes; ++k) {
            if (m_at == m_bytes.size()) return Fail(atEnd);
            const auto byte = static_cast<unsigned char>(m_bytes[m_at++]);
            value |= std::uint64_t{byte & 0x7FU} << (7 * k);
            if ((byte & 0x80) == 0) {
                // The shortest form only, so that every value has one code.
                if (byte == 0 && k > 0) return Fail(CodeRefusal::Damaged);
                if (value > most) return Fail(CodeRefusal::OutOfRange);
                return static_cast<std::uint32_t>(value);
            }
        }
        return Fail(CodeRefusal::OutOfRange);  // more than 32 bits
    }
    std::int32_t Value(std::uint32_t most = kLargest) { return static_cast<std::int32_t>(Number(most)); }
    // A count from 1 to most; past most is TooLarge, whatever the rest holds.
    std::size_t Count(std::size_t most) {
        const std::uint32_t count = Number(kLargest);
        if (m_faulted) return 0;
        if (count == 0) return Fail(CodeRefusal::OutOfRange);
        if (count > most) return Fail(CodeRefusal::TooLarge);
        return count;
    }
    void Refuse(CodeRefusal refusal) { static_cast<void>(Fail(refusal)); }

    std::size_t At() const { return m_at; }
    std::size_t Left() const { return m_bytes.size() - m_at; }
    std::optional<CodeRefusal> Fault() const { return m_faulted ? std::optional(m_fault) : std::nullopt; }

private:
    std::uint32_t Fail(CodeRefusal refusal) {
        if (!m_faulted) m_fault = refusal;
        m_faulted = true;
        return 0;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    bool m_faulted = false;
    CodeRefusal m_fault = CodeRefusal::Damaged;
};

void PutPosition(std::string& bytes, const Position& p) {
    PutNumber(bytes, p.galaxy);
    PutNumber(bytes, p.system);
    PutNumber(bytes, p.planet);
}

void PutCounts(std::string& bytes, const PerType<std::int32_t>& counts) {
    for (const std::int32_t count : counts) PutNumber(bytes, count);
}

std::string Payload(const StrikeCode& strike) {
    std::string bytes;
    PutCounts(bytes, strike.counts);
    for (const std::int32_t value :
         {strike.interceptors, strike.armourLevel, strike.missiles, strike.weaponsLevel, strike.primaryTarget,
          strike.neededTarget, strike.siloLevel})
        PutNumber(bytes, value);
    PutPosition(bytes, strike.start);
    PutPosition(bytes, strike.target);
    PutNumber(bytes, strike.impulseDriveLevel);
    PutNumber(bytes, RangeFactor(strike.rangeRule));
    return bytes;
}

std::string Payload(const PlanCode& plan) {
    std::string bytes;
    PutNumber(bytes, static_cast<std::int64_t>(plan.records.size()));
    for (const StrikeInput& in : plan.records) {
        PutCounts(bytes, in.counts);
        for (const std::int64_t value :
             {std::int64_t{in.interceptors}, std::int64_t{in.armourLevel}, std::int64_t{in.weaponsLevel},
              std::int64_t{in.primaryTarget}, in.missiles})
            PutNumber(bytes, value);
    }
    return bytes;
}

std::string Payload(const TargetCode& list) {
    std::string bytes;
    PutNumber(bytes, static_cast<std::int64_t>(list.rows.size()));
    for (const TargetCodeRow& row : list.rows) {
        std::uint32_t flags = row.target ? kPositionFlag : 0;
        for (std::size_t item = 0; item < kReportItemCount; ++item)
            if (row.items[item]) flags |= 2U << item;
        PutNumber(bytes, flags);
        if (row.target) PutPosition(bytes, *row.target);
        for (const std::optional<std::int32_t>& item : row.items)
            if (item) PutNumber(bytes, *item);
    }
    return bytes;
}

Position ReadPosition(Reader& in, std::uint32_t mostGalaxy, std::uint32_t mostSystem,
                      std::uint32_t mostPlanet) {
    Position p;
    p.galaxy = in.Value(mostGalaxy);
    p.system = in.Value(mostSystem);
    p.planet = in.Value(mostPlanet);
    return p;
}

void ReadCounts(Reader& in, PerType<std::int32_t>& counts) {
    for (std::int32_t& count : counts) count = in.Value();
}

StrikeCode ReadStrike(Reader& in) {
    StrikeCode strike;
    ReadCounts(in, strike.counts);
    strike.interceptors = in.Value();
    strike.armourLevel = in.Value();
    strike.missiles = in.Value();
    strike.weaponsLevel = in.Value();
    strike.primaryTarget = in.Value(kPrimaryTargetChoiceCount - 1);
    strike.neededTarget = in.Value(kDefenceTypeCount);
    strike.siloLevel = in.Value();
    strike.start = ReadPosition(in, kLargest, kLargest, kLargest);
    strike.target = ReadPosition(in, kLargest, kLargest, kLargest);
    strike.impulseDriveLevel = in.Value();
    const std::int32_t factor = in.Value(5);
    if (factor != 2 && factor != 5) in.Refuse(CodeRefusal::OutOfRange);
    strike.rangeRule = factor == 5 ? RangeRule::FiveTimesLevel : RangeRule::TwiceLevel;
    return strike;
}

PlanCode ReadPlan(Reader& in) {
    PlanCode plan;
    const std::size_t count = in.Count(kMostPlanRecords);
    // Each record takes at least one byte a value: no more is reserved than the bytes can hold.
    plan.records.reserve(std::min(count, in.Left() / 13));
    for (std::size_t k = 0; k < count && !in.Fault(); ++k) {
        StrikeInput record;
        ReadCounts(in, record.counts);
        record.interceptors = in.Value();
        record.armourLevel = in.Value();
        record.weaponsLevel = in.Value();
        record.primaryTarget = in.Value(kPrimaryTargetChoiceCount - 1);
        record.missiles = in.Value();
        plan.records.push_back(record);
    }
    return plan;
}

TargetCode ReadTargets(Reader& in) {
    TargetCode list;
    const std::size_t count = in.Count(kMostTargetRows);
    list.rows.reserve(std::min(count, in.Left()));
    for (std::size_t k = 0; k < count && !in.Fault(); ++k) {
        TargetCodeRow row;
        const std::uint32_t flags = in.Number(kAllRowFlags);
        // The report reader's bounds: one or two digits, one to three, one or two.
        if ((flags & kPositionFlag) != 0) row.target = ReadPosition(in, 99, 999, 99);
        for (std::size_t item = 0; item < kReportItemCount; ++item)
            if ((flags & (2U << item)) != 0) row.items[item] = in.Value();
        list.rows.push_back(row);
    }
    return list;
}

DecodedShareCode Refused(CodeRefusal refusal) { return {StrikeCode{}, refusal}; }

}  // namespace

TargetCodeRow TargetCodeRowOf(const SpyReport& report) {
    TargetCodeRow row;
    row.target = report.target;
    // Of two keywords of one item the later row wins, as when the report fills the fields.
    for (std::size_t k = 0; k < kReportKeywordCount; ++k) {
        if (report.keywordNumbers[k]) row.items[k % kReportItemCount] = report.keywordNumbers[k];
    }
    return row;
}

SpyReport ReportOf(const TargetCodeRow& row) {
    SpyReport report;
    report.target = row.target;
    for (std::size_t item = 0; item < kReportItemCount; ++item) report.keywordNumbers[item] = row.items[item];
    return report;
}

std::optional<std::string_view> FindShareCode(std::string_view text) {
    // A file an editor saved may start with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    text = Trimmed(text);
    if (StartsCode(text)) return text;
    const std::size_t hash = text.find('#');
    if (hash == std::string_view::npos) return std::nullopt;
    if (std::any_of(text.begin(), text.end(), IsWhiteSpace)) return std::nullopt;
    const std::string_view fragment = text.substr(hash + 1);
    if (StartsCode(fragment)) return fragment;
    return std::nullopt;
}

DecodedShareCode DecodeShareCode(std::string_view code) {
    if (code.size() > kMostCodeCharacters) return Refused(CodeRefusal::TooLarge);
    if (!code.starts_with(kShareCodePrefix)) return Refused(CodeRefusal::Damaged);
    std::size_t at = kShareCodePrefix.size();
    const std::size_t digits = at;
    std::uint64_t version = 0;
    while (at < code.size() && code[at] >= '0' && code[at] <= '9') {
        if (at - digits == kMostVersionDigits) return Refused(CodeRefusal::NewerVersion);
        version = version * 10 + static_cast<unsigned>(code[at++] - '0');
    }
    if (at == digits || code[digits] == '0') return Refused(CodeRefusal::Damaged);
    if (version > static_cast<std::uint64_t>(kShareCodeVersion)) return Refused(CodeRefusal::NewerVersion);
    if (at == code.size()) return Refused(CodeRefusal::Truncated);
    if (code[at++] != '.') return Refused(CodeRefusal::Damaged);
    if (at == code.size()) return Refused(CodeRefusal::Truncated);
    const char kind = code[at++];
    const std::size_t kindIndex = kKindLetters.find(kind);
    if (kindIndex == std::string_view::npos) return Refused(CodeRefusal::Damaged);

    const Unpacked unpacked = Unpack(code.substr(at));
    if (unpacked.foreignCharacter) return Refused(CodeRefusal::Damaged);
    const std::string_view bytes = unpacked.bytes;
    Reader header(bytes);
    const std::uint32_t length = header.Number(kLargest, CodeRefusal::Truncated);
    if (header.Fault())
        return Refused(*header.Fault() == CodeRefusal::OutOfRange ? CodeRefusal::Damaged : *header.Fault());
    const std::size_t body = header.At() + length;
    // A code cut short ends in loose bits as often as not: the length says it was cut.
    if (bytes.size() - header.At() < std::size_t{length} + 4) return Refused(CodeRefusal::Truncated);
    if (bytes.size() != body + 4 || unpacked.looseBits) return Refused(CodeRefusal::Damaged);
    std::uint32_t stored = 0;
    for (std::size_t k = 0; k < 4; ++k) stored = (stored << 8) | static_cast<unsigned char>(bytes[body + k]);
    if (stored != Checksum(kind, bytes.substr(0, body))) return Refused(CodeRefusal::Damaged);

    Reader in(bytes.substr(header.At(), length));
    DecodedShareCode decoded;
    switch (kindIndex) {
        case 0:
            decoded.code = ReadStrike(in);
            break;
        case 1:
            decoded.code = ReadPlan(in);
            break;
        default:
            decoded.code = ReadTargets(in);
            break;
    }
    if (!in.Fault() && in.Left() != 0) in.Refuse(CodeRefusal::Damaged);
    if (in.Fault()) return Refused(*in.Fault());
    return decoded;
}

EncodedShareCode EncodeShareCode(const ShareCode& code) {
    const auto* plan = std::get_if<PlanCode>(&code);
    const auto* list = std::get_if<TargetCode>(&code);
    if ((plan != nullptr && plan->records.size() > kMostPlanRecords) ||
        (list != nullptr && list->rows.size() > kMostTargetRows))
        return {{}, CodeRefusal::TooLarge};
    const char kind = kKindLetters[code.index()];
    const std::string payload = std::visit([](const auto& data) { return Payload(data); }, code);
    std::string bytes;
    PutNumber(bytes, static_cast<std::int64_t>(payload.size()));
    bytes += payload;
    const std::uint32_t crc = Checksum(kind, bytes);
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((crc >> shift) & 0xFF);
    EncodedShareCode encoded;
    encoded.text =
        std::string(kShareCodePrefix) + std::to_string(kShareCodeVersion) + '.' + kind + Base64(bytes);
    // What reading would refuse is not made: a value no field takes, a code past the size limit.
    if (const std::optional<CodeRefusal> refusal = DecodeShareCode(encoded.text).refusal)
        return {{}, refusal};
    return encoded;
}

std::optional<std::string> PageAddressOf(std::string_view text) {
    text = Trimmed(text);
    text = text.substr(0, text.find('#'));
    const auto scheme = [text](std::string_view name) {
        return text.size() > name.size() &&
               std::equal(name.begin(), name.end(), text.begin(),
                          [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
    };
    if (!scheme("http://") && !scheme("https://") && !scheme("file://")) return std::nullopt;
    constexpr std::size_t kLongestAddress = 2048;
    constexpr std::string_view kEscaped = "\"'<>[]()\\^`{|}";
    if (text.size() > kLongestAddress) return std::nullopt;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || kEscaped.find(c) != std::string_view::npos) return std::nullopt;
    }
    return std::string(text);
}

std::string ShareLink(std::string_view address, std::string_view code) {
    return std::string(address) + '#' + std::string(code);
}

}  // namespace quorvel
