#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Sums of structure and the damage of all missiles can leave 64 bits for extreme inputs
// (2147483647 units at armour level 2147483647), so they are carried in 128 bits.
__extension__ typedef __int128 Wide;

// Plain signed decimal: "-" for negatives, no leading zeros, no separators.
std::string ToDecimal(Wide value);

}  // namespace quorvel
