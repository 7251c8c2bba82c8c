#pragma once
// The man's walkable region in one position of the search.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

/// Flood fill of the man's walkable region; remembers which cells it reached.
class ManRegion {
public:
    explicit ManRegion(const Board& board)
        : board_(board), seen_(static_cast<std::size_t>(board.size()), 0), stack_(static_cast<std::size_t>(board.size())) {}

    /// Floods from `start`; returns the smallest cell index reached (the normalised man).
    /// The cells reached also go into *reachSet when given.
    int flood(const BoxSet& boxes, int start, BoxSet* reachSet = nullptr) {
        nextStamp();
        return spread(boxes, start, reachSet);
    }
    bool reached(int cell) const { return seen_[static_cast<std::size_t>(cell)] == stamp_; }

    /// How many separate areas of at least `smallest` cells the free floor (floor without boxes) falls into.
    int areas(const BoxSet& boxes, int smallest = 1) {
        nextStamp();
        int count = 0;
        for (int start = 0; start < board_.size(); ++start)
            if (!boxes.test(start) && !reached(start)) {
                spread(boxes, start, nullptr);
                count += spreadSize_ >= smallest;
            }
        return count;
    }

    /// The man's shortest walk from `from` to `to` around the boxes, as move characters.
    std::string path(const BoxSet& boxes, int from, int to) const {
        std::vector<int> came(static_cast<std::size_t>(board_.size()), -1);
        std::vector<int> queue{from};
        came[static_cast<std::size_t>(from)] = from;
        for (std::size_t head = 0; head < queue.size() && came[static_cast<std::size_t>(to)] < 0; ++head) {
            const int c = queue[head];
            for (int d = 0; d < 4; ++d) {
                const int n = board_.step(c, d);
                if (n < 0 || boxes.test(n) || came[static_cast<std::size_t>(n)] >= 0) continue;
                came[static_cast<std::size_t>(n)] = c;
                queue.push_back(n);
            }
        }
        std::string walk;
        for (int c = to; c != from;) {
            const int p = came[static_cast<std::size_t>(c)];
            for (int d = 0; d < 4; ++d)
                if (board_.step(p, d) == c) walk.push_back(Directions[static_cast<std::size_t>(d)].digit);
            c = p;
        }
        std::reverse(walk.begin(), walk.end());
        return walk;
    }

private:
    void nextStamp() {
        if (++stamp_ == 0) {
            std::fill(seen_.begin(), seen_.end(), 0u);
            stamp_ = 1;
        }
    }
    // Marks every free cell joined to `start` with the current stamp; returns the least
    // and leaves their number in spreadSize_.
    int spread(const BoxSet& boxes, int start, BoxSet* reachSet) {
        int top = 0, least = start;
        spreadSize_ = 0;
        stack_[static_cast<std::size_t>(top++)] = start;
        seen_[static_cast<std::size_t>(start)] = stamp_;
        while (top > 0) {
            const int c = stack_[static_cast<std::size_t>(--top)];
            least = std::min(least, c);
            ++spreadSize_;
            if (reachSet) reachSet->set(c);
            for (int d = 0; d < 4; ++d) {
                const int n = board_.step(c, d);
                if (n < 0 || boxes.test(n) || seen_[static_cast<std::size_t>(n)] == stamp_) continue;
                seen_[static_cast<std::size_t>(n)] = stamp_;
                stack_[static_cast<std::size_t>(top++)] = n;
            }
        }
        return least;
    }

    const Board& board_;
    std::vector<std::uint32_t> seen_;  // by cell
    std::vector<int> stack_;
    std::uint32_t stamp_ = 0;
    int spreadSize_ = 0;
};

}  // namespace tolvar::solver
