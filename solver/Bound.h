#pragma once
// The search's lower bound: the fewest pushes that bring every box to a goal of its
// own, the boxes not in each other's way, as a minimum-cost matching of boxes to goals.
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"
#include "solver/Matching.h"
#include "solver/SearchTables.h"

namespace tolvar::solver {

class Bound {
public:
    static constexpr std::uint32_t None = 0xFFFFFFFFu;  // some box can reach no goal left to it
    explicit Bound(const Board& board)
        : board_(board), column_(static_cast<std::size_t>(board.size())), savedColumn_(board.goals().size()) {}

    /// The bound of any position.
    std::uint32_t of(const BoxSet& boxes);
    /// Makes `boxes` the position whose children child() measures.
    void setParent(const BoxSet& boxes) {
        parentBoxes_ = boxes;
        parentMatched_ = false;
    }
    /// The bound of the parent with its box at `from` moved to `to`, `boxHash` the hash of
    /// the child's boxes: its matching starts from the parent's, so only one goal is placed
    /// again. Positions that differ only in the man's region share it, so it is remembered.
    std::uint32_t child(int from, int to, std::uint64_t boxHash);
    /// Starts fetching the remembered bound child() first reads for `boxHash`.
    void prefetch(std::uint64_t boxHash) const { __builtin_prefetch(&cache_[boxHash & (cacheSlots_ - 1)]); }

private:
    const Board& board_;
    Matching matching_;
    std::vector<std::int32_t> cost_;
    std::vector<int> boxCells_;           // the columns of cost_
    BoxSet parentBoxes_;
    bool parentMatched_ = false;          // cost_ and matching_ hold the parent's matching
    std::vector<int> column_;  // of each of the parent's boxes, by cell
    std::vector<std::int32_t> savedColumn_;  // by goal number
    struct Cached {
        std::uint64_t boxHash = 0;
        std::uint32_t bound = 0;
    };
    // The cache grows from a few pages, as a search that finds its answer at once never
    // needs more, to its largest size once it has missed twice its slots since it last grew.
    static constexpr std::size_t FirstCacheSlots = std::size_t{1} << 10, MostCacheSlots = std::size_t{1} << 16;
    void growCache();
    std::size_t cacheSlots_ = FirstCacheSlots;
    std::size_t misses_ = 0;
    ZeroedArray<Cached> cache_{FirstCacheSlots};
};

}  // namespace tolvar::solver
