#pragma once

#include <initializer_list>
#include <string>

#include "travel/position.h"

namespace quorvel::testing {

// The data file text of these positions, one "g s p" line each.
std::string BookText(std::initializer_list<Position> positions);

}  // namespace quorvel::testing
