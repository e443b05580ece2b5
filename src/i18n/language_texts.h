#pragma once

#include <array>
#include <string>

#include "fileio/file_error.h"
#include "i18n/language_lines.h"
#include "strike/defence_table.h"

namespace quorvel {

// The texts of the active language file that handlers place later. Empty until a language file
// has been applied; replaced as a whole by every application of a readable file.
struct LanguageTexts {
    PerType<std::string> defenceLabel;                          // lines 1-8
    std::string abmLabel;                                       // line 9
    std::string primaryTargetLabel;                             // line 14
    std::array<std::string, kPrimaryTargetChoiceCount> targetChoice;  // lines 20-28
    std::string msgAllInterceptedMany;                          // line 49
    std::string msgNoMissiles;                                  // line 50
    std::string msgAllInterceptedOne;                           // line 51
    std::string msgNoDefence;                                   // line 52
    std::string msgMissilesHit;                                 // line 53
    std::string msgNothingToDestroy;                            // line 54
    std::string flightUnitFirst;                                // line 55
    std::string flightUnitSecond;                               // line 56
    std::string msgOutOfRange;                                  // line 57
    std::string rangeUnit;                                      // line 58
    std::string msgOtherGalaxy;                                 // line 59
    std::string allTypesChoice;                                 // line 67
    std::string applyResultTip;                                 // line 68
    std::string planHeading;                                    // line 71
    std::string planMissilesCaption;                            // line 72
    FileErrorTexts fileErrors;                                  // lines 73-83, English when missing
    // Lines 84 on: English until a file gives them, so that a file without them shows English.
    std::string msgIntegerPrompt = "Please enter an integer.";  // line 84
    std::string aboutEntry = "&About Quorvel...";               // line 85
    std::string aboutTitle = "About Quorvel";                   // line 86
    std::string aboutPurpose =                                  // line 87
        "Works out which of a planet's defences interplanetary missiles destroy, and what the strike "
        "costs both sides.";
    std::string aboutVersion = "Version %1";                    // line 88
    std::string aboutLicense =                                  // line 89
        "Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). "
        "It comes with no warranty.";
    std::string saveFilter = "Text files (*.txt)";              // line 90
    std::string saveTitle = "Save attack plan";                 // line 91
    std::string saveFileName = "attack-plan.txt";               // line 92
};

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
