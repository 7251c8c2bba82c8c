#pragma once
// The common text format of box-pushing levels: "#" wall, "@" man, "+" man on
// a goal, "$" box, "*" box on a goal, "." goal, space floor; levels separated
// by blank lines or by comment lines such as "; name".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"

namespace tolvar {

struct TextLevel {
    std::string title;               // the comment line just before the level, without ";"
    int firstLine = 0;               // 1-based line number of its first row
    std::vector<std::string> rows;
};

/// Splits a collection into its levels. Lines made only of level characters and
/// holding a wall are rows; every other line ends the level before it.
std::vector<TextLevel> SplitCollection(std::string_view text);

/// The level given in text rows, on a grid of its own size (the rows, trailing blanks
/// dropped), up to 64 x 64; the man may stand on a goal. Cells the man can reach are inside
/// (blank becomes floor); blank cells he cannot reach are outside. A box on a goal where the
/// man can never come is kept as scenery. *note (when given) says what was done so, empty
/// when nothing was. Refuses with the reason: too big, not closed, unknown characters, not
/// one man, another box or goal out of reach, or a level that cannot be played fairly (see
/// CheckLevel).
std::optional<Level> ReadLevel(const std::vector<std::string>& rows, std::string* error, std::string* note = nullptr);

/// The same level placed centred on the game's 20 x 14 board, for its level files. A level
/// that fits only on its side is turned a quarter turn (and the note says so). Refuses
/// besides (never truncates): too big either way, or a man on a goal (the game has no
/// such cell).
std::optional<Level> LevelFromRows(const std::vector<std::string>& rows, std::string* error,
                                   std::string* note = nullptr);

/// The level as text rows cropped to its walls, trailing blanks removed.
std::vector<std::string> LevelToRows(const Level& level);

}  // namespace tolvar
