#pragma once
// Where one box can be pushed with every other box standing still: each cell it can reach,
// from which sides the man can then stand by it, the fewest pushes there, and the pushes
// that take it there. The macro moves of FeatureSearch are read from it.
#include <cstdint>
#include <string>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class BoxReach {
public:
    explicit BoxReach(const Board& board);

    /// Pushes the box at `box` everywhere it can go; `manReach` is the man's region (the box
    /// in place). Dead squares are never entered.
    void spread(const BoxSet& boxes, int box, const BoxSet& manReach);
    /// The areas of the free floor round all the boxes.
    int areas(const BoxSet& boxes);
    /// The areas of areas() beside the box on `box`, which taking it away would join.
    int areasBeside(int box) const;
    /// Whether the box reached `cell` with the man free to stand on side `side` of it.
    bool reached(int cell, int side) const { return stamp_[state(cell, side)] == stampNow_; }
    /// The fewest pushes to `cell` with the man on `side` (reached only).
    int pushes(int cell, int side) const { return dist_[state(cell, side)]; }
    /// The cells reached, in the order of their first reaching (the box's own cell first).
    const std::vector<int>& cells() const { return cells_; }
    /// The class of side `side` at `cell` (sides of one class are joined round the box); -1: no floor.
    int sideClass(int cell, int side) const { return sideClass_[state(cell, side)]; }
    /// With the box moved to `cell` (reached): the pieces the box there cuts its area of the free
    /// floor into, less one (the cut-vertex numbering of spread()).
    int splits(int cell);
    /// With the box moved to `cell`: the least cell of the piece of free floor its neighbour on
    /// `side` is in, the man's region once he stands there.
    int leastBeside(int cell, int side) { return piece(cell, side); }
    /// The man's moves (walks and pushes) from `man` that take the box to `cell` with him on
    /// `side` after the last push, or walking round to it; after spread() for this box. `man`
    /// becomes where he stands after the last push.
    std::string moves(const BoxSet& boxes, int& man, int cell, int side) const;

private:
    static std::size_t state(int cell, int side) { return static_cast<std::size_t>(cell * 4 + side); }
    static constexpr int Unknown = -3;  // a piece_ not yet found
    void classify(int cell);
    void findPieces(int cell);
    int piece(int cell, int side);
    void number(const BoxSet& boxes);
    int pieceOfFloor(int cell, int u) const;
    int joined(int cell, int* pieces, int& count) const;

    const Board& board_;
    BoxSet others_, walls_;  // the boxes but the one pushed; all of them, as numbered
    int origin_ = -1;
    std::vector<std::uint32_t> stamp_;      // by state: reached in the current spread
    std::vector<std::uint32_t> classed_;    // by cell: sides classified in the current spread
    std::vector<std::int8_t> sideClass_;    // by state
    std::vector<int> piece_;                // by state: the least cell of the piece beside it, or Unknown
    std::vector<std::uint16_t> dist_;       // by state
    std::vector<std::int32_t> parent_;      // by state: the state pushed from, -1 at the start
    // A depth-first numbering of the free floor round all the boxes, each area from its least
    // cell, shared by the spreads of every box of one position: which cells a box standing on
    // one cuts apart (cut vertices); the pushed box's own cell then joins the pieces it touches.
    std::vector<int> disc_, low_, last_, up_;  // by cell: number, least reached, last in subtree, parent
    std::vector<int> least_, root_;            // by cell: the least cell of its subtree, of its area
    std::vector<int> cutsOff_;                 // by cell: the pieces more that taking it out leaves of its area
    bool numbered_ = false;
    int areas_ = 0;                            // the areas numbered
    std::vector<std::pair<int, int>> dfs_;
    std::vector<int> cells_, queue_;
    std::uint32_t stampNow_ = 0;
};

}  // namespace tolvar::solver
