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
    // The window's own texts keep their English when the file lacks the line.
    const auto unlessEmpty = [&](std::string& text, int number) {
        if (!line(number).empty()) text = line(number);
    };
    unlessEmpty(texts.msgIntegerPrompt, kLineMsgIntegerPrompt);
    unlessEmpty(texts.exportMessages.cannotCreate, kLineMsgCannotCreate);
    unlessEmpty(texts.exportMessages.writeFailed, kLineMsgWriteFailed);
    unlessEmpty(texts.aboutEntry, kLineAboutEntry);
    unlessEmpty(texts.aboutTitle, kLineAboutTitle);
    unlessEmpty(texts.aboutPurpose, kLineAboutPurpose);
    unlessEmpty(texts.aboutVersion, kLineAboutVersion);
    unlessEmpty(texts.aboutLicense, kLineAboutLicense);
    unlessEmpty(texts.saveFilter, kLineSaveFilter);
    unlessEmpty(texts.saveTitle, kLineSaveTitle);
    unlessEmpty(texts.saveFileName, kLineSaveFileName);
    return texts;
}

}  // namespace quorvel
