#pragma once
// The common text format of box-pushing levels: "#" wall, "@" man, "+" man on
// a goal, "$" box, "*" box on a goal, "." goal, space floor; levels separated
// by blank lines or by comment lines such as "; name".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/Level.h"

namespace tolvar::solver {

struct TextLevel {
    std::string title;               // the comment line just before the level, without ";"
    int firstLine = 0;               // 1-based line number of its first row
    std::vector<std::string> rows;
};

/// Splits a collection into its levels. Lines made only of level characters and
/// holding a wall are rows; every other line ends the level before it.
std::vector<TextLevel> SplitCollection(std::string_view text);

/// Places a level given in text rows centred on the 20 x 14 board. Cells the man
/// can reach are inside (blank becomes floor); blank cells he cannot reach are
/// outside. A level that fits only on its side is turned a quarter turn; a box on
/// a goal where the man can never come is kept as scenery. *note (when given)
/// says what was done so, empty when nothing was. Refuses with the reason (never
/// truncates): too big either way, a man on a goal (the game has no such cell),
/// not closed, unknown characters, another box or goal out of reach, or a level
/// the game cannot play fairly (see CheckLevel).
std::optional<Level> LevelFromRows(const std::vector<std::string>& rows, std::string* error,
                                   std::string* note = nullptr);

/// The level as text rows cropped to its walls, trailing blanks removed.
std::vector<std::string> LevelToRows(const Level& level);

}  // namespace tolvar::solver
