#pragma once
// Minimum-cost assignment of goals to boxes, the solver's lower bound.
#include <cstdint>
#include <vector>

namespace tolvar::solver {

/// Solves the assignment problem on an n x m cost matrix (n <= m, row-major):
/// every row gets its own column. Reuses its buffers between calls.
class Matching {
public:
    static constexpr std::int32_t Infinite = 1 << 24;
    /// The least total cost, or Infinite when no assignment avoids an Infinite entry.
    std::int32_t MinCost(const std::vector<std::int32_t>& cost, int rows, int cols);

private:
    std::vector<std::int32_t> u_, v_, minv_;
    std::vector<int> p_, way_;
    std::vector<char> used_;
};

}  // namespace tolvar::solver
