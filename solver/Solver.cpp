#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <memory>

#include "solver/Board.h"
#include "solver/PackingOrder.h"
#include "solver/PullSearch.h"
#include "solver/Search.h"

namespace tolvar::solver {

const char* ToString(SolveStatus status) {
    switch (status) {
    case SolveStatus::Solved: return "solved";
    case SolveStatus::Unsolvable: return "unsolvable";
    case SolveStatus::GaveUp: return "gave up";
    }
    return "?";
}

namespace {

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
};

/// A stretch of a run: the search it gives time to, and the share of the time by
/// which that search must stop. A search that comes back goes on where it stopped.
struct Step {
    std::size_t stage;
    double timeShare;
};

// The default: the fewest pushes while that is quick, then quicker searches, and what is
// left of the time back to the fewest pushes, which some levels prove just after their first
// share while the quicker searches lose their way.
// Learned deadlocks turn the quicker searches' hopeless hours into seconds; the search for the
// fewest pushes, which looks at every position under its bound anyway, they slow by a quarter.
// Most quicker searches pay for boxes that cut the free floor apart: a cluster of boxes far
// from the goals is then opened up before boxes are packed (many levels go from over 10 s to
// a tenth of one). Which pockets to count matters on some levels: one search lets pockets of
// a single cell be. A few levels are solved only by the search that pays for none; it runs last.
// The first quicker search runs from the end, pulling the boxes back out of the goals: where
// a room of goals must be filled in the right order it finds one in a tenth of a second (the
// order of pulling them out), where the searches forward lose their way for minutes.
constexpr std::uint32_t AreaCost = 6 * 4;
constexpr std::array<Stage, 6> DefaultStages{{{1.0, false, false, false, 0, 1},
                                              {3.0, false, false, false, 0, 1, true},
                                              {10.0, true, true, true, AreaCost, 1},
                                              {3.0, true, true, true, AreaCost, 1},
                                              {3.0, true, true, true, AreaCost, 2},
                                              {10.0, true, true, true, 0, 1}}};
constexpr std::array<Step, 7> DefaultSteps{{{0, 0.3}, {1, 0.4}, {2, 0.45}, {3, 0.52}, {4, 0.75}, {5, 0.85}, {0, 1.0}}};

const char* Why(StopReason stop) {
    switch (stop) {
    case StopReason::Time: return "time limit reached";
    case StopReason::Memory: return "memory limit reached";
    case StopReason::Nodes: return "position limit reached";
    case StopReason::Cancelled: return "cancelled";
    case StopReason::DepthCap: return "solutions longer than 65534 pushes are not searched";
    case StopReason::None: break;
    }
    return "";
}

// What the search of a step may spend: time until the step's share, the memory the
// searches kept for later leave it, and the positions the run has left.
SearchBudget StepBudget(const SolveLimits& limits, const Stopwatch& watch, double timeShare,
                        const std::vector<std::unique_ptr<BestFirst>>& searches, const BestFirst& search,
                        std::uint64_t positionsLeft) {
    SearchBudget budget;
    budget.watch = &watch;
    budget.deadline = limits.seconds * timeShare;
    budget.memoryBytes = limits.memoryBytes;
    for (const auto& other : searches)
        if (other && other.get() != &search) budget.memoryBytes -= std::min(budget.memoryBytes, other->bytes());
    budget.nodes = limits.nodes == 0 ? 0 : search.positions() + positionsLeft;
    budget.cancel = limits.cancel;
    return budget;
}

SearchStyle StyleOf(const Stage& stage, const SolveOptions& options, const PackingOrder& order, DeadlockPatterns* patterns) {
    SearchStyle style;
    style.weight = stage.weight;
    style.pruneDeadlocks = options.pruneDeadlocks;
    style.pruneCorrals = stage.corrals;
    style.guide = stage.guided ? &order : nullptr;
    style.areaCost = stage.areaCost;
    style.smallestArea = stage.smallestArea;
    style.patterns = stage.learns ? patterns : nullptr;
    return style;
}

std::unique_ptr<BestFirst> MakeSearch(const Level& level, const Board& board, const Stage& stage, const SearchStyle& style) {
    if (stage.pulls) return std::make_unique<PullSearch>(level, board, stage.weight);
    return std::make_unique<Search>(level, board, style);
}

}  // namespace

SolveResult Solve(const Level& level, const SolveLimits& limits, const SolveOptions& options) {
    const Stopwatch watch(limits.processorTime);
    SolveResult result;
    std::unique_ptr<DeadlockPatterns> patterns;
    auto finish = [&]() {
        result.seconds = watch.seconds();
        if (patterns) result.peakBytes += patterns->bytes();
        return result;
    };
    result.status = SolveStatus::Unsolvable;
    if (level.man < 0 || level.man >= level.size()) result.reason = "the level has no man";
    else if (level.cells[static_cast<std::size_t>(level.man)] < Floor) result.reason = "the man stands on no floor";
    else if (level.goalCount() == 0) result.reason = "the level has no goal";
    if (!result.reason.empty()) return finish();
    result.status = SolveStatus::GaveUp;

    std::vector<Stage> stages(DefaultStages.begin(), DefaultStages.end());
    std::vector<Step> steps(DefaultSteps.begin(), DefaultSteps.end());
    if (options.weight >= 1.0) {
        stages = {{options.weight, options.pruneCorrals, options.weight > 1.0, options.weight > 1.0, 0, 1}};
        steps = {{0, 1.0}};
    }

    const auto board = std::make_unique<Board>(level);
    const PackingOrder order(*board);
    if (options.learnDeadlocks) patterns = std::make_unique<DeadlockPatterns>(*board);
    std::vector<std::unique_ptr<BestFirst>> searches(stages.size());
    std::vector<char> over(stages.size(), 0);  // stopped for good, or (from the end, with spare boxes) never run
    for (std::size_t s = 0; s < stages.size(); ++s) over[s] = stages[s].pulls && level.boxCount() != level.goalCount();
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::size_t s = steps[k].stage;
        if (over[s]) continue;
        auto& search = searches[s];
        if (!search) search = MakeSearch(level, *board, stages[s], StyleOf(stages[s], options, order, patterns.get()));
        const std::uint64_t positionsLeft = limits.nodes - std::min(limits.nodes, result.nodes);
        if (limits.nodes != 0 && positionsLeft == 0) break;
        const SearchBudget budget = StepBudget(limits, watch, steps[k].timeShare, searches, *search, positionsLeft);
        const StopReason stop = search->run(result, budget);
        if (result.status != SolveStatus::GaveUp) return finish();
        result.reason = Why(stop);
        // Only running out of this search's share of time or memory passes on to the next.
        if (stop != StopReason::Time && stop != StopReason::Memory) break;
        over[s] = stop == StopReason::Memory;
        if (over[s] || std::none_of(steps.begin() + static_cast<std::ptrdiff_t>(k) + 1, steps.end(),
                                    [&](const Step& later) { return later.stage == s; }))
            search.reset();  // not run again: its memory goes back
    }
    return finish();
}

std::vector<int> StuckBoxes(const Level& level) {
    std::vector<int> stuck;
    for (const LostBox& box : LostBoxes(level)) stuck.push_back(level.index(box.x, box.y));
    return stuck;
}

}  // namespace tolvar::solver
