#pragma once
// The level solver: a search over box positions that proves a level solvable
// (with a full move list) or unsolvable, within limits the caller sets.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "levels/Level.h"

namespace tolvar::solver {

/// The solver takes the levels that levels/ reads.
using tolvar::Level;

enum class SolveStatus { Solved, Unsolvable, GaveUp };
const char* ToString(SolveStatus status);

struct SolveLimits {
    double seconds = 10.0;                            // time budget, on the wall clock unless:
    /// Counts the program's processor time instead: fair figures on a busy machine (benchmarks).
    bool processorTime = false;
    /// With processorTime: each thread counts its own (and the set-up's before it started), as the
    /// wall would on an idle machine with a core for each; else the program's, of all threads.
    bool eachThread = false;
    std::size_t memoryBytes = std::size_t{400} << 20;  // budget for the search's tables
    std::uint64_t nodes = 0;                          // positions stored; 0 means no limit
    /// When given, setting it from another thread stops the search within a few milliseconds.
    const std::atomic<bool>* cancel = nullptr;
    /// Threads the default's searches run on side by side: 0 one a core, up to two; 1 runs them
    /// in turns on the caller's thread. Either way every thread has ended when Solve returns.
    int threads = 0;
};

struct SolveOptions {
    /// 0, the default: the search for the fewest pushes and searches that trade them for speed
    /// (the first of them from the end, pulling the boxes back out of the goals) take turns,
    /// and the first solution any of them finds is the answer, proven or not, as
    /// proveWhereCheap says; the result says whether its pushes are proven the fewest.
    /// 1 searches only for the fewest pushes (A*); larger values only trade that for speed.
    double weight = 0.0;
    /// With the default weight: after a first solution that is not proven the fewest pushes, the
    /// search for the fewest goes on for up to a quarter of the budget to prove them or find
    /// fewer (see Portfolio.h). Off, the first solution is the answer at once.
    bool proveWhereCheap = true;
    /// Dead squares and frozen boxes prune the search. Off only to check that they are sound.
    bool pruneDeadlocks = true;
    /// With a fixed weight: areas the man cannot reach narrow the pushes tried (see Corral.h); needs pruneDeadlocks.
    /// It pays off with a weight above 1. Searching for the fewest pushes it can backfire:
    /// forcing a box into a closed area early opens the whole area to the man, and the
    /// positions of equal estimate multiply (a level of ours went from 0.2 s to over a minute).
    bool pruneCorrals = false;
    /// In the searches that trade pushes for speed: small groups of boxes found lost by a short
    /// search of their own, the rest of the boxes taken away, prune the search and are
    /// remembered (see DeadlockPatterns.h); needs pruneDeadlocks.
    bool learnDeadlocks = true;
};

struct SolveResult {
    SolveStatus status = SolveStatus::GaveUp;
    std::string moves;          // the game's move characters, walks and pushes alike
    int pushes = 0;
    bool provenFewest = false;  // no solution has fewer pushes
    std::uint64_t nodes = 0;    // positions stored
    std::uint64_t expanded = 0; // positions whose pushes were tried
    double seconds = 0.0;       // by the clock the limits chose
    double firstSeconds = 0.0;  // when the first solution was found (solved only)
    std::size_t peakBytes = 0;  // estimate of the search's largest memory use
    std::string reason;         // why it gave up or why the level cannot be solved
};

/// Solves the level: the man walks on floor and goals, pushes one box at a time,
/// and the level is won when every goal holds a box. "Unsolvable" is reported
/// only after a search that hit no limit.
SolveResult Solve(const Level& level, const SolveLimits& limits = {}, const SolveOptions& options = {});

/// The cells of the level's boxes that can never reach a goal, whatever is pushed:
/// off a goal and on a square no push sequence leads from, or frozen in place. Cheap
/// enough to ask after every move.
std::vector<int> StuckBoxes(const Level& level);

}  // namespace tolvar::solver
