// The verdict after Simulate, the loss curve and the launches under the silo: the inputs go to
// strike/loss_curve.h, the answers into the panel's cells.

#include "app/panels/curve_panel.h"

#include <numeric>
#include <string>

#include "text/decimal.h"
#include "text/number_format.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

Wide Total(const Resources& r) { return std::accumulate(r.begin(), r.end(), Wide{0}); }

// "5" and "60" for 5.6: the ratio rounded to hundredths, its whole part grouped.
std::pair<std::string, std::string> RatioParts(Wide defender, Wide attacker) {
    const Wide hundredths = (defender * 100 + attacker / 2) / attacker;
    const int part = static_cast<int>(hundredths % 100);
    const char fraction[] = {static_cast<char>('0' + part / 10), static_cast<char>('0' + part % 10), '\0'};
    return {FormatGrouped(hundredths / 100), fraction};
}

}  // namespace

std::int32_t CurvePanel::SiloLevel() const {
    const std::string text = m_context.form.GetText(ControlId::SiloLevelInput);
    auto it = text.cbegin();
    const std::optional<std::int32_t> level = ScanInt32(it, text.cend());
    return level && *level > 0 ? *level : 0;
}

void CurvePanel::OnSimulate() {
    MainForm& form = m_context.form;
    const LanguageTexts& texts = m_context.texts;
    const LastStrike& last = m_strike.Last();

    std::string verdict;
    const RequiredMissilesResult required = RequiredMissiles(last.in, 0);
    if (required.outcome == RequiredOutcome::Count) {
        const Wide beyond = required.missiles - last.in.missiles;
        if (beyond > 0) verdict = FillPlaceholders(texts.verdictMore, {FormatGrouped(beyond)});
        if (beyond < 0) verdict = FillPlaceholders(texts.verdictSpare, {FormatGrouped(-beyond)});
        if (beyond == 0) verdict = texts.verdictExact;
    }
    form.SetText(ControlId::VerdictMissiles, verdict);

    const Wide attacker = Total(last.out.attackerLoss);
    std::string ratio;
    if (attacker > 0) {
        const auto [whole, fraction] = RatioParts(Total(last.out.defenderLoss), attacker);
        ratio = FillPlaceholders(texts.lossRatio, {whole, fraction});
    }
    form.SetText(ControlId::VerdictRatio, ratio);

    const std::int64_t perLaunch = kMissilesPerSiloLevel * SiloLevel();
    if (perLaunch > 0 && last.in.missiles > perLaunch) {
        const std::string status = form.GetText(ControlId::StatusLine);
        const std::string note = FillPlaceholders(texts.siloNote, {FormatGrouped(perLaunch)});
        form.SetText(ControlId::StatusLine, status.empty() ? note : status + ' ' + note);
    }
}

void CurvePanel::OnCurve() {
    m_curve = ComputeLossCurve(StrikeInputOf(m_context.inputs));
    ++m_curveNumber;
}

void CurvePanel::OnPlanLaunches() {
    MainForm& form = m_context.form;
    const LanguageTexts& texts = m_context.texts;
    m_launches = PlanLaunches(StrikeInputOf(m_context.inputs), m_context.inputs.neededTarget, SiloLevel());
    const LaunchPlan& plan = m_launches;
    std::string result;
    switch (plan.outcome) {
        case LaunchOutcome::NothingToDestroy:
            result = texts.msgNothingToDestroy;
            break;
        case LaunchOutcome::Done: {
            const std::int64_t largest = plan.launches.empty() ? 0 : plan.launches.front().in.missiles;
            result = FillPlaceholders(texts.launchesResult,
                                      {FormatGrouped(static_cast<Wide>(plan.launches.size())),
                                       FormatGrouped(plan.perLaunch > 0 ? plan.perLaunch : largest),
                                       FormatGrouped(plan.totalMissiles)});
            break;
        }
        case LaunchOutcome::Stuck:
            result = FillPlaceholders(texts.launchesStuck, {FormatGrouped(plan.perLaunch)});
            break;
        case LaunchOutcome::TooMany:
            result =
                FillPlaceholders(texts.launchesTooMany, {FormatGrouped(static_cast<Wide>(kLaunchLimit))});
            break;
    }
    form.SetText(ControlId::LaunchesResult, result);
    std::string loss;
    if (!plan.launches.empty()) {
        loss = FillPlaceholders(texts.launchesLoss, {FormatGrouped(Total(plan.defenderLoss)),
                                                     FormatGrouped(Total(plan.attackerLoss))});
    }
    form.SetText(ControlId::LaunchesLoss, loss);
}

void CurvePanel::ResetCells() {
    for (ControlId id : {ControlId::VerdictMissiles, ControlId::VerdictRatio, ControlId::LaunchesResult,
                         ControlId::LaunchesLoss, ControlId::SiloLevelInput}) {
        m_context.form.SetText(id, "");
    }
}

}  // namespace quorvel
