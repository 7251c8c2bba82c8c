#include "solver/FloorCuts.h"

#include <algorithm>

namespace tolvar::solver {

FloorCuts::FloorCuts(const Board& board) : board_(board) {
    const auto cells = static_cast<std::size_t>(board.size());
    area_.assign(cells + 1, Blocked);  // the last stands for every wall
    for (auto* v : {&end_, &low_, &subtreeLeast_, &parent_, &stack_}) v->assign(cells, 0);
    order_.assign(cells + 1, 0);
    dirs_.assign(cells, 0);
}

int FloorCuts::walk(const BoxSet& boxes, int man, BoxSet* reach) {
    const int cells = board_.size();
    // A word of the sets at a time, kept in a register: no load or store of the set per cell.
    static_assert(Blocked == NoArea - 1);
    for (int k = 0; k * 64 < cells; ++k) {
        const std::uint64_t word = boxes.word(k);
        for (int c = k * 64, last = std::min(cells, c + 64); c < last; ++c)
            area_[static_cast<std::size_t>(c)] = NoArea - static_cast<std::uint32_t>((word >> (c & 63)) & 1);  // Blocked for a box
    }
    least_.clear();
    int walked = 0;
    for (int root = 0; root < cells; ++root) {
        if (area_[static_cast<std::size_t>(root)] != NoArea) continue;
        order_[static_cast<std::size_t>(root)] = walked;
        walkArea(root, static_cast<std::uint32_t>(least_.size()));
        least_.push_back(root);
        walked = end_[static_cast<std::size_t>(root)];
    }
    manArea_ = area_[static_cast<std::size_t>(man)];
    for (int k = 0; reach && k * 64 < cells; ++k) {
        std::uint64_t word = 0;
        for (int c = k * 64, last = std::min(cells, c + 64); c < last; ++c)
            word |= std::uint64_t{area_[static_cast<std::size_t>(c)] == manArea_} << (c & 63);
        reach->word(k) |= word;
    }
    return least_[manArea_];
}

// Tarjan's walk of the area of `root`, whose order is set: a cell's subtree is cut off by it
// when the subtree reaches back no earlier than the cell. The tables are read through plain
// pointers, which the compiler keeps in registers.
void FloorCuts::walkArea(int root, std::uint32_t area) {
    std::uint32_t* const areas = area_.data();
    int* const order = order_.data();
    int* const low = low_.data();
    int* const least = subtreeLeast_.data();
    int* const parent = parent_.data();
    int* const stack = stack_.data();
    std::uint8_t* const dirs = dirs_.data();
    const int* const next = board_.neighbours();
    auto enter = [&](int cell, int from, int when) {
        areas[cell] = area;
        order[cell] = low[cell] = when;
        least[cell] = cell;
        parent[cell] = from;
    };
    int count = order[root];
    enter(root, -1, count++);
    int top = 0;
    stack[0] = root;
    dirs[0] = 0;
    for (;;) {
        // The cell on top tries its directions left in turn, the earliest order it meets in
        // its area kept at hand, until it finds a cell not walked yet or has none left.
        const int c = stack[top];
        int d = dirs[top], lowest = low[c], n = -1;
        for (; d < 4; ++d) {
            const int cell = next[c * 4 + d];
            const std::uint32_t a = areas[cell];
            if (a == area) lowest = std::min(lowest, order[cell]);
            else if (a == NoArea) {
                n = cell;
                break;
            }
        }
        low[c] = lowest;
        if (n >= 0) {
            dirs[top] = static_cast<std::uint8_t>(d + 1);
            enter(n, c, count++);
            stack[++top] = n;
            dirs[top] = 0;
            continue;
        }
        end_[static_cast<std::size_t>(c)] = count;
        if (top == 0) break;
        const int p = stack[--top];
        low[p] = std::min(low[p], low[c]);
        least[p] = std::min(least[p], least[c]);
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
        if (n < 0 || n == to || area_[static_cast<std::size_t>(n)] == Blocked) continue;
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
        if (n < 0 || n == to || area_[static_cast<std::size_t>(n)] == Blocked) continue;
        const int other = partBeside(to, n);
        joins = joins || other == part;
        beside = std::min(beside, subtreeLeast_[static_cast<std::size_t>(other)]);
    }
    return joins ? std::min(least, beside) : least;
}

int FloorCuts::areaSize(std::uint32_t area) const {
    const auto root = static_cast<std::size_t>(least_[area]);
    return end_[root] - order_[root];  // an area is walked in one run of orders
}

int FloorCuts::areas(int smallest) const {
    int count = 0;
    for (std::uint32_t area = 0; area < least_.size(); ++area) count += areaSize(area) >= smallest;
    return count;
}

// The parts the area of the free cell `to` falls into without it, each told by a cell as
// partBeside tells it, with its size: the subtrees of the children cut off by `to`, and the
// rest with the root when `to` is not the root. Returns how many.
int FloorCuts::partsWithout(int to, int* parts, int* sizes) const {
    const auto t = static_cast<std::size_t>(to);
    const std::uint32_t area = area_[t];
    int count = 0, rest = areaSize(area) - 1;
    for (int d = 0; d < 4; ++d) {
        const int child = board_.step(to, d);
        if (child < 0) continue;
        const auto k = static_cast<std::size_t>(child);
        if (area_[k] != area || parent_[k] != to || low_[k] < order_[t]) continue;
        parts[count] = child;
        sizes[count] = end_[k] - order_[k];
        rest -= sizes[count++];
    }
    if (rest > 0) {
        parts[count] = least_[area];
        sizes[count++] = rest;
    }
    return count;
}

// The area of `to` gives way to its parts without it; `from` joins the parts and the other
// areas beside it into one, the man's; every other part and area stays as it was.
FloorCuts::AfterPush FloorCuts::afterPush(int from, int to, int smallest) const {
    const std::uint32_t toArea = area_[static_cast<std::size_t>(to)];
    int parts[5], sizes[5];
    bool joined[5] = {};
    const int partCount = partsWithout(to, parts, sizes);
    std::uint32_t others[4];
    int otherCount = 0, cells = 1, man = from;
    int areas = this->areas(smallest) - (areaSize(toArea) >= smallest);
    for (int d = 0; d < 4; ++d) {
        const int n = board_.step(from, d);
        if (n < 0 || n == to) continue;
        const std::uint32_t area = area_[static_cast<std::size_t>(n)];
        if (area == Blocked) continue;
        if (area == toArea) {
            const int part = partBeside(to, n);
            const int p = static_cast<int>(std::find(parts, parts + partCount, part) - parts);
            if (joined[p]) continue;
            joined[p] = true;
            cells += sizes[p];
            man = std::min(man, subtreeLeast_[static_cast<std::size_t>(part)]);
        } else if (std::find(others, others + otherCount, area) == others + otherCount) {
            others[otherCount++] = area;
            cells += areaSize(area);
            areas -= areaSize(area) >= smallest;
            man = std::min(man, least_[area]);
        }
    }
    for (int p = 0; p < partCount; ++p) areas += !joined[p] && sizes[p] >= smallest;
    return {man, areas + (cells >= smallest)};
}

}  // namespace tolvar::solver
