#pragma once
// Single-level files ("self.N", "other.N"): reading their bytes safely.
#include <optional>
#include <string>

namespace tolvar {

enum class LevelFileStatus { Ok, Missing, Unreadable, NoMan, SeveralMen };

struct LevelFileRead {
    LevelFileStatus status = LevelFileStatus::Missing;
    std::string cells;  // always 280 characters when status is Ok
};

/// Reads the first 280 bytes of a level file. A shorter file reads as if padded with "0"
/// (outside); bytes after the 280th are never read. A level must hold exactly one man.
LevelFileRead ReadLevelBytes(const std::string& path);

/// The message that tells the player why a level file cannot be used (for the problems
/// a file can have besides being missing).
std::string LevelFileProblem(LevelFileStatus status, const std::string& name);

}  // namespace tolvar
