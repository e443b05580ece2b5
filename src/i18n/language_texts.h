#pragma once

#include <array>
#include <string>
#include <string_view>

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

    // Words of the shared strike and plan texts; captions lose their mnemonic '&'.
    std::string remainingHeading;                               // line 18
    std::string destroyedHeading;                               // line 19
    std::string defenderLosses;                                 // line 29
    std::array<std::string, kResourceCount> resourceHeading;    // lines 30-32
    std::string attackerLosses;                                 // line 33
    std::array<std::string, 3> copyStrikeEntry;                 // lines 74-76
    std::array<std::string, 3> copyPlanEntry;                   // lines 77-79
    std::string pasteReportEntry;                               // line 80
    std::string shareHeading;                                   // line 81
    std::string shareBefore;                                    // line 82
    std::string shareMissilesFired;                             // line 83
    std::string shareIntercepted;                               // line 84
    std::string shareMissilesLeft;                              // line 85
    std::string lostMoreMark;                                   // line 86
    std::string lostLessMark;                                   // line 87
    std::string msgNoStrikeToCopy;                              // line 88
    std::string msgNoPlanToCopy;                                // line 89
};

// A caption without its mnemonic marks: "&Save" -> "Save", "R&&D" -> "R&D".
std::string WithoutMnemonic(std::string_view caption);

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
