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
    /// The same for a matrix that differs from the one of the last MinCost in column
    /// `changed` only; quicker, as it starts from that solution (which it keeps).
    std::int32_t MinCostWithColumn(const std::vector<std::int32_t>& cost, int rows, int cols, int changed);

private:
    struct Solution {
        std::vector<std::int32_t> u, v;  // potentials of rows and columns, 1-based
        std::vector<int> p;              // the row each column holds, 0 for none
    };
    std::int32_t MinCostFresh(const std::vector<std::int32_t>& cost, int rows, int cols);
    void seed(const std::vector<std::int32_t>& cost, std::size_t n, Solution& s);
    void augment(const std::vector<std::int32_t>& cost, std::size_t m, int row, Solution& s);
    static std::int32_t Total(const std::vector<std::int32_t>& cost, std::size_t m, const Solution& s);

    Solution last_, trial_;
    std::vector<std::int64_t> minv_, joined_;
    std::vector<int> way_;
    std::vector<char> held_;  // by row: matched by seed
};

}  // namespace tolvar::solver
