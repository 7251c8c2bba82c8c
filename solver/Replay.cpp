#include "solver/Replay.h"

#include "rules/MoveString.h"

namespace tolvar::solver {

ReplayResult Replay(const Level& level, std::string_view moves) {
    ReplayResult result;
    result.finalBoard = level;
    if (level.man < 0) {
        result.blockedAt = moves.empty() ? -1 : 0;
        result.won = AllGoalsFilled(result.finalBoard);
        return result;
    }
    Cell man{level.man % level.width, level.man / level.width};
    const PlayedMoves played = PlayMoveString(result.finalBoard, man, moves);
    result.moves = static_cast<int>(played.made);
    result.pushes = played.pushes;
    result.blockedAt = played.blocked ? static_cast<int>(played.made) : -1;
    result.won = AllGoalsFilled(result.finalBoard);
    result.manIndex = level.index(man.x, man.y);
    return result;
}

}  // namespace tolvar::solver
