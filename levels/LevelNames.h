#pragma once
// Where a level on the board came from, and the names of its files in the game directory.
#include <cstdint>
#include <string>

namespace tolvar {

/// Where the level on the board came from.
enum LevelKindValue : std::int16_t {
    KindSet = 0,
    KindSelf = 1,
    KindOther = 2,
    KindNew = 3,
    KindCollection = 4,  // a level of a collection in the library: no level or solution file of its own
};

/// The file a level of this kind is kept in: "self.3", "other.7"; a new level is saved as a
/// self-edited one; a level of the set has none of its own (empty).
std::string LevelFileName(int kind, const std::string& number);

/// The file its solution is kept in: "boxsol.2", "selfsol.3", "othersol.7".
std::string SolutionFileName(int kind, const std::string& number);

/// The settings the game keeps between runs, in section "Box" of the settings file.
inline constexpr const char* LevelKey = "Level";          // the highest level of the set reached
inline constexpr const char* SelfLevelKey = "SelfLevel";  // how many levels have been edited and saved

/// Beside them, in section "Progress" of its own: the whole set has been completed once.
inline constexpr const char* ProgressSection = "Progress";
inline constexpr const char* SetCompletedKey = "SetCompleted";

}  // namespace tolvar
