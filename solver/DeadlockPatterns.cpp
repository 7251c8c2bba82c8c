#include "solver/DeadlockPatterns.h"

#include <algorithm>
#include <bit>

namespace tolvar::solver {

namespace {

constexpr int Reach = 2;                   // the window: cells this many columns and rows from the pushed box
constexpr int MostBoxes = 6;               // more boxes in the window are not tried
constexpr std::size_t MostStates = 400;    // positions one trial may store before it gives no answer
constexpr std::size_t SeenSlots = 1024;    // at least twice MostStates, a power of two
constexpr std::size_t FirstCacheSlots = 1u << 10;  // grows with the answers, small levels never need more
constexpr std::size_t MostCacheSlots = 1u << 18;

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Never 0 (a free slot; the top bit is set) and with the lowest bit clear, for the verdict.
std::uint64_t KeyOf(const BoxSet& boxes, int man) {
    std::uint64_t h = Mix(static_cast<std::uint64_t>(man));
    for (int k = 0; k < boxes.words(); ++k) h = Mix(h ^ boxes.word(k));
    return (h | std::uint64_t{1} << 63) & ~std::uint64_t{1};
}

int OffGoals(const BoxSet& boxes, const BoxSet& goals) {
    int count = 0;
    for (int k = 0; k < boxes.words(); ++k) count += std::popcount(boxes.word(k) & ~goals.word(k));
    return count;
}

}  // namespace

DeadlockPatterns::DeadlockPatterns(const Board& board)
    : board_(board), reach_(board), window_(static_cast<std::size_t>(board.size()), board.noCells()),
      ring_(window_), near_(board.noCells()), seen_(SeenSlots, 0) {
    for (int c = 0; c < board.size(); ++c) {
        const int cx = board.x(c), cy = board.y(c);
        for (int y = cy - Reach; y <= cy + Reach; ++y)
            for (int x = cx - Reach; x <= cx + Reach; ++x) {
                const int n = board.cellAt(x, y);
                if (n < 0) continue;
                window_[static_cast<std::size_t>(c)].set(n);
                if (n != c && std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1) ring_[static_cast<std::size_t>(c)].set(n);
            }
    }
}

bool DeadlockPatterns::isDead(const BoxSet& boxes, int man, int pushed) {
    const BoxSet& window = window_[static_cast<std::size_t>(pushed)];
    const BoxSet& ring = ring_[static_cast<std::size_t>(pushed)];
    BoxSet& near = near_;
    bool beside = false;
    for (int k = 0; k < boxes.words(); ++k) {
        near.word(k) = boxes.word(k) & window.word(k);
        beside = beside || (boxes.word(k) & ring.word(k)) != 0;
    }
    if (!beside || near.count() > MostBoxes || near.within(board_.goalMask())) return false;
    // Keyed by the man's own cell, not his area: no flood for the many positions asked again.
    const std::uint64_t key = KeyOf(near, man);
    if (cache_.empty()) cache_.assign(FirstCacheSlots, 0);
    std::uint64_t& slot = cache_[(key >> 1) & (cache_.size() - 1)];
    if ((slot & ~std::uint64_t{1}) == key) return slot & 1;
    const bool dead = subSearch(near, pushed, man) == Verdict::Dead;
    learned_ += dead;
    cached_ += slot == 0;
    slot = key | static_cast<std::uint64_t>(dead);
    if (cached_ * 2 > cache_.size() && cache_.size() < MostCacheSlots) growCache();
    return dead;
}

// Four times the slots, the answers kept (where two meet in one slot, one is forgotten).
void DeadlockPatterns::growCache() {
    std::vector<std::uint64_t> old(cache_.size() * 4, 0);
    old.swap(cache_);
    cached_ = 0;
    for (const auto entry : old)
        if (entry != 0) {
            std::uint64_t& slot = cache_[(entry >> 1) & (cache_.size() - 1)];
            cached_ += slot == 0;
            slot = entry;
        }
}

// Whether the boxes, alone on the board, can all be brought onto goals or out of the window.
DeadlockPatterns::Verdict DeadlockPatterns::subSearch(const BoxSet& boxes, int pushed, int man) {
    const BoxSet& window = window_[static_cast<std::size_t>(pushed)];
    reach_.setWindow(pushed, window);
    std::fill(seen_.begin(), seen_.end(), 0);
    queue_.clear();
    auto add = [&](const BoxSet& next, int stand) {
        const std::uint64_t key = KeyOf(next, stand);
        std::size_t slot = (key >> 1) & (SeenSlots - 1);
        for (; seen_[slot] != 0; slot = (slot + 1) & (SeenSlots - 1))
            if (seen_[slot] == key) return 0;
        seen_[slot] = key;
        queue_.push_back({next, stand});
        return 1;
    };
    add(boxes, man);
    // Depth first, the child with the fewest boxes off goals first: a way out, when there is
    // one, is usually found after a few pushes. The verdict does not hang on the order: a lost
    // window needs every position tried, and a trial that runs out counts as one not lost.
    for (std::size_t stored = 1; !queue_.empty();) {
        const State state = queue_.back();
        queue_.pop_back();
        reach_.flood(state.boxes, state.man);
        bool solved = false;
        std::size_t first = queue_.size();
        int fewest = MostBoxes + 1;
        state.boxes.forEach([&](int box) {
            for (int d = 0; d < 4 && !solved; ++d) {
                const int from = board_.step(box, Opposite(d)), to = board_.step(box, d);
                if (from < 0 || to < 0 || !reach_.reached(from) || state.boxes.test(to) || board_.isDead(to)) continue;
                BoxSet next = state.boxes;
                next.reset(box);
                if (window.test(to)) next.set(to);  // else it left the window: free
                if (window.test(to) && board_.isFrozenDeadlock(next, to)) continue;
                solved = next.within(board_.goalMask());
                if (solved || !add(next, box)) continue;
                ++stored;
                const int off = OffGoals(next, board_.goalMask());
                if (off <= fewest) fewest = off, first = queue_.size() - 1;
            }
        });
        if (solved) return Verdict::Alive;
        if (stored >= MostStates) return Verdict::Unknown;
        if (first + 1 < queue_.size()) std::swap(queue_[first], queue_.back());
    }
    return Verdict::Dead;
}

}  // namespace tolvar::solver
