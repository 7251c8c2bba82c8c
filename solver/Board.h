#pragma once
// What the solver knows about a level before it searches: the floor plan (the cells, the
// goals, the squares a box can never leave alive), one-wide tunnels, the man's start, and how
// far each cell is from each goal.
#include <cstdint>
#include <vector>

#include "rules/Floorplan.h"
#include "solver/BoxSet.h"
#include "levels/Level.h"

namespace tolvar::solver {

constexpr std::uint16_t Unreachable = 0xFFFF;

class Board : public Floorplan {
public:
    /// Whether the board works out each goal's distances, which only a search needs.
    enum class Distances { Measure, Skip };
    explicit Board(const Level& level, Distances distances = Distances::Measure, Sense sense = Sense::Pushes);

    /// Walls (or the grid's edge) on both sides of cell i across direction d: a one-wide tunnel along d.
    bool isTunnel(int i, int d) const { return step(i, (d + 1) & 3) < 0 && step(i, (d + 3) & 3) < 0; }
    /// The man's cell at the level's start, or -1 when he has none (or stands on no floor).
    int manStart() const { return manStart_; }
    /// Pushes needed to bring a box from cell i to goal number g, other boxes ignored
    /// (only on a board built with Distances::Measure).
    std::uint16_t distance(int g, int i) const { return dist_[static_cast<std::size_t>(g * size() + i)]; }
    /// By cell times 4 plus direction: the neighbour, or size() for a wall. A table with one
    /// entry more than the floor, that one marked blocked, then needs no test for walls.
    const int* neighbours() const { return neighbours_.data(); }

private:
    void measureDistances();

    int manStart_ = -1;
    std::vector<std::uint16_t> dist_;  // by goal number, then cell
    std::vector<int> neighbours_;
};

}  // namespace tolvar::solver
