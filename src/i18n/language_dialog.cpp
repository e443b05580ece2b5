#include "i18n/language_dialog.h"

#include <optional>

#include "i18n/language_file.h"
#include "i18n/language_table.h"
#include "i18n/saved_choice.h"

namespace quorvel {

CLanguage::CLanguage(std::vector<std::filesystem::path> languageFolders,
                     std::filesystem::path savedChoiceFile)
    : m_languageFolders(std::move(languageFolders)), m_savedChoiceFile(std::move(savedChoiceFile)) {}

void CLanguage::PrepareLanguageDialog() {
    m_texts = LanguageDialogTexts{};
    const int saved = SavedLanguageIndex(m_savedChoiceFile);
    // Without any readable file the template's captions stay, but the player can still choose.
    const bool loaded = LoadDialogTexts(LanguageFileName(saved)) ||
                        (saved != kEnglish && LoadDialogTexts(LanguageFileName(kEnglish)));
    if (!loaded) ListLanguages();
    m_texts.currentRow = saved;
}

bool CLanguage::LoadDialogTexts(std::string_view fileName) {
    const std::optional<LanguageLines> lines =
        ReadLanguageFile(FindLanguageFile(m_languageFolders, fileName));
    if (!lines) return false;
    m_texts.title = LineText(*lines, kLineDialogTitle);
    m_texts.acceptCaption = LineText(*lines, kLineDialogAccept);
    m_texts.cancelCaption = LineText(*lines, kLineDialogCancel);
    m_columnHeading = {LineText(*lines, kLineDialogFirstHeading), LineText(*lines, kLineDialogSecondHeading)};
    ListLanguages();
    return true;
}

void CLanguage::ListLanguages() {
    m_texts.columnHeading = m_columnHeading;
    m_texts.hasColumns = true;
    m_texts.rows.clear();
    for (const LanguageEntry& language : kLanguages) {
        m_texts.rows.push_back({std::string(language.displayName), std::string(language.fileName)});
    }
}

void CLanguage::OnLanguageAccept(const std::vector<int>& selectedRows) {
    m_cancelled = 0;
    m_selectedIndex = -1;
    const int rowCount = static_cast<int>(m_texts.rows.size());
    for (int row : selectedRows) {
        if (row < 0 || row >= rowCount) continue;  // not a row of the list
        if (m_selectedIndex < 0 || row < m_selectedIndex) m_selectedIndex = row;
    }
}

void CLanguage::OnLanguageCancel() { m_cancelled = -1; }

}  // namespace quorvel
