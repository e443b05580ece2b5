#pragma once

// The main window's logic. Data flows one way per action:
//   a button, list or key of the window  ->  one On... handler below
//   handler frame: NormaliseEmptyInputs -> ReadInputs (edit texts -> SimulatorState)
//   the calculation: pure functions of strike/, travel/, report/, plan/, i18n/
//   results -> texts of cells through MainForm -> ClearZeroInputs
// The window itself is only a MainForm; nothing here knows about Qt.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "app/simulator_state.h"
#include "i18n/language_texts.h"
#include "plan/attack_record.h"
#include "plan/share_text.h"

namespace quorvel {

enum class TextColour { Default, Red, Green };

class CSimulatorDlg {
public:
    // home: the folder holding languages/ and data/.
    CSimulatorDlg(MainForm& form, std::filesystem::path home);
    ~CSimulatorDlg();
    CSimulatorDlg(const CSimulatorDlg&) = delete;
    CSimulatorDlg& operator=(const CSimulatorDlg&) = delete;

    // Start-up once the window exists: working folder, saved language, tooltip, empty edits, book.
    void OnMainWindowInit();

    // Handler frame.
    void NormaliseEmptyInputs();
    bool ReadInputs();
    void ClearZeroInputs();
    // The reverse of ReadInputs: every numeric state value and the report text into its field.
    void WriteBackInputs();

    // Main window.
    void OnResetAll();
    // The result cells as Reset all leaves them: no values, no losses, no status.
    void ResetResultDisplay();
    void OnExit();
    void OnApplyResult();
    void OnPrimaryTargetChanged();
    void OnNeededTargetChanged();
    void OnShowAbout();
    TextColour OnControlColour(ControlId id) const;
    // Beside each coloured loss total, whether that side lost more or less of it, in words.
    void ShowLossBalance();

    // Strike, losses, required missiles.
    void OnSimulate();
    void StrikeDefenceType(int type);
    void ShowNumber(ControlId id, Wide value);
    void AddTypeLoss(int type, std::int64_t destroyed);
    // "-" into the loss cells of a type for every resource it costs.
    void ClearTypeLossCells(int type);
    void AddInterceptorLoss(std::int64_t interceptors);
    void FinishTotals();
    void OnRequiredMissiles();
    void RequiredMissilesForType(std::int64_t count, std::int64_t structure);

    // Travel.
    void OnCalcFlightTime();
    void OnCalcRange();
    void RefillBookList();
    void OnBookSave();
    void OnBookDelete();
    void OnBookSelChange();

    // Espionage report.
    void OnReadReport();
    void OnClearReport();

    // Attack plan.
    void OnRememberAttack();
    void OnSavePlan();

    // Sharing: the last strike or the plan onto the clipboard, a report from it.
    void OnCopyStrike(ShareFormat format);
    void OnCopyButton() { OnCopyStrike(ShareFormat::Text); }
    void OnCopyPlan(ShareFormat format);
    void OnPasteReport();

    // Languages.
    void ApplyLanguageFile(const std::filesystem::path& relativePath);
    void OnChooseLanguage();

    SimulatorState& State() { return m_state; }
    const SimulatorState& State() const { return m_state; }
    const LanguageTexts& Texts() const { return m_texts; }
    const std::filesystem::path& Home() const { return m_home; }
    // A program file (kBookFile, kPlanFile, ...) resolved against the home folder.
    std::filesystem::path HomePath(std::string_view relative) const;

private:
    MainForm& m_form;
    std::filesystem::path m_home;
    SimulatorState m_state;
    LanguageTexts m_texts;
    std::ofstream m_planStream;
    std::vector<AttackRecordFacts> m_planRecords;  // the records of the plan being written
    bool m_strikeShown = false;                    // the result cells show a strike
    bool m_toolTipCreated = false;
};

}  // namespace quorvel
