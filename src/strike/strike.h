#pragma once

#include <cstdint>
#include <optional>

#include "strike/defence_table.h"

namespace quorvel {

// The order in which the defence types take damage for a primary-target choice: the chosen type
// first, the rest in type order; choice 8 puts the large and then the small shield dome first.
// Nothing for a choice outside 0..8: then no type takes damage.
std::optional<PerType<int>> DamageOrder(int primaryTarget);

struct PoolSpend {
    std::int64_t destroyed = 0;
    float poolAfter = 0.0f;
    bool struck = false;  // false: the type was skipped and the pool passes on unchanged
};

// What the pooled damage does to `count` units of one type with `structure` each. The pool is
// single precision and its steps are kept exactly, because players compare results that depend
// on them: q = pool / structure in double precision, stored back as float; the unspent part of
// the damage passes on to the next type.
PoolSpend SpendPool(float pool, std::int64_t count, std::int64_t structure);

}  // namespace quorvel
