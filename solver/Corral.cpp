#include "solver/Corral.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace tolvar::solver {

namespace {

using Cells = std::vector<int>;

/// Fills `area` with every cell the man cannot reach, boxes included, joined to `start`;
/// marks them in `seen` and returns how many there are. `area` is the queue of the fill.
int FillArea(const Board& board, const BoxSet& reach, int start, BoxSet& seen, Cells& area) {
    int size = 0;
    area[static_cast<std::size_t>(size++)] = start;
    seen.set(start);
    for (int head = 0; head < size; ++head) {
        const int c = area[static_cast<std::size_t>(head)];
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(c, d);
            if (n < 0 || reach.test(n) || seen.test(n)) continue;
            seen.set(n);
            area[static_cast<std::size_t>(size++)] = n;
        }
    }
    return size;
}

/// The least free cell the man cannot reach that no area holds yet, or -1.
int NextStart(int cells, const BoxSet& boxes, const BoxSet& reach, const BoxSet& seen) {
    for (int k = 0; k * 64 < cells; ++k) {
        const int past = cells - k * 64;  // the floor's cells from this word on
        const std::uint64_t floor = past >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << past) - 1;
        const std::uint64_t open = floor & ~(boxes.word(k) | reach.word(k) | seen.word(k));
        if (open) return k * 64 + std::countr_zero(open);
    }
    return -1;
}

struct Border {
    bool closed = true;  // every push of a border box goes into the area
    int pushes = 0;      // the pushes into the area the man can make now
    BoxSet boxes;        // the boxes of the area next to the man's region
};

/// Looks at the pushes of the area's boxes that the man's region touches.
Border ExamineBorder(const Board& board, const BoxSet& boxes, const BoxSet& reach, const BoxSet& inArea,
                     const Cells& area, int size) {
    Border border;
    border.boxes = board.noCells();
    for (int k = 0; k < size && border.closed; ++k) {
        const int b = area[static_cast<std::size_t>(k)];
        if (!boxes.test(b)) continue;
        bool onBorder = false;
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(b, d);
            if (n >= 0 && reach.test(n)) onBorder = true;
        }
        if (!onBorder) continue;
        border.boxes.set(b);
        for (int d = 0; d < 4 && border.closed; ++d) {
            const int to = board.step(b, d), from = board.step(b, Opposite(d));
            if (to < 0 || from < 0) continue;  // a wall on either side: never a push this way
            // A box outside the area may move and open a push that is not there now.
            if ((boxes.test(to) && !inArea.test(to)) || (boxes.test(from) && !inArea.test(from))) {
                border.closed = false;
            } else if (reach.test(to)) {
                border.closed = !reach.test(from);  // out of the area, or along it: not a closed area
            } else if (!boxes.test(to) && reach.test(from)) {
                ++border.pushes;  // into the area, and the man can do it now
            }
        }
    }
    return border;
}

}  // namespace

CorralVerdict FindCorral(const Board& board, const BoxSet& boxes, const BoxSet& reach, BoxSet& pushable) {
    BoxSet seen = board.noCells();
    Cells area(static_cast<std::size_t>(board.size()));
    CorralVerdict verdict = CorralVerdict::None;
    int fewestPushes = board.size() * 4;
    const int cells = board.size();
    for (int start = NextStart(cells, boxes, reach, seen); start >= 0; start = NextStart(cells, boxes, reach, seen)) {
        const int size = FillArea(board, reach, start, seen, area);
        BoxSet inArea = board.noCells();
        bool unfinished = false;
        for (int k = 0; k < size; ++k) {
            const int c = area[static_cast<std::size_t>(k)];
            inArea.set(c);
            if (boxes.test(c) != board.isGoal(c)) unfinished = true;
        }
        if (!unfinished) continue;
        const Border border = ExamineBorder(board, boxes, reach, inArea, area, size);
        if (!border.closed) continue;
        if (border.pushes == 0) return CorralVerdict::Deadlock;
        if (border.pushes < fewestPushes) {
            fewestPushes = border.pushes;
            pushable = border.boxes;
            verdict = CorralVerdict::Restrict;
        }
    }
    return verdict;
}

}  // namespace tolvar::solver
