#pragma once
// Plays a move string on a level by the game's rules, to check a solution.
#include <string_view>

#include "levels/Level.h"

namespace tolvar::solver {

struct ReplayResult {
    bool won = false;       // every goal holds a box after the last move (and there is a goal)
    int moves = 0;          // moves made
    int pushes = 0;         // of which pushes
    int blockedAt = -1;     // index of the first move that was blocked or not a move character, else -1
    Level finalBoard;       // the boxes after the moves; the man is not written
    int manIndex = -1;      // the man's cell after the moves
};

/// Replays moves from the level's start; stops at the first blocked move or stray character.
ReplayResult Replay(const Level& level, std::string_view moves);

}  // namespace tolvar::solver
