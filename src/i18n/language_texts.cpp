#include "i18n/language_texts.h"

#include <span>
#include <type_traits>
#include <utility>

#include "text/number_format.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

// Where a row's text goes: a member of LanguageTexts, one line for a text and one line per element
// for an array of texts.
struct TextSlot {
    std::span<std::string> (*in)(LanguageTexts&);
    int lineCount;
};

template <auto member>
std::span<std::string> MemberTexts(LanguageTexts& texts) {
    auto& field = texts.*member;
    if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, std::string>) {
        return {&field, 1};
    } else {
        return field;
    }
}

template <auto member>
constexpr int LineCountOf() {
    using Field = std::remove_reference_t<decltype(std::declval<LanguageTexts&>().*member)>;
    if constexpr (std::is_same_v<Field, std::string>) {
        return 1;
    } else {
        return static_cast<int>(std::tuple_size_v<Field>);
    }
}

template <auto member>
constexpr TextSlot Member = {&MemberTexts<member>, LineCountOf<member>()};

template <std::string FileErrorTexts::*member>
std::span<std::string> FileErrorText(LanguageTexts& texts) {
    return {&(texts.fileErrors.*member), 1};
}

template <std::string FileErrorTexts::*member>
constexpr TextSlot FileError = {&FileErrorText<member>, 1};

enum class LineRule {
    AsIs,              // the line's text; empty when the file lacks the line
    WithoutMnemonic,   // a caption used as a word, without its '&' marks
    EnglishWhenEmpty,  // an empty or missing line keeps the English text
};

struct TextRow {
    int line;  // an array takes one line per element from here on
    TextSlot slot;
    LineRule rule = LineRule::AsIs;
    // The English text a member holds until a file gives one; a counted text's one form, with its
    // other forms in englishMany. The file-error texts have theirs in their own group
    // (FileErrorTexts).
    const char* english = nullptr;
    const char* englishMany = nullptr;
};

using T = LanguageTexts;
using E = FileErrorTexts;
constexpr LineRule kEnglish = LineRule::EnglishWhenEmpty;

