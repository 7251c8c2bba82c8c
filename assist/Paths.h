#pragma once
// Paths on the board for the mouse: the man's shortest walk to a cell, and the way to push one
// box to a cell by the fewest pushes, then the fewest moves, with every other box standing.
#include <optional>
#include <vector>

#include "rules/Grid.h"

namespace tolvar {

/// Directions (indexes of `Directions`) one step after another.
using Moves = std::vector<int>;

/// The shortest walk of the man from `man` to `target` over free cells, pushing nothing;
/// nothing when he cannot get there. An empty walk when he stands there already.
std::optional<Moves> WalkPath(const Grid& board, Cell man, Cell target);

/// The moves (walks and pushes) that bring the box on `box` to `target` by the fewest pushes and,
/// among those, the fewest moves; no other box moves. Nothing when that cannot be done.
std::optional<Moves> BoxPath(const Grid& board, Cell man, Cell box, Cell target);

}  // namespace tolvar
