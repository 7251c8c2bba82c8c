#include "solver/Search.h"

#include <algorithm>

#include "solver/Corral.h"

namespace tolvar::solver {

namespace {

// What a goal filled out of its cluster's order adds to the estimate of a guided search.
constexpr std::uint32_t OutOfOrderCost = 4 * 4;

}  // namespace

Search::Search(const Level& level, const Board& board, const SearchStyle& style)
    : board_(board), guide_(style.guide), patterns_(style.patterns), region_(board_), areaRegion_(board_), cuts_(board_),
      areaCost_(style.guide ? style.areaCost : 0), smallestArea_(style.smallestArea), bound_(board_) {
    weight_ = QuarterWeight(style.weight);
    startBoxes_ = board_.boxesOf(level);
    // With spare boxes a box may rest anywhere, so only the bound prunes then.
    prune_ = style.pruneDeadlocks && startBoxes_.count() == static_cast<int>(board_.goals().size());
    corrals_ = prune_ && style.pruneCorrals;
    tunnels_ = prune_;
}

// The estimate a position is queued by, pushes made not counted, in quarter pushes.
// `areas`, when known, is the number of areas the free floor falls into.
std::uint32_t Search::estimate(const BoxSet& boxes, std::uint32_t bound, int areas) {
    if (!guide_) return bound * weight_;
    if (!areaCost_) areas = 1;
    else if (areas < 0) areas = areaRegion_.areas(boxes, smallestArea_);
    areas = std::max(1, areas);
    const std::uint32_t apart = static_cast<std::uint32_t>(areas - 1) * areaCost_;
    return bound * weight_ + static_cast<std::uint32_t>(guide_->outOfOrder(boxes)) * OutOfOrderCost + apart;
}

bool Search::solvedBy(const BoxSet& boxes) const {
    return board_.goalMask().within(boxes);
}

// The cell the box of the pushes that led to `node` ended on.
int Search::landing(const SearchNode& node) const {
    int to = node.from();
    for (int k = 0; k < node.length(); ++k) to = board_.step(to, node.dir());
    return to;
}

// Replays the pushes that lead to node `id` from the start; returns the man's cell.
int Search::restore(std::uint32_t id, BoxSet& boxes) {
    path_.clear();
    for (std::uint32_t n = id; nodes_[n].parent != NodeStore::None; n = nodes_[n].parent) path_.push_back(n);
    boxes = startBoxes_;
    int man = board_.manStart();
    for (auto it = path_.rbegin(); it != path_.rend(); ++it) {
        const SearchNode& node = nodes_[*it];
        const int to = landing(node);
        boxes.reset(node.from());
        boxes.set(to);
        man = board_.step(to, Opposite(node.dir()));
    }
    return man;
}

// Stores the start position and queues it.
void Search::begin() {
    SearchNode root;
    const PositionKey rootKey = Keys().boxes(startBoxes_) ^
                                Keys().man[static_cast<std::size_t>(region_.flood(startBoxes_, board_.manStart()))];
    root.setHash(rootKey.hash, rootKey.check);
    root.parent = NodeStore::None;
    const std::uint32_t rootBound = bound_.of(startBoxes_);
    const std::uint32_t rootId = nodes_.add(root);
    if (solvedBy(startBoxes_)) goalNode_ = rootId;
    if (rootBound != Bound::None) open_.push(estimate(startBoxes_, rootBound), 0, rootId);
}

void Search::expand(std::uint32_t id, std::uint16_t pushes) {
    Expansion e{id, pushes, {}, 0, {}};
    const int stand = restore(id, e.boxes);
    BoxSet reach = board_.noCells();
    // One walk of the floor gives every child's man and, where they cost, its areas.
    e.man = cuts_.walk(e.boxes, stand, prune_ ? &reach : nullptr);
    e.boxKey = Keys().boxes(e.boxes);
    bound_.setParent(e.boxes);
    BoxSet movable = e.boxes;
    if (prune_) {
        // A closed area with work left that no push can open is lost in every search;
        // narrowing the pushes to an area's border pays only in the quicker ones.
        BoxSet border = board_.noCells();
        const auto verdict = FindCorral(board_, e.boxes, reach, border);
        if (verdict == CorralVerdict::Deadlock) return;
        if (verdict == CorralVerdict::Restrict && corrals_) movable = border;
    }
    childCount_ = 0;
    movable.forEach([&](int b) {
        for (int d = 0; d < 4; ++d) collectPush(e, b, d);
    });
    // The lookups of the store and of the bounds remembered are the misses of the cache;
    // asked for all at once, they overlap.
    for (std::size_t k = 0; k < childCount_; ++k) {
        nodes_.prefetch(children_[k].key.hash);
        bound_.prefetch(children_[k].boxKey.hash);
    }
    for (std::size_t k = 0; k < childCount_; ++k)
        if (!addChild(e, children_[k])) return;  // a push has won
}

// How much further the box that was just pushed to `to` in `dir` goes on at once, moving
// `to` along: while it stands in a one-wide tunnel off a goal, the man behind it in the
// tunnel too, and the next cell of the tunnel is free. The box has to go on that way
// before anything else can use those cells (pushed back, it would only undo pushes; a box
// coming the other way would lock both), so going on at once loses no solution and no push.
int Search::pushOn(const BoxSet& boxes, int& to, int dir, std::uint16_t pushes) const {
    int more = 0;
    for (int behind = board_.step(to, Opposite(dir)); more + 1 < SearchNode::MaxLength && pushes + more + 1 < MaxPushes;) {
        const int next = board_.step(to, dir);
        if (next < 0 || boxes.test(next) || board_.isGoal(to) || board_.isDead(next) || !board_.isTunnel(behind, dir) ||
            !board_.isTunnel(to, dir) || !board_.isTunnel(next, dir))
            break;
        behind = to;
        to = next;
        ++more;
    }
    return more;
}

// Notes the position after pushing the box at `box` one step in `dir` (on through a
// tunnel) as a child to add, if that push is possible and not plainly hopeless.
void Search::collectPush(const Expansion& e, int box, int dir) {
    const int from = board_.step(box, Opposite(dir));
    if (from < 0 || !cuts_.reached(from)) return;
    int to = board_.step(box, dir);
    if (to < 0 || e.boxes.test(to) || (prune_ && board_.isDead(to))) return;
    const int length = 1 + (tunnels_ ? pushOn(e.boxes, to, dir, e.pushes) : 0);
    if (childCount_ == children_.size()) children_.emplace_back();
    Child& c = children_[childCount_];
    c.boxes = e.boxes;
    c.boxes.reset(box);
    c.boxes.set(to);
    if (prune_ && board_.isFrozenDeadlock(c.boxes, to)) return;
    c.box = box;
    c.dir = dir;
    c.to = to;
    c.length = length;
    c.floor = {-1, -1};
    if (areaCost_) c.floor = cuts_.afterPush(box, to, smallestArea_);
    else c.floor.man = cuts_.manAfterPush(box, to);
    c.boxKey = e.boxKey ^ Keys().box[static_cast<std::size_t>(box)] ^ Keys().box[static_cast<std::size_t>(to)];
    c.key = c.boxKey ^ Keys().man[static_cast<std::size_t>(c.floor.man)];
    ++childCount_;
}

// Adds the child unless it is stored already or lost; false once a push has won.
bool Search::addChild(const Expansion& e, const Child& c) {
    const int stand = board_.step(c.to, Opposite(c.dir));
    SearchNode child;
    child.setHash(c.key.hash, c.key.check);
    child.parent = e.id;
    child.pushes = static_cast<std::uint16_t>(e.pushes + c.length);
    child.setPush(c.box, c.dir, c.length);
    if (storedBefore(child, [&] { return estimate(c.boxes, bound_.child(c.box, c.to, c.boxKey.hash), c.floor.areas); }))
        return true;
    const std::uint32_t bound = bound_.child(c.box, c.to, c.boxKey.hash);
    if (bound == Bound::None || (patterns_ && prune_ && patterns_->isDead(c.boxes, stand, c.to))) return true;
    const std::uint32_t childId = nodes_.add(child);
    if (solvedBy(c.boxes)) {
        goalNode_ = childId;
        return false;
    }
    open_.push(child.pushes * 4 + estimate(c.boxes, bound, c.floor.areas), child.pushes, childId);
    return true;
}

void Search::finish(SolveResult& result) {
    BoxSet boxes = startBoxes_;
    restore(goalNode_, boxes);  // fills path_, goal first
    boxes = startBoxes_;
    int man = board_.manStart();
    result.moves.clear();
    result.pushes = 0;
    for (auto it = path_.rbegin(); it != path_.rend(); ++it) {
        const SearchNode& node = nodes_[*it];
        const int dir = node.dir();
        result.moves += region_.path(boxes, man, board_.step(node.from(), Opposite(dir)));
        result.moves.append(static_cast<std::size_t>(node.length()), Directions[static_cast<std::size_t>(dir)].digit);
        result.pushes += node.length();
        const int to = landing(node);
        boxes.reset(node.from());
        boxes.set(to);
        man = board_.step(to, Opposite(dir));
    }
    result.provenFewest = weight_ == 4 && !guide_;
}

}  // namespace tolvar::solver
