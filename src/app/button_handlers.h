#pragma once

// The one place that wires the main window's buttons, lists and keys to their handlers. The Qt
// window and the batch mode both call these, so a control number means the same everywhere.

#include "app/control_id.h"

namespace quorvel {

class CSimulatorDlg;

// Keys the main window acts on from any control: Enter, Escape, Ctrl+C without a selection in a
// field (copy the strike), Ctrl+Shift+V (paste and read a report), Ctrl+Z and Ctrl+Shift+Z or
// Ctrl+Y outside an edit's own typing (undo and redo a step), F1 (about), F3 (the loss curve) and
// Ctrl+Shift+L (the report field's reports into the target list).
enum class Key { Enter, Escape, CopyStrike, PasteReport, Undo, Redo, About, Curve, TargetList };

// Runs the handler of button id; false (and nothing runs) when id is no button of the main window.
bool PressButton(CSimulatorDlg& dlg, ControlId id);
// Runs the selection handler of drop-down list id; false when id is no list of the main window.
bool SelectionChanged(CSimulatorDlg& dlg, ControlId id);
// Enter simulates, Escape resets everything (neither closes the window); the copy key copies the
// shown strike as text, the paste key reads the clipboard as a report.
void PressKey(CSimulatorDlg& dlg, Key key);

}  // namespace quorvel
