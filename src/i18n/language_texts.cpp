#include "i18n/language_texts.h"

namespace quorvel {

LanguageTexts TextsFromLines(const LanguageLines& lines) {
    const auto line = [&](int number) { return LineText(lines, number); };
    LanguageTexts texts;
    for (int t = 0; t < kDefenceTypeCount; ++t) texts.defenceLabel[t] = line(kLineFirstDefenceLabel + t);
    texts.abmLabel = line(kLineAbmLabel);
    texts.primaryTargetLabel = line(kLinePrimaryTargetLabel);
    for (int c = 0; c < kPrimaryTargetChoiceCount; ++c)
        texts.targetChoice[c] = line(kLineFirstTargetChoice + c);
    texts.msgAllInterceptedMany = line(kLineMsgAllInterceptedMany);
    texts.msgNoMissiles = line(kLineMsgNoMissiles);
    texts.msgAllInterceptedOne = line(kLineMsgAllInterceptedOne);
    texts.msgNoDefence = line(kLineMsgNoDefence);
    texts.msgMissilesHit = line(kLineMsgMissilesHit);
    texts.msgNothingToDestroy = line(kLineMsgNothingToDestroy);
    texts.flightUnitFirst = line(kLineFlightUnitFirst);
    texts.flightUnitSecond = line(kLineFlightUnitSecond);
    texts.msgOutOfRange = line(kLineMsgOutOfRange);
    texts.rangeUnit = line(kLineRangeUnit);
    texts.msgOtherGalaxy = line(kLineMsgOtherGalaxy);
    texts.allTypesChoice = line(kLineAllTypesChoice);
    texts.applyResultTip = line(kLineApplyResultTip);
    texts.planHeading = line(kLinePlanHeading);
    texts.planMissilesCaption = line(kLinePlanMissilesCaption);
    // A file without these lines (or with one left empty) keeps the English text.
    const auto lineOrEnglish = [&](int number, std::string& text) {
        if (!line(number).empty()) text = line(number);
    };
    FileErrorTexts& errors = texts.fileErrors;
    lineOrEnglish(kLineMsgCannotSave, errors.cannotSave);
    lineOrEnglish(kLineMsgCannotRead, errors.cannotRead);
    lineOrEnglish(kLineReasonDiskFull, errors.diskFull);
    lineOrEnglish(kLineReasonPermissionDenied, errors.permissionDenied);
    lineOrEnglish(kLineReasonReadOnlyFileSystem, errors.readOnlyFileSystem);
    lineOrEnglish(kLineReasonQuotaExceeded, errors.quotaExceeded);
    lineOrEnglish(kLineReasonIsFolder, errors.isFolder);
    lineOrEnglish(kLineReasonNotRegularFile, errors.notRegularFile);
    lineOrEnglish(kLineReasonFolderMissing, errors.folderMissing);
    lineOrEnglish(kLineReasonBusy, errors.busy);
    lineOrEnglish(kLineReasonInputOutput, errors.inputOutput);
    lineOrEnglish(kLineReasonTooManyLinks, errors.tooManyLinks);
    lineOrEnglish(kLineReasonNameTooLong, errors.nameTooLong);
    lineOrEnglish(kLineReasonNoDevice, errors.noDevice);
    lineOrEnglish(kLineReasonExists, errors.exists);
    lineOrEnglish(kLineReasonInvalid, errors.invalid);
    lineOrEnglish(kLineReasonSystemError, errors.systemError);
    lineOrEnglish(kLineMsgIntegerPrompt, texts.msgIntegerPrompt);
    lineOrEnglish(kLineAboutEntry, texts.aboutEntry);
    lineOrEnglish(kLineAboutTitle, texts.aboutTitle);
    lineOrEnglish(kLineAboutPurpose, texts.aboutPurpose);
    lineOrEnglish(kLineAboutVersion, texts.aboutVersion);
    lineOrEnglish(kLineAboutLicense, texts.aboutLicense);
    lineOrEnglish(kLineSaveFilter, texts.saveFilter);
    lineOrEnglish(kLineSaveTitle, texts.saveTitle);
    lineOrEnglish(kLineSaveFileName, texts.saveFileName);

    texts.remainingHeading = line(kLineRemainingHeading);
    texts.destroyedHeading = line(kLineDestroyedHeading);
    texts.defenderLosses = WithoutMnemonic(line(kLineDefenderLossBox));
    texts.resourceHeading = {line(kLineMetalHeading), line(kLineCrystalHeading), line(kLineDeuteriumHeading)};
    texts.attackerLosses = WithoutMnemonic(line(kLineAttackerLossBox));
    for (int f = 0; f < 3; ++f) {
        texts.copyStrikeEntry[f] = line(kLineMenuCopyStrikeText + f);
        texts.copyPlanEntry[f] = line(kLineMenuCopyPlanText + f);
    }
    texts.pasteReportEntry = line(kLineMenuPasteReport);
    texts.shareHeading = line(kLineShareHeading);
    texts.shareBefore = line(kLineShareBefore);
    texts.shareMissilesFired = line(kLineShareMissilesFired);
    texts.shareIntercepted = line(kLineShareIntercepted);
    texts.shareMissilesLeft = line(kLineShareMissilesLeft);
    texts.lostMoreMark = line(kLineLostMoreMark);
    texts.lostLessMark = line(kLineLostLessMark);
    texts.msgNoStrikeToCopy = line(kLineMsgNoStrikeToCopy);
    texts.msgNoPlanToCopy = line(kLineMsgNoPlanToCopy);
    texts.msgNothingToSave = line(kLineMsgNothingToSave);
    texts.msgStartPositionGone = line(kLineMsgStartPositionGone);
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
