#include "rules/Floorplan.h"

namespace tolvar {

Floorplan::Floorplan(const Grid& grid, Sense sense)
    : width_(grid.width), height_(grid.height), pulls_(sense == Sense::Pulls),
      cellOf_(static_cast<std::size_t>(grid.size()), -1)
{
    for (int i = 0; i < grid.size(); ++i)
        if (grid.cells[static_cast<std::size_t>(i)] >= Floor) {
            cellOf_[static_cast<std::size_t>(i)] = size();
            gridIndex_.push_back(i);
            x_.push_back(i % width_);
            y_.push_back(i / width_);
        }
    next_.resize(gridIndex_.size() * 4);
    goalMask_ = noCells();
    for (int c = 0; c < size(); ++c) {
        for (int d = 0; d < 4; ++d)
            next_[static_cast<std::size_t>(c * 4 + d)] = cellAt(x(c) + Directions[d].dx, y(c) + Directions[d].dy);
        const auto code = grid.cells[static_cast<std::size_t>(gridIndex(c))];
        if (pulls_ ? HoldsBox(code) : IsGoal(code)) {
            goals_.push_back(c);
            goalMask_.set(c);
        }
    }
    markLiveSquares();
}

CellSet Floorplan::boxesOf(const Grid& grid) const
{
    CellSet boxes = noCells();
    for (int c = 0; c < size(); ++c)
        if (HoldsBox(grid.cells[static_cast<std::size_t>(gridIndex(c))])) boxes.set(c);
    return boxes;
}

// Moving backwards from the goals (see forEachMoveTo). Each cell joins the queue at most once.
void Floorplan::markLiveSquares()
{
    dead_.assign(gridIndex_.size(), 1);
    std::vector<int> queue;
    queue.reserve(gridIndex_.size());
    for (int g : goals_) {
        queue.push_back(g);
        dead_[static_cast<std::size_t>(g)] = 0;
    }
    for (std::size_t head = 0; head < queue.size(); ++head)
        forEachMoveTo(queue[head], [&](int, int b) {
            if (!dead_[static_cast<std::size_t>(b)]) return;
            dead_[static_cast<std::size_t>(b)] = 0;
            queue.push_back(b);
        });
}

bool Floorplan::blockedOnAxis(CellSet& blocked, const CellSet& boxes, int cell, int dirA, int dirB, int& offGoals) const
{
    const int a = step(cell, dirA), b = step(cell, dirB);
    if (a < 0 || b < 0 || blocked.test(a) || blocked.test(b)) return true;
    // Pushing along this axis would put the box on a dead square either way.
    if (isDead(a) && isDead(b)) return true;
    if (boxes.test(a) && frozen(blocked, boxes, a, offGoals)) return true;
    if (boxes.test(b) && frozen(blocked, boxes, b, offGoals)) return true;
    return false;
}

// A box is frozen when it can move along neither axis; while a neighbour is examined the box
// itself counts as a wall, which is what makes the answer sound. `offGoals` counts the boxes
// found frozen off a goal.
bool Floorplan::frozen(CellSet& blocked, const CellSet& boxes, int cell, int& offGoals) const
{
    const int mark = offGoals;
    blocked.set(cell);
    const bool result = blockedOnAxis(blocked, boxes, cell, Left, Right, offGoals) &&
                        blockedOnAxis(blocked, boxes, cell, Up, Down, offGoals);
    blocked.reset(cell);
    if (result)
        offGoals += !isGoal(cell);
    else
        offGoals = mark;  // what was found frozen held only if this box was
    return result;
}

bool Floorplan::isFrozenDeadlock(const CellSet& boxes, int box) const
{
    CellSet blocked = noCells();
    int offGoals = 0;
    return frozen(blocked, boxes, box, offGoals) && offGoals > 0;
}

std::vector<LostBox> LostBoxes(const Grid& grid)
{
    const Floorplan plan(grid);
    const CellSet boxes = plan.boxesOf(grid);
    std::vector<LostBox> lost;
    boxes.forEach([&](int b) {
        if (plan.isGoal(b)) return;
        if (plan.isDead(b))
            lost.push_back({plan.x(b), plan.y(b), true});
        else if (plan.isFrozenDeadlock(boxes, b))
            lost.push_back({plan.x(b), plan.y(b), false});
    });
    return lost;
}

}  // namespace tolvar
