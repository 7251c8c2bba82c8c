#pragma once
// The game's number limits.
#include <cstdint>

namespace tolvar {

/// The largest number a counter shows: the step counter stops there.
constexpr std::int32_t MaxCount = 9999;
/// The largest 16-bit number: level counts, replay positions and the longest replayable solution.
constexpr std::int32_t MaxShort = 32767;

}  // namespace tolvar
