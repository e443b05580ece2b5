// The language dialog's texts and answers, and the language button through the in-memory form.

#include "i18n/language_dialog.h"

#include <gtest/gtest.h>

#include "i18n/language_table.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

using testing::NumberedLine;

constexpr int kItalian = 3;
constexpr int kFrench = 5;

void ExpectTextsOf(const CLanguage& dialog, std::string_view tag) {
    const LanguageDialogTexts& texts = dialog.Texts();
    EXPECT_EQ(texts.title, NumberedLine(tag, 61));
    EXPECT_EQ(texts.acceptCaption, NumberedLine(tag, 62));
    EXPECT_EQ(texts.cancelCaption, NumberedLine(tag, 63));
    EXPECT_EQ(texts.columnHeading[0], NumberedLine(tag, 64));
    EXPECT_EQ(texts.columnHeading[1], NumberedLine(tag, 65));
    EXPECT_EQ(dialog.ColumnHeading(), texts.columnHeading);
    EXPECT_TRUE(texts.hasColumns);
}

void ExpectNineLanguages(const CLanguage& dialog) {
    const auto& rows = dialog.Texts().rows;
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (std::array<std::string, 2>{"English", "eng_lang.dat"}));
    EXPECT_EQ(rows[5], (std::array<std::string, 2>{"Fran\xC3\xA7"
                                                   "ais",
                                                   "fr_lang.dat"}));
    EXPECT_EQ(rows[8], (std::array<std::string, 2>{"Portugu\xC3\xAAs", "pt_lang.dat"}));
}

struct Home : testing::TestHome {
    Home() {
        WriteLanguage(kEnglish, "en");
        WriteLanguage(kItalian, "it");
        WriteLanguage(kFrench, "fr");
    }
    CLanguage Prepared() const {
        CLanguage dialog({*this / kLanguageFolder}, *this / kLanguageSaveFile);
        dialog.PrepareLanguageDialog();
        return dialog;
    }
};

TEST(LanguageDialogTexts, ComeFromTheSavedLanguage) {
    Home home;
    home.Write(kLanguageSaveFile, "3");
    const CLanguage dialog = home.Prepared();
    ExpectTextsOf(dialog, "it");
    ExpectNineLanguages(dialog);
}

TEST(LanguageDialogTexts, AnyOtherSavedValueShowsEnglish) {
    Home home;
    for (const char* saved : {"-1", "0", "12", "abc", "<none>"}) {
        std::filesystem::remove(home / kLanguageSaveFile);
        if (std::string_view(saved) != "<none>") home.Write(kLanguageSaveFile, saved);
        const CLanguage dialog = home.Prepared();
        SCOPED_TRACE(saved);
        ExpectTextsOf(dialog, "en");
        ExpectNineLanguages(dialog);
    }
}

TEST(LanguageDialogTexts, AMissingSavedLanguageFileFallsBackToEnglish) {
    Home home;
    home.Write(kLanguageSaveFile, "2");  // no Dutch file
    ExpectTextsOf(home.Prepared(), "en");
}

TEST(LanguageDialogTexts, WithoutAnyFileTheTemplateTextsStayButTheLanguagesAreListed) {
    testing::TestHome home;
    home.Write(kLanguageSaveFile, "3");
    CLanguage dialog({home / kLanguageFolder}, home / kLanguageSaveFile);
    dialog.PrepareLanguageDialog();
    EXPECT_EQ(dialog.Texts().title, "Sprachwahl");
    EXPECT_EQ(dialog.Texts().acceptCaption, "ERROR");
    EXPECT_EQ(dialog.Texts().cancelCaption, "ERROR");
    ExpectNineLanguages(dialog);
}

TEST(LanguageDialogAnswer, TheLowestSelectedRowCounts) {
    Home home;
    CLanguage dialog = home.Prepared();
    EXPECT_EQ(dialog.Cancelled(), -1) << "counts as cancelled until accepted";
    EXPECT_EQ(dialog.SelectedIndex(), -1);

    struct Case {
        std::vector<int> rows;
        int index;
    };
    const Case cases[] = {{{5}, 5}, {{7, 2, 4}, 2}, {{}, -1}, {{12, -1, 4}, 4}, {{9}, -1}, {{0, 8}, 0}};
    for (const Case& c : cases) {
        dialog.OnLanguageAccept(c.rows);
        EXPECT_EQ(dialog.Cancelled(), 0);
        EXPECT_EQ(dialog.SelectedIndex(), c.index) << ::testing::PrintToString(c.rows);
    }
    dialog.OnLanguageCancel();
    EXPECT_EQ(dialog.Cancelled(), -1);
}

}  // namespace
}  // namespace quorvel
