#pragma once

// Counted words: which of its language's forms a count takes ("1 missile", "2 missiles"; Polish
// "1 rakieta", "2 rakiety", "5 rakiet"). A language file gives every counted text in three forms,
// one, few and many; a language without a form repeats another in its place.

#include "text/wide_int.h"

namespace quorvel {

enum class PluralRule {
    OneOther,      // 1: one; any other count: many (English, German, Dutch, Italian, Spanish, Portuguese)
    ZeroOneOther,  // 0 and 1: one; any other count: many (French)
    Single,        // one form for every count (Turkish)
    Polish,        // 1: one; 2-4, 22-24, 32-34, ... but not 12-14: few; any other count: many
};

// The place of each form among a counted text's lines.
enum class PluralForm { One = 0, Few = 1, Many = 2 };

// The form a count takes under the rule; a negative count takes the form of its size.
PluralForm PluralFormOf(PluralRule rule, Wide count);

}  // namespace quorvel
