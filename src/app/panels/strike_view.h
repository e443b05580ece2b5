#pragma once

// Writes a strike result into the cells of the defender, loss and attacker areas, with the loss
// balance beside the totals and their colours. Which cells a result fills, which it leaves alone
// and what a reset leaves in them is decided here and nowhere else.

#include "app/main_form.h"
#include "i18n/language_texts.h"
#include "strike/strike.h"

namespace quorvel {

void ShowStrike(MainForm& form, const LanguageTexts& texts, const StrikeInput& input,
                const StrikeResult& result);
// The cells as Reset all leaves them: placeholders in the default colour.
void ResetStrikeCells(MainForm& form);
void ShowRequiredMissiles(MainForm& form, const LanguageTexts& texts, const RequiredMissilesResult& result);

}  // namespace quorvel
