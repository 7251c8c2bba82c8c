#pragma once
// The areas the boxes of one position cut the free floor into, each with its size and its
// least cell. Labelled once for a position being expanded, they give most of its children's
// areas and man's region without a flood of their own (see Search::childFloor).
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class FloorAreas {
public:
    explicit FloorAreas(const Board& board)
        : board_(board), label_(static_cast<std::size_t>(board.size()) + 1, Blocked), stack_(label_.size()) {}

    /// Labels the free floor round `boxes`.
    void label(const BoxSet& boxes);
    /// The area of a free cell of the labelled position.
    std::uint32_t areaOf(int cell) const { return label_[static_cast<std::size_t>(cell)]; }
    int size(std::uint32_t area) const { return size_[area]; }
    int least(std::uint32_t area) const { return least_[area]; }
    /// How many areas have at least `smallest` cells.
    int count(int smallest) const;

private:
    static constexpr std::uint32_t Unlabelled = 0xFFFFFFFFu, Blocked = 0xFFFFFFFEu;
    const Board& board_;
    std::vector<std::uint32_t> label_;  // by cell, and one more for every wall; meaningful for free cells only
    std::vector<int> size_, least_;      // by area
    std::vector<int> stack_;
};

}  // namespace tolvar::solver
