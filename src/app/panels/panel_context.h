#pragma once

// What the feature panels share: the form, the program's folders, the inputs as the handler frame
// last read them and the active language's texts. The main window's logic owns it; every panel
// reads it, the frame writes the inputs and the language panel the texts.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "app/program_folders.h"
#include "app/simulator_state.h"
#include "i18n/language_texts.h"
#include "travel/missile_range.h"

namespace quorvel {

// The local time of day now, in seconds from midnight (0..86399).
std::int32_t LocalSecondsOfDay();

struct PanelContext {
    MainForm& form;
    ProgramFolders folders;
    InputValues inputs;
    std::uint64_t inputReads = 0;  // how often the frame has read the fields into `inputs`
    LanguageTexts texts;
    std::string locale = "en";                      // the active language's, as the language table names it
    std::map<ControlId, std::string> controlNames;  // what the active language calls each named control
    RangeRule rangeRule = RangeRule::TwiceLevel;    // the missile range's rule in force
    std::int32_t (*secondsOfDayNow)() = LocalSecondsOfDay;  // the clock of arrival times; tests set their own

    // A program file (kBookFile, a language file, ...) resolved against the folders.
    std::filesystem::path HomePath(std::string_view relative) const;
    // The error box for a file that could not be written (cannotSave) or read (cannotRead).
    void ShowFileError(const std::string& pattern, const std::filesystem::path& file, int errorNumber) const;
};

}  // namespace quorvel
