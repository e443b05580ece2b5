#include "strike/strike.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "strike/technology.h"

namespace quorvel {
namespace {

bool AllZero(const PerType<std::int32_t>& counts) {
    return std::all_of(counts.begin(), counts.end(), [](std::int32_t n) { return n == 0; });
}

Wide SummedStructure(const PerType<std::int32_t>& counts, const PerType<std::int64_t>& structure) {
    Wide total = 0;
    for (int t = 0; t < kDefenceTypeCount; ++t) total += Wide{counts[t]} * structure[t];
    return total;
}

void AddTimes(Resources& sum, Resources& part, std::int64_t units, const Resources& cost) {
    for (int r = 0; r < kResourceCount; ++r) {
        part[r] = units * cost[r];
        sum[r] += part[r];
    }
}

// Missiles charged to the attacker: the intercepted ones, plus those that bring down the whole
// structure, or all of them when the structure outlasts their damage.
void ChargeMissiles(const StrikeInput& in, const PerType<std::int64_t>& structure, std::int64_t missileDamage,
                    Wide damageTotal, StrikeResult& r) {
    const std::int64_t missiles = in.missiles;
    const std::int64_t interceptors = in.interceptors;
    std::int64_t charged = 0;
    if (missiles <= interceptors) {
        charged = missiles;
    } else if (r.noDefenceUnits) {
        charged = interceptors;  // only the intercepted missiles were spent
    } else {
        const Wide total = SummedStructure(in.counts, structure);
        if (total >= damageTotal) {
            charged = missiles;
            r.missilesFired = missiles;
            r.missilesLeft = 0;
        } else {
            // Fewer missiles than got through bring down the whole structure, so this fits.
            const auto needed = static_cast<std::int64_t>(MissilesToCover(total, missileDamage));
            charged = interceptors + needed;
            r.missilesFired = charged;
            r.missilesLeft = r.missilesThrough - needed;
        }
    }
    // Beyond about 7 * 10^14 missiles (a target row of extreme counts and armour) the cost leaves
    // 64 bits: it is then cut to the largest value, and the result says so.
    constexpr Wide kLargest = std::numeric_limits<std::int64_t>::max();
    for (int res = 0; res < kResourceCount; ++res) {
        const Wide cost = Wide{charged} * kMissileCost[res];
        r.attackerLossCut = r.attackerLossCut || cost > kLargest;
        r.attackerLoss[res] = static_cast<std::int64_t>(std::min(cost, kLargest));
    }
}

// Whether SimulateStrike with `missiles` destroys what RequiredMissiles is asked for: every unit
// (neededTarget 0, in the input's damage order) or every unit of one type, aimed at first.
bool Destroys(StrikeInput in, std::int64_t missiles, int neededTarget) {
    in.missiles = missiles;
    if (neededTarget > 0) in.primaryTarget = neededTarget - 1;
    const StrikeResult r = SimulateStrike(in);
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        if ((neededTarget == 0 || t == neededTarget - 1) && in.counts[t] > 0 && r.surviving[t] != 0)
            return false;
    }
    return r.outcome == StrikeOutcome::Struck;
}

// The least missile count with which SimulateStrike destroys the target, searched from the exact
// count (interceptors plus the missiles whose damage covers the structure). The pool SimulateStrike
// spends is single precision: rounding the pool, a structure or the pool passed on after a type
// moves it by at most 2^-24 of the pool, and ten such roundings at most move it by less than 2^-20,
// so the least count lies within S / 2^20 + 2 of the exact one (S: the missiles past the
// interceptors). Below a million missiles that is two either way; the window is searched by
// halves, in at most 42 simulations at the largest inputs. Without a damage order nothing is ever
// destroyed: the exact count stands.
Wide LeastCountThatDestroys(const StrikeInput& in, int neededTarget, Wide exact) {
    const Wide window = (exact - in.interceptors) / (Wide{1} << 20) + 2;
    const Wide high = exact + window;
    if (high > std::numeric_limits<std::int64_t>::max() ||
        !Destroys(in, static_cast<std::int64_t>(high), neededTarget)) {
        return exact;
    }
    // With no more missiles than interceptors nothing gets through.
    const auto low = static_cast<std::int64_t>(std::max<Wide>(in.interceptors, exact - window - 1));
    return FirstHolding(low, static_cast<std::int64_t>(high),
                        [&](std::int64_t n) { return Destroys(in, n, neededTarget); });
}

}  // namespace

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
        spend.poolAfter = static_cast<float>(
            (static_cast<double>(storedQ) - static_cast<double>(spend.destroyed)) * static_cast<double>(s));
    }
    return spend;
}

