#include "solver/PartCheck.h"

#include <algorithm>
#include <bit>
#include <unordered_set>

namespace tolvar::solver {

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}

std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

}  // namespace

PartCheck::PartCheck(const Board& board, int reach, int budget)
    : board_(board), reach_(reach), budget_(budget), local_(static_cast<std::size_t>(board.size()), -1),
      mark_(local_.size(), 0) {}

// The window: the part, then the gate, then the floor beyond it up to `reach_` steps.
bool PartCheck::build(const BoxSet& walls, const std::vector<int>& gate, const std::vector<int>& part) {
    for (const int c : w_.cells) local_[static_cast<std::size_t>(c)] = -1;
    w_ = Window{};
    auto take = [&](int c) {
        local_[static_cast<std::size_t>(c)] = static_cast<int>(w_.cells.size());
        w_.cells.push_back(c);
    };
    for (const int c : part) take(c);
    const std::size_t firstOut = w_.cells.size();
    for (const int c : gate) take(c);
    std::vector<int> dist(gate.size(), 0);
    for (std::size_t k = firstOut; k < w_.cells.size() && w_.cells.size() <= 64; ++k)
        for (int d = 0; d < 4 && dist[k - firstOut] < reach_; ++d) {
            const int n = board_.step(w_.cells[k], d);
            if (n < 0 || walls.test(n) || local_[static_cast<std::size_t>(n)] >= 0) continue;
            take(n);
            dist.push_back(dist[k - firstOut] + 1);
        }
    if (w_.cells.size() > 64) return false;
    w_.next.assign(w_.cells.size() * 4, -1);
    for (std::size_t i = 0; i < w_.cells.size(); ++i) {
        const int c = w_.cells[i];
        const std::uint64_t bit = Bit(static_cast<int>(i));
        if (i < part.size()) w_.inside |= bit;
        if (i < part.size() && board_.isGoal(c)) w_.goals |= bit;
        if (i >= part.size() && i < firstOut + gate.size()) w_.gate |= bit;
        if (board_.isDead(c)) w_.dead |= bit;
        for (int d = 0; d < 4; ++d) {
            const int n = board_.step(c, d);
            if (n < 0 || walls.test(n)) continue;
            w_.next[i * 4 + static_cast<std::size_t>(d)] = local_[static_cast<std::size_t>(n)];
            if (local_[static_cast<std::size_t>(n)] < 0 && i >= firstOut + gate.size()) w_.rim |= bit;
        }
    }
    return true;
}

// The man's cells among the window's free cells; all the rim counts as one place, joined
// round the outside.
std::uint64_t PartCheck::manRegion(std::uint64_t boxes, int man) const {
    std::uint64_t region = Bit(man), todo = Bit(man);
    bool rimJoined = false;
    while (todo != 0) {
        const int c = std::countr_zero(todo);
        todo &= todo - 1;
        if (!rimJoined && (w_.rim & Bit(c)) != 0) {
            rimJoined = true;
            const std::uint64_t more = w_.rim & ~boxes & ~region;
            region |= more, todo |= more;
        }
        for (int d = 0; d < 4; ++d) {
            const int n = w_.next[static_cast<std::size_t>(c * 4 + d)];
            if (n < 0 || ((boxes | region) & Bit(n)) != 0) continue;
            region |= Bit(n), todo |= Bit(n);
        }
    }
    return region;
}

// Every box of the part on a goal, every goal of the part filled, and the man out: on the rim,
// or beyond the gate where the window has no rim.
bool PartCheck::done(std::uint64_t boxes, std::uint64_t region) const {
    if ((boxes & w_.inside) != w_.goals) return false;
    if (w_.rim != 0) return (region & w_.rim) != 0;
    return (region & ~w_.inside & ~w_.gate) != 0;
}

PartCheck::Verdict PartCheck::search(std::uint64_t start, int man) {
    struct KeyHash {
        std::size_t operator()(const std::pair<std::uint64_t, int>& k) const { return Mix(k.first, static_cast<std::uint64_t>(k.second)); }
    };
    std::unordered_set<std::pair<std::uint64_t, int>, KeyHash> seen;
    std::vector<std::pair<std::uint64_t, int>> queue{{start, man}};
    seen.insert(queue.front());
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const auto [boxes, at] = queue[head];
        const std::uint64_t region = manRegion(boxes, at);
        if (done(boxes, region)) return Verdict::Clears;
        for (std::uint64_t rest = boxes; rest != 0; rest &= rest - 1) {
            const int b = std::countr_zero(rest);
            for (int d = 0; d < 4; ++d) {
                const int from = w_.next[static_cast<std::size_t>(b * 4 + Opposite(d))];
                const int to = w_.next[static_cast<std::size_t>(b * 4 + d)];
                if (from < 0 || to < 0 || (region & Bit(from)) == 0 || ((boxes | w_.dead) & Bit(to)) != 0) continue;
                const std::uint64_t next = (boxes & ~Bit(b)) | ((w_.rim & Bit(to)) != 0 ? 0 : Bit(to));
                const int nextMan = std::countr_zero(manRegion(next, b));
                if (seen.emplace(next, nextMan).second) queue.emplace_back(next, nextMan);
            }
        }
        if (static_cast<int>(seen.size()) > budget_) return Verdict::Unknown;
    }
    return Verdict::Fails;
}

