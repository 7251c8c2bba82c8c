#include "solver/Solver.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "solver/Board.h"
#include "solver/Portfolio.h"

namespace tolvar::solver {

const char* ToString(SolveStatus status) {
    switch (status) {
    case SolveStatus::Solved: return "solved";
    case SolveStatus::Unsolvable: return "unsolvable";
    case SolveStatus::GaveUp: return "gave up";
    }
    return "?";
}

SolveResult Solve(const Level& level, const SolveLimits& limits, const SolveOptions& options) {
    const Stopwatch watch(!limits.processorTime ? Timing::Wall : limits.eachThread ? Timing::Thread : Timing::Program);
    SolveResult result;
    auto finish = [&]() {
        result.seconds = std::max(result.seconds, watch.seconds());  // thread time: the longest lane
        return result;
    };
    result.status = SolveStatus::Unsolvable;
    if (level.man < 0 || level.man >= level.size()) result.reason = "the level has no man";
    else if (level.cells[static_cast<std::size_t>(level.man)] < Floor) result.reason = "the man stands on no floor";
    else if (level.goalCount() == 0) result.reason = "the level has no goal";
    if (!result.reason.empty()) return finish();
    result.status = SolveStatus::GaveUp;

    const std::size_t cores = limits.threads > 0 ? static_cast<std::size_t>(limits.threads) : std::thread::hardware_concurrency();
    const std::size_t lanes = std::clamp<std::size_t>(cores, 1, 2);
    std::vector<Stage> stages = DefaultStages(level.boxCount(), lanes);
    if (options.weight >= 1.0) stages = {{options.weight, options.pruneCorrals, options.weight > 1.0, options.weight > 1.0, 0, 1}};
    const auto board = std::make_unique<Board>(level);
    result = RunStages(level, *board, stages, lanes, limits, options, watch);
    return finish();
}

std::vector<int> StuckBoxes(const Level& level) {
    std::vector<int> stuck;
    for (const LostBox& box : LostBoxes(level)) stuck.push_back(level.index(box.x, box.y));
    return stuck;
}

}  // namespace tolvar::solver
