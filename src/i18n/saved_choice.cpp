#include "i18n/saved_choice.h"

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "fileio/atomic_file.h"
#include "i18n/language_table.h"

namespace quorvel {
namespace {

// The choice is one short number; a file of any size is judged by its beginning.
constexpr std::size_t kReadLimit = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Formatted integer extraction: blanks skipped, an optional sign, decimal digits. Only whether the
// number is one of the language indexes matters, so larger values need not be kept exactly.
std::optional<long long> ExtractInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
    constexpr long long kCap = 1'000'000'000;
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value < kCap) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace

int SavedLanguageIndex(const std::filesystem::path& file) {
    const std::optional<std::string> text = ReadRegularFile(file, kReadLimit);
    return text ? ParseSavedLanguageIndex(*text) : kEnglish;
}

int ParseSavedLanguageIndex(std::string_view text) {
    const std::optional<long long> value = ExtractInteger(text.substr(0, kReadLimit));
    const bool chosen = value && *value >= 1 && *value < static_cast<long long>(kLanguages.size());
    return chosen ? static_cast<int>(*value) : kEnglish;
}

bool SaveLanguageIndex(const std::filesystem::path& file, int index, int* errorNumber) {
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    const FolderLock lock(file);
    if (lock.Busy()) {
        if (errorNumber) *errorNumber = EWOULDBLOCK;
        return false;
    }
    return ReplaceFileAtomically(file, std::to_string(index), errorNumber) == WriteOutcome::Ok;
}

}  // namespace quorvel
