#include "solver/Corral.h"

#include <array>

namespace tolvar::solver {

CorralVerdict FindCorral(const Board& board, const BoxSet& boxes, const BoxSet& reach, BoxSet& pushable) {
    BoxSet seen;
    std::array<int, CellCount> stack{};
    std::array<int, CellCount> area{};
    CorralVerdict verdict = CorralVerdict::None;
    int fewestPushes = CellCount * 4;
    for (int start = 0; start < CellCount; ++start) {
        if (!board.isFloor(start) || reach.test(start) || boxes.test(start) || seen.test(start)) continue;
        // The area: every cell the man cannot reach, boxes included, joined to this one.
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
        BoxSet inArea;
        bool unfinished = false;
        for (int k = 0; k < size; ++k) {
            const int c = area[static_cast<std::size_t>(k)];
            inArea.set(c);
            if (boxes.test(c) != board.isGoal(c)) unfinished = true;
        }
        if (!unfinished) continue;
        bool closed = true;
        int pushes = 0;
        BoxSet border;
        for (int k = 0; k < size && closed; ++k) {
            const int b = area[static_cast<std::size_t>(k)];
            if (!boxes.test(b)) continue;
            bool onBorder = false;
            for (int d = 0; d < 4; ++d) {
                const int n = board.step(b, d);
                if (n >= 0 && reach.test(n)) onBorder = true;
            }
            if (!onBorder) continue;
            border.set(b);
            for (int d = 0; d < 4 && closed; ++d) {
                const int to = board.step(b, d), from = board.step(b, Opposite(d));
                if (to < 0 || from < 0) continue;  // a wall on either side: never a push this way
                // A box outside the area may move and open a push that is not there now.
                if ((boxes.test(to) && !inArea.test(to)) || (boxes.test(from) && !inArea.test(from))) {
                    closed = false;
                } else if (reach.test(to)) {
                    closed = !reach.test(from);  // out of the area, or along it: not a closed area
                } else if (!boxes.test(to) && reach.test(from)) {
                    ++pushes;  // into the area, and the man can do it now
                }
            }
        }
        if (!closed) continue;
        if (pushes == 0) return CorralVerdict::Deadlock;
        if (pushes < fewestPushes) {
            fewestPushes = pushes;
            pushable = border;
            verdict = CorralVerdict::Restrict;
        }
    }
    return verdict;
}

}  // namespace tolvar::solver
