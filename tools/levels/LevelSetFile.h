#pragma once
// Reading and writing level files: a level set is 280-byte level records one
// after the other, a single level file is one record.
#include <optional>
#include <string>
#include <vector>

#include "levels/Level.h"

namespace tolvar::levels {

/// The game counts levels in 16-bit numbers.
constexpr std::size_t MaxLevels = 32767;

struct LevelSetFile {
    std::vector<std::string> records;  // raw 280-byte texts, checked one by one by the caller
    std::size_t strayBytes = 0;        // bytes after the last whole record, which the game never reads
};

/// Reads FILE as level records. Fails (with the reason in *error) when the file
/// cannot be read, holds no whole level or more than the game can count.
std::optional<LevelSetFile> ReadLevelSetFile(const std::string& path, std::string* error);

/// Writes the texts one after the other with no separators; false with a reason on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace tolvar::levels
