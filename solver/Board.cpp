#include "solver/Board.h"

namespace tolvar::solver {

Board::Board(const Level& level, Distances distances, Sense sense)
    : Floorplan(level, sense), manStart_(cellOfIndex(level.man)) {
    if (distances == Distances::Measure) measureDistances();
    neighbours_.resize(static_cast<std::size_t>(size()) * 4);
    for (int c = 0; c < size(); ++c)
        for (int d = 0; d < 4; ++d) neighbours_[static_cast<std::size_t>(c * 4 + d)] = step(c, d) < 0 ? size() : step(c, d);
}

// Moving backwards from each goal (see forEachMoveTo). Each cell joins a queue at most once.
void Board::measureDistances() {
    const auto cells = static_cast<std::size_t>(size());
    dist_.assign(goals().size() * cells, Unreachable);
    std::vector<int> queue(cells);
    for (std::size_t g = 0; g < goals().size(); ++g) {
        std::uint16_t* dist = dist_.data() + g * cells;
        std::size_t head = 0, tail = 0;
        queue[tail++] = goals()[g];
        dist[goals()[g]] = 0;
        while (head < tail)
            forEachMoveTo(queue[head++], [&](int c, int b) {
                if (dist[b] != Unreachable) return;
                dist[b] = static_cast<std::uint16_t>(dist[c] + 1);
                queue[tail++] = b;
            });
    }
}

}  // namespace tolvar::solver
