#pragma once
// Levels for the tests written as text rows, and a move simulator of the
// game's rules that shares no code with the solver.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "levels/Level.h"

namespace tolvar::solver::testing {

/// Rows in the text format on a grid of their own size, no checks at all: '#' wall,
/// ' ' floor, '.' goal, '$' box, '*' box on goal, '@' man, '+' man on a goal, '-' outside.
inline Level LevelOf(const std::vector<std::string>& rows) {
    std::size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.size());
    Level level(static_cast<int>(width), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            const int cx = static_cast<int>(x), cy = static_cast<int>(y);
            level(cx, cy) = c == '#' ? Wall : c == '.' || c == '+' ? Goal : c == '$' ? Box
                : c == '*' ? BoxOnGoal : c == '-' ? Outside : Floor;
            if ((c == '@' || c == '+') && level.man >= 0) level(cx, cy) = ManStart;  // a second man
            else if (c == '@' || c == '+') level.man = level.index(cx, cy);
        }
    return level;
}

/// Plays the moves by the rules as the player sees them; true when every goal then holds a box.
inline bool MovesWin(const Level& level, const std::string& moves) {
    int man = level.man;
    const int w = level.width, h = level.height;
    std::set<int> boxes, goals, open;
    for (int i = 0; i < level.size(); ++i) {
        const int c = level.cells[static_cast<std::size_t>(i)];
        if (c == Box || c == BoxOnGoal) boxes.insert(i);
        if (c == Goal || c == BoxOnGoal) goals.insert(i);
        if (c >= Floor) open.insert(i);
    }
    for (char m : moves) {
        const int dx = m == '7' ? -1 : m == '9' ? 1 : 0;
        const int dy = m == '8' ? -1 : m == '0' ? 1 : 0;
        if (dx == 0 && dy == 0) return false;
        const int x = man % w + dx, y = man / w + dy;
        if (x < 0 || y < 0 || x >= w || y >= h || !open.count(x + w * y)) return false;
        const int target = x + w * y;
        if (boxes.count(target)) {
            const int bx = x + dx, by = y + dy;
            if (bx < 0 || by < 0 || bx >= w || by >= h) return false;
            const int behind = bx + w * by;
            if (!open.count(behind) || boxes.count(behind)) return false;
            boxes.erase(target);
            boxes.insert(behind);
        }
        man = target;
    }
    if (goals.empty()) return false;
    for (int g : goals)
        if (!boxes.count(g)) return false;
    return true;
}

}  // namespace tolvar::solver::testing
