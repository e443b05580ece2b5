#include "i18n/saved_choice.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

// The choice is one short number; a file of any size is judged by its beginning.
constexpr std::streamsize kReadLimit = 4096;

}  // namespace

int SavedLanguageIndex(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return kEnglish;
    std::string text(static_cast<std::size_t>(kReadLimit), '\0');
    in.read(text.data(), kReadLimit);
    text.resize(static_cast<std::size_t>(in.gcount()));
    // Only whether the number is one of the language indexes matters: one beyond 32 bits is none.
    auto it = text.cbegin();
    const std::optional<std::int32_t> value = ScanInt32(it, text.cend());
    const bool chosen = value && *value >= 1 && *value < static_cast<int>(kLanguages.size());
    return chosen ? *value : kEnglish;
}

bool SaveLanguageIndex(const std::filesystem::path& file, int index) {
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    return ReplaceFileAtomically(file, std::to_string(index)) == WriteOutcome::Ok;
}

}  // namespace quorvel
