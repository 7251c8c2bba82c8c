#pragma once
// The order in which a cluster of goals can be filled. Worked out backwards:
// with every goal of the cluster holding a box, a box that can be pulled out of
// the cluster, the others standing still, is one that can be pushed in last.
// The quicker searches use the order as a guide: a goal filled while one that
// comes before it in its cluster is still empty is likely to block the way.
#include <cstdint>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class PackingOrder {
public:
    explicit PackingOrder(const Board& board);

    /// Goals filled while an earlier goal of their cluster is still empty.
    int outOfOrder(const BoxSet& boxes) const;
    /// The layer of its cluster's filling order each goal is in, by goal number (0 fills first;
    /// goals of one layer in any order); -1 where no order was found.
    const std::vector<int>& ranks() const { return rank_; }

private:
    bool canLeave(const BoxSet& filled, const BoxSet& cluster, int goal) const;
    void orderCluster(const std::vector<int>& cluster);

    const Board& board_;
    std::vector<int> rank_;                  // by goal number
    std::vector<std::vector<int>> clusters_;  // goal numbers, by layer
};

}  // namespace tolvar::solver
