#pragma once

#include <string>
#include <vector>

#include "travel/position.h"

namespace quorvel::testing {

// The data file text of these positions, one "g s p" line each.
std::string BookText(const std::vector<Position>& positions);

}  // namespace quorvel::testing
