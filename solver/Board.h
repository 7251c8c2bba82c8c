#pragma once
// What the solver knows about a level before it searches: the floor, the goals,
// the squares a box can never leave alive, and how far each cell is from each goal.
#include <array>
#include <cstdint>
#include <vector>

#include "solver/BoxSet.h"
#include "solver/Level.h"

namespace tolvar::solver {

constexpr std::uint16_t Unreachable = 0xFFFF;

class Board {
public:
    /// Whether the board works out each goal's distances, which only a search needs.
    enum class Distances { Measure, Skip };
    /// Which way the board is read: boxes pushed to the goals, or (for a search run from the
    /// end) boxes pulled back to where they start, which then stand in for the goals.
    enum class Sense { Pushes, Pulls };
    explicit Board(const Level& level, Distances distances = Distances::Measure, Sense sense = Sense::Pushes);

    bool isFloor(int i) const { return floor_[static_cast<std::size_t>(i)]; }
    bool isGoal(int i) const { return goalMask_.test(i); }
    /// The neighbour of i in direction d when it is floor, else -1 (walls, the outside and the grid's edge block).
    int step(int i, int d) const { return next_[static_cast<std::size_t>(i * 4 + d)]; }
    /// Walls (or the grid's edge) on both sides of cell i across direction d: a one-wide tunnel along d.
    bool isTunnel(int i, int d) const { return step(i, (d + 1) & 3) < 0 && step(i, (d + 3) & 3) < 0; }
    /// A box here can never reach any goal, whatever the other boxes do.
    bool isDead(int i) const { return dead_[static_cast<std::size_t>(i)]; }
    const std::vector<int>& goals() const { return goals_; }
    const BoxSet& goalMask() const { return goalMask_; }
    /// Pushes needed to bring a box from cell i to goal number g, other boxes ignored
    /// (only on a board built with Distances::Measure).
    std::uint16_t distance(int g, int i) const { return dist_[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)]; }

    /// True when the box at cell `box` can never move again (boxes around it included)
    /// and that freezes a box that is not on a goal.
    bool isFrozenDeadlock(const BoxSet& boxes, int box) const;

private:
    void markLiveSquares();
    void measureDistances();
    /// Calls visit(c, b) for every cell b from which one move brings a box to c: a push, the
    /// man behind the box at b on the far side from c; or, read as pulls, a pull, the man
    /// at c pulling the box from b and stepping on beyond c.
    template <class Visit>
    void forEachMoveTo(int c, Visit visit) const {
        for (int d = 0; d < 4; ++d) {
            const int b = step(c, Opposite(d));
            if (b >= 0 && step(pulls_ ? c : b, pulls_ ? d : Opposite(d)) >= 0) visit(c, b);
        }
    }
    bool frozen(BoxSet& blocked, const BoxSet& boxes, int cell, std::vector<int>& frozenCells) const;
    bool blockedOnAxis(BoxSet& blocked, const BoxSet& boxes, int cell, int dirA, int dirB, std::vector<int>& frozenCells) const;

    bool pulls_ = false;
    std::array<bool, CellCount> floor_{};
    std::array<bool, CellCount> dead_{};
    std::array<int, CellCount * 4> next_{};
    std::vector<int> goals_;
    BoxSet goalMask_;
    std::vector<std::array<std::uint16_t, CellCount>> dist_;
};

}  // namespace tolvar::solver
