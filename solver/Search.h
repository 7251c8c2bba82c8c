#pragma once
// One best-first search over box positions, the work of Solve: the fewest
// pushes when its weight is 1, a quicker and longer solution above that.
#include <array>
#include <atomic>
#include <chrono>
#include <ctime>
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"
#include "solver/DeadlockPatterns.h"
#include "solver/ManRegion.h"
#include "solver/Matching.h"
#include "solver/PackingOrder.h"
#include "solver/SearchTables.h"
#include "solver/Solver.h"

namespace tolvar::solver {

using Clock = std::chrono::steady_clock;

/// Seconds since it was made: on the wall clock, or of the processor's time for this program.
class Stopwatch {
public:
    explicit Stopwatch(bool processorTime)
        : processorTime_(processorTime), wallStart_(Clock::now()), processorStart_(std::clock()) {}
    double seconds() const {
        if (processorTime_) return static_cast<double>(std::clock() - processorStart_) / CLOCKS_PER_SEC;
        return std::chrono::duration<double>(Clock::now() - wallStart_).count();
    }

private:
    bool processorTime_;
    Clock::time_point wallStart_;
    std::clock_t processorStart_;
};

/// What one search may spend.
struct SearchBudget {
    const Stopwatch* watch = nullptr;
    double deadline = 0;  // seconds on the watch
    std::size_t memoryBytes = 0;
    std::uint64_t nodes = 0;  // 0: no limit
    const std::atomic<bool>* cancel = nullptr;
};

/// Why a search stopped without an answer.
enum class StopReason { None, Time, Memory, Nodes, Cancelled, DepthCap };

/// A position's two hashes.
struct PositionKey {
    std::uint64_t hash = 0;
    std::uint32_t check = 0;
    PositionKey operator^(const PositionKey& o) const { return {hash ^ o.hash, check ^ o.check}; }
};

/// How one search looks for a solution.
struct SearchStyle {
    double weight = 1.0;  // 1: the fewest pushes; above: a quicker and longer solution
    bool pruneDeadlocks = true;
    bool pruneCorrals = false;
    /// When given, steers the search to fill goal clusters in order (never with weight 1).
    const PackingOrder* guide = nullptr;
    /// With a guide: each area the free floor is split into beyond the first costs this
    /// many quarter pushes, so boxes standing in each other's way are moved apart first.
    std::uint32_t areaCost = 0;
    /// Areas of fewer cells cost nothing (the first area is free whatever its size).
    int smallestArea = 1;
    /// When given, prunes with the deadlocks learned so far and learns more.
    DeadlockPatterns* patterns = nullptr;
};

class Search {
public:
    Search(const Level& level, const Board& board, const SearchStyle& style);

    /// Searches within `budget`; fills status, moves, pushes and the counts of `result`, and returns
    /// why it stopped early. A search stopped by its time may run again with a later deadline: it
    /// goes on from where it stopped, with all it found kept. Its positions count against
    /// `budget.nodes` from its start.
    StopReason run(SolveResult& result, const SearchBudget& budget);
    /// The memory its tables hold now.
    std::size_t bytes() const { return nodes_.bytes() + open_.bytes(); }
    /// The positions it has stored.
    std::uint64_t positions() const { return nodes_.size(); }

private:
    struct Expansion {
        std::uint32_t id;
        std::uint16_t pushes;
        BoxSet boxes;
        int man;             // the least cell of the man's region
        PositionKey boxKey;  // hashes of the boxes alone
    };
    std::uint32_t lowerBound(const BoxSet& boxes);
    std::uint32_t childBound(int from, int to, std::uint64_t boxHash);
    bool solvedBy(const BoxSet& boxes) const;
    std::uint32_t estimate(const BoxSet& boxes, std::uint32_t bound);
    int landing(const SearchNode& node) const;
    int restore(std::uint32_t id, BoxSet& boxes);
    void expand(std::uint32_t id, std::uint16_t pushes);
    bool tryPush(const Expansion& e, int box, int dir);
    int childMan(int parentMan, const BoxSet& boxes, int from, int to);
    int pushOn(const BoxSet& boxes, int& to, int dir, std::uint16_t pushes) const;
    bool cutsTheRegion(const BoxSet& boxes, int to) const;
    void begin();
    StopReason overLimit();
    void finish(SolveResult& result, std::uint32_t goalNode);

    const Level& level_;
    const Board& board_;
    const PackingOrder* guide_;
    DeadlockPatterns* patterns_;
    SearchBudget budget_;
    ManRegion region_;       // the expanded position's man
    ManRegion childRegion_;  // a new position's man, to normalise it
    ManRegion areaRegion_;   // counts the areas of a new position's free floor
    std::uint32_t areaCost_ = 0;
    int smallestArea_ = 1;
    std::uint32_t weight_ = 4;
    BoxSet startBoxes_;
    bool prune_ = true;
    bool corrals_ = true;
    bool tunnels_ = true;  // a box pushed into a tunnel goes on through it
    NodeStore nodes_;
    OpenQueue open_;
    Matching matching_;
    std::vector<std::int32_t> cost_;
    std::vector<int> boxCells_;           // the columns of cost_
    BoxSet parentBoxes_;                  // the expanded position's boxes
    bool parentMatched_ = false;          // cost_ and matching_ hold its matching
    std::array<int, CellCount> column_{};  // of each of its boxes
    std::vector<std::int32_t> savedColumn_ = std::vector<std::int32_t>(CellCount);
    std::vector<std::uint32_t> path_;
    struct CachedBound {
        std::uint64_t boxHash = 0;
        std::uint32_t bound = 0;
    };
    std::vector<CachedBound> boundCache_ = std::vector<CachedBound>(std::size_t{1} << 16);
    std::uint32_t goalNode_ = NodeStore::None;
    bool begun_ = false;
    bool depthCapped_ = false;               // a position at the deepest push count was left unexpanded
    std::uint64_t reportedNodes_ = 0, reportedExpanded_ = 0;  // counted into a result already
    std::uint64_t expanded_ = 0;
    std::size_t peakBytes_ = 0;
};

}  // namespace tolvar::solver
