// Languages: applying a language file to the whole window, and the language button with its
// dialog and the saved choice.

#include "app/panels/language_panel.h"

#include <optional>

#include "app/control_table.h"
#include "app/panels/travel_panel.h"
#include "app/program_files.h"
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

void LanguagePanel::ApplyLanguageFile(const std::filesystem::path& relativePath) {
    std::optional<LanguageLines> lines = ReadLanguageFile(m_context.HomePath(relativePath.string()));
    if (!lines) return;  // an unreadable file changes nothing at all
    FillLaterLinesFromEnglish(*lines, m_context.HomePath(LanguagePath(kEnglish).string()));

    MainForm& form = m_context.form;
    const LanguageTexts before = std::move(m_context.texts);
    const bool first = m_applied.empty();
    const LanguageEntry& language = LanguageOfFile(relativePath);
    LanguageTexts& texts = m_context.texts = TextsFromLines(*lines);
    texts.plural = language.plural;
    m_applied = relativePath;
    m_context.locale = language.locale;
    form.UseLanguage(texts, m_context.locale);
    // The lists are filled anew in the new words; the entries chosen stay chosen.
    const int primary = form.GetSelection(ControlId::PrimaryTargetList);
    const int required = form.GetSelection(ControlId::RequiredTargetList);
    for (const ControlRow& control : ControlTable()) {
        if (control.captionLine != 0) form.SetText(control.id, LineText(*lines, control.captionLine));
    }

    form.ClearList(ControlId::PrimaryTargetList);
    for (int c = 0; c < kPrimaryTargetChoiceCount; ++c) {
        form.InsertListItem(ControlId::PrimaryTargetList, c, texts.targetChoice[c]);
    }

    for (const ControlRow& control : ControlTable()) {
        if (control.nameLine == 0 && control.toolTipLine == 0) continue;
        const std::string name =
            control.nameLine > 0 ? WithoutMnemonic(LineText(*lines, control.nameLine)) : "";
        if (!name.empty()) form.SetAccessibleName(control.id, name);
        m_context.controlNames[control.id] = name;
        if (control.toolTipLine == kToolTipSetElsewhere) continue;
        const std::string tip =
            control.toolTipLine == 0 ? name
            : control.toolTipLine == kLineDefenceCountTip || control.toolTipLine == kLineAbmTip
                ? FillPlaceholders(LineText(*lines, control.toolTipLine), {name})
                : LineText(*lines, control.toolTipLine);
        form.SetToolTip(control.id, tip);
    }

    // At start-up the tooltip does not exist yet; start-up registers the stored text itself.
    if (m_toolTipCreated) form.SetToolTip(ControlId::ApplyResultButton, texts.applyResultTip);

    // Entry 0 means every defence type; the shield-domes-first choice has no place here.
    form.ClearList(ControlId::RequiredTargetList);
    form.InsertListItem(ControlId::RequiredTargetList, 0, texts.allTypesChoice);
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        form.InsertListItem(ControlId::RequiredTargetList, t + 1, texts.targetChoice[t]);
    }

    form.ClearList(ControlId::RangeRuleList);
    for (int r = 0; r < static_cast<int>(texts.rangeRuleChoice.size()); ++r) {
        form.InsertListItem(ControlId::RangeRuleList, r, texts.rangeRuleChoice[r]);
    }
    form.SelectListItem(ControlId::RangeRuleList, RangeRuleListEntry(m_context.rangeRule));

    if (first) {
        m_strike.SelectFirstTargets();
    } else {
        form.SelectListItem(ControlId::PrimaryTargetList, primary);
        form.SelectListItem(ControlId::RequiredTargetList, required);
    }
    m_follow(before, first);
}

void LanguagePanel::CreateApplyResultTip() {
    m_context.form.SetToolTip(ControlId::ApplyResultButton, m_context.texts.applyResultTip);
    m_toolTipCreated = true;
}

void LanguagePanel::OnChooseLanguage() {
    CLanguage dialog(m_context.folders.languageFolders, m_context.HomePath(kLanguageSaveFile));
    dialog.PrepareLanguageDialog();
    const LanguageDialogAnswer answer = m_context.form.RunLanguageDialog(dialog.Texts());
    if (answer.accepted) {
        dialog.OnLanguageAccept(answer.selectedRows);
    } else {
        dialog.OnLanguageCancel();
    }
    if (dialog.Cancelled() != 0) return;

    const int index = dialog.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(kLanguages.size())) return;  // accepted without a row
    // The language already in force changes nothing: the work on the form stays.
    if (LanguagePath(index) == m_applied) return;
    ApplyAndSave(index);
}

void LanguagePanel::Restore(const std::filesystem::path& relativePath) {
    for (int index = 0; index < static_cast<int>(kLanguages.size()); ++index) {
        if (LanguagePath(index) == relativePath) {
            ApplyAndSave(index);
            return;
        }
    }
    ApplyLanguageFile(relativePath);
}

void LanguagePanel::ApplyAndSave(int index) {
    ApplyLanguageFile(LanguagePath(index));
    // A choice that cannot be saved still holds until the program ends; the error box, already in
    // the new language, says that it was not kept.
    int error = 0;
    const std::filesystem::path choiceFile = m_context.HomePath(kLanguageSaveFile);
    if (!SaveLanguageIndex(choiceFile, index, &error)) {
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, choiceFile, error);
    }
}

}  // namespace quorvel
