#pragma once
// A collection file in the common text format as the library reads it: the collection's title
// and author, and every level under the collection's own number. A level is refused only when
// it breaks the rules of play (see CheckRules); one that cannot be won is still a level.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Level.h"

namespace tolvar {

/// A file larger than this is not a collection of levels (the largest known are well under).
constexpr std::size_t MaxCollectionBytes = 16u << 20;
/// The most levels a collection may hold, refused ones counted, and the most cells its levels
/// may have together (a level's cells take more memory than its text).
constexpr int MaxCollectionLevels = 100000;
constexpr std::size_t MaxCollectionCells = 32u << 20;

struct CollectionLevel {
    int number = 0;         // its place among the levels of the file, from 1, refused ones counted
    std::string title;      // the level's own title in the file (see ReadCollectionText), or empty
    int firstLine = 0;      // the line of the file its first row is on, from 1
    std::string author;     // the level's own "Author:" line, or empty
    Level level;            // at its own size up to 64 x 64; the man may stand on a goal
};

struct LevelRefusal {
    int number = 0;
    std::string title;
    int firstLine = 0;
    std::string reason;     // one sentence, without a full stop
};

struct CollectionText {
    std::string title;   // the file's own title, else the file name without its ending
    std::string author;  // the file's own author, or empty
    std::vector<CollectionLevel> levels;  // the levels that open, in the order of the file
    std::vector<LevelRefusal> refused;    // the others, in the order of the file
    int count() const { return static_cast<int>(levels.size() + refused.size()); }
};

/// Reads a collection. Before the first level, "Title:" and "Author:" lines (also written as
/// comments, "; Title: ...") name the collection. A level's title is its own "Title:" line right
/// after its rows, else the comment or "Title:" line before it (see SplitCollection). Every text
/// is cleaned (see CleanText).
/// Nothing, with the reason in *error, when the text is too large, holds too many levels, levels
/// too large together, or no level at all.
std::optional<CollectionText> ReadCollectionText(std::string_view text, std::string_view fileName, std::string* error);

/// The whole content of the file at `path`, when it is a regular file of at most
/// MaxCollectionBytes; otherwise nothing, with the reason in *error.
std::optional<std::string> ReadCollectionBytes(const std::string& path, std::string* error);

/// "level 41 (line 310, Name): there is no man", for the player and the level tool.
std::string DescribeRefusal(const LevelRefusal& refusal);

}  // namespace tolvar
