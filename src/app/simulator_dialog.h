#pragma once

// The main window's logic. Data flows one way per action:
//   a button, list or key of the window  ->  one On... handler below
//   handler frame: NormaliseEmptyInputs -> ReadInputs (edit texts -> SimulatorState)
//   the calculation: pure functions of strike/, travel/, report/, plan/, i18n/
//     (the strike: StrikeInput -> SimulateStrike -> StrikeResult -> strike_view.cpp)
//   results -> texts of cells through MainForm -> ClearZeroInputs
// The window itself is only a MainForm; nothing here knows about Qt.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "app/program_folders.h"
#include "app/simulator_state.h"
#include "i18n/language_texts.h"
#include "plan/plan_file.h"
#include "travel/book_record.h"
#include "plan/attack_record.h"
#include "plan/share_text.h"

namespace quorvel {

enum class TextColour { Default, Red, Green };

class CSimulatorDlg {
public:
    // home: the folder holding languages/ and data/.
    CSimulatorDlg(MainForm& form, const std::filesystem::path& home);
    // folders: where the language files and the player's files are, as start-up decided.
    CSimulatorDlg(MainForm& form, ProgramFolders folders);
    ~CSimulatorDlg();
    CSimulatorDlg(const CSimulatorDlg&) = delete;
    CSimulatorDlg& operator=(const CSimulatorDlg&) = delete;

    // Start-up once the window exists: working folder, saved language, tooltip, empty edits, book.
    void OnMainWindowInit();

    // Main window.
    void OnResetAll();
    void OnExit();
    void OnApplyResult();
    void OnPrimaryTargetChanged();
    void OnNeededTargetChanged();
    void OnShowAbout();
    TextColour OnControlColour(ControlId id) const;

    // Strike, losses, required missiles.
    void OnSimulate();
    void OnRequiredMissiles();

    // Travel.
    void OnCalcFlightTime();
    void OnCalcRange();
    void OnBookSave();
    void OnBookDelete();
    void OnBookSelChange();
    // The book file changed on disk (another window saved or deleted): the list shows it anew and
    // keeps the selected position when it is still there.
    void OnBookFileChanged();

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
    const ProgramFolders& Folders() const { return m_folders; }
    // A program file (kBookFile, kPlanFile, a language file, ...) resolved against the folders.
    std::filesystem::path HomePath(std::string_view relative) const;
    // This process's own attack plan file.
    std::filesystem::path PlanFile() const;

private:
    // Remember-attack; false when the record could not be written (an error box said why).
    bool RememberAttack();
    // The reverse of reading the inputs: every numeric state value and the report text into its field.
    void WriteBackInputs();
    // Beside each coloured loss total, whether that side lost more or less of it, in words.
    void ShowLossBalance();
    // The book list from the book file as it is now.
    void RefillBookList();
    // Handler frame: empty fields become "0", every numeric field is read into the state (false,
    // after a message and the focus on it, at the first field that is no integer), and fields
    // showing "0" are emptied again.
    void NormaliseEmptyInputs();
    bool ReadInputs();
    void ClearZeroInputs();
    // The result cells as Reset all leaves them: no values, no losses, no status.
    void ResetResultDisplay();
    // The error box for a file that could not be written (cannotSave) or read (cannotRead).
    void ShowFileError(const std::string& pattern, const std::filesystem::path& file, int errorNumber);

    MainForm& m_form;
    ProgramFolders m_folders;
    SimulatorState m_state;
    LanguageTexts m_texts;
    PlanWriter m_planWriter;
    bool m_toolTipCreated = false;
    // The records the book list shows, in list order; what a delete or the flight time refers to.
    std::vector<BookRecord> m_shownBook;
};

}  // namespace quorvel
