#pragma once
// A search run from the end: every goal holds a box, and the man pulls boxes back
// until they stand where the level starts them, his region the one he starts in. Where
// the hard part of a level is the order in which a room of goals is filled, that order
// is no question here: pulled out of the room, the boxes leave it in an order that works.
#include <cstdint>
#include <vector>

#include "solver/BestFirst.h"
#include "solver/Board.h"
#include "solver/Bound.h"
#include "solver/FloorCuts.h"
#include "solver/ManRegion.h"

namespace tolvar::solver {

class PullSearch : public BestFirst {
public:
    /// `board` reads the level forwards. Every goal must have a box to fill it, no more.
    /// Its solutions are never proven the fewest pushes; its "unsolvable" is proven, as it
    /// starts from every region the man can end in.
    PullSearch(const Level& level, const Board& board, double weight);

private:
    void begin() override;
    void expand(std::uint32_t id, std::uint16_t pulls) override;
    void finish(SolveResult& result) override;
    int restore(std::uint32_t id, BoxSet& boxes);
    void tryPull(std::uint32_t id, std::uint16_t pulls, const BoxSet& boxes, const PositionKey& boxKey, int box, int dir);
    bool reachedStart(const BoxSet& boxes, int man) const { return man == startMan_ && boxes == startBoxes_; }

    const Board& board_;
    const Board back_;  // read as pulls: the start's boxes are its goals
    Bound bound_;
    std::uint32_t weight_;
    BoxSet startBoxes_;
    ManRegion region_;  // the man's region at the start and his walks
    FloorCuts cuts_;    // the expanded position's floor
    int startMan_ = 0;  // the least cell of the man's region at the start
    std::vector<std::uint32_t> path_;
};

}  // namespace tolvar::solver
