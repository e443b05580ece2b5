#pragma once

// The layout of a language file: one text per line, the line number alone says what it is for.
// Line numbers count from 1, as a player editing a file sees them.

#include <array>
#include <cstddef>
#include <string>

namespace quorvel {

inline constexpr int kLanguageLineCount = 302;
// A stored text keeps at most this many characters of its line.
inline constexpr std::size_t kMaxTextCharacters = 255;

// The texts of a language file; a line the file does not have is empty.
using LanguageLines = std::array<std::string, kLanguageLineCount>;

inline const std::string& LineText(const LanguageLines& lines, int lineNumber) {
    return lines[static_cast<std::size_t>(lineNumber - 1)];
}

// The lines other code refers to by name. Every window text the handlers keep has its row, with
// its line, in the text table (language_texts.cpp); a line only that table reads is numbered there.
inline constexpr int kLineFirstDefenceLabel = 1;  // lines 1-8, one per defence type in type order
inline constexpr int kLineAbmLabel = 9;
inline constexpr int kLineArmourLabel = 10;
inline constexpr int kLineTotalLabel = 11;
inline constexpr int kLineMissileLabel = 12;
inline constexpr int kLineWeaponsLabel = 13;
inline constexpr int kLinePrimaryTargetLabel = 14;
inline constexpr int kLineDefenderBox = 15;
inline constexpr int kLineAttackerBox = 16;
inline constexpr int kLineReadReportButton = 17;
inline constexpr int kLineRemainingHeading = 18;
inline constexpr int kLineDestroyedHeading = 19;
inline constexpr int kLineDefenderLossBox = 29;
inline constexpr int kLineMetalHeading = 30;
inline constexpr int kLineCrystalHeading = 31;
inline constexpr int kLineDeuteriumHeading = 32;
inline constexpr int kLineAttackerLossBox = 33;
inline constexpr int kLineRequiredMissilesLead = 34;
inline constexpr int kLineRequiredMissilesButton = 35;
inline constexpr int kLineRequiredMissilesLabel = 36;
inline constexpr int kLineFlightTimeBox = 37;
inline constexpr int kLineStartPositionLabel = 38;
inline constexpr int kLineTargetPositionLabel = 39;
inline constexpr int kLineFlightTimeButton = 40;
inline constexpr int kLineRangeBox = 41;
inline constexpr int kLineImpulseDriveLabel = 42;
inline constexpr int kLineRangeButton = 43;
inline constexpr int kLineRangeLabel = 44;
inline constexpr int kLineSimulateButton = 45;
inline constexpr int kLineResetAllButton = 46;
inline constexpr int kLineExitButton = 47;
inline constexpr int kLineFlightTimeLabel = 48;
inline constexpr int kLineMsgAllInterceptedMany = 49;
inline constexpr int kLineMsgNoMissiles = 50;
inline constexpr int kLineMsgAllInterceptedOne = 51;
inline constexpr int kLineMsgNoDefence = 52;
inline constexpr int kLineMsgMissilesHit = 53;
inline constexpr int kLineMsgNothingToDestroy = 54;
inline constexpr int kLineMsgOutOfRange = 57;
inline constexpr int kLineMsgOtherGalaxy = 59;
inline constexpr int kLineLanguageButton = 60;
inline constexpr int kLineDialogTitle = 61;  // lines 61-65 belong to the language dialog alone
inline constexpr int kLineDialogAccept = 62;
inline constexpr int kLineDialogCancel = 63;
inline constexpr int kLineDialogFirstHeading = 64;
inline constexpr int kLineDialogSecondHeading = 65;
inline constexpr int kLineRequiredMissilesTail = 66;
inline constexpr int kLineApplyResultTip = 68;  // tooltip of the '<-x' button
inline constexpr int kLineRememberAttackButton = 69;
inline constexpr int kLineSavePlanButton = 70;
inline constexpr int kLinePlanMissilesCaption = 72;
// Error boxes about files: lines 73-83.
inline constexpr int kLineMsgCannotSave = 73;  // "%1 could not be saved: %2." (%1 file, %2 reason)
// Texts of the window's own boxes and dialogs: lines 84-92.
inline constexpr int kLineMsgIntegerPrompt = 84;
inline constexpr int kLineAboutEntry = 85;  // the context-menu entry opening the about box
inline constexpr int kLineSaveFilter = 90;
inline constexpr int kLineSaveTitle = 91;
inline constexpr int kLineSaveFileName = 92;  // the name the save dialog suggests
// Lines 93-139: sharing results, keyboard and screen-reader texts.
inline constexpr int kLineCopyButton = 93;
inline constexpr int kLineFirstCoordinateName = 110;  // lines 110-115: start galaxy ... target planet
inline constexpr int kLineBookSaveName = 116;
inline constexpr int kLineBookDeleteName = 117;
inline constexpr int kLineClearReportName = 118;
inline constexpr int kLineReportName = 119;
inline constexpr int kLineBookListName = 120;
inline constexpr int kLineRequiredTargetName = 121;
inline constexpr int kLineDefenceCountTip = 122;  // "%1" stands for the defence's name
inline constexpr int kLineArmourTip = 123;
inline constexpr int kLineMissileTip = 124;
inline constexpr int kLineWeaponsTip = 125;
inline constexpr int kLineImpulseDriveTip = 126;
inline constexpr int kLineReportTip = 127;
inline constexpr int kLinePrimaryTargetTip = 128;
inline constexpr int kLineSimulateTip = 129;
inline constexpr int kLineRequiredMissilesTip = 130;
inline constexpr int kLineResetAllTip = 131;
inline constexpr int kLineExitTip = 132;
inline constexpr int kLineLanguageTip = 133;
inline constexpr int kLineRememberAttackTip = 134;
inline constexpr int kLineSavePlanTip = 135;
inline constexpr int kLineReadReportTip = 136;
inline constexpr int kLineFlightTimeTip = 137;
inline constexpr int kLineRangeTip = 138;
inline constexpr int kLineCopyTip = 139;
// Lines 140-145: more reasons of a failed file operation (see lines 75-83); 146-147: saving and
// the flight time. Numbered in the text table (language_texts.cpp).
// The loss curve panel: the verdict beside the status line and the launches under a silo. One block
// from kLineFirstCurveLine on; the text table numbers the lines nothing else names.
inline constexpr int kLineFirstCurveLine = 148;
inline constexpr int kLineSiloLevelLabel = kLineFirstCurveLine + 4;
inline constexpr int kLineSiloLevelTip = kLineFirstCurveLine + 5;
inline constexpr int kLineLaunchesButton = kLineFirstCurveLine + 6;
inline constexpr int kLineLaunchesTip = kLineFirstCurveLine + 7;
inline constexpr int kLineCurveButton = kLineFirstCurveLine + 13;
inline constexpr int kLineCurveTip = kLineFirstCurveLine + 14;
inline constexpr int kLineRememberLaunchesButton = kLineFirstCurveLine + 33;
inline constexpr int kLineRememberLaunchesTip = kLineFirstCurveLine + 34;
// Lines 183-193: undo, the plan's count, the number rules and the missile cells. One block: only the
// first line's number is written here.
inline constexpr int kLineMsgNoReport = 183;
inline constexpr int kLineMsgNumberRange = kLineMsgNoReport + 1;  // %1 the field, %2 the largest number
inline constexpr int kLineUndoEntry = kLineMsgNoReport + 2;       // 185-186: undo, redo
inline constexpr int kLineNewPlanEntry = kLineMsgNoReport + 4;
inline constexpr int kLinePlanCountName = kLineMsgNoReport + 5;
inline constexpr int kLineMissilesLeftTip = kLineMsgNoReport + 6;
inline constexpr int kLineMissilesFiredTip = kLineMsgNoReport + 7;
inline constexpr int kLineMissilesLeftHeading = kLineMsgNoReport + 8;
inline constexpr int kLineMissilesFiredHeading = kLineMsgNoReport + 9;
inline constexpr int kLineAbmTip = kLineMsgNoReport + 10;  // "%1" stands for the interceptors' name
// Lines 194-199: the range rule and the arrival time.
inline constexpr int kLineRangeRuleChoice = 194;  // 194-195: the two rules as the drop-down lists them
inline constexpr int kLineArrivalAt = kLineRangeRuleChoice + 2;  // %1 the time of day
inline constexpr int kLineRangeRuleName = kLineRangeRuleChoice + 3;
inline constexpr int kLineArrivalName = kLineRangeRuleChoice + 4;
inline constexpr int kLineRangeRuleTip = kLineRangeRuleChoice + 5;
// Lines 200-239: the target list window. One block from kLineFirstTargetListLine on; the text table
// numbers its lines.
inline constexpr int kLineFirstTargetListLine = 200;
// Lines 241-242: the web page's own texts (its message box's button, the module's stop). One block
// from kLineFirstPageLine on; the text table numbers its lines.
inline constexpr int kLineFirstPageLine = 241;
// Lines 243-260: share codes and links. One block from kLineFirstCodeLine on; the text table
// numbers its lines.
inline constexpr int kLineFirstCodeLine = 243;
// Line 261: the status line after reading a report one of whose numbers was cut or lost its minus.
inline constexpr int kLineMsgReportNumbersAltered = 261;  // %1 the largest number
// Line 262: the close button of the page's windows over the page (the loss curve, the target list).
inline constexpr int kLinePageCloseButton = 262;
// Lines 263-301: the counted texts in their three forms (one, few, many; see text/plural.h), the
// chart's words, the target list's name columns, the report field's placeholder and the tooltips
// of the book's buttons. One block from kLineFirstWordsLine on; the text table numbers its lines.
// The counted texts take the place of lines 55, 58, 148, 149, 156, 158, 179, 237 and 240 (the
// flight-time box on a target beyond the missiles' range), which are no longer read.
inline constexpr int kLineFirstWordsLine = 263;
inline constexpr int kLineBookSaveTip = kLineFirstWordsLine + 37;
inline constexpr int kLineBookDeleteTip = kLineFirstWordsLine + 38;
// Line 302: the loss curve window's module could not be loaded (%1 its file, %2 the reason).
inline constexpr int kLineCurveModuleMissing = 302;
// A file without any line from here on (one written before the line existed) gets the English
// file's text for it; lines 73-92 also keep a built-in English text for when that file is missing.
inline constexpr int kLineFirstFallbackLine = kLinePlanMissilesCaption + 1;

}  // namespace quorvel
