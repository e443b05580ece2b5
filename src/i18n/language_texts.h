#pragma once

#include <array>
#include <string>
#include <string_view>

#include "fileio/file_error.h"
#include "i18n/language_lines.h"
#include "strike/defence_table.h"
#include "text/plural.h"

namespace quorvel {

// A text about a count in its language's three forms, in PluralForm order (one, few, many); "%1"
// stands for the count. A language without a form repeats another in its place.
using CountedText = std::array<std::string, 3>;

// The texts of the active language file that handlers place later. Which line fills which member,
// and the English a member holds until a file gives it, is the text table in language_texts.cpp.
// Replaced as a whole by every application of a readable file.
struct LanguageTexts {
    // English where the text table gives a member an English text; empty otherwise.
    LanguageTexts();

    // The form of a counted text that count takes under the language's rule, %1 the count grouped.
    std::string Count(const CountedText& text, Wide count) const;

    PluralRule plural = PluralRule::OneOther;  // the language's; the language table's row tells it

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
    CountedText flightMinutes;  // the flight time's first unit, beside the minutes
    std::string flightUnitSecond;
    std::string msgOutOfRange;
    CountedText rangeUnit;  // beside the range in systems
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

    // The loss curve panel. The ratio's %1 and %2 are its whole part and hundredths.
    CountedText verdictMore;
    CountedText verdictSpare;
    std::string verdictExact;
    std::string lossRatio;
    CountedText launchCount;    // "%1 launches"
    CountedText missileCount;   // "%1 missiles"
    std::string launchesPlan;   // %1 the launches, %2 the missiles per launch, %3 in all (counted)
    std::string launchesLoss;   // %1 the defender's, %2 the attacker's total loss
    CountedText launchesStuck;  // %1 the missiles of a launch
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
    // %1 the missiles (counted), %2 the defender's loss with %3-%5 its metal, crystal, deuterium,
    // %6 the attacker's
    std::string curveHover;
    std::string curveExportTitle;
    std::string curveEmpty;     // said instead of a chart with nothing to draw
    std::string curveFlatNote;  // on the flat part beyond the missiles that destroy everything

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
    std::array<std::string, 2> targetNameHeading;  // the player's and the planet's name
    std::array<std::string, 2> targetNameTip;
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
    std::string fileTooLarge;    // a reason for cannotRead; %1 the largest size in MiB
    CountedText targetsCounted;  // "%1 targets"
    std::string targetCount;     // %1 the rows (counted), %2 the rows shown
    std::string targetShareHeading;
    std::string targetInRangeOnlyTip;
    // The web page: its message box's button, and what it says when the module stops (an abort).
    std::string messageBoxButton;
    std::string pageStopped;
    // Share codes: the menu entries per kind (strike, plan, target list), the refusals in the order
    // of CodeRefusal (damaged, truncated, newer version, too large, out of range), the question
    // a plan from a code asks (%1 its strikes, %2 the plan's) with its buttons.
    std::array<std::string, 3> copyCodeEntry;
    std::array<std::string, 3> copyLinkEntry;
    std::array<std::string, 5> codeRefusal;
    std::string planCodeTitle;
    std::string planCodeQuestion;
    std::string planCodeReplace;
    std::string planCodeExtend;
    std::string dialogCancel;
    std::string msgNoPageAddress;
    std::string openInQuorvel;  // the words of a shared text's link
    std::string msgNoTargetsToCopy;
    // A report's number was cut to the largest (%1) or read without its minus sign.
    std::string msgReportNumbersAltered;
    // The web page: the close button of its windows over the page.
    std::string closeButton;
    // The flight-time box on a target beyond the missiles' range; %1 the range in systems.
    CountedText msgBeyondRange;
    std::string reportPlaceholder;  // the empty report field's words
    // The loss curve window's module could not be loaded; %1 its file, %2 the reason.
    std::string curveModuleMissing;
};

// A caption without its mnemonic marks: "&Save" -> "Save", "R&&D" -> "R&D".
std::string WithoutMnemonic(std::string_view caption);

// The kept texts of a language file's lines.
LanguageTexts TextsFromLines(const LanguageLines& lines);

}  // namespace quorvel
