#pragma once
// The plainest possible solver, for checking the real one: breadth first over
// every push, nothing pruned. Only for tiny boards.
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "levels/Level.h"

namespace tolvar::solver::testing {

/// The fewest pushes that win the level, or nothing when no sequence of moves wins it.
inline std::optional<int> FewestPushes(const Level& level) {
    std::set<int> open, goals, boxes;
    const int man = level.man, w = level.width, h = level.height;
    for (int i = 0; i < level.size(); ++i) {
        const int c = level.cells[static_cast<std::size_t>(i)];
        if (c >= Floor) open.insert(i);
        if (c == Goal || c == BoxOnGoal) goals.insert(i);
        if (c == Box || c == BoxOnGoal) boxes.insert(i);
    }
    if (goals.empty() || man < 0) return std::nullopt;
    auto neighbour = [&](int i, int dx, int dy) {
        const int x = i % w + dx, y = i / w + dy;
        if (x < 0 || y < 0 || x >= w || y >= h) return -1;
        return open.count(x + w * y) ? x + w * y : -1;
    };
    auto region = [&](const std::set<int>& b, int from) {
        std::set<int> seen{from};
        std::deque<int> queue{from};
        while (!queue.empty()) {
            const int c = queue.front();
            queue.pop_front();
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = neighbour(c, dx, dy);
                if (n >= 0 && !b.count(n) && seen.insert(n).second) queue.push_back(n);
            }
        }
        return seen;
    };
    auto won = [&](const std::set<int>& b) {
        for (int g : goals)
            if (!b.count(g)) return false;
        return true;
    };
    using State = std::pair<std::set<int>, int>;  // boxes, least cell of the man's region
    const State start{boxes, *region(boxes, man).begin()};
    std::map<State, int> depth{{start, 0}};
    std::deque<State> queue{start};
    while (!queue.empty()) {
        const State s = queue.front();
        queue.pop_front();
        if (won(s.first)) return depth[s];
        const auto reach = region(s.first, s.second);
        for (int b : s.first)
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int from = neighbour(b, -dx, -dy), to = neighbour(b, dx, dy);
                if (from < 0 || to < 0 || !reach.count(from) || s.first.count(to)) continue;
                std::set<int> next = s.first;
                next.erase(b);
                next.insert(to);
                State child{next, *region(next, b).begin()};
                if (depth.emplace(child, depth[s] + 1).second) queue.push_back(child);
            }
    }
    return std::nullopt;
}

}  // namespace tolvar::solver::testing
