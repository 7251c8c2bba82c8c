#pragma once
// The common text format of box-pushing levels: "#" wall, "@" man, "+" man on
// a goal, "$" box, "*" box on a goal, "." goal, space floor; levels separated
// by blank lines or by comment lines such as "; name".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"

namespace tolvar {

struct TextLevel {
    std::string title;               // its "Title:" line just after the rows, else the comment or "Title:" line before
    std::string author;              // its "Author:" line just after the rows, or empty
    int firstLine = 0;               // 1-based line number of its first row
    std::vector<std::string> rows;   // at most MaxGridSide + 1 of them: a level of more is too high anyway
    int height = 0;                  // how many rows the file has for it
};

/// What the lines before the first level say of the whole collection.
struct CollectionHeader {
    std::string title;   // its "Title:" line (also as a comment, "; Title: ..."), or empty
    std::string author;  // its "Author:" line, likewise
};

/// Splits a collection into its levels. Lines made only of level characters and
/// holding a wall are rows; every other line ends the level before it. "Title:" and "Author:"
/// lines right after a level's rows (no blank line between) name that level; *header, when
/// given, receives what those before the first level say; a "Title:" line elsewhere names the
/// level after it, as a comment line does. Stops after `maxLevels` levels.
std::vector<TextLevel> SplitCollection(std::string_view text, CollectionHeader* header = nullptr,
                                       std::size_t maxLevels = SIZE_MAX);

/// How much a level read from text is checked: Fair refuses besides what breaks the rules (see
/// CheckRules) a box or goal out of the man's reach and a level that cannot be played fairly
/// (see CheckLevel), as the game's own levels and the level tool's import want; Rules refuses
/// only what breaks the rules, and keeps boxes and goals out of the man's reach where they are.
enum class LevelCheck { Fair, Rules };

/// The level given in text rows, on a grid of its own size (the rows, trailing blanks
/// dropped), up to 64 x 64; the man may stand on a goal. Cells the man can reach are inside
/// (blank becomes floor); blank cells he cannot reach are outside. A box on a goal where the
/// man can never come is kept as scenery. *note (when given) says what was done so, empty
/// when nothing was. Refuses with the reason: too big (before a row is copied), not closed,
/// unknown characters, not one man, and as `check` says.
std::optional<Level> ReadLevel(const std::vector<std::string>& rows, std::string* error, std::string* note = nullptr,
                               LevelCheck check = LevelCheck::Fair);

/// The same level placed centred on the game's 20 x 14 board, for its level files. A level
/// that fits only on its side is turned a quarter turn (and the note says so). Refuses
/// besides (never truncates): too big either way, or a man on a goal (the game has no
/// such cell).
std::optional<Level> LevelFromRows(const std::vector<std::string>& rows, std::string* error,
                                   std::string* note = nullptr);

/// The level as text rows cropped to its walls, trailing blanks removed.
std::vector<std::string> LevelToRows(const Level& level);

}  // namespace tolvar
