#pragma once
// A level in play: the board, the man, the moves and pushes made, and one history of the moves
// that serves every way back and forth: the undo of the last push, taking back any move, and
// making a move taken back again. Every way of moving (keys, mouse walks, hints, redo, replays,
// test play) goes through here; it draws nothing and knows no key code.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/Grid.h"
#include "rules/Step.h"

namespace tolvar {

/// One move as it was made, with what it changed besides the cells.
struct MoveRecord {
    Step step;                    // in board cells, with the cells' codes before it
    int facingBefore = Down;      // the direction the man faced before the move
    std::int32_t movesBefore = 0;
    std::int32_t pushesBefore = 0;
    int tracePosition = 0;        // the replay position it was made at (0 outside a replay)
};

class PlaySession {
public:
    /// Plays `board` (the man not on it) with the man on `man`, which may lie off the board when
    /// the level has no man. Every move made before is forgotten; the counts start again at 0.
    void Start(Grid board, Cell man);
    /// The moves made so far are forgotten (the level was replaced, re-entered or left); the board,
    /// the man and the counts stay.
    void Forget();
    /// The board is drawn on (the editor): the history is forgotten as by Forget().
    void SetCell(Cell cell, std::int16_t code);
    void SetMan(Cell man);
    /// Counts the moves from `count` on (a counter shown anew, or carried over).
    void SetMoveCount(std::int32_t count) { moves_ = count; }

    /// Moves the man one cell in `dir` through the rules core. He turns even when the step is
    /// blocked. A move made anew forgets the moves taken back.
    Step Move(int dir, int tracePosition = 0);
    /// Makes the last move taken back again, as it was; a blocked step when there is none.
    Step Redo();
    /// Takes back the last move; nothing when there is none left to take back.
    std::optional<MoveRecord> TakeBack();
    /// Takes back the last move when it was a push that may still be undone (only until the man
    /// moves again); the moves count one less, and the man keeps his facing.
    std::optional<MoveRecord> UndoPush();
    /// The last push may no longer be undone (a replayed step, a won level).
    void ForbidUndoPush() { pushUndoable_ = false; }

    bool CanTakeBack() const { return made_ > 0; }
    bool CanRedo() const { return made_ < history_.size(); }
    bool CanUndoPush() const { return pushUndoable_ && made_ > 0; }
    /// The move that "&Undo" would take back.
    std::optional<Step> LastPush() const;
    /// The move that Redo() makes, with where it was made.
    const MoveRecord* NextRedo() const { return CanRedo() ? &history_[made_] : nullptr; }
    /// The last move that stands.
    const MoveRecord* LastMove() const { return made_ > 0 ? &history_[made_ - 1] : nullptr; }

    const Grid& board() const { return board_; }
    Cell man() const { return man_; }
    int facing() const { return facing_; }
    void SetFacing(int dir) { facing_ = dir; }
    /// Moves made, held at the counter's largest number; pushes made.
    std::int32_t moves() const { return moves_; }
    std::int32_t pushes() const { return pushes_; }
    /// The moves that stand, one character each, as a solution file holds them.
    std::string History() const;
    /// How many moves stand: the length of History().
    std::size_t Standing() const { return made_; }
    /// Raised whenever the board is replaced or its moves forgotten: a command or an answer meant
    /// for an earlier value is meant for a level that is no longer there.
    std::uint64_t level() const { return level_; }
    bool Won() const { return AllGoalsFilled(board_); }

private:
    Step Apply(int dir);
    /// Takes the last standing move back off the board; the counts are the caller's.
    const MoveRecord& Unstep();

    Grid board_;
    Cell man_;
    int facing_ = Down;
    std::int32_t moves_ = 0;
    std::int32_t pushes_ = 0;
    std::vector<MoveRecord> history_;  // the moves that stand, then those taken back (the next to redo first)
    std::size_t made_ = 0;             // how many of history_ stand
    bool pushUndoable_ = false;
    std::uint64_t level_ = 0;
};

}  // namespace tolvar
