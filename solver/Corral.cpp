#include "solver/Corral.h"

#include <vector>

namespace tolvar::solver {

namespace {

using Cells = std::vector<int>;

/// Fills `area` with every cell the man cannot reach, boxes included, joined to `start`;
/// marks them in `seen` and returns how many there are.
int FillArea(const Board& board, const BoxSet& reach, int start, BoxSet& seen, Cells& area) {
    Cells stack(static_cast<std::size_t>(board.size()));
    int top = 0, size = 0;
    stack[static_cast<std::size_t>(top++)] = start;
    seen.set(start);
    while (top > 0) {
        const int c = stack[static_cast<std::size_t>(--top)];
        area[static_cast<std::size_t>(size++)] = c;
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(c, d);
            if (n < 0 || reach.test(n) || seen.test(n)) continue;
            seen.set(n);
            stack[static_cast<std::size_t>(top++)] = n;
        }
    }
    return size;
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
    for (int start = 0; start < board.size(); ++start) {
        if (reach.test(start) || boxes.test(start) || seen.test(start)) continue;
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
