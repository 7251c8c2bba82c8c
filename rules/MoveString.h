#pragma once
// Playing a string of move characters (a solution, a hint, a record) by the rule of a move.
#include <cstddef>
#include <string>
#include <string_view>

#include "rules/Grid.h"

namespace tolvar {

struct PlayedMoves {
    std::size_t made = 0;  // moves made, from the first character on
    int pushes = 0;        // of which pushes
    bool blocked = false;  // stopped at a character that is no move, or at a blocked step
};

/// Plays `moves` on `board` from the man on `man`, who ends where the last move left him. Stops
/// at the first character that is no move or whose step is blocked, or (when `untilPush`)
/// right after the first push.
PlayedMoves PlayMoveString(Grid& board, Cell& man, std::string_view moves, bool untilPush = false);

/// The same for moves in the common notation of other games (l u r d, in either case: whether a
/// move pushes is found by playing it, never taken from the text) or in the game's digits. Stops
/// at the first character that is neither, or at a blocked step. `letters`, when given, receives
/// the moves made in the common notation: lower case walks, upper case pushes.
PlayedMoves PlayCommonMoves(Grid& board, Cell& man, std::string_view moves, std::string* letters = nullptr);

}  // namespace tolvar
