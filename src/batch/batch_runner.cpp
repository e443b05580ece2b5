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

// The copy formats from which `copy` makes a share code: code, then link.
constexpr int kCodeFormat = 4;

std::string Numbered(ControlId id, std::string_view text) {
    return std::to_string(ToInt(id)) + '\t' + EscapeScriptText(text);
}

// One line per point, then one per mark.
void PrintCurve(std::ostream& out, const CurveView& curve) {
    for (const CurvePointView& p : curve.points) {
        std::string line = "curve\t" + std::to_string(p.missiles);
        for (std::int64_t v : p.defender) line += '\t' + std::to_string(v);
        for (std::int64_t v : p.attacker) line += '\t' + std::to_string(v);
        PrintScriptLine(out, line);
    }
    for (const CurveMarkView& mark : curve.marks) {
        PrintScriptLine(out, "curve-mark\t" + mark.key + '\t' + std::to_string(mark.missiles));
    }
}

// One line per launch, then the count and the missiles in all.
void PrintLaunches(std::ostream& out, const LaunchesView& plan) {
    for (std::size_t k = 0; k < plan.launches.size(); ++k) {
        const LaunchView& launch = plan.launches[k];
        std::string line = "launch\t" + std::to_string(k + 1) + '\t' + std::to_string(launch.missiles);
        for (std::int64_t v : launch.defender) line += '\t' + std::to_string(v);
        PrintScriptLine(out, line);
    }
    PrintScriptLine(
        out, "launches\t" + std::to_string(plan.launches.size()) + '\t' + std::to_string(plan.totalMissiles));
}

// One line per row of a target list: k, position, missiles needed and the defender's loss then.
void PrintTargets(std::ostream& out, const std::vector<TargetRowView>& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const TargetRowView& row = rows[k];
        std::string line =
            "target\t" + std::to_string(k + 1) + '\t' + row.position + '\t' + row.missilesNeeded;
        for (std::size_t r = 0; r < ResourceValues().size(); ++r)
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
        case ScriptVerb::CopyPlan:
        case ScriptVerb::CopyTargets: {
            const int kind = command.verb == ScriptVerb::CopyStrike ? 0
                             : command.verb == ScriptVerb::CopyPlan ? 1
                                                                    : 2;
            if (command.format >= kCodeFormat) {
                dlg.Run(Action::CopyCode,
                        ActionInput(kind + (command.format == kCodeFormat ? 0 : kCodeLinkOffset)));
            } else {
                static constexpr Action kCopies[] = {Action::CopyStrike, Action::CopyPlan,
                                                     Action::CopyTargets};
                dlg.Run(kCopies[kind], ActionInput(command.format));
            }
            break;
        }
        case ScriptVerb::Code:
        case ScriptVerb::Link: {
            const bool link = command.verb == ScriptVerb::Link;
            dlg.Run(Action::ShowCode, ActionInput(command.entry + (link ? kCodeLinkOffset : 0)));
            const CodeView& codes = dlg.View().codes;
            const std::string& text = link ? codes.link : codes.code;
            if (!text.empty()) PrintScriptLine(out, (link ? "link\t" : "code\t") + text);
            break;
        }
        case ScriptVerb::Open:
            dlg.Run(Action::OpenCode, ActionInput(0, command.text));
            break;
        case ScriptVerb::PageAddress:
            dlg.Run(Action::SetPageAddress, ActionInput(0, command.text));
            break;
        case ScriptVerb::AnswerPlan: {
            static constexpr PlanLoadChoice kChoices[] = {PlanLoadChoice::Replace, PlanLoadChoice::Extend,
                                                          PlanLoadChoice::Cancel};
            form.QueuePlanAnswer(kChoices[std::clamp(command.entry, 0, 2)]);
            break;
        }
        case ScriptVerb::CopyCurve:
            dlg.Run(Action::CopyCurveTable, ActionInput(command.format == 3 ? 1 : 0));
            break;
        case ScriptVerb::Clipboard:
            form.PutClipboardText(command.text);
            break;
        case ScriptVerb::Paste:
            dlg.Run(Action::PasteReport);
            break;
        case ScriptVerb::Curve:
            dlg.Run(Action::Curve);
            PrintCurve(out, dlg.View().curve);
            break;
        case ScriptVerb::Launches:
            form.SetText(ControlId::SiloLevelInput, std::to_string(command.entry));
            dlg.Run(Action::PlanLaunches);
            PrintLaunches(out, dlg.View().launches);
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
            dlg.Run(Action::RestoreSession);
            break;
        case ScriptVerb::Targets:
            dlg.Run(Action::Targets);
            PrintTargets(out, dlg.View().targets.fieldRows);
            break;
        case ScriptVerb::Target:
            dlg.Run(Action::LoadTarget, ActionInput(command.entry));
            break;
        case ScriptVerb::RangeRule:
            dlg.Run(Action::SetRangeRule, ActionInput(command.entry));
            break;
        case ScriptVerb::TargetList:
            dlg.Run(Action::ListTargets, command.hasText ? ActionInput(1, command.text) : ActionInput());
            break;
        case ScriptVerb::TargetSort:
            dlg.Run(Action::SortTargets, ActionInput(command.entry));
            break;
        case ScriptVerb::TargetFilter:
            dlg.Run(Action::FilterTargets, ActionInput(command.entry));
            break;
        case ScriptVerb::TargetLoad:
            dlg.Run(Action::LoadListedTarget, ActionInput(command.entry - 1));
            break;
        case ScriptVerb::TargetClose:
            dlg.Run(Action::CloseTargetList);
            break;
    }
}

}  // namespace

std::string RunScriptLine(std::string_view line, CSimulatorDlg& dlg, ScriptForm& form, std::ostream& out) {
    // A script saved with CR LF line endings reads like one with LF endings.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const ParsedScriptLine parsed = ParseScriptLine(line);
    if (!parsed.error.empty() || !parsed.command) return parsed.error;
    const std::uint64_t listShown = form.TargetListShows();
    Execute(*parsed.command, dlg, form, out);
    // A target list that opened or took a page in is printed as `targets` prints its rows.
    if (form.TargetListShows() != listShown) PrintTargets(out, dlg.View().targets.rows);
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
