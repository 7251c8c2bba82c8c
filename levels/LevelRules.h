#pragma once
// The rules a playable level keeps, and the extra ones for levels shipped with
// the game (they must sit clear of the screen's decoration and counters).
#include <string>
#include <vector>

#include "levels/Level.h"

namespace tolvar {

/// Why the level breaks the rules of play: not one man, no goal, boxes and goals not equal, or
/// not closed by walls (the man, walking through boxes, could reach the outside or the grid's
/// edge). Each problem is one sentence; empty when the level keeps the rules. A level that
/// keeps them may still be impossible to win; a player may still play it.
std::vector<std::string> CheckRules(const Level& level);

/// Why the level cannot be played as a fair puzzle: not one man, no goal,
/// boxes and goals not equal, not closed by walls (no floor beside the outside), a box that
/// can never reach a goal. Each problem is one sentence; empty when the level is fine.
std::vector<std::string> CheckLevel(const Level& level);

/// Problems with where the level lies on the board for a shipped level: the game's 20 x 14,
/// nothing to play on the outer ring or under the counters and the trace button, and centred.
std::vector<std::string> CheckScreenFit(const Level& level);

/// The level cropped to its walls and written the same way whichever of the
/// eight rotations and mirror images it is given in, the man's start left out:
/// two levels with equal shapes are the same puzzle.
std::string CanonicalShape(const Level& level);

/// The smallest rectangle holding every cell that is not outside: left, top, right, bottom (inclusive).
struct Bounds {
    int left = 0, top = 0, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};
Bounds LevelBounds(const Level& level);

/// "column 3, row 5" for messages (counted from 0).
std::string CellName(int x, int y);

}  // namespace tolvar
