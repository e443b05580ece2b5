#include "strike/technology.h"

namespace quorvel {

PerType<std::int64_t> ArmouredStructure(std::int32_t armourLevel) {
    PerType<std::int64_t> structure{};
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        const std::int64_t base = kDefenceStats[t].structure;
        structure[t] = armourLevel > 0 ? base + (base * armourLevel * 10) / 100 : base;
    }
    return structure;
}

std::int64_t MissileDamage(std::int32_t weaponsLevel) {
    const std::int64_t base = kMissileBaseDamage;
    return weaponsLevel > 0 ? base + (base * weaponsLevel * 10) / 100 : base;
}

Wide MissilesToCover(Wide total, std::int64_t damage) {
    if (total <= damage) return 1;
    return (total + damage - 1) / damage;
}

}  // namespace quorvel
