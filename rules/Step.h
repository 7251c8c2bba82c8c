#pragma once
// The one rule of a move: the man walks onto a free cell, or pushes one box onto a free cell
// behind it. Nothing else knows how a push works.
#include <cstdint>

#include "rules/Direction.h"
#include "rules/Grid.h"

namespace tolvar {

enum class StepKind : std::uint8_t { Blocked, Walk, Push };

/// What a step changed, in grid cells; with the codes the cells held before, so that it can
/// be taken back exactly.
struct Step {
    StepKind kind = StepKind::Blocked;
    int dir = Down;
    int fromX = 0, fromY = 0;  // where the man stood
    int toX = 0, toY = 0;      // where the man stands now (where a pushed box stood)
    int boxX = 0, boxY = 0;    // where a pushed box stands now
    std::int16_t toWas = Outside;   // the code of (toX, toY) before the step
    std::int16_t boxWas = Outside;  // the code of (boxX, boxY) before a push

    bool moved() const { return kind != StepKind::Blocked; }
    bool pushed() const { return kind == StepKind::Push; }
    /// The pushed box left a goal.
    bool fromGoal() const { return pushed() && toWas == BoxOnGoal; }
    /// The pushed box landed on a goal.
    bool ontoGoal() const { return pushed() && boxWas == Goal; }
    /// The code the man's new cell holds under him.
    std::int16_t underMan() const { return pushed() ? (fromGoal() ? std::int16_t{Goal} : std::int16_t{Floor}) : toWas; }
    /// The code the pushed box's cell holds now.
    std::int16_t boxNow() const { return ontoGoal() ? std::int16_t{BoxOnGoal} : std::int16_t{Box}; }
};

/// Moves the man at grid cell (x, y) one cell in direction `dir` on `board` (which does not hold
/// the man), pushing a box when one is in the way. A wall, the outside, the grid's edge, or a box
/// with anything but a free cell behind it blocks: then the board is left as it was.
Step TakeStep(Grid& board, int x, int y, int dir);

/// Takes back `step`, the last one made on `board`: the cells get their codes back.
void UndoStep(Grid& board, const Step& step);

}  // namespace tolvar
