#pragma once
// Levels for the tests written as text rows, and a move simulator of the
// game's rules that shares no code with the solver.
#include <set>
#include <string>
#include <vector>

#include "solver/Level.h"

namespace tolvar::solver::testing {

/// Rows in the text format placed at the top left of the board, no checks at all:
/// '#' wall, ' ' floor, '.' goal, '$' box, '*' box on goal, '@' man, '-' outside.
inline Level LevelOf(const std::vector<std::string>& rows) {
    Level level;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            level(static_cast<int>(x), static_cast<int>(y)) = c == '#' ? Wall : c == '.' ? Goal : c == '$' ? Box
                : c == '*' ? BoxOnGoal : c == '@' ? ManStart : c == '-' ? Outside : Floor;
        }
    return level;
}

/// Plays the moves by the rules as the player sees them; true when every goal then holds a box.
inline bool MovesWin(const Level& level, const std::string& moves) {
    int man = -1;
    std::set<int> boxes, goals, open;
    for (int i = 0; i < CellCount; ++i) {
        const int c = level.cells[static_cast<std::size_t>(i)];
        if (c == ManStart) man = i;
        if (c == Box || c == BoxOnGoal) boxes.insert(i);
        if (c == Goal || c == BoxOnGoal) goals.insert(i);
        if (c >= Floor) open.insert(i);
    }
    for (char m : moves) {
        const int dx = m == '7' ? -1 : m == '9' ? 1 : 0;
        const int dy = m == '8' ? -1 : m == '0' ? 1 : 0;
        if (dx == 0 && dy == 0) return false;
        const int x = man % BoardWidth + dx, y = man / BoardWidth + dy;
        if (x < 0 || y < 0 || x >= BoardWidth || y >= BoardHeight || !open.count(x + BoardWidth * y)) return false;
        const int target = x + BoardWidth * y;
        if (boxes.count(target)) {
            const int bx = x + dx, by = y + dy;
            if (bx < 0 || by < 0 || bx >= BoardWidth || by >= BoardHeight) return false;
            const int behind = bx + BoardWidth * by;
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
