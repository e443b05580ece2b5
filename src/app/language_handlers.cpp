// Languages: applying a language file to the whole window, and the language button with its
// dialog and the saved choice.

#include <optional>

#include "app/control_table.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "i18n/language_dialog.h"
#include "i18n/language_file.h"
#include "i18n/language_table.h"
#include "i18n/saved_choice.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

// Lines added after the first 72 may be missing from a player's own or an older file: those take
// the English file's text.
void FillLaterLinesFromEnglish(LanguageLines& lines, const std::filesystem::path& englishFile) {
    bool missing = false;
    for (int n = kLineFirstFallbackLine; n <= kLanguageLineCount; ++n) missing |= LineText(lines, n).empty();
    if (!missing) return;
    const std::optional<LanguageLines> english = ReadLanguageFile(englishFile);
    if (!english) return;
    for (int n = kLineFirstFallbackLine; n <= kLanguageLineCount; ++n) {
        auto& text = lines[static_cast<std::size_t>(n - 1)];
        if (text.empty()) text = LineText(*english, n);
    }
}

}  // namespace

void CSimulatorDlg::ApplyLanguageFile(const std::filesystem::path& relativePath) {
    std::optional<LanguageLines> lines = ReadLanguageFile(HomePath(relativePath.string()));
    if (!lines) return;  // an unreadable file changes nothing at all
    FillLaterLinesFromEnglish(*lines, HomePath(LanguagePath(kEnglish).string()));

    m_texts = TextsFromLines(*lines);
    m_form.UseLanguage(m_texts, LanguageLocale(relativePath));
    for (const ControlRow& control : ControlTable()) {
        if (control.captionLine != 0) m_form.SetText(control.id, LineText(*lines, control.captionLine));
    }

    m_form.ClearList(ControlId::PrimaryTargetList);
    for (int c = 0; c < kPrimaryTargetChoiceCount; ++c) {
        m_form.InsertListItem(ControlId::PrimaryTargetList, c, m_texts.targetChoice[c]);
    }

    for (const ControlRow& access : ControlTable()) {
        if (access.nameLine == 0 && access.toolTipLine == 0) continue;
        const std::string name = access.nameLine > 0 ? WithoutMnemonic(LineText(*lines, access.nameLine)) : "";
        if (!name.empty()) m_form.SetAccessibleName(access.id, name);
        if (access.toolTipLine == kToolTipSetElsewhere) continue;
        const std::string tip = access.toolTipLine == 0 ? name
                                : access.toolTipLine == kLineDefenceCountTip
                                    ? FillPlaceholders(LineText(*lines, access.toolTipLine), {name})
                                    : LineText(*lines, access.toolTipLine);
        m_form.SetToolTip(access.id, tip);
    }

    // At start-up the tooltip does not exist yet; start-up registers the stored text itself.
    if (m_toolTipCreated) m_form.SetToolTip(ControlId::ApplyResultButton, m_texts.applyResultTip);

    // Entry 0 means every defence type; the shield-domes-first choice has no place here.
    m_form.ClearList(ControlId::RequiredTargetList);
    m_form.InsertListItem(ControlId::RequiredTargetList, 0, m_texts.allTypesChoice);
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        m_form.InsertListItem(ControlId::RequiredTargetList, t + 1, m_texts.targetChoice[t]);
    }

    OnResetAll();

    m_form.SelectListItem(ControlId::RequiredTargetList, 0);
    m_state.inputs.neededTarget = 0;
    m_form.SelectListItem(ControlId::PrimaryTargetList, 0);
    m_state.inputs.primaryTarget = 0;
}

void CSimulatorDlg::OnChooseLanguage() {
    CLanguage dialog(m_folders.languageFolders, HomePath(kLanguageSaveFile));
    dialog.PrepareLanguageDialog();
    const LanguageDialogAnswer answer = m_form.RunLanguageDialog(dialog.Texts());
    if (answer.accepted) {
        dialog.OnLanguageAccept(answer.selectedRows);
    } else {
        dialog.OnLanguageCancel();
    }
    if (dialog.Cancelled() != 0) return;

    const int index = dialog.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(kLanguages.size())) return;  // accepted without a row
    ApplyLanguageFile(LanguagePath(index));
    // A choice that cannot be saved still holds until the program ends; the error box, already in
    // the new language, says that it was not kept.
    int error = 0;
    if (!SaveLanguageIndex(HomePath(kLanguageSaveFile), index, &error)) {
        ShowFileError(m_texts.fileErrors.cannotSave, HomePath(kLanguageSaveFile), error);
    }
}

}  // namespace quorvel
