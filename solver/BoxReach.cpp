#include "solver/BoxReach.h"

#include <algorithm>

#include "solver/ManRegion.h"

namespace tolvar::solver {

BoxReach::BoxReach(const Board& board)
    : board_(board), others_(board.size()), stamp_(static_cast<std::size_t>(board.size()) * 4, 0),
      classed_(static_cast<std::size_t>(board.size()), 0), sideClass_(stamp_.size(), -1), dist_(stamp_.size(), 0),
      parent_(stamp_.size(), -1), disc_(classed_.size(), 0), low_(classed_.size(), 0), last_(classed_.size(), 0),
      up_(classed_.size(), -1), least_(classed_.size(), 0),
      order_(classed_.size(), 0), before_(classed_.size(), 0), after_(classed_.size(), 0), numbered_(classed_.size(), 0) {}

void BoxReach::spread(const BoxSet& boxes, int box, const BoxSet& manReach) {
    ++stampNow_;
    others_ = boxes;
    others_.reset(box);
    origin_ = box;
    cells_.assign(1, box);
    queue_.clear();
    for (int s = 0; s < 4; ++s) {
        const int n = board_.step(box, s);
        if (n < 0 || !manReach.test(n)) continue;
        const std::size_t st = state(box, s);
        stamp_[st] = stampNow_;
        dist_[st] = 0;
        parent_[st] = -1;
        queue_.push_back(static_cast<int>(st));
    }
    if (!queue_.empty()) number(box);
    for (std::size_t head = 0; head < queue_.size(); ++head) {
        const int st = queue_[head], c = st / 4, s = st % 4;
        const int t = board_.step(c, Opposite(s));
        if (t < 0 || others_.test(t) || board_.isDead(t)) continue;
        if (classed_[static_cast<std::size_t>(t)] != stampNow_) classify(t);
        const int joined = sideClass_[state(t, s)];
        bool fresh = true;
        for (int s2 = 0; s2 < 4; ++s2) fresh = fresh && !reached(t, s2);
        for (int s2 = 0; s2 < 4; ++s2) {
            const std::size_t next = state(t, s2);
            if (sideClass_[next] != joined || stamp_[next] == stampNow_) continue;
            stamp_[next] = stampNow_;
            dist_[next] = static_cast<std::uint16_t>(dist_[static_cast<std::size_t>(st)] + 1);
            parent_[next] = st;
            queue_.push_back(static_cast<int>(next));
        }
        if (fresh && t != origin_) cells_.push_back(t);
    }
}

// Numbers the free floor (the box's own cell free) depth first from `root`, with the least
// number each subtree reaches by a side edge: Tarjan's cut vertices.
void BoxReach::number(int root) {
    int counter = 0;
    auto visit = [&](int c, int parent) {
        numbered_[static_cast<std::size_t>(c)] = stampNow_;
        order_[static_cast<std::size_t>(counter)] = c;
        disc_[static_cast<std::size_t>(c)] = low_[static_cast<std::size_t>(c)] = counter++;
        up_[static_cast<std::size_t>(c)] = parent;
        least_[static_cast<std::size_t>(c)] = c;
        dfs_.emplace_back(c, 0);
    };
    dfs_.clear();
    visit(root, -1);
    while (!dfs_.empty()) {
        auto& [v, next] = dfs_.back();
        const auto vi = static_cast<std::size_t>(v);
        if (next < 4) {
            const int n = board_.step(v, next++);
            if (n < 0 || others_.test(n)) continue;
            if (numbered_[static_cast<std::size_t>(n)] != stampNow_) visit(n, v);
            else if (n != up_[vi]) low_[vi] = std::min(low_[vi], disc_[static_cast<std::size_t>(n)]);
            continue;
        }
        last_[vi] = counter - 1;
        const int parent = up_[vi];
        dfs_.pop_back();
        if (parent < 0) continue;
        const auto pi = static_cast<std::size_t>(parent);
        low_[pi] = std::min(low_[pi], low_[vi]);
        least_[pi] = std::min(least_[pi], least_[vi]);
    }
    counter_ = counter;
}

int BoxReach::splits(int cell) const {
    int count = 0;
    for (int s = 0; s < 4; ++s) {
        const int c = board_.step(cell, s);
        if (c < 0 || others_.test(c) || up_[static_cast<std::size_t>(c)] != cell) continue;
        count += low_[static_cast<std::size_t>(c)] >= disc_[static_cast<std::size_t>(cell)] ? 1 : 0;
    }
    return count;
}

int BoxReach::leastBeside(int cell, int side) {
    const int s = piece(cell, side);
    return s >= 0 ? least_[static_cast<std::size_t>(board_.step(cell, s))] : leastOutside(cell);
}

// The least cell of the floor that stays joined to the box's first cell with the box on `cell`:
// all but the subtree of `cell`, and those of its children that reach above it.
int BoxReach::leastOutside(int cell) {
    if (ordered_ != stampNow_) {
        ordered_ = stampNow_;
        for (int k = 0, least = 0x7FFFFFFF; k < counter_; ++k) before_[static_cast<std::size_t>(k)] = least, least = std::min(least, order_[static_cast<std::size_t>(k)]);
        for (int k = counter_ - 1, least = 0x7FFFFFFF; k >= 0; --k) after_[static_cast<std::size_t>(k)] = least, least = std::min(least, order_[static_cast<std::size_t>(k)]);
    }
    const auto ci = static_cast<std::size_t>(cell);
    int least = std::min(before_[static_cast<std::size_t>(disc_[ci])], after_[static_cast<std::size_t>(last_[ci])]);
    for (int s = 0; s < 4; ++s) {
        const int c = board_.step(cell, s);
        if (c < 0 || others_.test(c) || up_[static_cast<std::size_t>(c)] != cell || low_[static_cast<std::size_t>(c)] >= disc_[ci]) continue;
        least = std::min(least, least_[static_cast<std::size_t>(c)]);
    }
    return least;
}

// The piece of the floor the neighbour of `cell` on `side` is in with a box on `cell`: the
// child subtree it hangs from when nothing joins that subtree above `cell`, else the rest (-1).
int BoxReach::piece(int cell, int side) const {
    const int u = board_.step(cell, side);
    const int du = disc_[static_cast<std::size_t>(u)], dt = disc_[static_cast<std::size_t>(cell)];
    for (int s = 0; s < 4; ++s) {
        const int c = board_.step(cell, s);
        if (c < 0 || others_.test(c) || up_[static_cast<std::size_t>(c)] != cell) continue;
        const auto ci = static_cast<std::size_t>(c);
        if (disc_[ci] <= du && du <= last_[ci]) return low_[ci] >= dt ? s : -1;
    }
    return -1;
}

// Which free sides of `cell` the man can walk between with the box on it.
void BoxReach::classify(int cell) {
    classed_[static_cast<std::size_t>(cell)] = stampNow_;
    int pieces[4];
    for (int s = 0; s < 4; ++s) {
        const int n = board_.step(cell, s);
        pieces[s] = n < 0 || others_.test(n) ? -2 : piece(cell, s);
    }
    for (int s = 0; s < 4; ++s) {
        int cls = -1;
        for (int s2 = 0; s2 <= s && pieces[s] != -2 && cls < 0; ++s2)
            if (pieces[s2] == pieces[s]) cls = s2;
        sideClass_[state(cell, s)] = static_cast<std::int8_t>(cls);
    }
}

std::string BoxReach::moves(const BoxSet& boxes, int& man, int cell, int side) const {
    std::vector<int> chain;
    for (int st = static_cast<int>(state(cell, side)); st >= 0; st = parent_[static_cast<std::size_t>(st)]) chain.push_back(st);
    std::reverse(chain.begin(), chain.end());
    BoxSet now = boxes;
    ManRegion walker(board_);
    std::string out;
    for (std::size_t k = 0; k + 1 < chain.size(); ++k) {
        const int c = chain[k] / 4, s = chain[k] % 4, d = Opposite(s);
        out += walker.path(now, man, board_.step(c, s));
        out.push_back(Directions[static_cast<std::size_t>(d)].digit);
        now.reset(c);
        now.set(board_.step(c, d));
        man = c;
    }
    return out;
}

}  // namespace tolvar::solver