// Every window text the handlers place later, one row each. Lines other code refers to by name are
// named in language_lines.h; the others are numbered here only.
constexpr TextRow kTextRows[] = {
    {kLineFirstDefenceLabel, Member<&T::defenceLabel>},  // one per defence type in type order
    {kLineAbmLabel, Member<&T::abmLabel>},
    {kLinePrimaryTargetLabel, Member<&T::primaryTargetLabel>},
    {kLineRemainingHeading, Member<&T::remainingHeading>},
    {kLineDestroyedHeading, Member<&T::destroyedHeading>},
    {20, Member<&T::targetChoice>},  // lines 20-28, the primary-target list in order
    {kLineDefenderLossBox, Member<&T::defenderLosses>, LineRule::WithoutMnemonic},
    {kLineMetalHeading, Member<&T::resourceHeading>},  // metal, crystal, deuterium
    {kLineAttackerLossBox, Member<&T::attackerLosses>, LineRule::WithoutMnemonic},
    {kLineMsgAllInterceptedMany, Member<&T::msgAllInterceptedMany>},
    {kLineMsgNoMissiles, Member<&T::msgNoMissiles>},
    {kLineMsgAllInterceptedOne, Member<&T::msgAllInterceptedOne>},
    {kLineMsgNoDefence, Member<&T::msgNoDefence>},
    {kLineMsgMissilesHit, Member<&T::msgMissilesHit>},
    {kLineMsgNothingToDestroy, Member<&T::msgNothingToDestroy>},
    {56, Member<&T::flightUnitSecond>},
    {kLineMsgOutOfRange, Member<&T::msgOutOfRange>},
    {kLineMsgOtherGalaxy, Member<&T::msgOtherGalaxy>},
    {67, Member<&T::allTypesChoice>},
    {kLineApplyResultTip, Member<&T::applyResultTip>},
    {71, Member<&T::planHeading>},
    {kLinePlanMissilesCaption, Member<&T::planMissilesCaption>},
    // Error boxes about files. Files written before these lines existed end at line 72.
    {kLineMsgCannotSave, FileError<&E::cannotSave>, kEnglish},  // %1 the file, %2 the reason
    {74, FileError<&E::cannotRead>, kEnglish},
    {75, FileError<&E::diskFull>, kEnglish},
    {76, FileError<&E::permissionDenied>, kEnglish},
    {77, FileError<&E::readOnlyFileSystem>, kEnglish},
    {78, FileError<&E::quotaExceeded>, kEnglish},
    {79, FileError<&E::isFolder>, kEnglish},
    {80, FileError<&E::notRegularFile>, kEnglish},
    {81, FileError<&E::folderMissing>, kEnglish},
    {82, FileError<&E::busy>, kEnglish},
    {83, FileError<&E::inputOutput>, kEnglish},
    {140, FileError<&E::tooManyLinks>, kEnglish},
    {141, FileError<&E::nameTooLong>, kEnglish},
    {142, FileError<&E::noDevice>, kEnglish},
    {143, FileError<&E::exists>, kEnglish},
    {144, FileError<&E::invalid>, kEnglish},
    {145, FileError<&E::systemError>, kEnglish},  // any other error; %1 its number
    // The window's own boxes and dialogs.
    {kLineMsgIntegerPrompt, Member<&T::msgIntegerPrompt>, kEnglish, "Please enter an integer."},
    {kLineAboutEntry, Member<&T::aboutEntry>, kEnglish, "&About Quorvel..."},
    {86, Member<&T::aboutTitle>, kEnglish, "About Quorvel"},
    {87, Member<&T::aboutPurpose>, kEnglish,
     "Works out which of a planet's defences interplanetary missiles destroy, and what the strike costs "
     "both sides."},
    {88, Member<&T::aboutVersion>, kEnglish, "Version %1"},
    {89, Member<&T::aboutLicense>, kEnglish,
     "Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). It comes "
     "with no warranty."},
    {kLineSaveFilter, Member<&T::saveFilter>, kEnglish, "Text files (*.txt)"},
    {kLineSaveTitle, Member<&T::saveTitle>, kEnglish, "Save attack plan"},
    {kLineSaveFileName, Member<&T::saveFileName>, kEnglish, "attack-plan.txt"},
    // Sharing results.
    {94, Member<&T::copyStrikeEntry>},
    {97, Member<&T::copyPlanEntry>},
    {100, Member<&T::pasteReportEntry>},
    {101, Member<&T::shareHeading>},
    {102, Member<&T::shareBefore>},
    {103, Member<&T::shareMissilesFired>},
    {104, Member<&T::shareIntercepted>},
    {105, Member<&T::shareMissilesLeft>},
    {106, Member<&T::lostMoreMark>},
    {107, Member<&T::lostLessMark>},
    {108, Member<&T::msgNoStrikeToCopy>},
    {109, Member<&T::msgNoPlanToCopy>},
    // Saving and the flight time.
    {146, Member<&T::msgNothingToSave>},  // %1 the file the player chose
    {147, Member<&T::msgStartPositionGone>},
    // The loss curve panel, lines kLineFirstCurveLine on (the silo's label and tip and the launch
    // button's caption and tip are the control table's).
    {kLineFirstCurveLine + 2, Member<&T::verdictExact>, kEnglish,
     "Exactly the missiles that destroy everything."},
    {kLineFirstCurveLine + 3, Member<&T::lossRatio>, kEnglish, "Loss ratio %1.%2 : 1 (defender : attacker)"},
    {kLineFirstCurveLine + 9, Member<&T::launchesLoss>, kEnglish, "Losses: defender %1, attacker %2"},
    {kLineFirstCurveLine + 11, Member<&T::launchesTooMany>, kEnglish, "More than %1 launches needed."},
    {kLineFirstCurveLine + 12, Member<&T::siloNote>, kEnglish,
     "More missiles than the silo launches at once (%1)."},
    {kLineCurveButton, Member<&T::curveEntry>, kEnglish, "Loss curv&e"},
    {kLineFirstCurveLine + 15, Member<&T::curveTitle>, kEnglish, "Quorvel – loss curve"},
    {kLineFirstCurveLine + 16, Member<&T::chartTab>, kEnglish, "Chart"},
    {kLineFirstCurveLine + 17, Member<&T::tableTab>, kEnglish, "Table"},
    {kLineFirstCurveLine + 18, Member<&T::axisMissiles>, kEnglish, "Missiles typed"},
    {kLineFirstCurveLine + 19, Member<&T::axisResources>, kEnglish, "Resources"},
    {kLineFirstCurveLine + 20, Member<&T::seriesDefender>, kEnglish, "Defender's loss"},
    {kLineFirstCurveLine + 21, Member<&T::seriesAttacker>, kEnglish, "Attacker's cost"},
    {kLineFirstCurveLine + 22, Member<&T::markNames>},  // four lines, in CurveWindow's mark order
    {kLineFirstCurveLine + 26, Member<&T::copyAsText>, kEnglish, "Copy as text"},
    {kLineFirstCurveLine + 27, Member<&T::copyAsCsv>, kEnglish, "Copy as CSV"},
    {kLineFirstCurveLine + 28, Member<&T::exportPng>, kEnglish, "Export PNG..."},
    {kLineFirstCurveLine + 29, Member<&T::exportSvg>, kEnglish, "Export SVG..."},
    {kLineFirstCurveLine + 30, Member<&T::copyImage>, kEnglish, "Copy image"},
    {kLineFirstCurveLine + 32, Member<&T::curveExportTitle>, kEnglish, "Export loss curve"},
    // Undo, the plan, the number rules.
    {kLineMsgNoReport, Member<&T::msgNoReport>, kEnglish, "No espionage report found in the text."},
    {kLineMsgNumberRange, Member<&T::msgNumberRange>, kEnglish, "%1: enter a whole number from 0 to %2"},
    {kLineUndoEntry, Member<&T::undoEntry>},
    {kLineNewPlanEntry, Member<&T::newPlanEntry>},
    // The range rule and the arrival time.
    {kLineRangeRuleChoice, Member<&T::rangeRuleChoice>},
    {kLineArrivalAt, Member<&T::arrivalAt>, kEnglish, "Arrival at %1"},
    // The target list window, lines kLineFirstTargetListLine on.
    {kLineFirstTargetListLine + 0, Member<&T::targetListTitle>, kEnglish, "Quorvel – target list"},
    {kLineFirstTargetListLine + 1, Member<&T::targetHeading>},  // twelve lines, in column order
    {kLineFirstTargetListLine + 13, Member<&T::targetTip>},     // twelve lines, in column order
    {kLineFirstTargetListLine + 25, Member<&T::targetInRangeOnly>, kEnglish, "In range &only"},
    {kLineFirstTargetListLine + 26, Member<&T::targetYes>, kEnglish, "yes"},
    {kLineFirstTargetListLine + 27, Member<&T::targetNo>, kEnglish, "no"},
    {kLineFirstTargetListLine + 28, Member<&T::copyAsBBCode>, kEnglish, "Copy as BBCode"},
    {kLineFirstTargetListLine + 29, Member<&T::copyAsMarkdown>, kEnglish, "Copy as Markdown"},
    {kLineFirstTargetListLine + 30, Member<&T::exportCsv>, kEnglish, "Export CSV..."},
    {kLineFirstTargetListLine + 31, Member<&T::targetListEntry>, kEnglish, "Target &list"},
    {kLineFirstTargetListLine + 32, Member<&T::targetListTip>},
    {kLineFirstTargetListLine + 33, Member<&T::targetExportTitle>, kEnglish, "Export target list"},
    {kLineFirstTargetListLine + 34, Member<&T::csvFilter>, kEnglish, "CSV files (*.csv)"},
    {kLineFirstTargetListLine + 35, Member<&T::csvFileName>, kEnglish, "targets.csv"},
    {kLineFirstTargetListLine + 36, Member<&T::fileTooLarge>, kEnglish, "it is larger than %1 MiB"},
    {kLineFirstTargetListLine + 38, Member<&T::targetShareHeading>, kEnglish, "Targets"},
    {kLineFirstTargetListLine + 39, Member<&T::targetInRangeOnlyTip>},
    // Counted texts in their three forms, the chart's words, the target list's name columns and the
    // report field's placeholder, lines kLineFirstWordsLine on.
    {kLineFirstWordsLine + 0, Member<&T::verdictMore>, kEnglish, "%1 more missile destroys everything.",
     "%1 more missiles destroy everything."},
    {kLineFirstWordsLine + 3, Member<&T::verdictSpare>, kEnglish, "%1 of the typed missiles is not needed.",
     "%1 of the typed missiles are not needed."},
    {kLineFirstWordsLine + 6, Member<&T::launchCount>, kEnglish, "%1 launch", "%1 launches"},
    {kLineFirstWordsLine + 9, Member<&T::missileCount>, kEnglish, "%1 missile", "%1 missiles"},
    {kLineFirstWordsLine + 12, Member<&T::launchesPlan>, kEnglish, "%1 of at most %2: %3"},
    {kLineFirstWordsLine + 13, Member<&T::launchesStuck>, kEnglish,
     "A launch of %1 missile cannot destroy a single unit.",
     "A launch of %1 missiles cannot destroy a single unit."},
    {kLineFirstWordsLine + 16, Member<&T::targetsCounted>, kEnglish, "%1 target", "%1 targets"},
    {kLineFirstWordsLine + 19, Member<&T::targetCount>, kEnglish, "%1, %2 shown"},
    {kLineFirstWordsLine + 20, Member<&T::curveHover>, kEnglish,
     "%1: defender %2 (metal %3, crystal %4, deuterium %5), attacker %6"},
    {kLineFirstWordsLine + 21, Member<&T::msgBeyondRange>, kEnglish,
     "Beyond the missiles' range: they reach %1 system.",
     "Beyond the missiles' range: they reach %1 systems."},
    // The web page's own texts, lines kLineFirstPageLine on.
    {kLineFirstPageLine + 0, Member<&T::messageBoxButton>, kEnglish, "OK"},
    {kLineFirstPageLine + 1, Member<&T::pageStopped>, kEnglish,
     "Quorvel stopped after an internal error (perhaps the browser ran out of memory). The page starts "
     "again with your saved files."},
    // Share codes, lines kLineFirstCodeLine on.
    {kLineFirstCodeLine + 0, Member<&T::copyCodeEntry>},  // strike, plan, target list
    {kLineFirstCodeLine + 3, Member<&T::copyLinkEntry>},
    {kLineFirstCodeLine + 6, Member<&T::codeRefusal>},  // in the order of CodeRefusal
    {kLineFirstCodeLine + 11, Member<&T::planCodeTitle>, kEnglish, "Attack plan from a code"},
    {kLineFirstCodeLine + 12, Member<&T::planCodeQuestion>},
    {kLineFirstCodeLine + 13, Member<&T::planCodeReplace>, kEnglish, "&Replace"},
    {kLineFirstCodeLine + 14, Member<&T::planCodeExtend>, kEnglish, "&Extend"},
    {kLineDialogCancel, Member<&T::dialogCancel>, kEnglish, "Cancel"},
    {kLineFirstCodeLine + 15, Member<&T::msgNoPageAddress>},
    {kLineFirstCodeLine + 16, Member<&T::openInQuorvel>, kEnglish, "Open in Quorvel"},
    {kLineFirstCodeLine + 17, Member<&T::msgNoTargetsToCopy>},
    {kLineMsgReportNumbersAltered, Member<&T::msgReportNumbersAltered>, kEnglish,
     "The report holds a number below 0 or above %1: its minus sign was dropped or it was cut to %1."},
    {kLinePageCloseButton, Member<&T::closeButton>, kEnglish, "Close"},
    {kLineFirstWordsLine + 24, Member<&T::rangeUnit>},
    {kLineFirstWordsLine + 27, Member<&T::flightMinutes>},
    {kLineFirstWordsLine + 30, Member<&T::curveEmpty>, kEnglish,
     "Nothing to draw yet: simulate a strike first."},
    {kLineFirstWordsLine + 31, Member<&T::curveFlatNote>, kEnglish,
     "Extra missiles are not fired: they cost nothing"},
    {kLineFirstWordsLine + 32, Member<&T::targetNameHeading>},  // the player's, the planet's
    {kLineFirstWordsLine + 34, Member<&T::targetNameTip>},
    {kLineFirstWordsLine + 36, Member<&T::reportPlaceholder>, kEnglish, "Paste an espionage report here"},
    {kLineCurveModuleMissing, Member<&T::curveModuleMissing>, kEnglish,
     "The loss curve window could not be loaded from %1: %2."},
};

