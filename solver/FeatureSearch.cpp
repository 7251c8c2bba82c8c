#include "solver/FeatureSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tolvar::solver {

std::uint32_t Features::key() const {
    static const bool noPack = std::getenv("NOPACK") != nullptr;
    return static_cast<std::uint32_t>(noPack ? 0 : std::min(packed, 1023)) << 20 | static_cast<std::uint32_t>(std::min(areas, 63)) << 14 |
           static_cast<std::uint32_t>(std::min(shutIn, 127)) << 7 | static_cast<std::uint32_t>(std::min(outOfPlan, 127));
}

bool Features::dominates(const Features& o) const {
    static const bool noPack = std::getenv("NOPACK") != nullptr;
    return (noPack || packed >= o.packed) && areas <= o.areas && shutIn <= o.shutIn && outOfPlan <= o.outOfPlan && key() != o.key();
}

FeatureSearch::FeatureSearch(const Level& level, const Board& board)
    : level_(level), board_(board), reach_(board), floor_(board), region_(board), childRegion_(board), patterns_(board), bound_(board),
      label_(static_cast<std::size_t>(board.size()), 0), stack_(static_cast<std::size_t>(board.size())),
      partCheck_(board, std::getenv("PARTREACH") ? std::atoi(std::getenv("PARTREACH")) : 4,
                 std::getenv("PARTBUDGET") ? std::atoi(std::getenv("PARTBUDGET")) : 4000) {
    markZones();
}

// Pockets: the areas the floor falls into with every goal walled. A cluster of adjacent goals
// that touches one pocket only belongs to its zone; one between pockets to none.
void FeatureSearch::markZones() {
    const int n = board_.size();
    zone_.assign(static_cast<std::size_t>(n), -1);
    std::vector<int> cluster(static_cast<std::size_t>(n), -1);
    auto flood = [&](std::vector<int>& label, int start, int id, bool goals) {
        std::vector<int> todo{start};
        label[static_cast<std::size_t>(start)] = id;
        while (!todo.empty()) {
            const int c = todo.back();
            todo.pop_back();
            for (int d = 0; d < 4; ++d) {
                const int m = board_.step(c, d);
                if (m < 0 || board_.isGoal(m) != goals || label[static_cast<std::size_t>(m)] >= 0) continue;
                label[static_cast<std::size_t>(m)] = id;
                todo.push_back(m);
            }
        }
    };
    int pockets = 0, clusters = 0;
    for (int c = 0; c < n; ++c)
        if (board_.isGoal(c) && cluster[static_cast<std::size_t>(c)] < 0) flood(cluster, c, clusters++, true);
        else if (!board_.isGoal(c) && zone_[static_cast<std::size_t>(c)] < 0) flood(zone_, c, pockets++, false);
    std::vector<int> touches(static_cast<std::size_t>(clusters), -1);  // the one pocket, or -2 for several
    for (int c = 0; c < n; ++c)
        for (int d = 0; d < 4 && board_.isGoal(c); ++d) {
            const int m = board_.step(c, d);
            if (m < 0 || board_.isGoal(m)) continue;
            int& t = touches[static_cast<std::size_t>(cluster[static_cast<std::size_t>(c)])];
            t = t == -1 || t == zone_[static_cast<std::size_t>(m)] ? zone_[static_cast<std::size_t>(m)] : -2;
        }
    zoneGoals_.assign(static_cast<std::size_t>(pockets), 0);
    for (int c = 0; c < n; ++c)
        if (board_.isGoal(c)) {
            const int t = touches[static_cast<std::size_t>(cluster[static_cast<std::size_t>(c)])];
            zone_[static_cast<std::size_t>(c)] = t >= 0 ? t : -1;
            if (t >= 0) ++zoneGoals_[static_cast<std::size_t>(t)];
        }
}

