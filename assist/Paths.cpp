#include "assist/Paths.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <queue>

#include "rules/Direction.h"

namespace tolvar {

namespace {

constexpr int Unreached = -1;

Cell Next(Cell c, int dir)
{
    const Direction& d = Directions[static_cast<std::size_t>(dir)];
    return {c.x + d.dx, c.y + d.dy};
}

/// Distances of the man's walk from `from` to every cell, with a box on `box` and none on
/// `vacated` (where the moving box stood at first); the direction of the last step into each.
/// Cells are numbered row by row on a board `width` cells wide.
struct Walks {
    explicit Walks(const Grid& board)
        : width(board.width), distance(static_cast<std::size_t>(board.size())),
          lastDir(static_cast<std::size_t>(board.size())), queue(static_cast<std::size_t>(board.size()))
    {
    }
    int Index(Cell c) const { return c.x + width * c.y; }
    Cell CellOf(int i) const { return {i % width, i / width}; }
    int& Distance(Cell c) { return distance[static_cast<std::size_t>(Index(c))]; }
    int Distance(Cell c) const { return distance[static_cast<std::size_t>(Index(c))]; }

    int width;
    std::vector<int> distance;
    std::vector<std::int8_t> lastDir;
    std::vector<int> queue;
};

bool Walkable(const Grid& board, Cell c, Cell box, Cell vacated)
{
    if (!board.inside(c.x, c.y) || c == box)
        return false;
    return c == vacated ? true : IsFree(board(c.x, c.y));
}

void Walk(const Grid& board, Cell from, Cell box, Cell vacated, Walks& w)
{
    std::fill(w.distance.begin(), w.distance.end(), Unreached);
    int head = 0, tail = 0;
    w.Distance(from) = 0;
    w.queue[static_cast<std::size_t>(tail++)] = w.Index(from);
    while (head < tail) {
        const Cell c = w.CellOf(w.queue[static_cast<std::size_t>(head++)]);
        for (int dir = 0; dir < 4; ++dir) {
            const Cell n = Next(c, dir);
            if (!Walkable(board, n, box, vacated) || w.Distance(n) != Unreached)
                continue;
            w.Distance(n) = w.Distance(c) + 1;
            w.lastDir[static_cast<std::size_t>(w.Index(n))] = static_cast<std::int8_t>(dir);
            w.queue[static_cast<std::size_t>(tail++)] = w.Index(n);
        }
    }
}

/// The steps of the walk to `to`, in order; `to` must have been reached.
void AppendWalk(const Walks& w, Cell from, Cell to, Moves& out)
{
    Moves back;
    for (Cell c = to; !(c == from);) {
        const int dir = w.lastDir[static_cast<std::size_t>(w.Index(c))];
        back.push_back(dir);
        c = Next(c, Opposite(dir));
    }
    out.insert(out.end(), back.rbegin(), back.rend());
}

/// A box on a cell with the man beside it, having just pushed it in `dir` (or standing at the start).
struct Node {
    std::int64_t cost = -1;  // pushes * Weight + moves
    int parent = -1;         // the node before the last push; -1 for the start
};
constexpr std::int64_t Weight = std::int64_t{1} << 32;  // a push outweighs any number of moves

}  // namespace

std::optional<Moves> WalkPath(const Grid& board, Cell man, Cell target)
{
    if (!board.inside(target.x, target.y) || !board.inside(man.x, man.y))
        return std::nullopt;
    Walks w(board);
    Walk(board, man, {-1, -1}, {-1, -1}, w);
    if (w.Distance(target) == Unreached)
        return std::nullopt;
    Moves moves;
    AppendWalk(w, man, target, moves);
    return moves;
}

std::optional<Moves> BoxPath(const Grid& board, Cell man, Cell box, Cell target)
{
    if (!board.inside(target.x, target.y) || !board.inside(box.x, box.y) || !HoldsBox(board(box.x, box.y)))
        return std::nullopt;
    if (!(target == box) && !IsFree(board(target.x, target.y)))
        return std::nullopt;
    // Dijkstra over (box cell, direction of the last push); every expansion walks the man
    // round the box to each side he can push it from.
    Walks w(board);
    const int StartNode = board.size() * 4;
    // The man's cell in node n: behind the box, or the man's start for the start node.
    const auto ManOf = [&](int n, Cell start) { return n == StartNode ? start : Next(w.CellOf(n / 4), Opposite(n % 4)); };
    std::vector<Node> nodes(static_cast<std::size_t>(StartNode) + 1);
    using Entry = std::pair<std::int64_t, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    nodes[StartNode].cost = 0;
    open.push({0, StartNode});
    int found = target == box ? StartNode : -1;
    while (!open.empty() && found < 0) {
        const auto [cost, n] = open.top();
        open.pop();
        if (cost != nodes[static_cast<std::size_t>(n)].cost)
            continue;
        const Cell at = n == StartNode ? box : w.CellOf(n / 4);
        if (at == target) {
            found = n;
            break;
        }
        Walk(board, ManOf(n, man), at, box, w);
        for (int dir = 0; dir < 4; ++dir) {
            const Cell behind = Next(at, Opposite(dir)), ahead = Next(at, dir);
            // The man must reach the cell behind the box, and the cell ahead must take it.
            if (!board.inside(behind) || w.Distance(behind) == Unreached || !Walkable(board, ahead, {-1, -1}, box))
                continue;
            const std::int64_t next = cost + Weight + w.Distance(behind) + 1;
            Node& to = nodes[static_cast<std::size_t>(w.Index(ahead) * 4 + dir)];
            if (to.cost >= 0 && to.cost <= next)
                continue;
            to = {next, n};
            open.push({next, w.Index(ahead) * 4 + dir});
        }
    }
    if (found < 0)
        return std::nullopt;
    // The chain of pushes from the start, then each walk and push again in order.
    std::vector<int> chain;
    for (int n = found; n != StartNode; n = nodes[static_cast<std::size_t>(n)].parent)
        chain.push_back(n);
    Moves moves;
    int from = StartNode;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Cell at = from == StartNode ? box : w.CellOf(from / 4);
        const int dir = *it % 4;
        Walk(board, ManOf(from, man), at, box, w);
        AppendWalk(w, ManOf(from, man), Next(at, Opposite(dir)), moves);
        moves.push_back(dir);
        from = *it;
    }
    return moves;
}

}  // namespace tolvar
