#pragma once
#include <filesystem>
#include <string>

namespace tolvar {

/// Writes `bytes` as the whole content of `path`: written beside it as `path` + ".tmp", synced to
/// the disk and renamed over it, so a failed, killed or cut-off write never leaves a half-written
/// file: `path` holds the old content or the new. False when it could not be written.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

/// Removes `path` when nothing has touched it for a minute: a file a killed write left behind,
/// never one another program (the level tool, the game) is writing right now.
void RemoveWhenStale(const std::filesystem::path& path);

}  // namespace tolvar
