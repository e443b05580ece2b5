#include "i18n/saved_choice.h"

#include <gtest/gtest.h>

#include "support/test_home.h"

namespace quorvel {
namespace {

TEST(SavedLanguageIndex, OneToEightChooseThatLanguageAnythingElseEnglish) {
    struct Case {
        const char* content;
        int index;
    };
    const Case cases[] = {
        {"3", 3},          {"1", 1},           {"8", 8},
        {" \n\t5", 5},     {"+2", 2},          {"007", 7},
        {"4xyz", 4},       {"6 2", 6},         {"0", 0},
        {"9", 0},          {"12", 0},          {"-1", 0},
        {"-3", 0},         {"abc", 0},         {"", 0},
        {"- 3", 0},        {"+-3", 0},         {"99999999999999999999", 0},
        {"4294967299", 0}, {"-4294967293", 0},
    };
    testing::TestHome home;
    for (const Case& c : cases) {
        home.Write(kLanguageSaveFile, c.content);
        EXPECT_EQ(SavedLanguageIndex(home / kLanguageSaveFile), c.index) << '"' << c.content << '"';
    }
}

TEST(SavedLanguageIndex, AMissingFileIsEnglish) {
    testing::TestHome home;
    EXPECT_EQ(SavedLanguageIndex(home / kLanguageSaveFile), 0);
}

TEST(SaveLanguageIndex, ReplacesTheWholeFile) {
    testing::TestHome home;
    home.Write(kLanguageSaveFile, "12");
    ASSERT_TRUE(SaveLanguageIndex(home / kLanguageSaveFile, 3));
    EXPECT_EQ(home.Read(kLanguageSaveFile), "3") << "not \"32\"";
    EXPECT_EQ(SavedLanguageIndex(home / kLanguageSaveFile), 3);
}

TEST(SaveLanguageIndex, CreatesTheFileAndTheDataFolder) {
    testing::TestHome home;
    std::filesystem::remove_all(home / kDataFolder);
    ASSERT_TRUE(SaveLanguageIndex(home / kLanguageSaveFile, 5));
    EXPECT_EQ(home.Read(kLanguageSaveFile), "5");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home / kDataFolder),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left behind";
}

TEST(SaveLanguageIndex, AFileThatCannotBeWrittenReportsFalseAndChangesNothing) {
    testing::TestHome home;
    std::filesystem::remove_all(home / kDataFolder);
    home.Write(kDataFolder, "not a folder");
    EXPECT_FALSE(SaveLanguageIndex(home / kLanguageSaveFile, 5));
    EXPECT_EQ(home.Read(kDataFolder), "not a folder");
}

}  // namespace
}  // namespace quorvel