// With the boxes on goals as walls and the other boxes taken away: whether some box off a goal
// can reach no empty goal (`forward`: some empty goal no box off a goal can reach).
bool FeatureSearch::walledOff(const BoxSet& boxes, const BoxSet& placed, bool forward) {
    if (++labelNow_ == 0) std::fill(label_.begin(), label_.end(), 0u), labelNow_ = 1;
    int top = 0;
    for (int c = 0; c < board_.size(); ++c)
        if (!placed.test(c) && (forward ? boxes.test(c) : board_.isGoal(c))) {
            label_[static_cast<std::size_t>(c)] = labelNow_;
            stack_[static_cast<std::size_t>(top++)] = c;
        }
    while (top > 0) {
        const int c = stack_[static_cast<std::size_t>(--top)];
        for (int d = 0; d < 4; ++d) {
            const int next = board_.step(c, d);
            const int man = forward ? board_.step(c, Opposite(d)) : next < 0 ? -1 : board_.step(next, d);
            if (next < 0 || man < 0 || placed.test(next) || placed.test(man)) continue;
            if (label_[static_cast<std::size_t>(next)] == labelNow_) continue;
            label_[static_cast<std::size_t>(next)] = labelNow_;
            stack_[static_cast<std::size_t>(top++)] = next;
        }
    }
    bool lost = false;
    for (int c = 0; c < board_.size() && !lost; ++c)
        lost = !placed.test(c) && (forward ? board_.isGoal(c) : boxes.test(c)) && label_[static_cast<std::size_t>(c)] != labelNow_;
    return lost;
}

int FeatureSearch::spare(const BoxSet& boxes) const {
    std::vector<int> balance(zoneGoals_.size(), 0);
    for (std::size_t z = 0; z < balance.size(); ++z) balance[z] = -zoneGoals_[z];
    boxes.forEach([&](int c) {
        if (zone_[static_cast<std::size_t>(c)] >= 0) ++balance[static_cast<std::size_t>(zone_[static_cast<std::size_t>(c)])];
    });
    int total = 0;
    static const bool surplusOnly = std::getenv("SURPLUS") != nullptr;
    for (const int b : balance) total += surplusOnly ? std::max(0, b) : std::abs(b);
    return total;
}

std::size_t FeatureSearch::bytes() const {
    const std::size_t boxBytes = static_cast<std::size_t>(board_.size() + 63) / 64 * 8;
    return positions_.capacity() * (sizeof(Position) + boxBytes) + known_.bytes() + positions_.size() * 16 + floor_.bytes();
}

// Whether some part one more goal would cut off from the man cannot be cleared (PARTS=2).
bool FeatureSearch::partFails(const BoxSet& boxes, int man) {
    static const bool use = std::getenv("PARTS") != nullptr && std::atoi(std::getenv("PARTS")) == 2;
    return use && partCheck_.fails(boxes, placedOf(boxes), man);
}

const BoxSet& FeatureSearch::placedOf(const BoxSet& boxes) {
    placed_ = boxes;
    for (int k = 0; k < placed_.words(); ++k) placed_.word(k) &= board_.goalMask().word(k);
    return placed_;
}

BoxSet FeatureSearch::withoutStart(const BoxSet& placed) const {
    BoxSet committed = placed;
    positions_[0].boxes.forEach([&](int c) { committed.reset(c); });
    return committed;
}

Features FeatureSearch::features(const BoxSet& boxes, int man, int areas) {
    const BoxSet& placed = placedOf(boxes);
    Features f;
    f.packed = placed.count();
    static const bool hand = std::getenv("HANDPLAN") != nullptr;
    if (hand) {
        int tier[3] = {0, 0, 0}, size[3] = {0, 0, 0};
        for (const int g : board_.goals()) {
            const int t = board_.y(g) >= 17 ? 0 : board_.y(g) >= 14 ? 1 : 2;
            ++size[t];
            tier[t] += boxes.test(g) ? 1 : 0;
        }
        f.packed = tier[0] + (tier[0] == size[0] ? tier[1] : 0) + (tier[0] == size[0] && tier[1] == size[1] ? tier[2] : 0);
    }
    static const int cap = std::getenv("AREACAP") ? std::atoi(std::getenv("AREACAP")) : 63;
    static const int smallest = std::getenv("SMALLEST") ? std::atoi(std::getenv("SMALLEST")) : 1;
    f.areas = std::min(cap, areas >= 0 && smallest == 1 ? areas : childRegion_.areas(boxes, smallest));
    f.shutIn = floor_.shutIn(boxes, placed, man);
    f.outOfPlan = floor_.outOfPlan(boxes, placed, man);
    static const bool useSpare = std::getenv("SPARE") != nullptr;
    if (useSpare) f.shutIn = spare(boxes);
    static const bool merge = std::getenv("MERGE") != nullptr;
    if (merge) f.outOfPlan += f.shutIn, f.shutIn = 0;
    return f;
}

