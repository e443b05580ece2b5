#pragma once

// The language panel: a language file applied to the whole window (captions, lists, accessible
// names, tooltips, the texts the other panels place), and the language button with its dialog and
// the saved choice.

#include <filesystem>
#include <functional>

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"

namespace quorvel {

class LanguagePanel {
public:
    // follow: what a new language does to the work on the form once its texts are in place, given
    // the texts it replaced and whether it is the first language the window takes.
    using Follow = std::function<void(const LanguageTexts& before, bool first)>;
    LanguagePanel(PanelContext& context, StrikePanel& strike, Follow follow)
        : m_context(context), m_strike(strike), m_follow(std::move(follow)) {}

    // The language file at this path below the home folder; an unreadable file changes nothing.
    void ApplyLanguageFile(const std::filesystem::path& relativePath);
    void OnChooseLanguage();
    // Start-up: the '<-x' tooltip exists from now on and follows every language change.
    void CreateApplyResultTip();
    // Undo: the language of this file applied and kept as the choice again.
    void Restore(const std::filesystem::path& relativePath);
    // The file last applied, relative to the home folder; empty before the first.
    const std::filesystem::path& Applied() const { return m_applied; }

private:
    void ApplyAndSave(int index);

    PanelContext& m_context;
    StrikePanel& m_strike;  // fills and selects the two target lists
    Follow m_follow;
    bool m_toolTipCreated = false;
    std::filesystem::path m_applied;
};

}  // namespace quorvel
