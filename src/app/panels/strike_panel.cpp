// Simulate and Required missiles: the inputs go to the pure strike of strike/, the result is
// written into the cells (strike_view.cpp) and kept for '<-x', the attack plan and sharing.

#include "app/panels/strike_panel.h"

#include "app/control_table.h"
#include "app/panels/strike_view.h"

namespace quorvel {
StrikeInput StrikeInputOf(const InputValues& inputs) {
    StrikeInput in;
    in.counts = inputs.defenceCount;
    in.interceptors = inputs.abmCount;
    in.missiles = inputs.missileCount;
    in.armourLevel = inputs.armourLevel;
    in.weaponsLevel = inputs.weaponsLevel;
    in.primaryTarget = inputs.primaryTarget;
    return in;
}

void StrikePanel::OnSimulate() {
    m_last.in = StrikeInputOf(m_context.inputs);
    m_last.out = SimulateStrike(m_last.in);
    m_last.resultValid = true;
    m_last.attackRecordable = true;
    m_last.inputRead = m_context.inputReads;
    ShowStrike(m_context.form, m_context.texts, m_last.in, m_last.out);
    m_last.shown = true;
}

void StrikePanel::OnRequiredMissiles() {
    ShowRequiredMissiles(m_context.form, m_context.texts,
                         RequiredMissiles(StrikeInputOf(m_context.inputs), m_context.inputs.neededTarget));
}

void StrikePanel::OnApplyResult() {
    if (!m_last.resultValid) return;
    MainForm& form = m_context.form;
    // The defender as the window knows it: the strike's survivors until a later handler reads the
    // fields; from then on what it read, since the fields may have been typed over.
    const bool readSince = m_context.inputReads != m_last.inputRead;
    const InputValues& read = m_context.inputs;
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        form.SetInt(kDefenceRows[t].input, readSince ? read.defenceCount[t] : m_last.out.surviving[t]);
    }
    form.SetInt(ControlId::MissileInput, m_last.out.missilesLeft);
    const std::int64_t interceptors = readSince ? read.abmCount : m_last.in.interceptors;
    const std::int64_t interceptorsLeft = interceptors - m_last.in.missiles;
    form.SetInt(ControlId::AbmInput, interceptorsLeft > 0 ? interceptorsLeft : 0);
    m_last.resultValid = false;
}

void StrikePanel::OnPrimaryTargetChanged() {
    m_context.inputs.primaryTarget = m_context.form.GetSelection(ControlId::PrimaryTargetList);
}

void StrikePanel::OnNeededTargetChanged() {
    m_context.inputs.neededTarget = m_context.form.GetSelection(ControlId::RequiredTargetList);
}

void StrikePanel::SelectFirstTargets() {
    m_context.form.SelectListItem(ControlId::RequiredTargetList, 0);
    m_context.inputs.neededTarget = 0;
    m_context.form.SelectListItem(ControlId::PrimaryTargetList, 0);
    m_context.inputs.primaryTarget = 0;
}

void StrikePanel::Redraw(const LanguageTexts& before) {
    MainForm& form = m_context.form;
    const std::string required = form.GetText(ControlId::RequiredMissilesResult);
    if (m_last.shown) ShowStrike(form, m_context.texts, m_last.in, m_last.out);
    // The required missiles are a number, or the words that there is nothing to destroy.
    const bool words = !required.empty() && required == before.msgNothingToDestroy;
    form.SetText(ControlId::RequiredMissilesResult, words ? m_context.texts.msgNothingToDestroy : required);
}

void StrikePanel::ResetCells() {
    m_last.shown = false;
    ResetStrikeCells(m_context.form);
}

}  // namespace quorvel
