#include "app/panels/share_words.h"

namespace quorvel {

AttackRecordWords RecordWords(const LanguageTexts& texts) {
    AttackRecordWords words;
    words.heading = texts.planHeading;
    words.missilesCaption = texts.planMissilesCaption;
    for (int t = 0; t < kDefenceTypeCount; ++t) words.defenceLabel[t] = texts.defenceLabel[t];
    words.abmLabel = texts.abmLabel;
    words.primaryTargetLabel = texts.primaryTargetLabel;
    return words;
}

ShareWords WordsOf(const LanguageTexts& texts) {
    ShareWords words;
    words.record = RecordWords(texts);
    words.strikeHeading = texts.shareHeading;
    words.beforeHeading = texts.shareBefore;
    words.destroyedHeading = texts.destroyedHeading;
    words.remainingHeading = texts.remainingHeading;
    words.defenderLosses = texts.defenderLosses;
    words.attackerLosses = texts.attackerLosses;
    for (int r = 0; r < kResourceCount; ++r) words.resource[r] = texts.resourceHeading[r];
    words.missilesFired = texts.shareMissilesFired;
    words.missilesIntercepted = texts.shareIntercepted;
    words.missilesLeft = texts.shareMissilesLeft;
    words.lostMoreMark = texts.lostMoreMark;
    words.lostLessMark = texts.lostLessMark;
    return words;
}

}  // namespace quorvel
