#pragma once

// The attack record's words and facts as the handlers take them from the language and the state.

#include "app/simulator_state.h"
#include "i18n/language_texts.h"
#include "plan/attack_record.h"

namespace quorvel {

AttackRecordWords RecordWords(const LanguageTexts& texts);
AttackRecordFacts RecordFacts(const SimulatorState& s);

}  // namespace quorvel
