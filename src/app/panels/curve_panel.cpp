// The verdict after Simulate, the loss curve and the launches under the silo: the inputs go to
// strike/loss_curve.h, the answers into the panel's cells and its views.

#include "app/panels/curve_panel.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "fileio/atomic_file.h"
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

ResourceValues ValuesOf(const Resources& r) { return {r[0], r[1], r[2]}; }

// The batch's name of a mark and, for the marks the chart draws, the place of its words among
// LanguageTexts::markNames; type-wiped marks are the table's and the batch's only (eight of them
// would crowd the chart).
std::pair<std::string, int> MarkNaming(const CurveMark& mark) {
    switch (mark.kind) {
        case CurveMarkKind::InterceptorsUsedUp:
            return {"abm", 0};
        case CurveMarkKind::Typed:
            return {"typed", 1};
        case CurveMarkKind::BreakEven:
            return {"break-even", 2};
        case CurveMarkKind::TypeWiped:
            return {"wiped-" + std::to_string(mark.type), -1};
        case CurveMarkKind::AllDestroyed:
            break;
    }
    return {"all", 3};
}

// Each drawn mark's line, in the order of LanguageTexts::markNames: interceptors used up dash-dotted,
// typed solid, break-even dotted, all destroyed dashed.
const std::array<std::vector<int>, 4> kMarkDashes = {{{6, 3, 1, 3}, {}, {1, 3}, {6, 3}}};
// At most this many steps along the x and the y axis.
constexpr std::array<int, 2> kMostTicks = {10, 8};

// The round step (1, 2 or 5 times a power of ten) that divides 0..top into at most `most` steps.
Wide RoundStep(Wide top, int most) {
    for (Wide power = 1;; power *= 10) {
        for (const int m : {1, 2, 5}) {
            const Wide step = power * m;
            if ((top + step - 1) / step <= most) return step;
        }
    }
}

// A tick at every step from 0 to top.
std::vector<CurveTickView> RoundTicks(std::int64_t top, Wide step) {
    std::vector<CurveTickView> ticks;
    for (Wide value = 0; value <= top; value += step) {
        ticks.push_back({static_cast<std::int64_t>(value), FormatGrouped(value)});
    }
    return ticks;
}

