#include "solver/FeatureSearch.h"

#include <algorithm>

namespace tolvar::solver {

namespace {

// The parts a goal would cut off are searched alone once this many tenths of the goals are
// filled: earlier the parts are large, their searches mostly run out of positions and refuse
// little (big 17 with the check from the start: 25,052 positions in 10 s against 33,051).
constexpr int PartsFromTenths = 7;

}  // namespace

std::uint32_t Features::key() const {
    return static_cast<std::uint32_t>(std::min(packed, 1023)) << 20 | static_cast<std::uint32_t>(std::min(areas, 63)) << 14 |
           static_cast<std::uint32_t>(std::min(shutIn, 127)) << 7 | static_cast<std::uint32_t>(std::min(outOfPlan, 127));
}

bool Features::dominates(const Features& o) const {
    return packed >= o.packed && areas <= o.areas && shutIn <= o.shutIn && outOfPlan <= o.outOfPlan && key() != o.key();
}

FeatureSearch::FeatureSearch(const Level& level, const Board& board)
    : level_(level), board_(board), reach_(board), floor_(board), region_(board), childRegion_(board),
      words_(BoxSet(board.size()).words()), partCheck_(board) {}

std::size_t FeatureSearch::bytes() const {
    return positions_.capacity() * sizeof(Position) + boxWords_.capacity() * sizeof(std::uint64_t) + known_.bytes() +
           positions_.size() * 16 + floor_.bytes();
}

void FeatureSearch::store(const Position& position, const BoxSet& boxes) {
    positions_.push_back(position);
    for (int k = 0; k < words_; ++k) boxWords_.push_back(boxes.word(k));
}

void FeatureSearch::load(std::uint32_t id, BoxSet& boxes) const {
    if (boxes.words() != words_) boxes = BoxSet(board_.size());
    const std::size_t at = std::size_t{id} * static_cast<std::size_t>(words_);
    for (int k = 0; k < words_; ++k) boxes.word(k) = boxWords_[at + static_cast<std::size_t>(k)];
}

const BoxSet& FeatureSearch::placedOf(const BoxSet& boxes) {
    placed_ = boxes;
    for (int k = 0; k < placed_.words(); ++k) placed_.word(k) &= board_.goalMask().word(k);
    return placed_;
}

Features FeatureSearch::features(const BoxSet& boxes, int man, int areas) {
    const BoxSet& placed = placedOf(boxes);
    Features f;
    f.packed = placed.count();
    f.areas = std::min(63, areas >= 0 ? areas : childRegion_.areas(boxes, 1));
    f.shutIn = floor_.shutIn(boxes, placed, man);
    f.outOfPlan = floor_.outOfPlan(boxes, placed, man);
    return f;
}

void FeatureSearch::begin() {
    begun_ = true;
    const BoxSet boxes = board_.boxesOf(level_);
    store({region_.flood(boxes, board_.manStart()), 0xFFFFFFFFu, -1, -1, -1, 0, 0, {}}, boxes);
    known_.insert((Keys().boxes(boxes) ^ Keys().man[static_cast<std::size_t>(positions_[0].man)]).hash);
    const Features f = features(boxes, positions_[0].man);
    positions_[0].features = f;
    if (f.packed == static_cast<int>(board_.goals().size())) goal_ = 0;
    cells_[f.key()].push({0, 0});
    cellFeatures_[f.key()] = f;
}

StopReason FeatureSearch::overLimit(const SearchBudget& budget) const {
    if (budget.cancel && budget.cancel->load(std::memory_order_relaxed)) return StopReason::Cancelled;
    if (budget.stop && budget.stop->load(std::memory_order_relaxed)) return StopReason::Cancelled;
    if (budget.watch->seconds() > budget.deadline) return StopReason::Time;
    if (bytes() > budget.memoryBytes) return StopReason::Memory;
    if (budget.nodes != 0 && positions_.size() >= budget.nodes) return StopReason::Nodes;
    return StopReason::None;
}

// The cells to visit this round: those no other cell beats in every feature; every fourth
// round, every cell.
void FeatureSearch::round(std::vector<std::uint32_t>& chosen) {
    chosen.clear();
    const bool all = rounds_++ % 4 == 3;
    waiting_.clear();
    for (const auto& [key, queue] : cells_)
        if (!queue.empty()) waiting_.emplace_back(key, cellFeatures_[key]);
    for (const auto& [key, f] : waiting_)
        if (all || std::none_of(waiting_.begin(), waiting_.end(), [&f = f](const auto& other) { return other.second.dominates(f); }))
            chosen.push_back(key);
}

StopReason FeatureSearch::run(SolveResult& result, const SearchBudget& budget) {
    if (!begun_) begin();
    StopReason stop = StopReason::None;
    // A run stopped by its budget goes on in the same round, so slices do not change the search.
    while (goal_ == 0xFFFFFFFFu) {
        if (nextChosen_ == chosen_.size()) {
            round(chosen_);
            nextChosen_ = 0;
            if (chosen_.empty()) break;
        }
        if ((stop = overLimit(budget)) != StopReason::None) break;
        Queue& queue = cells_[chosen_[nextChosen_++]];
        const std::uint32_t id = queue.top().second;
        queue.pop();
        ++expanded_;
        expand(id);
    }
    result.nodes += positions_.size() - reportedNodes_;
    result.expanded += expanded_ - reportedExpanded_;
    reportedNodes_ = positions_.size();
    reportedExpanded_ = expanded_;
    result.peakBytes = std::max(result.peakBytes, bytes());
    if (goal_ != 0xFFFFFFFFu) {
        finish(result);
        result.status = SolveStatus::Solved;
        result.reason.clear();
        return StopReason::None;
    }
    return stop == StopReason::None ? StopReason::Exhausted : stop;
}

void FeatureSearch::expand(std::uint32_t id) {
    load(id, boxes_);
    const BoxSet& boxes = boxes_;
    const std::uint64_t hash = Keys().boxes(boxes).hash;
    BoxSet manReach(board_.size());
    region_.flood(boxes, positions_[id].man, &manReach);
    const int areas = reach_.areas(boxes);
    boxes.forEach([&](int box) {
        if (goal_ != 0xFFFFFFFFu) return;
        reach_.spread(boxes, box, manReach);
        tryMoves(id, boxes, hash, box, areas + 1 - reach_.areasBeside(box));
    });
}

// A straight push of the box from `box` that ends at `cell` because the next cell is blocked.
bool FeatureSearch::straightEnd(const BoxSet& boxes, int box, int cell) const {
    for (int d = 0; d < 4; ++d) {
        int c = box, length = 0;
        for (int n = board_.step(c, d); n >= 0 && !boxes.test(n) && !board_.isDead(n); n = board_.step(c, d)) c = n, ++length;
        if (c == cell && length >= 2 && reach_.reached(box, Opposite(d))) return true;
    }
    return false;
}

// `areas`: the areas of the free floor with the box taken away.
void FeatureSearch::tryMoves(std::uint32_t id, const BoxSet& boxes, std::uint64_t hash, int box, int areas) {
    const auto& keys = Keys().box;
    for (const int cell : reach_.cells()) {
        if (cell == box) continue;
        const bool goal = board_.isGoal(cell);
        int least = 0xFFFF;
        for (int s = 0; s < 4; ++s)
            if (reach_.reached(cell, s)) least = std::min(least, reach_.pushes(cell, s));
        if (!goal && least != 1 && !straightEnd(boxes, box, cell)) continue;
        int classesDone = 0;
        for (int s = 0; s < 4; ++s) {
            const int cls = reach_.sideClass(cell, s);
            if (!reach_.reached(cell, s) || (classesDone >> cls & 1)) continue;
            classesDone |= 1 << cls;
            next_ = boxes;  // copied into the stores only when kept
            next_.reset(box);
            next_.set(cell);
            const Move move{box, cell, s, reach_.leastBeside(cell, s), areas + reach_.splits(cell)};
            const std::uint64_t childHash = hash ^ keys[static_cast<std::size_t>(box)].hash ^ keys[static_cast<std::size_t>(cell)].hash;
            add(id, next_, childHash, move, positions_[id].pushes + static_cast<std::uint32_t>(reach_.pushes(cell, s)), goal);
        }
    }
}

void FeatureSearch::add(std::uint32_t parent, const BoxSet& boxes, std::uint64_t hash, const Move& move, std::uint32_t pushes,
                        bool advised) {
    const int from = move.from, to = move.to, side = move.side, man = move.man;
    if (board_.isFrozenDeadlock(boxes, to)) return;
    if (!known_.insert(hash ^ Keys().man[static_cast<std::size_t>(man)].hash)) return;
    // Every test below depends on the boxes and the man's region alone, so a position refused
    // stays known, and the cheap tests come first.
    const Features f = features(boxes, man, move.areas);
    if (f.shutIn > 0 || floor_.unmatched(boxes, placedOf(boxes))) return;
    if (f.packed * 10 >= static_cast<int>(board_.goals().size()) * PartsFromTenths && partCheck_.fails(boxes, placedOf(boxes), man)) return;
    const std::uint32_t cost = positions_[parent].cost + (advised ? 0 : 1);
    const auto id = static_cast<std::uint32_t>(positions_.size());
    store({man, parent, from, to, side, cost, pushes, f}, boxes);
    if (f.packed == static_cast<int>(board_.goals().size())) goal_ = id;
    deepestPacked_ = std::max(deepestPacked_, f.packed);
    const std::uint64_t rank = std::uint64_t{cost} << 32 | pushes;
    cells_[f.key()].push({rank, id});
    cellFeatures_[f.key()] = f;
}

void FeatureSearch::finish(SolveResult& result) {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t id = goal_; id != 0xFFFFFFFFu; id = positions_[id].parent) chain.push_back(id);
    std::reverse(chain.begin(), chain.end());
    int man = board_.manStart();
    result.moves.clear();
    BoxSet boxes(board_.size());
    for (std::size_t k = 1; k < chain.size(); ++k) {
        load(chain[k - 1], boxes);
        const Position& to = positions_[chain[k]];
        BoxSet manReach(board_.size());
        region_.flood(boxes, man, &manReach);
        reach_.spread(boxes, to.from, manReach);
        result.moves += reach_.moves(boxes, man, to.to, to.side);
    }
    result.pushes = static_cast<int>(positions_[goal_].pushes);
    result.provenFewest = false;
}

}  // namespace tolvar::solver
