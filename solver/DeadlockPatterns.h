#pragma once
// Deadlocks learned while searching. After a push that leaves the box beside
// another, the boxes in a small window round it are tried on their own: every
// other box taken away, and a box pushed out of the window counts as free.
// Taking boxes away only makes room, so when no sequence of pushes brings them
// all onto goals or out of the window, the whole position is lost. The answer
// is remembered for those boxes with the man's area and used again whenever
// the same boxes stand there, whatever the rest of the board holds.
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"
#include "solver/WindowReach.h"

namespace tolvar::solver {

class DeadlockPatterns {
public:
    explicit DeadlockPatterns(const Board& board);

    /// True when the position of `boxes`, the man standing at `man`, is lost because
    /// of the boxes round `pushed`, the cell a box was just pushed to. Only sound
    /// when boxes and goals are equal in number.
    bool isDead(const BoxSet& boxes, int man, int pushed);
    /// How many windows of boxes were found lost.
    std::uint64_t learned() const { return learned_; }
    std::size_t bytes() const { return cache_.size() * sizeof(std::uint64_t) + reach_.bytes(); }

private:
    enum class Verdict { Alive, Dead, Unknown };
    Verdict subSearch(const BoxSet& boxes, int pushed, int man);
    void growCache();

    const Board& board_;
    WindowReach reach_;  // the man's in a trial
    std::vector<BoxSet> window_;  // by cell: the floor round it that a trial pushed there looks at
    std::vector<BoxSet> ring_;    // by cell: its eight neighbours on the floor
    BoxSet near_;                 // the boxes in the window being asked about
    std::vector<std::uint64_t> cache_;  // key with its verdict in the lowest bit; 0 is empty
    std::size_t cached_ = 0;             // slots in use
    std::uint64_t learned_ = 0;
    struct State {
        BoxSet boxes;
        int man;  // his own cell: telling positions apart by his area costs more than it saves
    };
    std::vector<State> queue_;
    std::vector<std::uint64_t> seen_;  // open addressing over the sub-search's state keys
};

}  // namespace tolvar::solver
