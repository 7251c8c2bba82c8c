#pragma once
// Moves queued to be shown one at a time, as if typed a little apart: a mouse walk, a box
// pushed by the mouse, or any other helper's moves. The walk timer follows `TimerEnabled`.
#include <cstddef>
#include <deque>
#include <optional>

#include "assist/Paths.h"

namespace tolvar {

class Playback {
public:
    /// The pause between two shown moves, in milliseconds.
    static constexpr int Interval = 30;

    /// Replaces whatever was queued by `moves`.
    void Start(const Moves& moves) { queue_.assign(moves.begin(), moves.end()); }
    void Clear() { queue_.clear(); }
    bool Active() const { return !queue_.empty(); }
    std::size_t Left() const { return queue_.size(); }
    /// The next move to show, taken off the queue.
    std::optional<int> Next()
    {
        if (queue_.empty())
            return std::nullopt;
        const int dir = queue_.front();
        queue_.pop_front();
        return dir;
    }
    bool TimerEnabled() const { return Active(); }

private:
    std::deque<int> queue_;
};

}  // namespace tolvar
