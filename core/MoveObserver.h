#pragma once
// What the game's procedures tell whoever keeps a longer memory of the moves than "&Undo":
// every move made, every push "&Undo" took back, and every replacement of the board.
#include <cstdint>

#include "rules/Step.h"

namespace tolvar {

/// One move as it was made, with what it changed besides the cells.
struct MoveRecord {
    Step step;                  // in grid cells, with the cells' codes before it
    std::int16_t facing = 0;    // the man's facing column before the move
    std::int32_t stepsBefore = 0;
};

class MoveObserver {
public:
    virtual ~MoveObserver() = default;
    /// A walk or a push was made by the key handler (typed, traced, walked or redone).
    virtual void MoveMade(const MoveRecord& move) = 0;
    /// "&Undo" took back the last move, a push.
    virtual void PushUndone() = 0;
    /// The board was replaced (a level shown or loaded, a replay loaded, the editor entered,
    /// a test started or left): the moves made before are gone.
    virtual void BoardReplaced() = 0;
};

}  // namespace tolvar
