// Placeholder until the language files are wired in.
#include "app/simulator_dialog.h"
#include "i18n/language_table.h"
#include "i18n/saved_choice.h"

namespace quorvel {

std::filesystem::path LanguagePath(int index) {
    const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
    return std::filesystem::path("languages") / kLanguages[known ? index : kEnglish].fileName;
}
int SavedLanguageIndex(const std::filesystem::path&) { return kEnglish; }
bool SaveLanguageIndex(const std::filesystem::path&, int) { return false; }
void CSimulatorDlg::ApplyLanguageFile(const std::filesystem::path&) {}
void CSimulatorDlg::OnChooseLanguage() {}

}  // namespace quorvel
