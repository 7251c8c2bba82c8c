#include "solver/Matching.h"

#include <algorithm>
#include <limits>

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
    held_.assign(n + 1, 0);
    if (rows == cols) seed(cost, n, last_);
    for (int i = 1; i <= rows; ++i)
        if (!held_[static_cast<std::size_t>(i)]) augment(cost, m, i, last_);
    return Total(cost, m, last_);
}

// A square matrix starts from potentials that give every row and column a reduced cost of 0
// somewhere, and rows matched greedily along those: most rows then need no path of their own.
// (With spare columns a free column must keep a potential of 0, so those start from nothing.)
void Matching::seed(const std::vector<std::int32_t>& cost, std::size_t n, Solution& s) {
    for (std::size_t i = 1; i <= n; ++i) s.u[i] = *std::min_element(cost.begin() + (i - 1) * n, cost.begin() + i * n);
    for (std::size_t j = 1; j <= n; ++j) {
        std::int32_t least = Big;
        for (std::size_t i = 1; i <= n; ++i) least = std::min(least, cost[(i - 1) * n + (j - 1)] - s.u[i]);
        s.v[j] = least;
    }
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n && !held_[i]; ++j)
            if (s.p[j] == 0 && cost[(i - 1) * n + (j - 1)] - s.u[i] - s.v[j] == 0) {
                s.p[j] = static_cast<int>(i);
                held_[i] = 1;
            }
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
    // A row that still has a reduced cost of 0 in the column keeps it: the matching stays the least.
    if (row != 0 && cost[static_cast<std::size_t>(row - 1) * m + (j - 1)] - trial_.u[static_cast<std::size_t>(row)] != least) {
        trial_.p[j] = 0;
        augment(cost, m, row, trial_);
    }
    return Total(cost, m, trial_);
}

// One row joins along a shortest path of reduced costs (Dijkstra over the columns). The
// distances are kept from the start of the search rather than lowered at every step, and a
// column's potential and its row's take what they missed once the path is found: the same
// numbers as lowering them all each step, without the pass over every column that costs.
// The tables are read through plain pointers, so the compiler keeps them in registers.
void Matching::augment(const std::vector<std::int32_t>& cost, std::size_t m, int row, Solution& s) {
    std::int32_t* const u = s.u.data();
    std::int32_t* const v = s.v.data();
    int* const p = s.p.data();
    minv_.assign(m + 1, Big);
    joined_.assign(m + 1, -1);
    way_.resize(m + 1);  // every column's entry is written in the first round, before it is read
    std::int64_t* const minv = minv_.data();
    std::int64_t* const joined = joined_.data();  // the distance a column joined the tree at, or -1
    int* const way = way_.data();
    p[0] = row;
    std::size_t j0 = 0;
    std::int64_t reached = 0;  // the distance of the column that joined last
    do {
        joined[j0] = reached;
        const auto i0 = static_cast<std::size_t>(p[j0]);
        const std::int32_t* const costs = cost.data() + (i0 - 1) * m;  // the row's, column j at j - 1
        const std::int64_t base = reached - u[i0];
        std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
        std::size_t j1 = 0;
        for (std::size_t j = 1; j <= m; ++j) {
            if (joined[j] >= 0) continue;
            const std::int64_t cur = base + costs[j - 1] - v[j];
            if (cur < minv[j]) {
                minv[j] = cur;
                way[j] = static_cast<int>(j0);
            }
            if (minv[j] < nearest) {
                nearest = minv[j];
                j1 = j;
            }
        }
        reached = nearest;
        j0 = j1;
    } while (p[j0] != 0);
    for (std::size_t j = 0; j <= m; ++j)
        if (joined[j] >= 0) {
            const auto missed = static_cast<std::int32_t>(reached - joined[j]);
            u[p[j]] += missed;
            v[j] -= missed;
        }
    do {
        const auto j1 = static_cast<std::size_t>(way[j0]);
        p[j0] = p[j1];
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
