#include "solver/BoxReach.h"

#include <algorithm>

#include "solver/ManRegion.h"

namespace tolvar::solver {

BoxReach::BoxReach(const Board& board)
    : board_(board), others_(board.size()), walls_(board.size()), stamp_(static_cast<std::size_t>(board.size()) * 4, 0),
      classed_(static_cast<std::size_t>(board.size()), 0), sideClass_(stamp_.size(), -1), piece_(stamp_.size(), -2), dist_(stamp_.size(), 0),
      parent_(stamp_.size(), -1), disc_(classed_.size(), -1), low_(classed_.size(), 0), last_(classed_.size(), 0),
      up_(classed_.size(), -1), least_(classed_.size(), 0), root_(classed_.size(), -1), cutsOff_(classed_.size(), 0) {}

void BoxReach::spread(const BoxSet& boxes, int box, const BoxSet& manReach) {
    ++stampNow_;
    areas(boxes);
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

// Numbers the free floor round all the boxes depth first, each area from its least cell, with
// the least number each subtree reaches by a side edge: Tarjan's cut vertices.
void BoxReach::number(const BoxSet& boxes) {
    walls_ = boxes;
    numbered_ = true;
    std::fill(disc_.begin(), disc_.end(), -1);
    int counter = 0, root = -1;
    areas_ = 0;
    auto visit = [&](int c, int parent) {
        const auto ci = static_cast<std::size_t>(c);
        disc_[ci] = low_[ci] = counter++;
        up_[ci] = parent;
        least_[ci] = c;
        root_[ci] = root;
        cutsOff_[ci] = parent < 0 ? -1 : 0;
        dfs_.emplace_back(c, 0);
    };
    for (root = 0; root < board_.size(); ++root) {
        if (boxes.test(root) || disc_[static_cast<std::size_t>(root)] >= 0) continue;
        ++areas_;
        dfs_.clear();
        visit(root, -1);
        while (!dfs_.empty()) {
            auto& [v, next] = dfs_.back();
            const auto vi = static_cast<std::size_t>(v);
            if (next < 4) {
                const int n = board_.step(v, next++);
                if (n < 0 || boxes.test(n)) continue;
                if (disc_[static_cast<std::size_t>(n)] < 0) visit(n, v);
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
            if (low_[vi] >= disc_[pi]) ++cutsOff_[pi];
        }
    }
}

int BoxReach::areas(const BoxSet& boxes) {
    if (!numbered_ || !(walls_ == boxes)) number(boxes);
    return areas_;
}

int BoxReach::areasBeside(int box) const {
    int seen[4], count = 0;
    for (int d = 0; d < 4; ++d) {
        const int n = board_.step(box, d);
        if (n < 0 || walls_.test(n)) continue;
        const int a = root_[static_cast<std::size_t>(n)];
        if (std::find(seen, seen + count, a) == seen + count) seen[count++] = a;
    }
    return count;
}

int BoxReach::splits(int cell) {
    int seen[4], count = 0;
    for (int s = 0; s < 4; ++s) {
        const int p = piece(cell, s);
        if (p >= 0 && std::find(seen, seen + count, p) == seen + count) seen[count++] = p;
    }
    return std::max(0, count - 1);
}

int BoxReach::piece(int cell, int side) {
    if (piece_[state(cell, side)] == Unknown) findPieces(cell);
    return piece_[state(cell, side)];
}

// With all the boxes in place and `cell` taken out of the floor: the least cell of the piece
// free cell `u` is in. The child subtree of `cell` it hangs from when nothing joins that subtree
// above `cell`, else the rest of the area, whose least cell is its root.
int BoxReach::pieceOfFloor(int cell, int u) const {
    const auto ui = static_cast<std::size_t>(u);
    if (root_[ui] != root_[static_cast<std::size_t>(cell)]) return root_[ui];
    const int du = disc_[ui], dt = disc_[static_cast<std::size_t>(cell)];
    for (int s = 0; s < 4; ++s) {
        const int c = board_.step(cell, s);
        if (c < 0 || walls_.test(c) || up_[static_cast<std::size_t>(c)] != cell) continue;
        const auto ci = static_cast<std::size_t>(c);
        if (disc_[ci] <= du && du <= last_[ci]) return low_[ci] >= dt ? least_[ci] : root_[ui];
    }
    return root_[ui];
}

// The pieces (by least cell) that the pushed box's own cell joins with the box on `cell`
// instead; returns the least cell of them joined, the box's cell among them.
int BoxReach::joined(int cell, int* pieces, int& count) const {
    int least = origin_;
    count = 0;
    for (int s = 0; s < 4; ++s) {
        const int n = board_.step(origin_, s);
        if (n < 0 || n == cell || walls_.test(n)) continue;
        const int p = pieceOfFloor(cell, n);
        pieces[count++] = p;
        least = std::min(least, p);
    }
    return least;
}

// The least cell of the piece of free floor each side's neighbour of `cell` is in with the box
// on it (-2 for no free neighbour), into piece_.
void BoxReach::findPieces(int cell) {
    int pieces[4], count = 0;
    const int least = cell == origin_ ? -1 : joined(cell, pieces, count);
    for (int s = 0; s < 4; ++s) {
        const int u = board_.step(cell, s);
        int& p = piece_[state(cell, s)];
        if (u < 0 || others_.test(u)) p = -2;
        else if (cell == origin_) p = root_[static_cast<std::size_t>(u)];
        else if (u == origin_) p = least;
        else {
            p = pieceOfFloor(cell, u);
            if (std::find(pieces, pieces + count, p) != pieces + count) p = least;
        }
    }
}

// Which free sides of `cell` the man can walk between with the box on it. A cell that cuts
// nothing off round all the boxes, away from the box's own cell, leaves its sides one piece,
// found only when asked for.
void BoxReach::classify(int cell) {
    const auto ci = static_cast<std::size_t>(cell);
    classed_[ci] = stampNow_;
    bool whole = cell != origin_ && cutsOff_[ci] <= 0;
    for (int s = 0; s < 4 && whole; ++s) whole = board_.step(cell, s) != origin_;
    if (!whole) findPieces(cell);
    int first = -1;
    for (int s = 0; s < 4; ++s) {
        const int u = board_.step(cell, s);
        const bool free = u >= 0 && !others_.test(u);
        if (whole) piece_[state(cell, s)] = free ? Unknown : -2;
        if (whole && free && first < 0) first = s;
        int cls = whole ? (free ? first : -1) : -1;
        for (int s2 = 0; s2 <= s && !whole && piece_[state(cell, s)] != -2 && cls < 0; ++s2)
            if (piece_[state(cell, s2)] == piece_[state(cell, s)]) cls = s2;
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
