#pragma once
// Whether a part of the floor that a cluster of empty goals (the gate) would cut off from the
// man once filled can still be cleared: every box of the part off a goal either put on one of
// its empty goals or taken out through the gate, its goals all filled, and the man outside at
// the end. A short search of the part, the gate and a few cells beyond it, the boxes on goals
// standing as walls; the boxes beyond the part are left out and a box pushed to the edge of the
// window is gone, so it errs towards "clears" (but for a part whose goals need a box from
// beyond the gate though its own boxes are enough in number). Answers are kept by the part's
// boxes and walls.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class PartCheck {
public:
    enum class Verdict { Clears, Fails, Unknown };

    /// `reach`: how far beyond the gate the window goes; `budget`: positions per search.
    explicit PartCheck(const Board& board, int reach = 4, int budget = 4000);

    /// Whether some part that a cluster of empty goals would cut off from the man at `man`
    /// cannot clear; `walls`: the boxes taken as walls (those on goals); `boxes`: every box.
    bool fails(const BoxSet& boxes, const BoxSet& walls, int man);
    /// `part`: the cells cut off by filling the empty goals `gate`, the man on the other side.
    Verdict check(const BoxSet& boxes, const BoxSet& walls, const std::vector<int>& gate, const std::vector<int>& part);
    std::uint64_t searches() const { return searches_; }
    std::uint64_t failures() const { return failures_; }
    std::uint64_t unknown() const { return unknown_; }
    std::uint64_t tooLarge() const { return tooLarge_; }

private:
    struct Window {
        std::vector<int> cells;          // local index to cell
        std::vector<int> next;           // local index * 4 + direction: local index, -1 none
        std::uint64_t inside = 0;        // the part's cells
        std::uint64_t goals = 0;         // the part's empty goals
        std::uint64_t gate = 0;          // the goals that would cut the part off
        std::uint64_t rim = 0;           // where a box is gone and the man is out
        std::uint64_t dead = 0;          // no box may go there
    };
    bool build(const BoxSet& walls, const std::vector<int>& gate, const std::vector<int>& part);
    bool clusterFails(const BoxSet& boxes, const BoxSet& walls, int man, const std::vector<int>& gate);
    std::vector<int> flood(int start, const BoxSet& walls, std::uint32_t block, std::uint32_t mark, std::size_t most);
    std::uint32_t fresh();
    std::uint64_t manRegion(std::uint64_t boxes, int man) const;
    Verdict search(std::uint64_t boxes, int man);
    bool done(std::uint64_t boxes, std::uint64_t region) const;

    const Board& board_;
    const int reach_, budget_;
    Window w_;
    std::vector<int> local_;  // by cell: local index, -1 outside the window
    std::vector<std::uint32_t> mark_;  // by cell, for the floods of fails
    std::uint32_t stamp_ = 0;
    std::unordered_map<std::uint64_t, Verdict> cache_;
    std::uint64_t searches_ = 0, failures_ = 0, unknown_ = 0, tooLarge_ = 0;
};

}  // namespace tolvar::solver
