#pragma once
// One best-first search over box positions, the work of Solve: the fewest
// pushes when its weight is 1, a quicker and longer solution above that.
#include <cstdint>
#include <vector>

#include "solver/BestFirst.h"
#include "solver/Board.h"
#include "solver/Bound.h"
#include "solver/BoxSet.h"
#include "solver/DeadlockPatterns.h"
#include "solver/FloorCuts.h"
#include "solver/ManRegion.h"
#include "solver/PackingOrder.h"

namespace tolvar::solver {

/// How one search looks for a solution.
struct SearchStyle {
    double weight = 1.0;  // 1: the fewest pushes; above: a quicker and longer solution
    bool pruneDeadlocks = true;
    bool pruneCorrals = false;
    /// When given, steers the search to fill goal clusters in order (never with weight 1).
    const PackingOrder* guide = nullptr;
    /// With a guide: each area the free floor is split into beyond the first costs this
    /// many quarter pushes, so boxes standing in each other's way are moved apart first.
    std::uint32_t areaCost = 0;
    /// Areas of fewer cells cost nothing (the first area is free whatever its size).
    int smallestArea = 1;
    /// When given, prunes with the deadlocks learned so far and learns more.
    DeadlockPatterns* patterns = nullptr;
};

class Search : public BestFirst {
public:
    Search(const Level& level, const Board& board, const SearchStyle& style);

private:
    struct Expansion {
        std::uint32_t id;
        std::uint16_t pushes;
        BoxSet boxes;
        int man;             // the least cell of the man's region
        PositionKey boxKey;  // hashes of the boxes alone
    };
    /// A push from the expanded position that is possible and not plainly hopeless, worked
    /// out before the store is asked about any of them, so that its slots are fetched early.
    struct Child {
        int box, dir, to, length;
        FloorCuts::AfterPush floor;
        PositionKey boxKey, key;
        BoxSet boxes;
    };
    bool solvedBy(const BoxSet& boxes) const;
    std::uint32_t estimate(const BoxSet& boxes, std::uint32_t bound, int areas = -1);
    int landing(const SearchNode& node) const;
    int restore(std::uint32_t id, BoxSet& boxes);
    void expand(std::uint32_t id, std::uint16_t pushes) override;
    void collectPush(const Expansion& e, int box, int dir);
    bool addChild(const Expansion& e, const Child& c);
    int pushOn(const BoxSet& boxes, int& to, int dir, std::uint16_t pushes) const;
    void begin() override;
    void finish(SolveResult& result) override;

    const Board& board_;
    const PackingOrder* guide_;
    DeadlockPatterns* patterns_;
    ManRegion region_;      // the man's walks of a solution
    ManRegion areaRegion_;  // counts the areas of the start's free floor
    FloorCuts cuts_;        // the expanded position's floor, its children's men and areas
    std::uint32_t areaCost_ = 0;
    int smallestArea_ = 1;
    std::uint32_t weight_ = 4;
    BoxSet startBoxes_;
    bool prune_ = true;
    bool corrals_ = true;
    bool tunnels_ = true;  // a box pushed into a tunnel goes on through it
    Bound bound_;
    std::vector<std::uint32_t> path_;
    std::vector<Child> children_;  // of the expanded position; the first childCount_ hold them
    std::size_t childCount_ = 0;
};

}  // namespace tolvar::solver