// A CSV field: in quotes, its quotes doubled.
std::string Quoted(const std::string& field) {
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

std::int32_t CurvePanel::SiloLevel() const {
    const std::string text = m_context.form.GetText(ControlId::SiloLevelInput);
    auto it = text.cbegin();
    const std::optional<std::int32_t> level = ScanInt32(it, text.cend());
    return level && *level > 0 ? *level : 0;
}

void CurvePanel::OnSimulate(bool planLaunches) {
    const LastStrike& last = m_strike.Last();
    WriteVerdict();
    Show(ComputeLossCurve(last.in));
    const std::int32_t silo = SiloLevel();
    if (planLaunches || silo > 0) {
        Plan(LaunchRequest{last.in, m_context.inputs.neededTarget, silo});
    } else {
        Plan(std::nullopt);
    }
    WriteLaunchLines();
}

void CurvePanel::WriteVerdict() {
    MainForm& form = m_context.form;
    const LanguageTexts& texts = m_context.texts;
    const LastStrike& last = m_strike.Last();

    std::string verdict;
    const RequiredMissilesResult required = RequiredMissiles(last.in, 0);
    if (required.outcome == RequiredOutcome::Count) {
        const Wide beyond = required.missiles - last.in.missiles;
        if (beyond > 0) verdict = texts.Count(texts.verdictMore, beyond);
        if (beyond < 0) verdict = texts.Count(texts.verdictSpare, -beyond);
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

void CurvePanel::OnCurve() { Show(ComputeLossCurve(StrikeInputOf(m_context.inputs))); }

void CurvePanel::FollowStrike() {
    const LastStrike& last = m_strike.Last();
    Show(last.shown ? ComputeLossCurve(last.in) : LossCurve{});
    if (last.shown) return;
    for (ControlId id : {ControlId::VerdictMissiles, ControlId::VerdictRatio}) {
        if (!m_context.form.GetText(id).empty()) m_context.form.SetText(id, "");
    }
    if (m_request || !m_context.form.GetText(ControlId::LaunchesResult).empty()) {
        Plan(std::nullopt);
        WriteLaunchLines();
    }
}

void CurvePanel::Redraw() {
    if (m_strike.Last().shown) WriteVerdict();
    WriteLaunchLines();
}

void CurvePanel::FollowLanguage() {
    if (m_wordsLocale != m_context.locale) FollowStrike();
}

void CurvePanel::Show(const LossCurve& curve) {
    const LanguageTexts& texts = m_context.texts;
    m_wordsLocale = m_context.locale;
    CurveView view;
    view.number = m_view.number + 1;
    view.end = curve.end;
    view.points.reserve(curve.points.size());
    std::int64_t highest = 1;
    for (const CurvePoint& p : curve.points) {
        const auto defender = static_cast<std::int64_t>(Total(p.defenderLoss));
        const auto attacker = static_cast<std::int64_t>(Total(p.attackerLoss));
        view.points.push_back(
            {p.missiles, ValuesOf(p.defenderLoss), ValuesOf(p.attackerLoss), defender, attacker});
        highest = std::max({highest, defender, attacker});
    }
    int drawn = 0;
    for (const CurveMark& mark : curve.marks) {
        const auto [key, words] = MarkNaming(mark);
        CurveMarkView shown{key, {}, mark.missiles, {}, 0};
        if (words >= 0) {
            shown.label =
                texts.markNames[static_cast<std::size_t>(words)] + " (" + FormatGrouped(mark.missiles) + ")";
            shown.dashes = kMarkDashes[static_cast<std::size_t>(words)];
            shown.labelRow = drawn++;
        }
        view.marks.push_back(std::move(shown));
    }
    view.headings.push_back(texts.axisMissiles);
    view.headingLines.push_back(texts.axisMissiles);
    for (const std::string* side : {&texts.defenderLosses, &texts.attackerLosses}) {
        for (const std::string& resource : texts.resourceHeading) {
            view.headings.push_back(*side + ": " + resource);
            view.headingLines.push_back(*side + '\n' + resource);
        }
    }
    view.hoverPattern = texts.curveHover;
    view.hoverMissiles = texts.missileCount;
    view.plural = texts.plural;
    view.xTitle = texts.axisMissiles;
    view.yTitle = texts.axisResources;
    view.lineNames = {texts.seriesDefender, texts.seriesAttacker};

    if (view.points.size() < 2) {
        view.emptyText = texts.curveEmpty;
    } else {
        view.xTicks = RoundTicks(view.end, RoundStep(view.end, kMostTicks[0]));
        const Wide step = RoundStep(highest, kMostTicks[1]);
        view.yEnd = static_cast<std::int64_t>(
            std::min<Wide>((highest + step - 1) / step * step, std::numeric_limits<std::int64_t>::max()));
        view.yTicks = RoundTicks(view.yEnd, step);
        for (const CurveMark& mark : curve.marks) {
            if (mark.kind == CurveMarkKind::AllDestroyed && mark.missiles < view.end) {
                view.flatFrom = mark.missiles;
                view.flatNote = texts.curveFlatNote;
            }
        }
    }
    m_view = std::move(view);
}

void CurvePanel::OnCopyTable(bool csv) const {
    const char separator = csv ? ',' : '\t';
    std::string table;
    for (std::size_t c = 0; c < m_view.headings.size(); ++c) {
        if (c > 0) table += separator;
        table += csv ? Quoted(m_view.headings[c]) : m_view.headings[c];
    }
    table += '\n';
    for (std::size_t i = 0; i < m_view.points.size(); ++i) {
        const CurvePointView& p = m_view.points[i];
        if (!csv) {
            const std::vector<std::string> row = m_view.Row(i);
            for (std::size_t c = 0; c < row.size(); ++c) table += (c > 0 ? "\t" : "") + row[c];
        } else {
            table += std::to_string(p.missiles);
            for (const ResourceValues* side : {&p.defender, &p.attacker}) {
                for (std::int64_t v : *side) table += ',' + std::to_string(v);
            }
        }
        table += '\n';
    }
    m_context.form.SetClipboardText(table);
}

void CurvePanel::OnExportImage(const std::string& path, const std::string& image) const {
    int error = 0;
    if (ReplaceFileAtomically(path, image, &error) != WriteOutcome::Ok) {
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, path, error);
    }
}

void CurvePanel::Plan(const std::optional<LaunchRequest>& request) {
    m_request = request;
    m_launches =
        request ? PlanLaunches(request->in, request->neededTarget, request->siloLevel) : LaunchPlan{};
    LaunchesView shown;
    shown.number = m_launchesView.number + 1;
    for (const Launch& launch : m_launches.launches) {
        shown.launches.push_back({launch.in.missiles, ValuesOf(launch.out.defenderLoss)});
    }
    shown.totalMissiles = m_launches.totalMissiles;
    m_launchesView = std::move(shown);
}

void CurvePanel::RestoreLaunches(const std::optional<LaunchRequest>& request) {
    if (request != m_request) Plan(request);
}

void CurvePanel::ResumeLaunches() {
    const LastStrike& last = m_strike.Last();
    if (!last.shown || m_context.form.GetText(ControlId::LaunchesResult).empty()) return;
    Plan(LaunchRequest{last.in, m_context.inputs.neededTarget, SiloLevel()});
}

void CurvePanel::WriteLaunchLines() {
    MainForm& form = m_context.form;
    const LanguageTexts& texts = m_context.texts;
    const LaunchPlan& plan = m_launches;
    std::string result;
    if (m_request) {
        switch (plan.outcome) {
            case LaunchOutcome::NothingToDestroy:
                result = texts.msgNothingToDestroy;
                break;
            case LaunchOutcome::Done: {
                const std::int64_t largest = plan.launches.empty() ? 0 : plan.launches.front().in.missiles;
                result = FillPlaceholders(
                    texts.launchesPlan,
                    {texts.Count(texts.launchCount, static_cast<Wide>(plan.launches.size())),
                     texts.Count(texts.missileCount, plan.perLaunch > 0 ? plan.perLaunch : largest),
                     texts.Count(texts.missileCount, plan.totalMissiles)});
                break;
            }
            case LaunchOutcome::Stuck:
                result = texts.Count(texts.launchesStuck, plan.perLaunch);
                break;
            case LaunchOutcome::TooMany:
                result =
                    FillPlaceholders(texts.launchesTooMany, {FormatGrouped(static_cast<Wide>(kLaunchLimit))});
                break;
        }
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
    Show(LossCurve{});
    Plan(std::nullopt);
    for (ControlId id : {ControlId::VerdictMissiles, ControlId::VerdictRatio, ControlId::LaunchesResult,
                         ControlId::LaunchesLoss, ControlId::SiloLevelInput}) {
        m_context.form.SetText(id, "");
    }
}

}  // namespace quorvel
