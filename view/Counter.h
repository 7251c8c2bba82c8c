#pragma once
// The two four-digit counters above the board.

namespace tolvar {

enum class Counter { Level, Step };

}  // namespace tolvar
