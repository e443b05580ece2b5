#pragma once

// The batch mode. Data flow:
//   script line -> ParseScriptLine (script_command.h) -> ScriptForm, a MemoryForm that prints
//   what a window would show (script_form.h) -> the same CSimulatorDlg handlers as the window.

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "app/program_folders.h"
#include "app/simulator_dialog.h"
#include "batch/script_form.h"

namespace quorvel {

// Exit statuses of the batch mode.
inline constexpr int kBatchOk = 0;
inline constexpr int kBatchScriptError = 2;

// Starts the program on a script form with home as its folder (or with the folders start-up
// decided), then runs the script one line at a
// time, printing to out. Ends when the script ends or the main window closes (kBatchOk), or at the
// first line that is no valid command, which is reported on err (kBatchScriptError).
int RunBatchScript(std::istream& script, const std::filesystem::path& home, std::ostream& out,
                   std::ostream& err);
int RunBatchScript(std::istream& script, ProgramFolders folders, std::ostream& out, std::ostream& err);

// Runs one script line (without its line ending) on a started program, printing to out: what the
// batch does for each line, and what the web page's bridge does for each line it is given. Empty,
// or the reason why the line is no command (then nothing ran).
std::string RunScriptLine(std::string_view line, CSimulatorDlg& dlg, ScriptForm& form, std::ostream& out);

}  // namespace quorvel
