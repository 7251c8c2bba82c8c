#pragma once
// What every search of the solver shares: its clock and limits, the keys positions
// are known by, and the best-first loop over the positions it has stored.
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <chrono>
#include <cstdint>
#include <ctime>

#include "solver/BoxSet.h"
#include "solver/SearchTables.h"
#include "solver/Solver.h"

namespace tolvar::solver {

using Clock = std::chrono::steady_clock;

/// What a stopwatch counts: the wall clock, the program's processor time (all its threads), or
/// the processor time of the thread that reads it (what the wall would show with a core for
/// every thread: fair figures for an idle machine of that many cores on a busy one).
enum class Timing { Wall, Program, Thread };

/// Seconds since it was made, as its timing counts them.
class Stopwatch {
public:
    explicit Stopwatch(bool processorTime) : Stopwatch(processorTime ? Timing::Program : Timing::Wall) {}
    /// `before`: seconds already gone when it is made (thread time: on the thread that made the run).
    explicit Stopwatch(Timing timing, double before = 0)
        : timing_(timing), wallStart_(Clock::now()), processorStart_(std::clock()), threadStart_(ThreadSeconds() - before) {}
    double seconds() const {
        if (timing_ == Timing::Thread) return ThreadSeconds() - threadStart_;
        if (timing_ == Timing::Program) return static_cast<double>(std::clock() - processorStart_) / CLOCKS_PER_SEC;
        return std::chrono::duration<double>(Clock::now() - wallStart_).count();
    }
    /// The watch another thread of the run reads, made on that thread: this one, or for thread
    /// time one that goes on from `before`, this watch's reading when the thread was started.
    Stopwatch onThisThread(double before) const { return timing_ == Timing::Thread ? Stopwatch(timing_, before) : *this; }

private:
    static double ThreadSeconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    }
    Timing timing_;
    Clock::time_point wallStart_;
    std::clock_t processorStart_;
    double threadStart_;
};

/// What one search may spend.
struct SearchBudget {
    const Stopwatch* watch = nullptr;
    double deadline = 0;  // seconds on the watch
    std::size_t memoryBytes = 0;
    std::uint64_t nodes = 0;  // 0: no limit
    const std::atomic<bool>* cancel = nullptr;
    /// Set when the run has its answer from another search: this one stops as if cancelled.
    const std::atomic<bool>* stop = nullptr;
};

/// Why a search stopped without an answer. Exhausted: a search whose moves are too few for a
/// proof (the search by features) has none left.
enum class StopReason { None, Time, Memory, Nodes, Cancelled, DepthCap, Exhausted };

/// A position's two hashes.
struct PositionKey {
    std::uint64_t hash = 0;
    std::uint32_t check = 0;
    PositionKey operator^(const PositionKey& o) const { return {hash ^ o.hash, check ^ o.check}; }
};

/// Random keys per cell for boxes and for the man, fixed so runs repeat; enough for the
/// cells of the largest board.
struct Zobrist {
    std::array<PositionKey, MaxGridCells> box{}, man{};
    Zobrist();
    PositionKey boxes(const BoxSet& set) const {
        PositionKey key;
        set.forEach([&](int c) { key = key ^ box[static_cast<std::size_t>(c)]; });
        return key;
    }
};
const Zobrist& Keys();

/// A search's weight as a whole number of quarter pushes, the unit its estimates are kept in
/// (4: the fewest pushes).
inline std::uint32_t QuarterWeight(double weight) {
    return static_cast<std::uint32_t>(std::lround(std::max(1.0, weight) * 4));
}

/// Push counts are 16-bit; no position is stored deeper than this.
constexpr std::uint16_t MaxPushes = 0xFFFE;

/// A best-first search: positions are stored in nodes_ and queued in open_ by the
/// searches built on it, which say how a position is expanded.
class BestFirst {
public:
    virtual ~BestFirst() = default;
    /// Searches within `budget`; fills status, moves, pushes and the counts of `result`, and returns
    /// why it stopped early. A search stopped by its time may run again with a later deadline: it
    /// goes on from where it stopped, with all it found kept. Its positions count against
    /// `budget.nodes` from its start.
    StopReason run(SolveResult& result, const SearchBudget& budget);
    /// The memory its tables hold now.
    std::size_t bytes() const { return nodes_.bytes() + open_.bytes(); }
    /// The positions it has stored.
    std::uint64_t positions() const { return nodes_.size(); }
    /// The least estimate still queued (quarter pushes): 0 before it runs, the largest there is
    /// once none is left.
    /// For the search for the fewest pushes, no solution has fewer pushes than a quarter of it.
    std::uint32_t frontier() const { return !begun_ ? 0 : open_.empty() ? 0xFFFFu : open_.least(); }

protected:
    /// Stores and queues the first positions; may set goalNode_.
    virtual void begin() = 0;
    /// Tries every move from the position; sets goalNode_ when one wins.
    virtual void expand(std::uint32_t id, std::uint16_t pushes) = 0;
    /// Fills the result's moves from the winning position goalNode_.
    virtual void finish(SolveResult& result) = 0;

    /// Whether `child` is stored already. When it is and still waits, and `child` reaches it by
    /// fewer pushes, it takes that way and is queued again by its pushes and `estimate()`.
    template <class Estimate>
    bool storedBefore(const SearchNode& child, Estimate estimate) {
        const std::uint32_t known = nodes_.find(child);
        if (known == NodeStore::None) return false;
        // An expanded one is left alone: with the plain bound that never happens, and with
        // a weighted one expanding it again costs more than the pushes it might save.
        SearchNode& old = nodes_[known];
        if (old.pushes > child.pushes && !old.expanded()) {
            old.parent = child.parent;
            old.pushes = child.pushes;
            old.setPush(child.from(), child.dir(), child.length());
            open_.push(child.pushes * 4u + estimate(), child.pushes, known);
        }
        return true;
    }

    NodeStore nodes_;
    OpenQueue open_;
    std::uint32_t goalNode_ = NodeStore::None;
    std::uint64_t expanded_ = 0;

private:
    StopReason overLimit();


    SearchBudget budget_;
    bool begun_ = false;
    bool depthCapped_ = false;  // a position at the deepest push count was left unexpanded
    std::uint64_t reportedNodes_ = 0, reportedExpanded_ = 0;  // counted into a result already
    std::size_t peakBytes_ = 0;
};

}  // namespace tolvar::solver
