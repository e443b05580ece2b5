// The nine language files that ship with the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fileio/atomic_file.h"
#include "i18n/language_file.h"
#include "i18n/language_table.h"
#include "i18n/language_texts.h"
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

// A count takes its language's form: Polish has three, French counts 0 as one, Turkish has one.
TEST(ShippedLanguageFiles, CountedTextsTakeTheLanguagesForms) {
    const struct {
        int language;
        int count;
        const char* missiles;
    } cases[] = {
        {0, 1, "1 missile"},  {0, 0, "0 missiles"}, {0, 1000, "1.000 missiles"},
        {1, 1, "1 Rakete"},   {1, 2, "2 Raketen"},  {5, 0, "0 missile"},
        {5, 2, "2 missiles"}, {4, 1, "1 rakieta"},  {4, 3, "3 rakiety"},
        {4, 5, "5 rakiet"},   {4, 12, "12 rakiet"}, {4, 22, "22 rakiety"},
        {4, 0, "0 rakiet"},   {7, 1, "1 füze"},     {7, 5, "5 füze"},
    };
    for (const auto& c : cases) {
        const LanguageEntry& language = kLanguages[static_cast<std::size_t>(c.language)];
        const std::optional<LanguageLines> lines =
            ReadLanguageFile(std::filesystem::path(QUORVEL_LANGUAGE_DIR) / language.fileName);
        ASSERT_TRUE(lines);
        LanguageTexts texts = TextsFromLines(*lines);
        texts.plural = language.plural;
        EXPECT_EQ(texts.Count(texts.missileCount, c.count), c.missiles) << language.fileName;
    }
}

}  // namespace
}  // namespace quorvel
