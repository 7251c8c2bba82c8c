#pragma once
// The floor with the boxes on goals standing as walls, worked out once for each set of boxes on
// goals and kept: its areas, the empty goals whose filling would cut part of an area off (cut
// vertices, from a depth-first numbering of each area), and for each cell
// the empty goals a box there could be pushed to alone. The positions of a search share few
// sets of boxes on goals, so FeatureSearch reads its shut-in counts and its matching test from
// here without a flood of its own.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "solver/Board.h"
#include "solver/BoxSet.h"

namespace tolvar::solver {

class PlacedFloor {
public:
    explicit PlacedFloor(const Board& board);

    /// Boxes off goals against empty goals in each area the boxes on goals (`placed`) wall off,
    /// plus one for each area with an empty goal but not the man (at `man`).
    int shutIn(const BoxSet& boxes, const BoxSet& placed, int man);
    /// In the man's area: for each empty goal, what does not match in the parts its filling
    /// would cut off from the man (every part when he stands on it).
    int outOfPlan(const BoxSet& boxes, const BoxSet& placed, int man);
    /// Whether the boxes off goals cannot each be given an empty goal of their own that they
    /// can be pushed to alone, the boxes on goals walls and the others taken away.
    bool unmatched(const BoxSet& boxes, const BoxSet& placed);
    std::size_t bytes() const { return bytes_ + olderBytes_ + spareBytes_; }

private:
    struct Range {
        int first, end, goals;  // numbers [first, end), the empty goals among them
    };
    struct Cut {
        int goal, area;        // the goal, its area
        int firstPart, endPart;  // its parts in parts
    };
    struct Found {  // numberAreas's: a part and the goal that cuts it off
        int goal, area;
        Range part;
    };
    struct Layout {
        std::vector<int> number;            // by node: its number, -1 for a wall; empty till numbered
        std::vector<Range> areas;            // by area, in order of their numbers
        std::vector<Cut> cuts;               // by goal, grouped by area
        std::vector<Range> parts;            // subtrees a goal cuts off
        std::vector<std::uint64_t> reach;    // by push node, `words_` each: goals by index; empty till asked
        BoxSet reached;                      // the push nodes whose reach is worked out
    };
    Layout& layout(const BoxSet& placed);
    const Layout& numbered(const BoxSet& placed);
    Layout& reaching(const BoxSet& placed);
    void joinNodes();
    void numberAreas(Layout& layout, const BoxSet& placed);
    int numberOf(const Layout& layout, int cell) const { return layout.number[static_cast<std::size_t>(node_[static_cast<std::size_t>(cell)])]; }
    void condensePushes();
    void reachFrom(Layout& layout, const BoxSet& placed, int root);
    void closeComponent(Layout& layout, int first);
    /// The numbers of the boxes off goals, sorted, into numbers_.
    void numberBoxes(const Layout& layout, const BoxSet& boxes);
    int boxesIn(int first, int end) const;
    int area(const Layout& layout, int number) const;

    const Board& board_;
    int words_;                           // words of a set of goals
    std::vector<int> goalIndex_;          // by cell: the goal's index, -1 for none
    std::vector<int> pushTo_;             // by cell and direction: where a push takes a box, walls the only bar; -1 none
    // The goals a box reaches are worked out over push nodes, not cells: each goal one, and each
    // strongly connected component of the pushes that touch no goal (whatever stands on the
    // goals, a box in one can be pushed to every cell of it) one. A push between nodes holds
    // while the goals it needs, where the box goes and where the man stands, are empty.
    struct Push {
        int to;       // the push node the box goes to
        int needs[2];  // goal cells that must be empty, -1 for none
    };
    std::vector<int> pushNode_;            // by cell
    std::vector<int> pushStart_;           // by push node: its pushes, pushes_[pushStart_[v], pushStart_[v + 1])
    std::vector<Push> pushes_;
    // The areas are numbered over nodes, not cells: each goal a node, each piece of the floor
    // the goals leave (which no box on a goal can split) one node; that keeps the cut goals.
    std::vector<int> node_;               // by cell: its node
    std::vector<int> nodeGoal_;           // by node: its goal's cell, -1 for a piece
    std::vector<int> edgeStart_, edges_;  // by node: its neighbours, edges_[edgeStart_[v], edgeStart_[v + 1])
    static std::size_t Bytes(const Layout& layout);
    using Layouts = std::unordered_map<std::uint64_t, Layout>;
    Layouts layouts_, older_;  // by the hash of the boxes on goals
    std::vector<Layouts::node_type> spare_;  // forgotten layouts, their tables kept for new ones
    std::size_t bytes_ = 0, olderBytes_ = 0, spareBytes_ = 0;
    Layout* last_ = nullptr;              // the layout last asked for, of the boxes on goals lastPlaced_
    Layout* previous_ = nullptr;          // the one before it, of previousPlaced_
    BoxSet lastPlaced_, previousPlaced_;
    std::vector<int> numbers_;            // numberBoxes's answer, for these boxes in this layout:
    const Layout* numbersOf_ = nullptr;
    BoxSet numbersBoxes_;
    std::vector<const std::uint64_t*> reach_;  // unmatched's: by box off a goal, the goals it reaches
    std::vector<int> owner_;                   // unmatched's: by goal, its box
    std::vector<std::uint64_t> free_, tried_;  // unmatched's: goals without a box, goals tried this round
    std::vector<int> low_, up_, goals_, index_;  // by cell, for the numberings
    std::vector<char> waiting_;                           // by push node: in component_
    std::vector<int> component_;                          // reachFrom's push nodes of open components
    std::vector<std::pair<int, int>> dfs_;
    std::vector<Found> found_;
};

}  // namespace tolvar::solver