PartCheck::Verdict PartCheck::check(const BoxSet& boxes, const BoxSet& walls, const std::vector<int>& gate, const std::vector<int>& part) {
    if (!build(walls, gate, part)) return ++tooLarge_, Verdict::Unknown;
    std::uint64_t start = 0, key = gate.size();
    for (std::size_t i = 0; i < part.size(); ++i)
        if (boxes.test(part[i]) && !walls.test(part[i])) start |= Bit(static_cast<int>(i));
    for (const int c : w_.cells) key = Mix(key, static_cast<std::uint64_t>(c));
    key = Mix(key, start);
    if (const auto it = cache_.find(key); it != cache_.end()) return it->second;
    ++searches_;
    const Verdict verdict = search(start, std::countr_zero(manRegion(start, static_cast<int>(part.size()))));
    // The man starts on the gate, which he reaches from his side (the boxes there left out).
    failures_ += verdict == Verdict::Fails ? 1 : 0;
    unknown_ += verdict == Verdict::Unknown ? 1 : 0;
    cache_.emplace(key, verdict);
    return verdict;
}

// Floods from `start` over the floor but `walls`, the cells marked `block` and those already
// marked with `mark`, stopping past `most` cells; returns the cells reached.
std::vector<int> PartCheck::flood(int start, const BoxSet& walls, std::uint32_t block, std::uint32_t mark, std::size_t most) {
    std::vector<int> cells{start};
    mark_[static_cast<std::size_t>(start)] = mark;
    for (std::size_t k = 0; k < cells.size() && cells.size() <= most; ++k)
        for (int d = 0; d < 4; ++d) {
            const int n = board_.step(cells[k], d);
            if (n < 0 || walls.test(n)) continue;
            const std::uint32_t m = mark_[static_cast<std::size_t>(n)];
            if (m == block || m == mark) continue;
            mark_[static_cast<std::size_t>(n)] = mark;
            cells.push_back(n);
        }
    return cells;
}

std::uint32_t PartCheck::fresh() {
    if (++stamp_ == 0) std::fill(mark_.begin(), mark_.end(), 0u), stamp_ = 1;
    return stamp_;
}

// Each cluster of empty goals whose filling would cut parts of the floor off from the man:
// every such part with no fewer boxes off goals than empty goals must clear.
bool PartCheck::fails(const BoxSet& boxes, const BoxSet& walls, int man) {
    const std::uint32_t goalsSeen = fresh();
    std::vector<std::vector<int>> clusters;
    for (const int g : board_.goals()) {
        if (walls.test(g) || mark_[static_cast<std::size_t>(g)] == goalsSeen) continue;
        std::vector<int> cluster{g};
        mark_[static_cast<std::size_t>(g)] = goalsSeen;
        for (std::size_t k = 0; k < cluster.size(); ++k)
            for (int d = 0; d < 4; ++d) {
                const int n = board_.step(cluster[k], d);
                if (n < 0 || !board_.isGoal(n) || walls.test(n) || mark_[static_cast<std::size_t>(n)] == goalsSeen) continue;
                mark_[static_cast<std::size_t>(n)] = goalsSeen;
                cluster.push_back(n);
            }
        if (cluster.size() <= 24) clusters.push_back(std::move(cluster));
    }
    for (const auto& cluster : clusters)
        if (clusterFails(boxes, walls, man, cluster)) return true;
    return false;
}

// The parts round the cluster `gate` small enough for a window: floods from its sides that
// stop within 56 cells less the gate's and miss the man.
bool PartCheck::clusterFails(const BoxSet& boxes, const BoxSet& walls, int man, const std::vector<int>& gate) {
    const std::uint32_t gateMark = fresh();
    for (const int c : gate) mark_[static_cast<std::size_t>(c)] = gateMark;
    if (mark_[static_cast<std::size_t>(man)] == gateMark) return false;
    const std::size_t most = 56 - gate.size();
    for (const int c : gate)
        for (int d = 0; d < 4; ++d) {
            const int n = board_.step(c, d);
            if (n < 0 || walls.test(n) || mark_[static_cast<std::size_t>(n)] >= gateMark) continue;
            const std::uint32_t partMark = fresh();
            const std::vector<int> part = flood(n, walls, gateMark, partMark, most);
            if (part.size() > most || mark_[static_cast<std::size_t>(man)] == partMark) continue;
            int balance = 0, loose = 0;
            for (const int p : part) {
                loose += boxes.test(p) ? 1 : 0;
                balance += (boxes.test(p) ? 1 : 0) - (board_.isGoal(p) ? 1 : 0);
            }
            if (loose > 0 && balance >= 0 && check(boxes, walls, gate, part) == Verdict::Fails) return true;
        }
    return false;
}

}  // namespace tolvar::solver
