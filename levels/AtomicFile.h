#pragma once
#include <string>

namespace tolvar {

/// Writes `bytes` as the whole content of `path`: written beside it and renamed over it,
/// so a failed write never leaves a half-written file. False when it could not be written.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace tolvar
