// Results leave the window: the last strike or the attack plan onto the clipboard as plain text,
// BBCode or Markdown, and an espionage report from the clipboard into the report field.

#include <optional>
#include <string>

#include "app/program_files.h"
#include "app/record_data.h"
#include "app/simulator_dialog.h"
#include "fileio/atomic_file.h"

namespace quorvel {
namespace {

ShareWords WordsOf(const LanguageTexts& texts) {
    ShareWords words;
    words.record = RecordWords(texts);
    words.strikeHeading = texts.shareHeading;
    words.beforeHeading = texts.shareBefore;
    words.destroyedHeading = texts.destroyedHeading;
    words.remainingHeading = texts.remainingHeading;
    words.defenderLosses = texts.defenderLosses;
    words.attackerLosses = texts.attackerLosses;
    for (int r = 0; r < kResourceCount; ++r) words.resource[r] = texts.resourceHeading[r];
    words.missilesFired = texts.shareMissilesFired;
    words.missilesIntercepted = texts.shareIntercepted;
    words.missilesLeft = texts.shareMissilesLeft;
    words.lostMoreMark = texts.lostMoreMark;
    words.lostLessMark = texts.lostLessMark;
    return words;
}

}  // namespace

void CSimulatorDlg::OnCopyStrike(ShareFormat format) {
    // The shown result, not the current inputs: the fields may already hold the next strike.
    if (!m_state.strike.shown) {
        m_form.ShowMessage(m_texts.msgNoStrikeToCopy);
        return;
    }
    StrikeShareFacts facts;
    facts.record = RecordFacts(m_state);
    facts.defenderLoss = m_state.strike.defenderLoss;
    facts.attackerLoss = m_state.strike.attackerLoss;
    facts.missilesLeft = m_state.strike.missilesLeft;
    m_form.SetClipboardText(FormatStrikeShare(format, WordsOf(m_texts), facts));
}

void CSimulatorDlg::OnCopyPlan(ShareFormat format) {
    if (m_state.plan.records.empty()) {
        m_form.ShowMessage(m_texts.msgNoPlanToCopy);
        return;
    }
    if (format != ShareFormat::Text) {
        m_form.SetClipboardText(FormatPlanShare(format, WordsOf(m_texts), m_state.plan.records));
        return;
    }
    // The plain text is what an export writes: the plan file as it is.
    const std::optional<std::string> text = ReadWholeFile(PlanFile());
    m_form.SetClipboardText(text && !text->empty() ? *text : FormatPlanShare(format, WordsOf(m_texts), m_state.plan.records));
}

void CSimulatorDlg::OnPasteReport() {
    m_form.SetText(ControlId::ReportText, m_form.GetClipboardText());
    OnReadReport();
}

}  // namespace quorvel
