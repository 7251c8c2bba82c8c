#include "solver/PullSearch.h"

namespace tolvar::solver {

PullSearch::PullSearch(const Level& level, const Board& board, double weight)
    : board_(board), back_(level, Board::Distances::Measure, Board::Sense::Pulls), bound_(back_),
      weight_(QuarterWeight(weight)), startBoxes_(back_.goalMask()),
      region_(board), cuts_(board) {
    startMan_ = region_.flood(startBoxes_, board.manStart());
}

// One root for each area of free floor the man may stand in once every goal is filled;
// a root keeps the man's cell where a pull keeps the cell its box left.
void PullSearch::begin() {
    const BoxSet& boxes = board_.goalMask();
    const std::uint32_t bound = bound_.of(boxes);
    if (bound == Bound::None) return;
    const PositionKey boxKey = Keys().boxes(boxes);
    BoxSet seen = boxes;
    for (int cell = 0; cell < board_.size(); ++cell) {
        if (seen.test(cell)) continue;
        const int man = region_.flood(boxes, cell, &seen);
        SearchNode root;
        const PositionKey key = boxKey ^ Keys().man[static_cast<std::size_t>(man)];
        root.setHash(key.hash, key.check);
        root.parent = NodeStore::None;
        root.setPush(man, 0);
        const std::uint32_t id = nodes_.add(root);
        if (reachedStart(boxes, man)) goalNode_ = id;
        open_.push(bound * weight_, 0, id);
    }
}

// Replays the pulls that lead to node `id` from its root; returns the man's cell.
int PullSearch::restore(std::uint32_t id, BoxSet& boxes) {
    path_.clear();
    std::uint32_t n = id;
    for (; nodes_[n].parent != NodeStore::None; n = nodes_[n].parent) path_.push_back(n);
    boxes = board_.goalMask();
    int man = nodes_[n].from();
    for (auto it = path_.rbegin(); it != path_.rend(); ++it) {
        const SearchNode& node = nodes_[*it];
        const int to = board_.step(node.from(), node.dir());
        boxes.reset(node.from());
        boxes.set(to);
        man = board_.step(to, node.dir());
    }
    return man;
}

void PullSearch::expand(std::uint32_t id, std::uint16_t pulls) {
    BoxSet boxes;
    cuts_.walk(boxes, restore(id, boxes));
    bound_.setParent(boxes);
    const PositionKey boxKey = Keys().boxes(boxes);
    boxes.forEach([&](int box) {
        for (int d = 0; d < 4 && goalNode_ == NodeStore::None; ++d) tryPull(id, pulls, boxes, boxKey, box, d);
    });
}

// Adds the position after the man, beside the box at `box` on its side `dir`, pulls it
// one step that way and steps back himself, if the pull is possible and not hopeless.
void PullSearch::tryPull(std::uint32_t id, std::uint16_t pulls, const BoxSet& parent, const PositionKey& parentKey, int box,
                         int dir) {
    const int to = board_.step(box, dir);
    if (to < 0 || !cuts_.reached(to) || back_.isDead(to)) return;
    const int stand = board_.step(to, dir);
    if (stand < 0 || parent.test(stand)) return;
    BoxSet boxes = parent;
    boxes.reset(box);
    boxes.set(to);
    const int man = cuts_.manAfterPull(box, to, stand);
    const PositionKey boxKey = parentKey ^ Keys().box[static_cast<std::size_t>(box)] ^ Keys().box[static_cast<std::size_t>(to)];
    const PositionKey key = boxKey ^ Keys().man[static_cast<std::size_t>(man)];
    SearchNode child;
    child.setHash(key.hash, key.check);
    child.parent = id;
    child.pushes = static_cast<std::uint16_t>(pulls + 1);
    child.setPush(box, dir);
    if (storedBefore(child, [&] { return bound_.child(box, to, boxKey.hash) * weight_; })) return;
    const std::uint32_t bound = bound_.child(box, to, boxKey.hash);
    if (bound == Bound::None) return;
    const std::uint32_t childId = nodes_.add(child);
    if (reachedStart(boxes, man)) goalNode_ = childId;
    open_.push(child.pushes * 4u + bound * weight_, child.pushes, childId);
}

// The pulls from the winning position back to its root, each undone as a push, are the
// solution from the start.
void PullSearch::finish(SolveResult& result) {
    BoxSet boxes;
    restore(goalNode_, boxes);  // fills path_, the last pull first
    boxes = startBoxes_;
    int man = board_.manStart();
    result.moves.clear();
    result.pushes = 0;
    for (const std::uint32_t n : path_) {
        const SearchNode& node = nodes_[n];
        const int to = board_.step(node.from(), node.dir());
        const int stand = board_.step(to, node.dir());
        result.moves += region_.path(boxes, man, stand);
        result.moves += Directions[static_cast<std::size_t>(Opposite(node.dir()))].digit;
        ++result.pushes;
        boxes.reset(to);
        boxes.set(node.from());
        man = to;
    }
    result.provenFewest = false;
}

}  // namespace tolvar::solver
