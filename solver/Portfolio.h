#pragma once
// How Solve divides its time between its searches. Each search runs in slices, taking turns
// with the others of its lane; the slices double each round, so a search that needs t seconds
// alone finds its answer within a few times t. The first solution any search finds is the
// answer, unless the caller asks for the proof of the fewest pushes where it is cheap (the
// default): then the search for the fewest pushes goes on alone until ProofShare of the
// budget, and stops as soon as no position below the solution's pushes is left, which proves
// them the fewest. Where its growth could be told early, it was not: the time that search
// needs is mostly spent on the positions whose estimate is that of the start, with no sign of
// how many there are. On two cores the searches are split into two lanes,
// each on a thread of its own.
#include <cstddef>
#include <vector>

#include "solver/Board.h"
#include "solver/BestFirst.h"
#include "solver/Solver.h"

namespace tolvar::solver {

/// One search of a run: its weight, whether corrals prune it, whether the goals'
/// packing order guides it, whether learned deadlocks prune it, and what each area
/// the boxes cut the free floor into costs it (quarter pushes; guided searches only),
/// counting only areas of at least `smallestArea` cells.
struct Stage {
    double weight;
    bool corrals;
    bool guided;
    bool learns;
    std::uint32_t areaCost;
    int smallestArea;
    bool pulls = false;  // a search from the end, pulling boxes back to the start (weight only)
    double share = 1;    // its slices against the others'
    std::size_t lane = 0;  // the lane it runs in when there are two
    bool features = false;  // the search by features (FeatureSearch), the fields but share and lane unused
};

/// The share of the budget the first slice of each search takes.
constexpr double FirstSliceShare = 0.0005;
/// After a first solution, the proof of the fewest pushes never goes on past this share of the budget.
constexpr double ProofShare = 0.25;

/// Runs `stages` (the first the search for the fewest pushes when its weight is 1) on `board`
/// within `limits`, on `lanes` threads: one runs them all in turns, two run each stage in
/// its lane. Fills the result's status, moves, counts and reason.
SolveResult RunStages(const Level& level, const Board& board, const std::vector<Stage>& stages, std::size_t lanes,
                      const SolveLimits& limits, const SolveOptions& options, const Stopwatch& watch);

/// From this many boxes on, the default gives the weight-10 searches the largest slices.
constexpr int ManyBoxes = 25;

/// From this many boxes on, the default runs the search by features too (FeatureSearch), with
/// this share of the turns of its lane (the second on two threads, the only one on one) and,
/// on two, this share of the memory.
constexpr int FeatureBoxes = 30;
constexpr double FeatureShare = 0.98;
constexpr double FeatureMemory = 0.75;

/// The stages of the default for a level of `boxes` boxes, run in `lanes` lanes.
std::vector<Stage> DefaultStages(int boxes, std::size_t lanes);

}  // namespace tolvar::solver
