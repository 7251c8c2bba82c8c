#include "solver/PackingOrder.h"

#include <algorithm>
#include <utility>

#include "solver/ManRegion.h"

namespace tolvar::solver {

namespace {

bool LeavesCluster(const BoxSet& reach, const BoxSet& cluster) { return !reach.within(cluster); }

}  // namespace

PackingOrder::PackingOrder(const Board& board) : board_(board), rank_(board.goals().size(), -1) {
    const auto& goals = board.goals();
    std::vector<char> taken(goals.size(), 0);
    for (std::size_t first = 0; first < goals.size(); ++first) {
        if (taken[first]) continue;
        // The goals joined to this one through neighbouring goals.
        std::vector<int> cluster{static_cast<int>(first)};
        taken[first] = 1;
        for (std::size_t k = 0; k < cluster.size(); ++k)
            for (std::size_t other = 0; other < goals.size(); ++other) {
                const int a = goals[static_cast<std::size_t>(cluster[k])], b = goals[other];
                const bool beside = std::abs(board.x(a) - board.x(b)) + std::abs(board.y(a) - board.y(b)) == 1;
                if (!taken[other] && beside) {
                    taken[other] = 1;
                    cluster.push_back(static_cast<int>(other));
                }
            }
        if (cluster.size() > 1) orderCluster(cluster);
    }
}

// Empties the cluster in layers: each time every box that can leave now. Taking
// a box out never stops another from leaving, so the goals of one layer may be
// filled in any order, and the layers from the last taken out to the first.
void PackingOrder::orderCluster(const std::vector<int>& cluster) {
    BoxSet filled = board_.noCells(), cells = board_.noCells();
    for (int g : cluster) {
        filled.set(board_.goals()[static_cast<std::size_t>(g)]);
        cells.set(board_.goals()[static_cast<std::size_t>(g)]);
    }
    std::vector<std::vector<int>> layers;
    for (std::size_t left = cluster.size(); left > 0;) {
        std::vector<int> layer;
        for (int g : cluster) {
            const int cell = board_.goals()[static_cast<std::size_t>(g)];
            if (filled.test(cell) && canLeave(filled, cells, cell)) layer.push_back(g);
        }
        if (layer.empty()) return;  // stuck: no order for this cluster
        for (int g : layer) filled.reset(board_.goals()[static_cast<std::size_t>(g)]);
        left -= layer.size();
        layers.push_back(layer);
    }
    std::vector<int> order;
    for (std::size_t k = 0; k < layers.size(); ++k)
        for (int g : layers[layers.size() - 1 - k]) {
            rank_[static_cast<std::size_t>(g)] = static_cast<int>(k);
            order.push_back(g);
        }
    clusters_.push_back(order);
}

// Whether the box on `goal` can be pulled out of the cluster while the other
// filled goals keep their boxes, the man coming from outside the cluster.
bool PackingOrder::canLeave(const BoxSet& filled, const BoxSet& cluster, int goal) const {
    BoxSet others = filled;
    others.reset(goal);
    // (box, man's least cell) pairs seen, a set of cells for each box cell.
    std::vector<BoxSet> seen(static_cast<std::size_t>(board_.size()));
    auto firstVisit = [&](int box, int least) {
        BoxSet& leasts = seen[static_cast<std::size_t>(box)];
        if (leasts.words() == 0) leasts = board_.noCells();
        if (leasts.test(least)) return false;
        leasts.set(least);
        return true;
    };
    std::vector<std::pair<int, int>> queue;  // (box, man's least cell)
    ManRegion region(board_);
    auto flood = [&](const BoxSet& boxes, int from, BoxSet& reach) {
        reach = board_.noCells();
        return region.flood(boxes, from, &reach);
    };
    BoxSet reach = board_.noCells();
    BoxSet blocked = others;
    blocked.set(goal);
    for (int d = 0; d < 4; ++d) {
        const int start = board_.step(goal, d);
        if (start < 0 || blocked.test(start)) continue;
        const int least = flood(blocked, start, reach);
        if (LeavesCluster(reach, cluster) && firstVisit(goal, least)) queue.emplace_back(goal, least);
    }
    while (!queue.empty()) {
        const auto [box, man] = queue.back();
        queue.pop_back();
        blocked = others;
        blocked.set(box);
        flood(blocked, man, reach);
        for (int d = 0; d < 4; ++d) {
            const int stand = board_.step(box, d);
            const int back = stand < 0 ? -1 : board_.step(stand, d);
            if (stand < 0 || back < 0 || !reach.test(stand) || blocked.test(back)) continue;
            if (!cluster.test(stand)) return true;
            BoxSet next = others, nextReach = board_.noCells();
            next.set(stand);
            const int least = flood(next, back, nextReach);
            if (firstVisit(stand, least)) queue.emplace_back(stand, least);
        }
    }
    return false;
}

int PackingOrder::outOfOrder(const BoxSet& boxes) const {
    int count = 0;
    for (const auto& order : clusters_) {
        std::size_t k = 0;
        while (k < order.size() && boxes.test(board_.goals()[static_cast<std::size_t>(order[k])])) ++k;
        if (k == order.size()) continue;
        const int firstEmpty = rank_[static_cast<std::size_t>(order[k])];
        for (++k; k < order.size(); ++k) {
            const auto g = static_cast<std::size_t>(order[k]);
            count += rank_[g] > firstEmpty && boxes.test(board_.goals()[g]);
        }
    }
    return count;
}

}  // namespace tolvar::solver