static_assert([] {
    for (const TextRow& row : kTextRows) {
        if (row.line < 1 || row.line + row.slot.lineCount - 1 > kLanguageLineCount) return false;
        // Only a text kept when its line is missing has an English text: a single one, or a counted
        // text's forms.
        const int englishLines = row.englishMany ? 3 : 1;
        if (row.english && (row.rule != kEnglish || row.slot.lineCount != englishLines)) return false;
    }
    return true;
}());

}  // namespace

LanguageTexts::LanguageTexts() {
    for (const TextRow& row : kTextRows) {
        if (!row.english) continue;
        const std::span<std::string> slot = row.slot.in(*this);
        slot.front() = row.english;
        for (std::size_t i = 1; i < slot.size(); ++i) slot[i] = row.englishMany;
    }
}

std::string LanguageTexts::Count(const CountedText& text, Wide count) const {
    return FillPlaceholders(text[static_cast<std::size_t>(PluralFormOf(plural, count))],
                            {FormatGrouped(count)});
}

LanguageTexts TextsFromLines(const LanguageLines& lines) {
    LanguageTexts texts;
    for (const TextRow& row : kTextRows) {
        const std::span<std::string> slot = row.slot.in(texts);
        for (std::size_t i = 0; i < slot.size(); ++i) {
            const std::string& text = LineText(lines, row.line + static_cast<int>(i));
            switch (row.rule) {
                case LineRule::AsIs:
                    slot[i] = text;
                    break;
                case LineRule::WithoutMnemonic:
                    slot[i] = WithoutMnemonic(text);
                    break;
                case LineRule::EnglishWhenEmpty:
                    if (!text.empty()) slot[i] = text;
                    break;
            }
        }
    }
    return texts;
}

std::string WithoutMnemonic(std::string_view caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') text += caption[++i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

}  // namespace quorvel