void FeatureSearch::begin() {
    begun_ = true;
    const BoxSet boxes = board_.boxesOf(level_);
    positions_.push_back({boxes, region_.flood(boxes, board_.manStart()), 0xFFFFFFFFu, -1, -1, -1, 0, 0, {}});
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
    static const int every = std::getenv("EVERY") ? std::atoi(std::getenv("EVERY")) : 4;
    const bool all = every > 0 && (rounds_++ % static_cast<std::uint64_t>(every)) == static_cast<std::uint64_t>(every - 1);
    waiting_.clear();
    for (const auto& [key, queue] : cells_)
        if (!queue.empty()) waiting_.emplace_back(key, cellFeatures_[key]);
    for (const auto& [key, f] : waiting_)
        if (all || std::none_of(waiting_.begin(), waiting_.end(), [&](const auto& other) { return other.second.dominates(f); }))
            chosen.push_back(key);
}

StopReason FeatureSearch::run(SolveResult& result, const SearchBudget& budget) {
    if (!begun_) begin();
    StopReason stop = StopReason::None;
    std::vector<std::uint32_t> chosen;
    while (goal_ == 0xFFFFFFFFu && stop == StopReason::None) {
        round(chosen);
        if (chosen.empty()) break;
        for (const std::uint32_t key : chosen) {
            if ((stop = overLimit(budget)) != StopReason::None || goal_ != 0xFFFFFFFFu) break;
            Queue& queue = cells_[key];
            const std::uint32_t id = queue.top().second;
            queue.pop();
            ++expanded_;
            expand(id);
        }
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
    if (stop == StopReason::None) result.reason = "the moves of the feature search ran out";
    return stop == StopReason::None ? StopReason::Nodes : stop;
}

void FeatureSearch::expand(std::uint32_t id) {
    const BoxSet boxes = positions_[id].boxes;
    BoxSet manReach(board_.size());
    region_.flood(boxes, positions_[id].man, &manReach);
    bound_.setParent(boxes);
    const int areas = reach_.areas(boxes);
    boxes.forEach([&](int box) {
        if (goal_ != 0xFFFFFFFFu) return;
        reach_.spread(boxes, box, manReach);
        tryMoves(id, boxes, box, areas + 1 - reach_.areasBeside(box));
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
void FeatureSearch::tryMoves(std::uint32_t id, const BoxSet& boxes, int box, int areas) {
    for (const int cell : reach_.cells()) {
        if (cell == box) continue;
        const bool goal = board_.isGoal(cell);
        int least = 0xFFFF;
        for (int s = 0; s < 4; ++s)
            if (reach_.reached(cell, s)) least = std::min(least, reach_.pushes(cell, s));
        static const bool beside = std::getenv("BESIDE") != nullptr;
        bool near = false;
        for (int d = 0; d < 4 && beside; ++d) near = near || (board_.step(cell, d) >= 0 && board_.isGoal(board_.step(cell, d)));
        if (!goal && least != 1 && !near && !straightEnd(boxes, box, cell)) continue;
        int classesDone = 0;
        for (int s = 0; s < 4; ++s) {
            const int cls = reach_.sideClass(cell, s);
            if (!reach_.reached(cell, s) || (classesDone >> cls & 1)) continue;
            classesDone |= 1 << cls;
            next_ = boxes;  // copied into the stores only when kept
            next_.reset(box);
            next_.set(cell);
            const Move move{box, cell, s, reach_.leastBeside(cell, s), areas + reach_.splits(cell)};
            add(id, next_, move, positions_[id].pushes + static_cast<std::uint32_t>(reach_.pushes(cell, s)), goal);
        }
    }
}

void FeatureSearch::add(std::uint32_t parent, const BoxSet& boxes, const Move& move, std::uint32_t pushes, bool advised) {
    const int from = move.from, to = move.to, side = move.side, man = move.man;
    if (board_.isFrozenDeadlock(boxes, to)) return;
    const std::uint64_t hash = (Keys().boxes(boxes) ^ Keys().man[static_cast<std::size_t>(man)]).hash;
    if (!known_.insert(hash)) return;
    // Every test below depends on the boxes and the man's region alone, so a position refused
    // stays known, and the cheap tests come first.
    const Features f = features(boxes, man, move.areas);
    static const bool prune = std::getenv("PRUNE") != nullptr;
    static const bool featureIsShutIn = std::getenv("SPARE") == nullptr && std::getenv("MERGE") == nullptr;
    if (prune && (featureIsShutIn ? f.shutIn : floor_.shutIn(boxes, placedOf(boxes), man)) > 0) return;
    static const bool wallMatch = std::getenv("WALLMATCH") != nullptr;
    static const bool freshM = std::getenv("FRESHMATCH") != nullptr;
    if (wallMatch && (freshM ? floor_.unmatched(boxes, withoutStart(placedOf(boxes))) : floor_.unmatched(boxes, placedOf(boxes)))) return;
    static const bool match = std::getenv("MATCH") != nullptr;
    if (match && bound_.child(from, to, Keys().boxes(boxes).hash) == Bound::None) return;
    static const bool learn = std::getenv("PATTERNS") != nullptr;
    if (learn && level_.boxCount() == level_.goalCount() && patterns_.isDead(boxes, board_.step(to, side), to)) return;
    static const bool walls = std::getenv("WALLED") != nullptr;
    static const bool fresh = std::getenv("FRESHWALLS") != nullptr;
    static const int dirs = std::getenv("WALLDIRS") ? std::atoi(std::getenv("WALLDIRS")) : 3;
    if (walls) {
        const BoxSet committed = fresh ? withoutStart(placedOf(boxes)) : placedOf(boxes);
        if (((dirs & 1) && walledOff(boxes, committed, true)) || ((dirs & 2) && walledOff(boxes, committed, false))) return;
    }
    static const int partsFrom = std::getenv("PARTSFROM") ? std::atoi(std::getenv("PARTSFROM")) : 0;
    if (f.packed >= partsFrom && partFails(boxes, man)) return;
    static const int mode = std::getenv("ADVISE") ? std::atoi(std::getenv("ADVISE")) : 0;
    const Features& pf = positions_[parent].features;
    const bool better = f.packed > pf.packed || f.areas < pf.areas || f.shutIn < pf.shutIn || f.outOfPlan < pf.outOfPlan;
    const bool worse = f.areas > pf.areas || f.shutIn > pf.shutIn || f.outOfPlan > pf.outOfPlan;
    if (mode == 1) advised = better;
    if (mode == 2) advised = better && !worse;
    const std::uint32_t cost = positions_[parent].cost + (advised ? 0 : 1);
    const auto id = static_cast<std::uint32_t>(positions_.size());
    positions_.push_back({boxes, man, parent, from, to, side, cost, pushes, f});
    if (f.packed == static_cast<int>(board_.goals().size())) goal_ = id;
    if (f.packed > deepestPacked_) deepestPacked_ = f.packed, deepest_ = id;
    static const bool noPack = std::getenv("NOPACK") != nullptr;
    static const bool byPushes = std::getenv("BYPUSHES") != nullptr;
    const std::uint64_t rank = byPushes ? std::uint64_t{pushes} : noPack ? (std::uint64_t{cost} << 40 | std::uint64_t(1000 - f.packed) << 24 | std::min(pushes, 0xFFFFFFu))
                                      : (std::uint64_t{cost} << 32 | pushes);
    cells_[f.key()].push({rank, id});
    cellFeatures_[f.key()] = f;
}

void FeatureSearch::finish(SolveResult& result) {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t id = goal_; id != 0xFFFFFFFFu; id = positions_[id].parent) chain.push_back(id);
    std::reverse(chain.begin(), chain.end());
    int man = board_.manStart();
    result.moves.clear();
    for (std::size_t k = 1; k < chain.size(); ++k) {
        const Position& from = positions_[chain[k - 1]];
        const Position& to = positions_[chain[k]];
        BoxSet manReach(board_.size());
        region_.flood(from.boxes, man, &manReach);
        reach_.spread(from.boxes, to.from, manReach);
        result.moves += reach_.moves(from.boxes, man, to.to, to.side);
    }
    result.pushes = static_cast<int>(positions_[goal_].pushes);
    result.provenFewest = false;
}

}  // namespace tolvar::solver
