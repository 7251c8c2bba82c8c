#include "solver/Replay.h"

namespace tolvar::solver {

bool IsWon(const Level& level) {
    return level.Count(Goal) == 0 && level.Count(BoxOnGoal) > 0;
}

ReplayResult Replay(const Level& level, std::string_view moves) {
    ReplayResult result;
    Level board = level;
    const int manIndex = level.ManIndex();
    if (manIndex < 0) {
        result.blockedAt = moves.empty() ? -1 : 0;
        result.finalBoard = board;
        result.won = IsWon(board);
        return result;
    }
    int mx = manIndex % Width, my = manIndex / Width;
    board(mx, my) = Floor;
    auto isFree = [&](int x, int y) { const auto c = board.at(x, y); return c == Floor || c == Goal; };
    auto hasBox = [&](int x, int y) { const auto c = board.at(x, y); return c == Box || c == BoxOnGoal; };
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int d = DirectionOfChar(moves[i]);
        if (d < 0) { result.blockedAt = static_cast<int>(i); break; }
        const int tx = mx + DirDx[d], ty = my + DirDy[d];
        if (hasBox(tx, ty)) {
            const int bx = tx + DirDx[d], by = ty + DirDy[d];
            if (!isFree(bx, by)) { result.blockedAt = static_cast<int>(i); break; }
            board(bx, by) = board(bx, by) == Goal ? BoxOnGoal : Box;
            board(tx, ty) = board(tx, ty) == BoxOnGoal ? Goal : Floor;
            ++result.pushes;
        } else if (!isFree(tx, ty)) {
            result.blockedAt = static_cast<int>(i);
            break;
        }
        mx = tx;
        my = ty;
        ++result.moves;
    }
    result.won = IsWon(board);
    result.finalBoard = board;
    result.manIndex = mx + Width * my;
    return result;
}

}  // namespace tolvar::solver
