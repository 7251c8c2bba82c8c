#pragma once
// A search over macro moves guided by features of a position rather than one estimate: boxes
// packed, the areas the boxes cut the man's floor into, and boxes shut in the wrong part of the
// board by the boxes already on goals (or about to be, by the goal that would close that part
// off next). Positions are sorted into cells by those features; the search visits the cells in
// turn and expands the cheapest position of each, so it follows many lines at once instead of
// committing to the deepest. A move takes one box to an empty goal along the fewest pushes,
// pushes it straight on as far as it goes, or pushes it once, every other box standing still.
#include <cstdint>
#include <map>
#include <queue>
#include <vector>

#include "solver/BestFirst.h"
#include "solver/Board.h"
#include "solver/BoxReach.h"
#include "solver/KeySet.h"
#include "solver/ManRegion.h"
#include "solver/PartCheck.h"
#include "solver/PlacedFloor.h"

namespace tolvar::solver {

/// What the search sorts positions by; packed counts up, the others down.
struct Features {
    int packed = 0;     // boxes on goals
    int areas = 0;      // areas of the free floor
    int shutIn = 0;     // boxes and empty goals that do not match in the parts the goals close off
    int outOfPlan = 0;  // the same in the parts one more goal filled would close off
    std::uint32_t key() const;
    bool dominates(const Features& other) const;
};

class FeatureSearch {
public:
    FeatureSearch(const Level& level, const Board& board);
    /// Searches within `budget`, going on where the last run stopped; fills the result as
    /// BestFirst::run does. Its moves are too few for a proof: when none is left it stops with
    /// StopReason::Exhausted, the level not judged.
    StopReason run(SolveResult& result, const SearchBudget& budget);
    std::size_t bytes() const;
    std::uint64_t positions() const { return positions_.size(); }
    /// The features of the boxes, the man at `man`.
    /// `areas`: the areas of the free floor when known, else -1.
    Features features(const BoxSet& boxes, int man, int areas = -1);
    /// For experiments: the most boxes on goals of a position so far, and the part check's counts.
    int deepestPacked() const { return deepestPacked_; }
    const PartCheck& partCheck() const { return partCheck_; }
    std::size_t cellCount() const { return cells_.size(); }

private:
    struct Position {  // its boxes are words_ words of boxWords_ from id * words_
        int man;  // least cell of his region
        std::uint32_t parent;
        int from, to, side;  // the move from the parent: the box's cells and the man's side after it
        std::uint32_t cost;  // moves that were no advisor's choice
        std::uint32_t pushes;
        Features features;
    };
    using Entry = std::pair<std::uint64_t, std::uint32_t>;  // cost and pushes, position
    using Queue = std::priority_queue<Entry, std::vector<Entry>, std::greater<>>;

    void begin();
    void round(std::vector<std::uint32_t>& chosen);
    void expand(std::uint32_t id);
    struct Move {
        int from, to, side;  // the box's cells and the man's side after the last push
        int man, areas;      // the child's man (least cell of his region) and its areas of free floor
    };
    void tryMoves(std::uint32_t id, const BoxSet& boxes, std::uint64_t hash, int box, int areas);
    /// `hash`: the key of the boxes alone.
    void add(std::uint32_t parent, const BoxSet& boxes, std::uint64_t hash, const Move& move, std::uint32_t pushes, bool advised);
    void store(const Position& position, const BoxSet& boxes);
    void load(std::uint32_t id, BoxSet& boxes) const;
    const BoxSet& placedOf(const BoxSet& boxes);  // the boxes on goals, into placed_
    bool straightEnd(const BoxSet& boxes, int box, int cell) const;
    void finish(SolveResult& result);
    StopReason overLimit(const SearchBudget& budget) const;

    const Level& level_;
    const Board& board_;
    BoxReach reach_;
    PlacedFloor floor_;
    ManRegion region_, childRegion_;
    const int words_;  // of a set of boxes
    std::vector<Position> positions_;
    std::vector<std::uint64_t> boxWords_;  // the positions' boxes, flat: no allocation of their own
    KeySet known_;  // the hashes of the positions met
    std::map<std::uint32_t, Queue> cells_;                    // feature key to its waiting positions
    std::map<std::uint32_t, Features> cellFeatures_;
    std::vector<std::pair<std::uint32_t, Features>> waiting_;  // round's cells with positions waiting
    std::vector<std::uint32_t> chosen_;                       // the round's cells to visit
    std::size_t nextChosen_ = 0;                              // the next of them
    BoxSet placed_;
    BoxSet next_;  // tryMoves's child
    BoxSet boxes_;  // expand's
    PartCheck partCheck_;
    std::uint32_t goal_ = 0xFFFFFFFFu;
    std::uint64_t expanded_ = 0, rounds_ = 0;
    std::uint64_t reportedNodes_ = 0, reportedExpanded_ = 0;
    bool begun_ = false;
    int deepestPacked_ = -1;
};

}  // namespace tolvar::solver
