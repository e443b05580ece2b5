#pragma once

#include <cstdint>

#include "strike/defence_table.h"
#include "text/wide_int.h"

namespace quorvel {

// Structure of one unit of every type after the armour bonus: s + (s * level * 10) / 100 when the
// level is above 0 (10 % per level, truncating).
PerType<std::int64_t> ArmouredStructure(std::int32_t armourLevel);

// Damage of one missile after the weapons bonus: 12000 + 1200 per level above 0.
std::int64_t MissileDamage(std::int32_t weaponsLevel);

// Smallest n >= 1 with n * damage >= total (1 when total <= damage). damage must be positive.
Wide MissilesToCover(Wide total, std::int64_t damage);

}  // namespace quorvel
