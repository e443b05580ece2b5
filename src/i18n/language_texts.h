#pragma once

#include <array>
#include <string>
#include <string_view>

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
    FileErrorTexts fileErrors;                                  // lines 73-83, 140-145, English when missing
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

    // Words of the shared strike and plan texts; captions lose their mnemonic '&'.
    std::string remainingHeading;                               // line 18
    std::string destroyedHeading;                               // line 19
    std::string defenderLosses;                                 // line 29
    std::array<std::string, kResourceCount> resourceHeading;    // lines 30-32
    std::string attackerLosses;                                 // line 33
    std::array<std::string, 3> copyStrikeEntry;                 // lines 94-96
    std::array<std::string, 3> copyPlanEntry;                   // lines 97-99
    std::string pasteReportEntry;                               // line 100
    std::string shareHeading;                                   // line 101
    std::string shareBefore;                                    // line 102
    std::string shareMissilesFired;                             // line 103
    std::string shareIntercepted;                               // line 104
    std::string shareMissilesLeft;                              // line 105
    std::string lostMoreMark;                                   // line 106
    std::string lostLessMark;                                   // line 107
    std::string msgNoStrikeToCopy;                              // line 108
    std::string msgNoPlanToCopy;                                // line 109
    std::string msgNothingToSave;                               // line 146, %1 the chosen file
    std::string msgStartPositionGone;                           // line 147
};

// A caption without its mnemonic marks: "&Save" -> "Save", "R&&D" -> "R&D".
std::string WithoutMnemonic(std::string_view caption);

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
