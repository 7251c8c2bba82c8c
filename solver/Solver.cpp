#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <memory>

#include "solver/Board.h"
#include "solver/PackingOrder.h"
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

/// One search of a run: its weight, whether corrals prune it, and the share of
/// the time by which it must have finished.
struct Stage {
    double weight;
    bool corrals;
    bool guided;  // by the goals' packing order
    double timeShare;
};

// The default: the fewest pushes while that is quick, then quicker and quicker searches.
constexpr std::array<Stage, 3> DefaultStages{{{1.0, false, false, 0.3}, {3.0, true, true, 0.65}, {10.0, true, true, 1.0}}};

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

}  // namespace

SolveResult Solve(const Level& level, const SolveLimits& limits, const SolveOptions& options) {
    const Stopwatch watch(limits.processorTime);
    SolveResult result;
    auto finish = [&]() {
        result.seconds = watch.seconds();
        return result;
    };
    result.status = SolveStatus::Unsolvable;
    if (level.ManIndex() < 0) result.reason = "the level has no man";
    else if (level.goalCount() == 0) result.reason = "the level has no goal";
    if (!result.reason.empty()) return finish();
    result.status = SolveStatus::GaveUp;

    std::vector<Stage> stages(DefaultStages.begin(), DefaultStages.end());
    if (options.weight >= 1.0) stages = {{options.weight, options.pruneCorrals, options.weight > 1.0, 1.0}};
    const auto board = std::make_unique<Board>(level);
    const PackingOrder order(*board);
    for (std::size_t k = 0; k < stages.size(); ++k) {
        SearchBudget budget;
        budget.watch = &watch;
        budget.deadline = limits.seconds * stages[k].timeShare;
        budget.memoryBytes = limits.memoryBytes;
        budget.nodes = limits.nodes == 0 ? 0 : limits.nodes - std::min(limits.nodes, result.nodes);
        budget.cancel = limits.cancel;
        if (limits.nodes != 0 && budget.nodes == 0) break;
        auto search = std::make_unique<Search>(level, *board, budget, stages[k].weight, options.pruneDeadlocks,
                                               stages[k].corrals, stages[k].guided ? &order : nullptr);
        const StopReason stop = search->run(result);
        if (result.status != SolveStatus::GaveUp) return finish();
        result.reason = Why(stop);
        // Only running out of this search's share of time or memory passes on to the next.
        if (stop != StopReason::Time && stop != StopReason::Memory) break;
    }
    return finish();
}

std::vector<int> StuckBoxes(const Level& level) {
    const Board board(level);
    BoxSet boxes;
    for (int i = 0; i < CellCount; ++i)
        if (level.cells[static_cast<std::size_t>(i)] == Box || level.cells[static_cast<std::size_t>(i)] == BoxOnGoal)
            boxes.set(i);
    std::vector<int> stuck;
    boxes.forEach([&](int b) {
        if (!board.isGoal(b) && (board.isDead(b) || board.isFrozenDeadlock(boxes, b))) stuck.push_back(b);
    });
    return stuck;
}

}  // namespace tolvar::solver
