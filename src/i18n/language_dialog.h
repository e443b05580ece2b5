#pragma once

// The language dialog's logic: which texts it shows and which language the player took. The
// window shows the texts and reports the rows left selected; nothing here knows about widgets.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language_dialog_texts.h"

namespace quorvel {

class CLanguage {
public:
    // languageFolders: searched in order for each language file; savedChoiceFile: the saved choice.
    CLanguage(std::vector<std::filesystem::path> languageFolders, std::filesystem::path savedChoiceFile);

    // Texts from the language of the saved choice (as the saved-choice rule reads it), else from
    // the English file, else the template's own; every language of the table is listed in any case.
    void PrepareLanguageDialog();
    // Title, button captions and column headings from lines 61 to 65 of a language file (named
    // within the language folders), and one row per language. False, changing nothing, when it cannot be
    // read.
    bool LoadDialogTexts(std::string_view fileName);

    // The accept button: the lowest selected row is the language, -1 when no row is selected.
    void OnLanguageAccept(const std::vector<int>& selectedRows);
    // Cancel, Escape or the close box.
    void OnLanguageCancel();

    const LanguageDialogTexts& Texts() const { return m_texts; }
    int SelectedIndex() const { return m_selectedIndex; }
    // 0 after the accept button, -1 however else the dialog ended.
    int Cancelled() const { return m_cancelled; }
    const std::array<std::string, 2>& ColumnHeading() const { return m_columnHeading; }

private:
    void ListLanguages();

    std::vector<std::filesystem::path> m_languageFolders;
    std::filesystem::path m_savedChoiceFile;
    LanguageDialogTexts m_texts;
    int m_selectedIndex = -1;
    std::array<std::string, 2> m_columnHeading;
    int m_cancelled = -1;
};

}  // namespace quorvel
