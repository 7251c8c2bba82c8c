#pragma once
// The floor of a board as a box sees it: its floor cells numbered one after another in
// reading order (the numbers a CellSet holds), each cell's neighbours, the goals, the squares
// a box can never leave alive and the boxes frozen in place. What a dead box is, is said
// here once: the solver searches on this plan, the level checks and the Assist menu ask it.
#include <cstdint>
#include <vector>

#include "rules/CellSet.h"
#include "rules/Direction.h"
#include "rules/Grid.h"

namespace tolvar {

class Floorplan {
public:
    /// Which way a box is moved: pushed to the goals, or pulled back to where the grid's boxes
    /// stand, which then stand in for the goals (a search run from the end).
    enum class Sense { Pushes, Pulls };
    /// Every cell of `grid` from Floor up is floor; the man is not in the grid.
    explicit Floorplan(const Grid& grid, Sense sense = Sense::Pushes);

    /// How many floor cells there are: cells are numbered 0 .. size() - 1.
    int size() const { return static_cast<int>(gridIndex_.size()); }
    /// The number of the floor cell at (x, y), or -1 for a cell that is no floor or beyond the grid.
    int cellAt(int x, int y) const
    {
        return x >= 0 && x < width_ && y >= 0 && y < height_ ? cellOf_[static_cast<std::size_t>(x + width_ * y)] : -1;
    }
    /// The number of the floor cell at grid index `index` (x + width * y), or -1.
    int cellOfIndex(int index) const
    {
        return index >= 0 && index < width_ * height_ ? cellOf_[static_cast<std::size_t>(index)] : -1;
    }
    int gridIndex(int cell) const { return gridIndex_[static_cast<std::size_t>(cell)]; }
    int x(int cell) const { return x_[static_cast<std::size_t>(cell)]; }
    int y(int cell) const { return y_[static_cast<std::size_t>(cell)]; }
    /// The neighbour of `cell` in direction d when it is floor, else -1.
    int step(int cell, int d) const { return next_[static_cast<std::size_t>(cell * 4 + d)]; }
    bool isGoal(int cell) const { return goalMask_.test(cell); }
    const std::vector<int>& goals() const { return goals_; }
    const CellSet& goalMask() const { return goalMask_; }
    /// A box here can never reach any goal, whatever the other boxes do.
    bool isDead(int cell) const { return dead_[static_cast<std::size_t>(cell)]; }
    /// An empty set of this plan's cells.
    CellSet noCells() const { return CellSet(size()); }
    /// The cells of the boxes of `grid` (the grid this plan was made of, or one with the same floor).
    CellSet boxesOf(const Grid& grid) const;

    /// True when the box at `box` can never move again (boxes around it included) and that
    /// freezes a box that is not on a goal.
    bool isFrozenDeadlock(const CellSet& boxes, int box) const;

    /// Calls visit(c, b) for every cell b from which one move brings a box to c: a push, the
    /// man behind the box at b on the far side from c; or, read as pulls, a pull, the man at c
    /// pulling the box from b and stepping on beyond c.
    template <class Visit>
    void forEachMoveTo(int c, Visit visit) const
    {
        for (int d = 0; d < 4; ++d) {
            const int b = step(c, Opposite(d));
            if (b >= 0 && step(pulls_ ? c : b, pulls_ ? d : Opposite(d)) >= 0) visit(c, b);
        }
    }

private:
    void markLiveSquares();
    bool frozen(CellSet& blocked, const CellSet& boxes, int cell, int& offGoals) const;
    bool blockedOnAxis(CellSet& blocked, const CellSet& boxes, int cell, int dirA, int dirB, int& offGoals) const;

    int width_ = 0, height_ = 0;
    bool pulls_ = false;
    std::vector<int> cellOf_;     // by grid index
    std::vector<int> gridIndex_;  // by cell
    std::vector<int> x_, y_;      // by cell
    std::vector<int> next_;       // by cell and direction
    std::vector<char> dead_;      // by cell
    std::vector<int> goals_;
    CellSet goalMask_;
};

/// A box of a grid off a goal that can never reach one, whatever is pushed.
struct LostBox {
    int x = 0, y = 0;
    bool onDeadSquare = false;  // no push sequence leads from its square to a goal; else it is frozen in place
};

/// The grid's lost boxes, in reading order: off a goal, and on a square a box can never leave
/// alive or frozen in place. Cheap enough to ask after every move.
std::vector<LostBox> LostBoxes(const Grid& grid);

}  // namespace tolvar
