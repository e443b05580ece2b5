#include "text/plural.h"

namespace quorvel {

PluralForm PluralFormOf(PluralRule rule, Wide count) {
    const Wide n = count < 0 ? -count : count;
    switch (rule) {
        case PluralRule::OneOther:
            return n == 1 ? PluralForm::One : PluralForm::Many;
        case PluralRule::ZeroOneOther:
            return n <= 1 ? PluralForm::One : PluralForm::Many;
        case PluralRule::Single:
            break;
        case PluralRule::Polish: {
            if (n == 1) return PluralForm::One;
            const Wide units = n % 10;
            const Wide tens = n % 100;
            const bool few = units >= 2 && units <= 4 && (tens < 12 || tens > 14);
            return few ? PluralForm::Few : PluralForm::Many;
        }
    }
    return PluralForm::Many;
}

}  // namespace quorvel
