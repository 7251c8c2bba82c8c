#pragma once
// The boxes past saving: each on a square from which no push leads to a goal, or frozen in a
// group that is not all on goals. Quick enough to ask after every push.
#include <vector>

#include "rules/Grid.h"

namespace tolvar {

/// The grid indexes (x + 20 * y) of the boxes on `board` that can no longer reach any goal.
std::vector<int> DeadBoxes(const Grid& board);

}  // namespace tolvar
