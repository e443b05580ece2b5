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
};

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
