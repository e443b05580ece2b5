// Handlers of the main window that belong to no calculation: reset, exit, '<-x', the two target
// lists, start-up, the about box and the colours of the loss totals.

#include <unistd.h>

#include <system_error>

#include "app/control_table.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "app/strike_view.h"
#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "i18n/saved_choice.h"
#include "plan/plan_file.h"

namespace quorvel {

CSimulatorDlg::CSimulatorDlg(MainForm& form, const std::filesystem::path& home)
    : CSimulatorDlg(form, ProgramFolders::InOneFolder(home)) {}

CSimulatorDlg::CSimulatorDlg(MainForm& form, ProgramFolders folders)
    : m_form(form), m_folders(std::move(folders)) {}

CSimulatorDlg::~CSimulatorDlg() = default;

std::filesystem::path CSimulatorDlg::HomePath(std::string_view relative) const {
    return m_folders.Resolve(std::filesystem::path(relative));
}

std::filesystem::path CSimulatorDlg::PlanFile() const { return m_planWriter.FileBeside(HomePath(kPlanFile)); }

void CSimulatorDlg::ShowFileError(const std::string& pattern, const std::filesystem::path& file, int errorNumber) {
    m_form.ShowError(FileErrorMessage(m_texts.fileErrors, pattern, file.string(), errorNumber));
}

void CSimulatorDlg::OnMainWindowInit() {
    // Relative names then resolve beside the player's files, as they do for the files the logic
    // opens through HomePath. A folder that cannot be entered is no reason to stop.
    std::error_code ignored;
    std::filesystem::current_path(m_folders.workingFolder, ignored);

    // Rewrites of a program that was killed mid-way leave their temporaries behind.
    RemoveAbandonedTemporaries(HomePath(kBookFile));
    RemoveAbandonedTemporaries(HomePath(kLanguageSaveFile));
    // Plan files of windows that were killed or crashed.
    HandleAbandonedPlanFiles(HomePath(kPlanFile));

    ApplyLanguageFile(LanguagePath(SavedLanguageIndex(HomePath(kLanguageSaveFile))));

    m_form.SetToolTip(ControlId::ApplyResultButton, m_texts.applyResultTip);
    m_toolTipCreated = true;

    for (ControlId id : kNumericInputs) m_form.SetText(id, "");

    RefillBookList();
}

void CSimulatorDlg::OnResetAll() {
    ResetResultDisplay();

    m_state.inputs.defenceCount.fill(0);
    m_state.inputs.abmCount = 0;
    m_state.inputs.missileCount = 0;

    for (ControlId id : kNumericInputs) m_form.SetText(id, "");
    for (ControlId id : {ControlId::FlightUnitSecond, ControlId::FlightUnitFirst, ControlId::FlightSystems,
                         ControlId::FlightFixed, ControlId::FlightMessage, ControlId::RangeResult,
                         ControlId::RangeUnit, ControlId::ReportText}) {
        m_form.SetText(id, "");
    }
}

void CSimulatorDlg::ResetResultDisplay() {
    m_state.strike.shown = false;
    for (const auto& cells : {kDefenderBalanceCells, kAttackerBalanceCells}) {
        for (ControlId id : cells) m_form.SetText(id, "");
    }
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        m_form.SetText(kDefenceRows[t].destroyed, kNoCountCell);
        m_form.SetText(kDefenceRows[t].remaining, kNoCountCell);
        ClearTypeLossCells(m_form, t);
    }
    m_form.SetText(ControlId::AbmMetal, kNoLossCell);
    m_form.SetText(ControlId::AbmDeuterium, kNoLossCell);
    for (ControlId id : kDefenderTotalCells) m_form.SetText(id, kNoLossCell);

    m_form.SetText(ControlId::DestroyedTotal, kNoCountCell);
    m_form.SetText(ControlId::RemainingTotal, kNoCountCell);
    for (ControlId id : kAttackerLossCells) m_form.SetText(id, kNoLossCell);
    m_form.SetText(ControlId::MissilesFired, kNoCountCell);
    m_form.SetText(ControlId::MissilesLeft, kNoCountCell);
    m_form.SetText(ControlId::RequiredMissilesResult, kNoCountCell);
    m_form.SetText(ControlId::StatusLine, "");
}

void CSimulatorDlg::OnExit() {
    for (ControlId id : kNumericInputs) {
        const std::string text = m_form.GetText(id);
        const bool singleLetter = text.size() == 1 && ((text[0] >= 'a' && text[0] <= 'z') ||
                                                       (text[0] >= 'A' && text[0] <= 'Z'));
        if (text.empty() || singleLetter) m_form.SetText(id, "1");
    }
    if (ReadInputs()) m_form.CloseOk();
}

void CSimulatorDlg::OnApplyResult() {
    NormaliseEmptyInputs();
    if (m_state.strike.resultValid) {
        for (int t = 0; t < kDefenceTypeCount; ++t) m_form.SetInt(kDefenceRows[t].input, m_state.inputs.defenceCount[t]);
        m_form.SetInt(ControlId::MissileInput, m_state.strike.missilesLeft);
        const std::int64_t interceptorsLeft = std::int64_t{m_state.inputs.abmCount} - m_state.strike.missilesAtStart;
        m_form.SetInt(ControlId::AbmInput, interceptorsLeft > 0 ? interceptorsLeft : 0);
        m_state.strike.resultValid = false;
    }
    ClearZeroInputs();
}

void CSimulatorDlg::OnPrimaryTargetChanged() {
    m_state.inputs.primaryTarget = m_form.GetSelection(ControlId::PrimaryTargetList);
}

void CSimulatorDlg::OnNeededTargetChanged() {
    m_state.inputs.neededTarget = m_form.GetSelection(ControlId::RequiredTargetList);
}

void CSimulatorDlg::OnShowAbout() { m_form.ShowAbout(); }

TextColour CSimulatorDlg::OnControlColour(ControlId id) const {
    for (int r = 0; r < kResourceCount; ++r) {
        const bool defenderCell = id == kDefenderTotalCells[r] || id == kDefenderBalanceCells[r];
        const bool attackerCell = id == kAttackerLossCells[r] || id == kAttackerBalanceCells[r];
        if (!defenderCell && !attackerCell) continue;
        const std::int64_t defender = m_state.strike.defenderLoss[r];
        const std::int64_t attacker = m_state.strike.attackerLoss[r];
        if (attacker == defender) return TextColour::Default;
        const bool defenderLostMore = attacker < defender;
        return (defenderCell == defenderLostMore) ? TextColour::Red : TextColour::Green;
    }
    return TextColour::Default;
}

void CSimulatorDlg::ShowLossBalance() {
    const auto word = [this](LossBalance balance) -> const std::string& {
        static const std::string kNone;
        return balance == LossBalance::More ? m_texts.lostMoreMark
               : balance == LossBalance::Less ? m_texts.lostLessMark
                                              : kNone;
    };
    for (int r = 0; r < kResourceCount; ++r) {
        const std::int64_t defender = m_state.strike.defenderLoss[r];
        const std::int64_t attacker = m_state.strike.attackerLoss[r];
        m_form.SetText(kDefenderBalanceCells[r], word(CompareLoss(defender, attacker)));
        m_form.SetText(kAttackerBalanceCells[r], word(CompareLoss(attacker, defender)));
        m_form.Redraw(kDefenderBalanceCells[r]);
        m_form.Redraw(kAttackerBalanceCells[r]);
    }
}

}  // namespace quorvel
