// The nine language files that ship with the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fileio/atomic_file.h"
#include "i18n/language_file.h"
#include "i18n/language_table.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t feed = content.find('\n', pos);
        std::string line = content.substr(pos, feed == std::string::npos ? std::string::npos : feed - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        pos = feed == std::string::npos ? content.size() : feed + 1;
    }
    return lines;
}

TEST(ShippedLanguageFiles, HaveSeventyTwoNonEmptyUtf8LinesThatFit) {
    for (const LanguageEntry& language : kLanguages) {
        SCOPED_TRACE(std::string(language.fileName));
        const std::filesystem::path path = std::filesystem::path(QUORVEL_LANGUAGE_DIR) / language.fileName;
        const std::optional<std::string> content = ReadWholeFile(path);
        ASSERT_TRUE(content) << "missing";
        EXPECT_TRUE(IsValidUtf8(*content));
        EXPECT_FALSE(content->starts_with("\xEF\xBB\xBF")) << "byte-order mark";

        const std::vector<std::string> lines = SplitLines(*content);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(kLanguageLineCount));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].empty()) << "line " << i + 1 << " is empty";
            EXPECT_LE(Utf8Length(lines[i]), kMaxTextCharacters) << "line " << i + 1 << " is too long";
        }

        // Read as the program reads it, every line arrives unchanged.
        const std::optional<LanguageLines> read = ReadLanguageFile(path);
        ASSERT_TRUE(read);
        for (std::size_t i = 0; i < lines.size() && i < read->size(); ++i) {
            EXPECT_EQ((*read)[i], lines[i]) << "line " << i + 1;
        }
    }
}

}  // namespace
}  // namespace quorvel
