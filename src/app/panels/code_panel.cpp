// Share codes: what the strike, plan and target panels hold as codes and links, and a strike code
// back into the form. The plan and the target list take in their own codes' data
// (PlanPanel::OnLoadPlan, TargetPanel::OnListReports); simulator_dialog.cpp routes a code there.

#include "app/panels/code_panel.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <variant>
#include <vector>

#include "app/control_table.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"

namespace quorvel {
namespace {

// The page's address is one line; a larger file is no address file.
constexpr std::size_t kLargestAddressFile = 4096;

// A list's selection as a code carries it: none (or one the list lacks) is the first entry.
std::int32_t Choice(std::int32_t selection) {
    return selection >= 0 && selection < kPrimaryTargetChoiceCount ? selection : 0;
}

// A strike's own inputs into a strike code, its other fields kept.
void PutStrikeInput(StrikeCode& code, const StrikeInput& in) {
    code.counts = in.counts;
    code.interceptors = in.interceptors;
    code.armourLevel = in.armourLevel;
    code.missiles = static_cast<std::int32_t>(std::min<std::int64_t>(in.missiles, kCurveMissileLimit));
    code.weaponsLevel = in.weaponsLevel;
    code.primaryTarget = Choice(in.primaryTarget);
}

void SetField(MainForm& form, ControlId id, std::int32_t value) {
    form.SetText(id, value == 0 ? std::string() : std::to_string(value));
}

}  // namespace

void CodePanel::LoadPageAddress() {
    std::optional<std::string> address;
    if (const std::optional<std::string> file =
            ReadRegularFile(m_context.HomePath(kPageAddressFile), kLargestAddressFile)) {
        address = PageAddressOf(std::string_view(*file).substr(0, file->find('\n')));
    }
    if (!address) address = PageAddressOf(kPageAddress);
    SetPageAddress(address.value_or(std::string()));
}

void CodePanel::SetPageAddress(std::string_view address) {
    m_view.address = PageAddressOf(address).value_or(std::string());
    m_view.linksOffered = !m_view.address.empty();
    ++m_view.number;
}

StrikeCode CodePanel::FormStrike() const {
    const InputValues& in = m_context.inputs;
    StrikeCode strike;
    PutStrikeInput(strike, StrikeInputOf(in));
    strike.neededTarget = Choice(in.neededTarget);
    strike.siloLevel = m_curve.SiloLevel();
    strike.start = {in.startGalaxy, in.startSystem, in.startPlanet};
    strike.target = {in.targetGalaxy, in.targetSystem, in.targetPlanet};
    strike.impulseDriveLevel = in.impulseDriveLevel;
    strike.rangeRule = m_context.rangeRule;
    return strike;
}

ShareCode CodePanel::Data(CodeKind kind) const {
    switch (kind) {
        case CodeKind::Plan: {
            PlanCode plan;
            for (const AttackRecordFacts& record : m_plan.State().records) plan.records.push_back(record.in);
            return plan;
        }
        case CodeKind::Targets: {
            TargetCode list;
            for (const SpyReport& report : m_targets.ShownReports())
                list.rows.push_back(TargetCodeRowOf(report));
            return list;
        }
        case CodeKind::Strike:
            break;
    }
    return FormStrike();
}

std::optional<std::string> CodePanel::Code(CodeKind kind) const {
    const LanguageTexts& texts = m_context.texts;
    const ShareCode data = Data(kind);
    if (const auto* plan = std::get_if<PlanCode>(&data); plan != nullptr && plan->records.empty()) {
        m_context.form.ShowMessage(texts.msgNoPlanToCopy);
        return std::nullopt;
    }
    if (const auto* list = std::get_if<TargetCode>(&data); list != nullptr && list->rows.empty()) {
        m_context.form.ShowMessage(texts.msgNoTargetsToCopy);
        return std::nullopt;
    }
    EncodedShareCode encoded = EncodeShareCode(data);
    if (encoded.refusal) {
        m_context.form.ShowMessage(texts.codeRefusal[static_cast<std::size_t>(*encoded.refusal)]);
        return std::nullopt;
    }
    return std::move(encoded.text);
}

void CodePanel::OnCopy(CodeKind kind, bool link) const {
    if (link && !m_view.linksOffered) {
        m_context.form.ShowMessage(m_context.texts.msgNoPageAddress);
        return;
    }
    const std::optional<std::string> code = Code(kind);
    if (!code) return;
    m_context.form.SetClipboardText(link ? ShareLink(m_view.address, *code) : *code);
}

void CodePanel::OnShow(CodeKind kind, bool link) {
    ++m_view.number;
    m_view.code.clear();
    m_view.link.clear();
    if (link && !m_view.linksOffered) {
        m_context.form.ShowMessage(m_context.texts.msgNoPageAddress);
        return;
    }
    if (std::optional<std::string> code = Code(kind)) {
        if (m_view.linksOffered) m_view.link = ShareLink(m_view.address, *code);
        m_view.code = std::move(*code);
    }
}

std::optional<ShareCode> CodePanel::Read(std::string_view text) const {
    const std::optional<std::string_view> found = FindShareCode(text);
    if (!found) return std::nullopt;
    DecodedShareCode decoded = DecodeShareCode(*found);
    if (decoded.refusal) {
        m_context.form.ShowWarning(m_context.texts.codeRefusal[static_cast<std::size_t>(*decoded.refusal)]);
        return std::nullopt;
    }
    return std::move(decoded.code);
}

void CodePanel::FillForm(const StrikeCode& strike) const {
    MainForm& form = m_context.form;
    for (int t = 0; t < kDefenceTypeCount; ++t) SetField(form, kDefenceRows[t].input, strike.counts[t]);
    const std::pair<ControlId, std::int32_t> fields[] = {
        {ControlId::AbmInput, strike.interceptors},
        {ControlId::ArmourInput, strike.armourLevel},
        {ControlId::MissileInput, strike.missiles},
        {ControlId::WeaponsInput, strike.weaponsLevel},
        {ControlId::SiloLevelInput, strike.siloLevel},
        {ControlId::StartGalaxyInput, strike.start.galaxy},
        {ControlId::StartSystemInput, strike.start.system},
        {ControlId::StartPlanetInput, strike.start.planet},
        {ControlId::TargetGalaxyInput, strike.target.galaxy},
        {ControlId::TargetSystemInput, strike.target.system},
        {ControlId::TargetPlanetInput, strike.target.planet},
        {ControlId::ImpulseDriveInput, strike.impulseDriveLevel},
    };
    for (const auto& [id, value] : fields) SetField(form, id, value);
    form.SelectListItem(ControlId::PrimaryTargetList, strike.primaryTarget);
    m_context.inputs.primaryTarget = strike.primaryTarget;
    form.SelectListItem(ControlId::RequiredTargetList, strike.neededTarget);
    m_context.inputs.neededTarget = strike.neededTarget;
}

std::string CodePanel::ShareLinkLine(ShareFormat format, CodeKind kind) const {
    if (format == ShareFormat::Text || !m_view.linksOffered) return {};
    ShareCode data = Data(kind);
    if (kind == CodeKind::Strike) {
        // The strike the share tells, with the rest of the form as last read.
        const LastStrike& last = m_strike.Last();
        if (!last.shown) return {};
        PutStrikeInput(std::get<StrikeCode>(data), last.in);
    }
    // A share that cannot carry its data as a code (an empty plan, one past the limits) goes
    // without the link.
    const EncodedShareCode encoded = EncodeShareCode(data);
    if (encoded.refusal) return {};
    return quorvel::ShareLinkLine(format, m_context.texts.openInQuorvel,
                                  ShareLink(m_view.address, encoded.text));
}

}  // namespace quorvel
