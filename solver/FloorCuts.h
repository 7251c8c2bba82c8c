#pragma once
// The free floor of one position walked once, depth first: its areas and, in each, the cells
// whose box would cut it apart. A position being expanded is walked so; then the man's region
// after each of its pushes (or pulls), and how many areas the floor then falls into, are known
// without a flood of their own.
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class FloorCuts {
public:
    explicit FloorCuts(const Board& board);

    /// Walks the free floor round `boxes`. When given, `reach` receives the area of `man`.
    /// Returns the least cell of that area, the man normalised.
    int walk(const BoxSet& boxes, int man, BoxSet* reach = nullptr);
    /// Whether `cell` is free floor in the man's area of the walked position.
    bool reached(int cell) const { return area_[static_cast<std::size_t>(cell)] == manArea_; }
    /// The man normalised after the box at `from` went to the free cell `to`, the man
    /// following it onto `from` (or, on through a tunnel, to the cell behind `to`: he reaches
    /// the same cells): the least cell he then reaches.
    int manAfterPush(int from, int to) const;
    /// How many areas of the walked floor have at least `smallest` cells.
    int areas(int smallest) const;
    /// After the box at `from` went to the free cell `to` (one step or on through a tunnel),
    /// the man on a cell next to `from` or on it: the man normalised, and how many areas of
    /// at least `smallest` cells the floor then falls into.
    struct AfterPush {
        int man;
        int areas;
    };
    AfterPush afterPush(int from, int to, int smallest) const;
    /// The man normalised after he, on the free cell `to` beside the box at `box`, pulled it
    /// onto `to` and stepped on to the free cell `stand` beyond.
    int manAfterPull(int box, int to, int stand) const;

private:
    static constexpr std::uint32_t NoArea = 0xFFFFFFFFu;   // free floor not walked yet
    static constexpr std::uint32_t Blocked = 0xFFFFFFFEu;  // a box or a wall
    void walkArea(int root, std::uint32_t area);
    int partBeside(int to, int cell) const;
    int areaSize(std::uint32_t area) const;
    int partsWithout(int to, int* parts, int* sizes) const;

    const Board& board_;
    std::uint32_t manArea_ = NoArea;
    std::vector<std::uint32_t> area_;  // by cell, and one more for every wall (Board::neighbours)
    std::vector<int> least_;           // by area: its root, the first cell of it in order
    // By cell: the order it was walked in, the order past its subtree, the earliest order its
    // subtree reaches back to, the least cell of its subtree and the cell it was reached from.
    std::vector<int> order_, end_, low_, subtreeLeast_, parent_;
    std::vector<int> stack_;
    std::vector<std::uint8_t> dirs_;  // by depth: the next direction to try
};

}  // namespace tolvar::solver
