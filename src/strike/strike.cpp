#include "strike/strike.h"

#include <cmath>

namespace quorvel {

std::optional<PerType<int>> DamageOrder(int primaryTarget) {
    if (primaryTarget < 0 || primaryTarget >= kPrimaryTargetChoiceCount) return std::nullopt;
    PerType<int> order{};
    int next = 0;
    if (primaryTarget == kShieldDomesFirstChoice) {
        order[next++] = Index(DefenceType::LargeShieldDome);
        order[next++] = Index(DefenceType::SmallShieldDome);
    } else {
        order[next++] = primaryTarget;
    }
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        bool placed = false;
        for (int i = 0; i < next; ++i) placed = placed || order[i] == t;
        if (!placed) order[next++] = t;
    }
    return order;
}

PoolSpend SpendPool(float pool, std::int64_t count, std::int64_t structure) {
    PoolSpend spend;
    spend.poolAfter = pool;
    const float s = static_cast<float>(structure);
    if (count == 0 || pool < s) return spend;

    const double q = static_cast<double>(pool) / static_cast<double>(s);
    const float storedQ = static_cast<float>(q);
    spend.struck = true;
    if (q > static_cast<double>(count)) {
        spend.destroyed = count;
        spend.poolAfter = static_cast<float>((q - static_cast<double>(count)) * static_cast<double>(s));
    } else {
        // q <= count here, so the truncated quotient fits the count's range.
        spend.destroyed = static_cast<std::int64_t>(std::trunc(q));
        spend.poolAfter = static_cast<float>((static_cast<double>(storedQ) - static_cast<double>(spend.destroyed)) *
                                             static_cast<double>(s));
    }
    return spend;
}

}  // namespace quorvel