StrikeResult SimulateStrike(const StrikeInput& in) {
    StrikeResult r;
    const PerType<std::int64_t> structure = ArmouredStructure(in.armourLevel);
    const std::int64_t missileDamage = MissileDamage(in.weaponsLevel);
    const std::int64_t missiles = in.missiles;
    const std::int64_t interceptors = in.interceptors;
    r.noDefenceUnits = AllZero(in.counts);
    r.emptyPlanet = r.noDefenceUnits && interceptors == 0;
    r.surviving = in.counts;

    Wide damageTotal = 0;
    if (interceptors >= missiles) {
        r.outcome = missiles == 0 ? StrikeOutcome::NoMissiles : StrikeOutcome::AllIntercepted;
        r.missilesFired = missiles;
        AddTimes(r.defenderLoss, r.interceptorLoss, missiles, kInterceptorCost);
    } else {
        r.outcome = r.emptyPlanet ? StrikeOutcome::NothingToHit : StrikeOutcome::Struck;
        r.missilesThrough = missiles - interceptors;
        r.missilesLeft = r.missilesThrough;
        r.missilesFired = interceptors;
        AddTimes(r.defenderLoss, r.interceptorLoss, interceptors, kInterceptorCost);
        damageTotal = Wide{missileDamage} * r.missilesThrough;
        float pool = static_cast<float>(damageTotal);
        if (const auto order = DamageOrder(in.primaryTarget)) {
            for (int t : *order) {
                const PoolSpend spend = SpendPool(pool, in.counts[t], structure[t]);
                pool = spend.poolAfter;
                if (!spend.struck) continue;
                r.struck[t] = true;
                r.destroyed[t] = spend.destroyed;
                // destroyed lies between 0 and the count, or equals a negative count.
                r.surviving[t] = static_cast<std::int32_t>(in.counts[t] - spend.destroyed);
                AddTimes(r.defenderLoss, r.typeLoss[t], spend.destroyed, kDefenceStats[t].cost);
            }
        }
    }
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        r.remainingTotal += r.surviving[t];
        r.destroyedTotal += r.destroyed[t];
    }

    if (missiles > 0 && !r.emptyPlanet) {
        ChargeMissiles(in, structure, missileDamage, damageTotal, r);
    } else if (missiles > 0) {
        r.missilesLeft = missiles;  // nothing to hit: no missile was fired, all are left
    }
    return r;
}

RequiredMissilesResult RequiredMissiles(const StrikeInput& in, int neededTarget) {
    const PerType<std::int64_t> structure = ArmouredStructure(in.armourLevel);
    const std::int64_t missileDamage = MissileDamage(in.weaponsLevel);
    const bool noUnits = AllZero(in.counts);
    RequiredMissilesResult result;
    if (noUnits && in.interceptors == 0) {
        result.outcome = RequiredOutcome::NothingToDestroy;
    } else if (neededTarget == 0) {
        result.outcome = RequiredOutcome::Count;
        result.missiles = in.interceptors > 0 && noUnits
                              ? Wide{in.interceptors}
                              : LeastCountThatDestroys(
                                    in, 0,
                                    in.interceptors + MissilesToCover(SummedStructure(in.counts, structure),
                                                                      missileDamage));
    } else if (neededTarget >= 1 && neededTarget <= kDefenceTypeCount) {
        const int type = neededTarget - 1;
        const std::int64_t count = in.counts[type];
        if (count <= 0) {
            result.outcome = RequiredOutcome::NothingToDestroy;
        } else {
            result.outcome = RequiredOutcome::Count;
            result.missiles = LeastCountThatDestroys(
                in, neededTarget,
                in.interceptors + MissilesToCover(Wide{count} * structure[type], missileDamage));
        }
    }
    return result;
}

}  // namespace quorvel
