#pragma once
// Corral pruning: an area the man cannot reach, closed off by boxes that can
// only be pushed into it, all of which he can push right now. Any solution has
// to push one of those boxes before it changes anything inside, and that push
// can come first without costing a push, so the search may try only those.
#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

enum class CorralVerdict {
    None,      // no such area: try every push
    Restrict,  // try only pushes of the boxes in `pushable`
    Deadlock,  // an unfinished area that no push can ever open: the position is lost
};

/// Looks for such an area that still needs work (a goal without a box or a box
/// off a goal) and picks the one with the fewest pushes. `reach` is the man's region.
/// Only sound when boxes and goals are equal in number.
CorralVerdict FindCorral(const Board& board, const BoxSet& boxes, const BoxSet& reach, BoxSet& pushable);

}  // namespace tolvar::solver
