#pragma once
// What the game's procedures tell whoever shows more of the moves than the board: every move
// made, every push "&Undo" took back, and every replacement of the board.

namespace tolvar {

class MoveObserver {
public:
    virtual ~MoveObserver() = default;
    /// A walk or a push was made (typed, traced, walked or redone).
    virtual void MoveMade() = 0;
    /// "&Undo" took back the last move, a push.
    virtual void PushUndone() = 0;
    /// The board was replaced (a level shown or loaded, a replay loaded, the editor entered,
    /// a test started or left): the moves made before are gone.
    virtual void BoardReplaced() = 0;
};

}  // namespace tolvar
