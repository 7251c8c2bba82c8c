#include "solver/FloorCuts.h"

#include <algorithm>

namespace tolvar::solver {

FloorCuts::FloorCuts(const Board& board) : board_(board) {
    const auto cells = static_cast<std::size_t>(board.size());
    area_.assign(cells, NoArea);
    for (auto* v : {&order_, &end_, &low_, &subtreeLeast_, &parent_, &stack_}) v->assign(cells, 0);
    dirs_.assign(cells, 0);
}

int FloorCuts::walk(const BoxSet& boxes, int man, BoxSet* reach) {
    std::fill(area_.begin(), area_.end(), NoArea);
    least_.clear();
    int walked = 0;
    for (int root = 0; root < board_.size(); ++root) {
        if (boxes.test(root) || area_[static_cast<std::size_t>(root)] != NoArea) continue;
        order_[static_cast<std::size_t>(root)] = walked;
        walkArea(boxes, root, static_cast<std::uint32_t>(least_.size()));
        least_.push_back(root);
        walked = end_[static_cast<std::size_t>(root)];
    }
    manArea_ = area_[static_cast<std::size_t>(man)];
    if (reach)
        for (int c = 0; c < board_.size(); ++c)
            if (reached(c)) reach->set(c);
    return least_[manArea_];
}

// Tarjan's walk of the area of `root`, whose order is set: a cell's subtree is cut off by it
// when the subtree reaches back no earlier than the cell.
void FloorCuts::walkArea(const BoxSet& boxes, int root, std::uint32_t area) {
    auto enter = [&](int cell, int from, int order) {
        const auto c = static_cast<std::size_t>(cell);
        area_[c] = area;
        order_[c] = low_[c] = order;
        subtreeLeast_[c] = cell;
        parent_[c] = from;
    };
    int order = order_[static_cast<std::size_t>(root)];
    enter(root, -1, order++);
    int top = 0;
    stack_[0] = root;
    dirs_[0] = 0;
    while (top >= 0) {
        const int c = stack_[static_cast<std::size_t>(top)];
        const auto cc = static_cast<std::size_t>(c);
        if (dirs_[static_cast<std::size_t>(top)] < 4) {
            const int n = board_.step(c, dirs_[static_cast<std::size_t>(top)]++);
            if (n < 0 || boxes.test(n)) continue;
            const auto nn = static_cast<std::size_t>(n);
            if (area_[nn] == area) {
                low_[cc] = std::min(low_[cc], order_[nn]);
                continue;
            }
            enter(n, c, order++);
            ++top;
            stack_[static_cast<std::size_t>(top)] = n;
            dirs_[static_cast<std::size_t>(top)] = 0;
            continue;
        }
        end_[cc] = order;
        if (--top < 0) break;
        const auto p = static_cast<std::size_t>(stack_[static_cast<std::size_t>(top)]);
        low_[p] = std::min(low_[p], low_[cc]);
        subtreeLeast_[p] = std::min(subtreeLeast_[p], subtreeLeast_[cc]);
    }
}

// The part of its area that the free cell `cell` falls in once a box stands on `to`, told
// by a cell of it: its least cell's subtree. Taking `to` out leaves the subtrees of those of
// its children that reach back no earlier than it each on their own (told by that child), and
// the rest with the root, the area's least cell; a root taken out leaves every child's subtree
// on its own.
int FloorCuts::partBeside(int to, int cell) const {
    const auto t = static_cast<std::size_t>(to), c = static_cast<std::size_t>(cell);
    const std::uint32_t area = area_[c];
    if (area != area_[t] || order_[c] < order_[t] || order_[c] >= end_[t]) return least_[area];
    for (int d = 0; d < 4; ++d) {
        const int child = board_.step(to, d);
        if (child < 0 || area_[static_cast<std::size_t>(child)] != area || parent_[static_cast<std::size_t>(child)] != to) continue;
        const auto k = static_cast<std::size_t>(child);
        if (order_[c] < order_[k] || order_[c] >= end_[k]) continue;
        return low_[k] >= order_[t] ? child : least_[area];
    }
    return least_[area];  // not reached: `cell` lies in the subtree of one of the children
}

int FloorCuts::manAfterPush(int from, int to) const {
    int least = from;
    for (int d = 0; d < 4; ++d) {
        const int n = board_.step(from, d);
        if (n < 0 || n == to || area_[static_cast<std::size_t>(n)] == NoArea) continue;
        least = std::min(least, subtreeLeast_[static_cast<std::size_t>(partBeside(to, n))]);
    }
    return least;
}

// The man's part, and with the cell the box left all the parts beside it when his is one.
int FloorCuts::manAfterPull(int box, int to, int stand) const {
    const int part = partBeside(to, stand);
    int least = subtreeLeast_[static_cast<std::size_t>(part)], beside = box;
    bool joins = false;
    for (int d = 0; d < 4; ++d) {
        const int n = board_.step(box, d);
        if (n < 0 || n == to || area_[static_cast<std::size_t>(n)] == NoArea) continue;
        const int other = partBeside(to, n);
        joins = joins || other == part;
        beside = std::min(beside, subtreeLeast_[static_cast<std::size_t>(other)]);
    }
    return joins ? std::min(least, beside) : least;
}

}  // namespace tolvar::solver
