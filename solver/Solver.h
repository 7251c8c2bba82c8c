#pragma once
// The level solver: a search over box positions that proves a level solvable
// (with a full move list) or unsolvable, within limits the caller sets.
#include <cstddef>
#include <cstdint>
#include <string>

#include "solver/Level.h"

namespace tolvar::solver {

enum class SolveStatus { Solved, Unsolvable, GaveUp };
const char* ToString(SolveStatus status);

struct SolveLimits {
    double seconds = 10.0;                    // wall-clock budget
    std::size_t memoryBytes = std::size_t{1} << 30;  // budget for the search's tables
    std::uint64_t nodes = 0;                  // positions stored; 0 means no limit
};

struct SolveOptions {
    /// 1 searches for the fewest pushes (A*); larger values trade that for speed.
    double weight = 1.0;
    /// Dead squares and frozen boxes prune the search. Off only to check that they are sound.
    bool pruneDeadlocks = true;
    /// Areas the man cannot reach narrow the pushes tried (see Corral.h); needs pruneDeadlocks.
    /// It pays off with a weight above 1. Searching for the fewest pushes it can backfire:
    /// forcing a box into a closed area early opens the whole area to the man, and the
    /// positions of equal estimate multiply (a level of ours went from 0.2 s to over a minute).
    bool pruneCorrals = false;
};

struct SolveResult {
    SolveStatus status = SolveStatus::GaveUp;
    std::string moves;          // the game's move characters, walks and pushes alike
    int pushes = 0;
    std::uint64_t nodes = 0;    // positions stored
    std::uint64_t expanded = 0; // positions whose pushes were tried
    double seconds = 0.0;
    std::size_t peakBytes = 0;  // estimate of the search's largest memory use
    std::string reason;         // why it gave up or why the level cannot be solved
};

/// Solves the level: the man walks on floor and goals, pushes one box at a time,
/// and the level is won when every goal holds a box. "Unsolvable" is reported
/// only after a search that hit no limit.
SolveResult Solve(const Level& level, const SolveLimits& limits = {}, const SolveOptions& options = {});

}  // namespace tolvar::solver
