#include "solver/Matching.h"

#include <algorithm>

namespace tolvar::solver {

// The Hungarian method with potentials, O(rows^2 * cols).
std::int32_t Matching::MinCost(const std::vector<std::int32_t>& cost, int rows, int cols) {
    if (rows == 0) return 0;
    if (rows > cols) return Infinite;
    constexpr std::int32_t Big = Infinite * 64;
    const auto n = static_cast<std::size_t>(rows), m = static_cast<std::size_t>(cols);
    u_.assign(n + 1, 0);
    v_.assign(m + 1, 0);
    p_.assign(m + 1, 0);
    way_.assign(m + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        p_[0] = static_cast<int>(i);
        std::size_t j0 = 0;
        minv_.assign(m + 1, Big);
        used_.assign(m + 1, 0);
        do {
            used_[j0] = 1;
            const auto i0 = static_cast<std::size_t>(p_[j0]);
            std::int32_t delta = Big;
            std::size_t j1 = 0;
            for (std::size_t j = 1; j <= m; ++j) {
                if (used_[j]) continue;
                const std::int32_t cur = cost[(i0 - 1) * m + (j - 1)] - u_[i0] - v_[j];
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
                    u_[static_cast<std::size_t>(p_[j])] += delta;
                    v_[j] -= delta;
                } else {
                    minv_[j] -= delta;
                }
            }
            j0 = j1;
        } while (p_[j0] != 0);
        do {
            const auto j1 = static_cast<std::size_t>(way_[j0]);
            p_[j0] = p_[j1];
            j0 = j1;
        } while (j0);
    }
    std::int64_t total = 0;
    for (std::size_t j = 1; j <= m; ++j)
        if (p_[j] != 0) total += cost[static_cast<std::size_t>(p_[j] - 1) * m + (j - 1)];
    return total >= Infinite ? Infinite : static_cast<std::int32_t>(total);
}

}  // namespace tolvar::solver
