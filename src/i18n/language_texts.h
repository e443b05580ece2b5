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
    std::string msgNothingToSave;  // %1 the file the player chose
    std::string msgStartPositionGone;

    // The loss curve panel. %1 a count; the ratio's %1 and %2 are its whole part and hundredths.
    std::string verdictMore;
    std::string verdictSpare;
    std::string verdictExact;
    std::string lossRatio;
    std::string launchesResult;  // %1 launches, %2 missiles per launch, %3 missiles in all
    std::string launchesLoss;    // %1 the defender's, %2 the attacker's total loss
    std::string launchesStuck;
    std::string launchesTooMany;
    std::string siloNote;  // %1 the missiles one launch holds
    // The loss curve window.
    std::string curveEntry;  // the context-menu entry: the button's caption
    std::string curveTitle;
    std::string chartTab;
    std::string tableTab;
    std::string axisMissiles;
    std::string axisResources;
    std::string seriesDefender;
    std::string seriesAttacker;
    std::array<std::string, 4> markNames;  // interceptors used up, typed, break-even, all destroyed
    std::string copyAsText;
    std::string copyAsCsv;
    std::string exportPng;
    std::string exportSvg;
    std::string copyImage;
    // %1 missiles, %2 the defender's loss with %3-%5 its metal, crystal, deuterium, %6 the attacker's
    std::string curveHover;
    std::string curveExportTitle;

    // Undo, the plan, the number rules.
    std::string msgNoReport;
    std::string msgNumberRange;            // %1 the field, %2 the largest number
    std::array<std::string, 2> undoEntry;  // undo, redo
    std::string newPlanEntry;

    // The range rule and the arrival time.
    std::array<std::string, 2> rangeRuleChoice;  // 2 x level - 1, 5 x level - 1
    std::string arrivalAt;                       // %1 the time of day
    // The target list window.
    std::string targetListTitle;
    // Position, defence units, value, anti-ballistic missiles, armour, missiles needed, loss, per
    // missile, distance, flight time, arrival, in range; the value and loss tips hold %1, a resource.
    std::array<std::string, 12> targetHeading;
    std::array<std::string, 12> targetTip;
    std::string targetInRangeOnly;
    std::string targetYes;  // in range
    std::string targetNo;
    std::string copyAsBBCode;
    std::string copyAsMarkdown;
    std::string exportCsv;
    std::string targetListEntry;  // the main window's context-menu entry
    std::string targetListTip;
    std::string targetExportTitle;
    std::string csvFilter;
    std::string csvFileName;
    std::string fileTooLarge;  // a reason for cannotRead; %1 the largest size in MiB
    std::string targetCount;   // %1 the rows, %2 the rows shown
    std::string targetShareHeading;
    std::string targetInRangeOnlyTip;
    // The flight-time box on a target beyond the missiles' range; %1 the range in systems.
    std::string msgBeyondRange;
    // The web page: its message box's button, and what it says when the module stops (an abort).
    std::string messageBoxButton;
    std::string pageStopped;
    // The loss curve window's module could not be loaded; %1 its file, %2 the reason.
    std::string curveModuleMissing;
};

// A caption without its mnemonic marks: "&Save" -> "Save", "R&&D" -> "R&D".
std::string WithoutMnemonic(std::string_view caption);

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
