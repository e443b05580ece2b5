#pragma once

// Writes a strike result into the cells of the defender, loss and attacker areas. Which cells a
// result fills and which it leaves alone is decided here and nowhere else.

#include "app/main_form.h"
#include "i18n/language_texts.h"
#include "strike/strike.h"

namespace quorvel {

void ShowStrike(MainForm& form, const LanguageTexts& texts, const StrikeInput& input, const StrikeResult& result);
void ShowRequiredMissiles(MainForm& form, const LanguageTexts& texts, const RequiredMissilesResult& result);
// "-" into the loss cells of a type for every resource it costs.
void ClearTypeLossCells(MainForm& form, int type);

}  // namespace quorvel
