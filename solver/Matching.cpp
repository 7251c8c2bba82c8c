#include "solver/Matching.h"

#include <algorithm>

namespace tolvar::solver {

namespace {
constexpr std::int32_t Big = Matching::Infinite * 64;
}

// The Hungarian method with potentials: rows join one at a time, each along a
// shortest path of reduced costs, O(rows^2 * cols) in all.
std::int32_t Matching::MinCost(const std::vector<std::int32_t>& cost, int rows, int cols) {
    if (rows == 0 || rows > cols) return rows == 0 ? 0 : Infinite;
    const auto n = static_cast<std::size_t>(rows), m = static_cast<std::size_t>(cols);
    last_.u.assign(n + 1, 0);
    last_.v.assign(m + 1, 0);
    last_.p.assign(m + 1, 0);
    for (int i = 1; i <= rows; ++i) augment(cost, m, i, last_);
    return Total(cost, m, last_);
}

std::int32_t Matching::MinCostFresh(const std::vector<std::int32_t>& cost, int rows, int cols) {
    const Solution kept = last_;
    const auto total = MinCost(cost, rows, cols);
    last_ = kept;
    return total;
}

// A changed column keeps every reduced cost non-negative once its potential is
// lowered to its least reduced cost; only the row it held has to find a place again.
std::int32_t Matching::MinCostWithColumn(const std::vector<std::int32_t>& cost, int rows, int cols, int changed) {
    // With spare columns a free column must keep a potential of 0, which this shortcut cannot promise.
    if (rows != cols || last_.p.size() != static_cast<std::size_t>(cols) + 1) return MinCostFresh(cost, rows, cols);
    const auto n = static_cast<std::size_t>(rows), m = static_cast<std::size_t>(cols);
    const auto j = static_cast<std::size_t>(changed) + 1;
    trial_ = last_;
    std::int32_t least = Big;
    for (std::size_t i = 1; i <= n; ++i) least = std::min(least, cost[(i - 1) * m + (j - 1)] - trial_.u[i]);
    trial_.v[j] = least;
    const int row = trial_.p[j];
    if (row != 0) {
        trial_.p[j] = 0;
        augment(cost, m, row, trial_);
    }
    return Total(cost, m, trial_);
}

void Matching::augment(const std::vector<std::int32_t>& cost, std::size_t m, int row, Solution& s) {
    s.p[0] = row;
    std::size_t j0 = 0;
    minv_.assign(m + 1, Big);
    used_.assign(m + 1, 0);
    way_.assign(m + 1, 0);
    do {
        used_[j0] = 1;
        const auto i0 = static_cast<std::size_t>(s.p[j0]);
        std::int32_t delta = Big;
        std::size_t j1 = 0;
        for (std::size_t j = 1; j <= m; ++j) {
            if (used_[j]) continue;
            const std::int32_t cur = cost[(i0 - 1) * m + (j - 1)] - s.u[i0] - s.v[j];
            if (cur < minv_[j]) {
                minv_[j] = cur;
                way_[j] = static_cast<int>(j0);
            }
            if (minv_[j] < delta) {
                delta = minv_[j];
                j1 = j;
            }
        }
        for (std::size_t j = 0; j <= m; ++j) {
            if (used_[j]) {
                s.u[static_cast<std::size_t>(s.p[j])] += delta;
                s.v[j] -= delta;
            } else {
                minv_[j] -= delta;
            }
        }
        j0 = j1;
    } while (s.p[j0] != 0);
    do {
        const auto j1 = static_cast<std::size_t>(way_[j0]);
        s.p[j0] = s.p[j1];
        j0 = j1;
    } while (j0);
}

std::int32_t Matching::Total(const std::vector<std::int32_t>& cost, std::size_t m, const Solution& s) {
    std::int64_t total = 0;
    for (std::size_t j = 1; j <= m; ++j)
        if (s.p[j] != 0) total += cost[static_cast<std::size_t>(s.p[j] - 1) * m + (j - 1)];
    return total >= Matching::Infinite ? Matching::Infinite : static_cast<std::int32_t>(total);
}

}  // namespace tolvar::solver
