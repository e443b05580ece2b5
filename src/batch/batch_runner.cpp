#include "batch/batch_runner.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/button_handlers.h"
#include "app/control_table.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "batch/script_command.h"
#include "batch/script_form.h"
#include "batch/script_text.h"

namespace quorvel {
namespace {

std::string Numbered(ControlId id, std::string_view text) {
    return std::to_string(ToInt(id)) + '\t' + EscapeScriptText(text);
}

const char* MarkName(const CurveMark& mark) {
    switch (mark.kind) {
        case CurveMarkKind::InterceptorsUsedUp:
            return "abm";
        case CurveMarkKind::Typed:
            return "typed";
        case CurveMarkKind::BreakEven:
            return "break-even";
        case CurveMarkKind::TypeWiped:
            return "wiped-";
        case CurveMarkKind::AllDestroyed:
            break;
    }
    return "all";
}

// One line per point, then one per mark.
void PrintCurve(std::ostream& out, const LossCurve& curve) {
    for (const CurvePoint& p : curve.points) {
        std::string line = "curve\t" + std::to_string(p.missiles);
        for (std::int64_t v : p.defenderLoss) line += '\t' + std::to_string(v);
        for (std::int64_t v : p.attackerLoss) line += '\t' + std::to_string(v);
        PrintScriptLine(out, line);
    }
    for (const CurveMark& mark : curve.marks) {
        std::string name = MarkName(mark);
        if (mark.kind == CurveMarkKind::TypeWiped) name += std::to_string(mark.type);
        PrintScriptLine(out, "curve-mark\t" + name + '\t' + std::to_string(mark.missiles));
    }
}

// One line per launch, then the count and the missiles in all.
void PrintLaunches(std::ostream& out, const LaunchPlan& plan) {
    for (std::size_t k = 0; k < plan.launches.size(); ++k) {
        const Launch& launch = plan.launches[k];
        std::string line = "launch\t" + std::to_string(k + 1) + '\t' + std::to_string(launch.in.missiles);
        for (std::int64_t v : launch.out.defenderLoss) line += '\t' + std::to_string(v);
        PrintScriptLine(out, line);
    }
    PrintScriptLine(
        out, "launches\t" + std::to_string(plan.launches.size()) + '\t' + std::to_string(plan.totalMissiles));
}

// One line per row of the target list: k, position, missiles needed and the defender's loss then.
void PrintTargets(std::ostream& out, const std::vector<TargetRow>& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const TargetRow& row = rows[k];
        const Position p = row.target.value_or(Position{});
        std::string line = "target\t" + std::to_string(k + 1) + '\t' + std::to_string(p.galaxy) + ':' +
                           std::to_string(p.system) + ':' + std::to_string(p.planet) + '\t' +
                           ToDecimal(row.missilesNeeded);
        for (int r = 0; r < kResourceCount; ++r)
            line += '\t' + (row.loss ? std::to_string((*row.loss)[r]) : std::string("-"));
        PrintScriptLine(out, line);
    }
}

const char* ColourName(TextColour colour) {
    switch (colour) {
        case TextColour::Red:
            return "red";
        case TextColour::Green:
            return "green";
        case TextColour::Default:
            break;
    }
    return "default";
}

// Every control that shows a text, in ascending number.
std::vector<ControlId> TextControls() {
    std::vector<ControlId> ids;
    for (const ControlRow& control : ControlTable()) {
        if (control.kind != ControlKind::DropDown) ids.push_back(control.id);
    }
    std::sort(ids.begin(), ids.end(), [](ControlId a, ControlId b) { return ToInt(a) < ToInt(b); });
    return ids;
}

void Execute(const ScriptCommand& command, CSimulatorDlg& dlg, ScriptForm& form, std::ostream& out) {
    const ControlId id = command.control;
    switch (command.verb) {
        case ScriptVerb::Set:
            form.SetText(id, command.text);
            break;
        case ScriptVerb::Press:
            PressButton(dlg, id);
            break;
        case ScriptVerb::Select:
            form.SelectListItem(id, command.entry);
            SelectionChanged(dlg, id);
            break;
        case ScriptVerb::Key:
            PressKey(dlg, command.key);
            break;
        case ScriptVerb::AnswerLanguage:
            form.QueueLanguageAnswer({.accepted = !command.cancel, .selectedRows = command.rows});
            break;
        case ScriptVerb::AnswerSave:
            form.QueueSaveAnswer(command.cancel ? std::nullopt : std::optional<std::string>(command.text));
            break;
        case ScriptVerb::Get:
            PrintScriptLine(out, Numbered(id, form.GetText(id)));
            break;
        case ScriptVerb::List: {
            const MemoryForm::List& list = form.GetList(id);
            const std::string prefix = std::to_string(ToInt(id)) + ':';
            for (std::size_t i = 0; i < list.entries.size(); ++i) {
                PrintScriptLine(out, prefix + std::to_string(i) + '\t' + EscapeScriptText(list.entries[i]));
            }
            PrintScriptLine(out, prefix + "selected\t" + std::to_string(list.selected));
            break;
        }
        case ScriptVerb::Dump:
            for (const ControlId control : TextControls())
                PrintScriptLine(out, Numbered(control, form.GetText(control)));
            break;
        case ScriptVerb::Colour:
            PrintScriptLine(out, std::to_string(ToInt(id)) + '\t' + ColourName(form.GetColour(id)));
            break;
        case ScriptVerb::Tooltip:
            PrintScriptLine(out, Numbered(id, form.GetToolTip(id)));
            break;
        case ScriptVerb::Title:
            PrintScriptLine(out, "title\t" + EscapeScriptText(kWindowTitle));
            break;
        case ScriptVerb::CopyStrike:
            dlg.Plan().OnCopyStrike(command.format);
            break;
        case ScriptVerb::CopyPlan:
            dlg.Plan().OnCopyPlan(command.format);
            break;
        case ScriptVerb::Clipboard:
            form.PutClipboardText(command.text);
            break;
        case ScriptVerb::Paste:
            dlg.Run(Action::PasteReport);
            break;
        case ScriptVerb::Curve:
            dlg.Run(Action::Curve);
            PrintCurve(out, dlg.Curve().Curve());
            break;
        case ScriptVerb::Launches:
            form.SetText(ControlId::SiloLevelInput, std::to_string(command.entry));
            dlg.Run(Action::PlanLaunches);
            PrintLaunches(out, dlg.Curve().Launches());
            break;
        case ScriptVerb::Undo:
            dlg.Run(Action::Undo);
            break;
        case ScriptVerb::Redo:
            dlg.Run(Action::Redo);
            break;
        case ScriptVerb::NewPlan:
            dlg.Run(Action::NewPlan);
            break;
        case ScriptVerb::Restore:
            dlg.RestoreSession();
            break;
        case ScriptVerb::Targets:
            dlg.Run(Action::Targets);
            PrintTargets(out, dlg.Targets().Rows());
            break;
        case ScriptVerb::Target:
            dlg.ChooseTarget(static_cast<std::size_t>(command.entry));
            dlg.Run(Action::LoadTarget);
            break;
        case ScriptVerb::RangeRule:
            dlg.SetRangeRule(command.entry == 5 ? RangeRule::FiveTimesLevel : RangeRule::TwiceLevel);
            break;
    }
}

}  // namespace

std::string RunScriptLine(std::string_view line, CSimulatorDlg& dlg, ScriptForm& form, std::ostream& out) {
    // A script saved with CR LF line endings reads like one with LF endings.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const ParsedScriptLine parsed = ParseScriptLine(line);
    if (parsed.error.empty() && parsed.command) Execute(*parsed.command, dlg, form, out);
    return parsed.error;
}

int RunBatchScript(std::istream& script, const std::filesystem::path& home, std::ostream& out,
                   std::ostream& err) {
    return RunBatchScript(script, ProgramFolders::InOneFolder(home), out, err);
}

int RunBatchScript(std::istream& script, ProgramFolders folders, std::ostream& out, std::ostream& err) {
    ScriptForm form(out);
    CSimulatorDlg dlg(form, std::move(folders));
    dlg.OnMainWindowInit();

    std::string line;
    for (long lineNumber = 1; !form.Closed() && std::getline(script, line); ++lineNumber) {
        const std::string error = RunScriptLine(line, dlg, form, out);
        if (!error.empty()) {
            err << "quorvel-batch: line " << lineNumber << ": " << error << '\n';
            err.flush();
            return kBatchScriptError;
        }
    }
    return kBatchOk;
}

}  // namespace quorvel
