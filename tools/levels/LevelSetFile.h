#pragma once
// Reading and writing level files: a level set is 280-byte level records one
// after the other, a single level file is one record. The tool's checks and its
// solver also read a collection in the common text format, levels of any size
// up to 64 x 64.
#include <optional>
#include <string>
#include <vector>

#include "levels/Level.h"

namespace tolvar::levels {

/// The game counts levels in 16-bit numbers.
constexpr std::size_t MaxLevels = 32767;

/// The largest file the tool reads: a full level set and a record more.
constexpr std::size_t MaxFileBytes = MaxLevels * CellCount + CellCount;

/// One level of a file as read: the level, or why it cannot be read.
struct ReadLevelEntry {
    std::optional<Level> level;
    std::string problem;
};

struct LevelsFile {
    std::vector<ReadLevelEntry> levels;
    std::size_t strayBytes = 0;  // bytes after the last whole level record, which the game never reads
};

/// Reads FILE as a collection in the common text format when it holds one, else as level
/// records. Fails (with the reason in *error) when the file cannot be read, is larger than
/// a level set, holds no whole level or more than the game can count.
std::optional<LevelsFile> ReadLevels(const std::string& path, std::string* error);

/// Writes the texts one after the other with no separators; false with a reason on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace tolvar::levels
