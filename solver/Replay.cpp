#include "solver/Replay.h"

#include "rules/Step.h"

namespace tolvar::solver {

ReplayResult Replay(const Level& level, std::string_view moves) {
    ReplayResult result;
    Level board = level;
    const int manIndex = level.man;
    if (manIndex < 0) {
        result.blockedAt = moves.empty() ? -1 : 0;
        result.finalBoard = board;
        result.won = AllGoalsFilled(board);
        return result;
    }
    int mx = manIndex % level.width, my = manIndex / level.width;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int d = DirectionOfDigit(moves[i]);
        const Step step = d < 0 ? Step{} : TakeStep(board, mx, my, d);
        if (!step.moved()) { result.blockedAt = static_cast<int>(i); break; }
        if (step.pushed()) ++result.pushes;
        mx = step.toX;
        my = step.toY;
        ++result.moves;
    }
    result.won = AllGoalsFilled(board);
    result.finalBoard = board;
    result.manIndex = level.index(mx, my);
    return result;
}

}  // namespace tolvar::solver
