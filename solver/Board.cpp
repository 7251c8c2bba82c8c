#include "solver/Board.h"

#include <array>

namespace tolvar::solver {

Board::Board(const Level& level, Distances distances, Sense sense) : pulls_(sense == Sense::Pulls) {
    for (int i = 0; i < CellCount; ++i) floor_[static_cast<std::size_t>(i)] = level.cells[static_cast<std::size_t>(i)] >= Floor;
    for (int i = 0; i < CellCount; ++i) {
        const int x = i % BoardWidth, y = i / BoardWidth;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + Directions[d].dx, ny = y + Directions[d].dy;
            const int n = nx + BoardWidth * ny;
            next_[static_cast<std::size_t>(i * 4 + d)] = (OnGameBoard(nx, ny) && floor_[static_cast<std::size_t>(n)]) ? n : -1;
        }
        const auto c = level.cells[static_cast<std::size_t>(i)];
        if (pulls_ ? (c == Box || c == BoxOnGoal) : (c == Goal || c == BoxOnGoal)) {
            goals_.push_back(i);
            goalMask_.set(i);
        }
    }
    markLiveSquares();
    if (distances == Distances::Measure) measureDistances();
}

// Moving backwards from the goals (see forEachMoveTo). Each cell joins a queue at most
// once, so a plain array holds it.
void Board::markLiveSquares() {
    dead_.fill(true);
    std::array<int, CellCount> queue;
    std::size_t head = 0, tail = 0;
    for (int g : goals_) {
        queue[tail++] = g;
        dead_[static_cast<std::size_t>(g)] = false;
    }
    while (head < tail)
        forEachMoveTo(queue[head++], [&](int, int b) {
            if (!dead_[static_cast<std::size_t>(b)]) return;
            dead_[static_cast<std::size_t>(b)] = false;
            queue[tail++] = b;
        });
}

void Board::measureDistances() {
    dist_.reserve(goals_.size());
    std::array<int, CellCount> queue;
    for (int g : goals_) {
        auto& dist = dist_.emplace_back();
        dist.fill(Unreachable);
        std::size_t head = 0, tail = 0;
        queue[tail++] = g;
        dist[static_cast<std::size_t>(g)] = 0;
        while (head < tail)
            forEachMoveTo(queue[head++], [&](int c, int b) {
                if (dist[static_cast<std::size_t>(b)] != Unreachable) return;
                dist[static_cast<std::size_t>(b)] = static_cast<std::uint16_t>(dist[static_cast<std::size_t>(c)] + 1);
                queue[tail++] = b;
            });
    }
}

bool Board::blockedOnAxis(BoxSet& blocked, const BoxSet& boxes, int cell, int dirA, int dirB,
                          std::vector<int>& frozenCells) const {
    const int a = step(cell, dirA), b = step(cell, dirB);
    if (a < 0 || b < 0 || blocked.test(a) || blocked.test(b)) return true;
    // Pushing along this axis would put the box on a dead square either way.
    if (isDead(a) && isDead(b)) return true;
    if (boxes.test(a) && frozen(blocked, boxes, a, frozenCells)) return true;
    if (boxes.test(b) && frozen(blocked, boxes, b, frozenCells)) return true;
    return false;
}

// A box is frozen when it can move along neither axis; while a neighbour is
// examined the box itself counts as a wall, which is what makes the answer sound.
bool Board::frozen(BoxSet& blocked, const BoxSet& boxes, int cell, std::vector<int>& frozenCells) const {
    const std::size_t mark = frozenCells.size();
    blocked.set(cell);
    const bool result = blockedOnAxis(blocked, boxes, cell, Left, Right, frozenCells) &&
                        blockedOnAxis(blocked, boxes, cell, Up, Down, frozenCells);
    blocked.reset(cell);
    if (result)
        frozenCells.push_back(cell);
    else
        frozenCells.resize(mark);  // what was found frozen held only if this box was
    return result;
}

bool Board::isFrozenDeadlock(const BoxSet& boxes, int box) const {
    BoxSet blocked;
    std::vector<int> frozenCells;
    if (!frozen(blocked, boxes, box, frozenCells)) return false;
    for (int c : frozenCells)
        if (!isGoal(c)) return true;
    return false;
}

}  // namespace tolvar::solver
