#pragma once

// The words of the active language that attack records and shared texts are written with.

#include "i18n/language_texts.h"
#include "plan/attack_record.h"
#include "plan/share_text.h"

namespace quorvel {

AttackRecordWords RecordWords(const LanguageTexts& texts);
ShareWords WordsOf(const LanguageTexts& texts);

}  // namespace quorvel
