#pragma once

#include <array>
#include <string>
#include <string_view>

#include "fileio/file_error.h"
#include "i18n/language_lines.h"
#include "strike/defence_table.h"

namespace quorvel {

// The texts of the active language file that handlers place later. Which line fills which member,
// and the English a member holds until a file gives it, is the text table in language_texts.cpp.
// Replaced as a whole by every application of a readable file.
struct LanguageTexts {
    // English where the text table gives a member an English text; empty otherwise.
    LanguageTexts();

    PerType<std::string> defenceLabel;
    std::string abmLabel;
    std::string primaryTargetLabel;
    std::array<std::string, kPrimaryTargetChoiceCount> targetChoice;
    std::string msgAllInterceptedMany;
    std::string msgNoMissiles;
    std::string msgAllInterceptedOne;
    std::string msgNoDefence;
    std::string msgMissilesHit;
    std::string msgNothingToDestroy;
    std::string flightUnitFirst;
    std::string flightUnitSecond;
    std::string msgOutOfRange;
    std::string rangeUnit;
    std::string msgOtherGalaxy;
    std::string allTypesChoice;
    std::string applyResultTip;
    std::string planHeading;
    std::string planMissilesCaption;
    FileErrorTexts fileErrors;  // English when missing: the group's own texts
    std::string msgIntegerPrompt;
    std::string aboutEntry;
    std::string aboutTitle;
    std::string aboutPurpose;
    std::string aboutVersion;  // %1 stands for the version number
    std::string aboutLicense;
    std::string saveFilter;
    std::string saveTitle;
    std::string saveFileName;  // the name the save dialog suggests

    // Words of the shared strike and plan texts; captions lose their mnemonic '&'.
    std::string remainingHeading;
    std::string destroyedHeading;
    std::string defenderLosses;
    std::array<std::string, kResourceCount> resourceHeading;
    std::string attackerLosses;
    std::array<std::string, 3> copyStrikeEntry;  // as text, BBCode, Markdown
    std::array<std::string, 3> copyPlanEntry;    // as text, BBCode, Markdown
    std::string pasteReportEntry;
    std::string shareHeading;
    std::string shareBefore;
    std::string shareMissilesFired;
    std::string shareIntercepted;
    std::string shareMissilesLeft;
    std::string lostMoreMark;
    std::string lostLessMark;
    std::string msgNoStrikeToCopy;
    std::string msgNoPlanToCopy;

    // Undo, the plan, the number rules.
    std::string msgNoReport;
    std::string msgNumberRange;  // %1 the field, %2 the largest number
    std::array<std::string, 2> undoEntry;  // undo, redo
    std::string newPlanEntry;
};

// A caption without its mnemonic marks: "&Save" -> "Save", "R&&D" -> "R&D".
std::string WithoutMnemonic(std::string_view caption);

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
