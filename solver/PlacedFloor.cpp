#include "solver/PlacedFloor.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

#include "solver/BestFirst.h"

namespace tolvar::solver {

namespace {

constexpr std::size_t MostBytes = std::size_t{32} << 20;   // the layouts kept, then forgotten at once

}  // namespace

PlacedFloor::PlacedFloor(const Board& board)
    : board_(board), words_(static_cast<int>((board.goals().size() + 63) / 64)), goalIndex_(static_cast<std::size_t>(board.size()), -1),
      low_(goalIndex_.size()), up_(goalIndex_.size()), goals_(goalIndex_.size()), index_(goalIndex_.size()), waiting_(goalIndex_.size()) {
    for (std::size_t k = 0; k < board.goals().size(); ++k) goalIndex_[static_cast<std::size_t>(board.goals()[k])] = static_cast<int>(k);
    joinNodes();
    pushTo_.assign(static_cast<std::size_t>(board.size()) * 4, -1);
    for (int c = 0; c < board.size(); ++c)
        for (int d = 0; d < 4; ++d) {
            const int to = board.step(c, d), man = board.step(c, Opposite(d));
            if (to >= 0 && man >= 0 && !board.isDead(to)) pushTo_[static_cast<std::size_t>(c) * 4 + static_cast<std::size_t>(d)] = to;
        }
    condensePushes();
}

// The push nodes (see pushNode_): the components by Tarjan's numbering, depth first, of the
// pushes that touch no goal; then each goal; then the pushes between nodes, once each, those a
// push that needs no empty goal makes redundant left out.
void PlacedFloor::condensePushes() {
    const int n = board_.size();
    auto free = [&](int c) { return !board_.isGoal(c); };
    auto fixed = [&](int v, int d) {  // a push from v that touches no goal, or -1
        const int to = pushTo_[static_cast<std::size_t>(v) * 4 + static_cast<std::size_t>(d)];
        return to >= 0 && free(to) && free(board_.step(v, Opposite(d))) ? to : -1;
    };
    pushNode_.assign(static_cast<std::size_t>(n), -1);
    int counter = 0, nodes = 0;
    for (int root = 0; root < n; ++root) {
        if (!free(root) || pushNode_[static_cast<std::size_t>(root)] >= 0 || index_[static_cast<std::size_t>(root)] > 0) continue;
        auto visit = [&](int c) {
            index_[static_cast<std::size_t>(c)] = low_[static_cast<std::size_t>(c)] = ++counter;
            component_.push_back(c);
            dfs_.emplace_back(c, 0);
        };
        visit(root);
        while (!dfs_.empty()) {
            const int v = dfs_.back().first, d = dfs_.back().second++;
            const auto vi = static_cast<std::size_t>(v);
            if (d < 4) {
                const int to = fixed(v, d);
                if (to < 0 || pushNode_[static_cast<std::size_t>(to)] >= 0) continue;
                if (index_[static_cast<std::size_t>(to)] == 0) visit(to);
                else low_[vi] = std::min(low_[vi], index_[static_cast<std::size_t>(to)]);
                continue;
            }
            dfs_.pop_back();
            if (low_[vi] == index_[vi]) {
                for (int c = -1; c != v; component_.pop_back()) pushNode_[static_cast<std::size_t>(c = component_.back())] = nodes;
                ++nodes;
            }
            if (!dfs_.empty()) low_[static_cast<std::size_t>(dfs_.back().first)] = std::min(low_[static_cast<std::size_t>(dfs_.back().first)], low_[vi]);
        }
    }
    std::fill(index_.begin(), index_.end(), 0);
    std::fill(low_.begin(), low_.end(), 0);
    for (const int g : board_.goals()) pushNode_[static_cast<std::size_t>(g)] = nodes++;
    std::vector<std::array<int, 4>> all;  // from, to, needs
    for (int v = 0; v < n; ++v)
        for (int d = 0; d < 4; ++d) {
            const int to = pushTo_[static_cast<std::size_t>(v) * 4 + static_cast<std::size_t>(d)], man = board_.step(v, Opposite(d));
            const int from = pushNode_[static_cast<std::size_t>(v)];
            if (to < 0 || from == pushNode_[static_cast<std::size_t>(to)]) continue;
            const int a = free(to) ? -1 : to, b = free(man) ? -1 : man;
            all.push_back({from, pushNode_[static_cast<std::size_t>(to)], std::min(a, b), std::max(a, b)});
        }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    pushStart_.assign(static_cast<std::size_t>(nodes) + 1, 0);
    for (std::size_t k = 0, always = 0; k < all.size(); ++k) {  // all[always]: the last push that needs no goal
        if (all[k][3] < 0) always = k;
        else if (all[always][3] < 0 && all[always][0] == all[k][0] && all[always][1] == all[k][1]) continue;
        pushes_.push_back({all[k][1], {all[k][2], all[k][3]}});
        ++pushStart_[static_cast<std::size_t>(all[k][0]) + 1];
    }
    for (int v = 0; v < nodes; ++v) pushStart_[static_cast<std::size_t>(v) + 1] += pushStart_[static_cast<std::size_t>(v)];
}

// Each goal its own node, each piece of goal-free floor one node; neighbours once each.
void PlacedFloor::joinNodes() {
    const int n = board_.size();
    node_.assign(static_cast<std::size_t>(n), -1);
    for (int c = 0; c < n; ++c) {
        if (node_[static_cast<std::size_t>(c)] >= 0) continue;
        const int id = static_cast<int>(nodeGoal_.size());
        nodeGoal_.push_back(board_.isGoal(c) ? c : -1);
        node_[static_cast<std::size_t>(c)] = id;
        for (std::vector<int> todo{c}; !todo.empty() && !board_.isGoal(c);) {
            const int v = todo.back();
            todo.pop_back();
            for (int d = 0; d < 4; ++d) {
                const int m = board_.step(v, d);
                if (m < 0 || board_.isGoal(m) || node_[static_cast<std::size_t>(m)] >= 0) continue;
                node_[static_cast<std::size_t>(m)] = id;
                todo.push_back(m);
            }
        }
    }
    std::vector<std::vector<int>> near(nodeGoal_.size());
    for (int c = 0; c < n; ++c)
        for (int d = 0; d < 4; ++d) {
            const int m = board_.step(c, d);
            if (m < 0 || node_[static_cast<std::size_t>(m)] == node_[static_cast<std::size_t>(c)]) continue;
            auto& list = near[static_cast<std::size_t>(node_[static_cast<std::size_t>(c)])];
            if (std::find(list.begin(), list.end(), node_[static_cast<std::size_t>(m)]) == list.end()) list.push_back(node_[static_cast<std::size_t>(m)]);
        }
    edgeStart_.assign(1, 0);
    for (const auto& list : near) edges_.insert(edges_.end(), list.begin(), list.end()), edgeStart_.push_back(static_cast<int>(edges_.size()));
}

// Kept in two generations: when the newer is full it becomes the older, the older forgotten,
// and a layout found in the older moves to the newer.
PlacedFloor::Layout& PlacedFloor::layout(const BoxSet& placed) {
    if (last_ != nullptr && lastPlaced_ == placed) return *last_;
    std::swap(last_, previous_), std::swap(lastPlaced_, previousPlaced_);  // a parent's children go back and forth
    if (last_ != nullptr && lastPlaced_ == placed) return *last_;
    lastPlaced_ = placed;
    const std::uint64_t key = Keys().boxes(placed).hash;
    if (const auto it = layouts_.find(key); it != layouts_.end()) return *(last_ = &it->second);
    if (bytes_ > MostBytes / 2) {
        for (auto it = older_.begin(); it != older_.end();) spare_.push_back(older_.extract(it++));
        spareBytes_ += olderBytes_;
        previous_ = nullptr;  // it may be among them
        older_ = std::move(layouts_), layouts_.clear(), olderBytes_ = bytes_, bytes_ = 0;
    }
    if (auto node = older_.extract(key)) {
        olderBytes_ -= Bytes(node.mapped()), bytes_ += Bytes(node.mapped());
        return *(last_ = &layouts_.insert(std::move(node)).position->second);
    }
    if (spare_.empty()) return bytes_ += Bytes(Layout{}), *(last_ = &layouts_.try_emplace(key).first->second);
    // A forgotten layout's node and tables taken again: no allocation.
    auto node = std::move(spare_.back());
    spare_.pop_back();
    Layout& l = node.mapped();
    spareBytes_ -= std::min(spareBytes_, Bytes(l));
    bytes_ += Bytes(l);
    node.key() = key;
    l.number.clear(), l.reach.clear(), l.areas.clear(), l.cuts.clear(), l.parts.clear();
    return *(last_ = &layouts_.insert(std::move(node)).position->second);
}

std::size_t PlacedFloor::Bytes(const Layout& l) {
    return l.reach.capacity() * sizeof(std::uint64_t) + static_cast<std::size_t>(l.reached.words()) * 8 + l.number.capacity() * sizeof(int) +
           (l.areas.capacity() + l.parts.capacity()) * sizeof(Range) + l.cuts.capacity() * sizeof(Cut) + 64;
}

// The layout with its areas numbered: the matching test needs none, and most of the positions
// it refuses bring a set of boxes on goals of their own.
const PlacedFloor::Layout& PlacedFloor::numbered(const BoxSet& placed) {
    Layout& l = layout(placed);
    if (!l.number.empty()) return l;
    bytes_ -= Bytes(l);
    numberAreas(l, placed);
    bytes_ += Bytes(l);
    return l;
}

// Numbers each area's nodes depth first from its least; a subtree that reaches nothing above an
// empty goal, its parent, is a part that goal cuts off (every subtree of the area's first node).
void PlacedFloor::numberAreas(Layout& l, const BoxSet& placed) {
    const auto nodes = nodeGoal_.size();
    l.number.assign(nodes, -1);
    std::vector<Found>& found = found_;
    found.clear();
    int counter = 0;
    auto visit = [&](int v, int parent) {
        const auto vi = static_cast<std::size_t>(v);
        l.number[vi] = low_[vi] = counter++;
        up_[vi] = parent;
        goals_[vi] = nodeGoal_[vi] >= 0 ? 1 : 0;
        dfs_.emplace_back(v, edgeStart_[vi]);
    };
    auto wall = [&](int v) { return nodeGoal_[static_cast<std::size_t>(v)] >= 0 && placed.test(nodeGoal_[static_cast<std::size_t>(v)]); };
    for (int root = 0; root < static_cast<int>(nodes); ++root) {
        if (wall(root) || l.number[static_cast<std::size_t>(root)] >= 0) continue;
        const int first = counter, area = static_cast<int>(l.areas.size());
        dfs_.clear();
        visit(root, -1);
        while (!dfs_.empty()) {
            auto& [v, next] = dfs_.back();
            const auto vi = static_cast<std::size_t>(v);
            if (next < edgeStart_[vi + 1]) {
                const int c = edges_[static_cast<std::size_t>(next++)];
                if (wall(c)) continue;
                if (l.number[static_cast<std::size_t>(c)] < 0) visit(c, v);
                else if (c != up_[vi]) low_[vi] = std::min(low_[vi], l.number[static_cast<std::size_t>(c)]);
                continue;
            }
            const int parent = up_[vi];
            dfs_.pop_back();
            if (parent < 0) continue;
            const auto pi = static_cast<std::size_t>(parent);
            low_[pi] = std::min(low_[pi], low_[vi]);
            goals_[pi] += goals_[vi];
            if (low_[vi] >= l.number[pi] && nodeGoal_[pi] >= 0) found.push_back({nodeGoal_[pi], area, {l.number[vi], counter, goals_[vi]}});
        }
        l.areas.push_back({first, counter, goals_[static_cast<std::size_t>(root)]});
    }
    std::stable_sort(found.begin(), found.end(), [&](const Found& a, const Found& b) { return numberOf(l, a.goal) < numberOf(l, b.goal); });
    for (const Found& f : found) {
        if (l.cuts.empty() || l.cuts.back().goal != f.goal)
            l.cuts.push_back({f.goal, f.area, static_cast<int>(l.parts.size()), static_cast<int>(l.parts.size())});
        l.parts.push_back(f.part);
        ++l.cuts.back().endPart;
    }
}

// For each push node, the empty goals a box there could be pushed to: one push takes a box from a
// cell to the next one along when that and the man's cell behind are free of walls and the next
// is no dead square. Worked out from the nodes boxes stand on, as they are asked for: the nodes
// one reaches are taken in strongly connected components (Tarjan's, depth first), and a
// component is done after every one it leads to, so each takes on their goals once.
void PlacedFloor::reachFrom(Layout& l, const BoxSet& placed, int root) {
    const auto w = static_cast<std::size_t>(words_);
    auto take = [&](int from, int to) {  // from's goals into to's
        if (w == 1) l.reach[static_cast<std::size_t>(to)] |= l.reach[static_cast<std::size_t>(from)];
        else for (std::size_t k = 0; k < w; ++k) l.reach[static_cast<std::size_t>(to) * w + k] |= l.reach[static_cast<std::size_t>(from) * w + k];
    };
    int counter = 0;
    auto visit = [&](int v) {
        l.reached.set(v);
        index_[static_cast<std::size_t>(v)] = low_[static_cast<std::size_t>(v)] = counter++;
        component_.push_back(v);
        waiting_[static_cast<std::size_t>(v)] = 1;
        dfs_.emplace_back(v, pushStart_[static_cast<std::size_t>(v)]);
    };
    visit(root);
    while (!dfs_.empty()) {
        const int v = dfs_.back().first, e = dfs_.back().second;
        const auto vi = static_cast<std::size_t>(v);
        if (e < pushStart_[vi + 1]) {
            ++dfs_.back().second;
            const Push& push = pushes_[static_cast<std::size_t>(e)];
            if ((push.needs[0] >= 0 && placed.test(push.needs[0])) || (push.needs[1] >= 0 && placed.test(push.needs[1]))) continue;
            const auto ti = static_cast<std::size_t>(push.to);
            if (!l.reached.test(push.to)) visit(push.to);
            else if (waiting_[ti] != 0) low_[vi] = std::min(low_[vi], index_[ti]);
            else take(push.to, v);
            continue;
        }
        if (low_[vi] == index_[vi]) closeComponent(l, v);
        dfs_.pop_back();
        if (dfs_.empty()) continue;
        const int parent = dfs_.back().first;
        low_[static_cast<std::size_t>(parent)] = std::min(low_[static_cast<std::size_t>(parent)], low_[vi]);
        take(v, parent);
    }
}

// The component whose first node is `first`, the top of component_: every node of it gets the
// goals of all.
void PlacedFloor::closeComponent(Layout& l, int first) {
    const auto w = static_cast<std::size_t>(words_);
    std::size_t start = component_.size();
    while (component_[start - 1] != first) --start;
    --start;
    for (std::size_t k = 0; k < w; ++k) {
        std::uint64_t all = 0;
        for (std::size_t i = start; i < component_.size(); ++i) all |= l.reach[static_cast<std::size_t>(component_[i]) * w + k];
        for (std::size_t i = start; i < component_.size(); ++i) l.reach[static_cast<std::size_t>(component_[i]) * w + k] = all;
    }
    for (std::size_t i = start; i < component_.size(); ++i) waiting_[static_cast<std::size_t>(component_[i])] = 0;
    component_.resize(start);
}

void PlacedFloor::numberBoxes(const Layout& l, const BoxSet& boxes) {
    if (numbersOf_ == &l && numbersBoxes_ == boxes) return;  // both counts of a child ask
    numbersOf_ = &l;
    numbersBoxes_ = boxes;
    numbers_.clear();
    boxes.forEach([&](int b) {
        if (numberOf(l, b) >= 0) numbers_.push_back(numberOf(l, b));
    });
    std::sort(numbers_.begin(), numbers_.end());
}

int PlacedFloor::boxesIn(int first, int end) const {
    return static_cast<int>(std::lower_bound(numbers_.begin(), numbers_.end(), end) - std::lower_bound(numbers_.begin(), numbers_.end(), first));
}

int PlacedFloor::area(const Layout& l, int number) const {
    const auto it = std::upper_bound(l.areas.begin(), l.areas.end(), number, [](int n, const Range& a) { return n < a.first; });
    return static_cast<int>(it - l.areas.begin()) - 1;
}

int PlacedFloor::shutIn(const BoxSet& boxes, const BoxSet& placed, int man) {
    const Layout& l = numbered(placed);
    numberBoxes(l, boxes);
    const int m = numberOf(l, man);
    int total = 0;
    for (const Range& a : l.areas)
        total += std::abs(boxesIn(a.first, a.end) - a.goals) + (a.goals > 0 && (m < a.first || m >= a.end) ? 1 : 0);
    return total;
}

int PlacedFloor::outOfPlan(const BoxSet& boxes, const BoxSet& placed, int man) {
    const Layout& l = numbered(placed);
    numberBoxes(l, boxes);
    const int m = numberOf(l, man);
    const int a = area(l, m);
    const Range& whole = l.areas[static_cast<std::size_t>(a)];
    const int areaSum = boxesIn(whole.first, whole.end) - whole.goals;
    const auto begin = std::lower_bound(l.cuts.begin(), l.cuts.end(), a, [](const Cut& c, int x) { return c.area < x; });
    const auto end = std::upper_bound(begin, l.cuts.end(), a, [](int x, const Cut& c) { return x < c.area; });
    int total = 0;
    bool manCut = false;
    for (auto cut = begin; cut != end; ++cut) {
        const bool onIt = cut->goal == man;
        int rest = areaSum + 1;  // the area less the parts and the goal itself (-1: empty)
        bool manInPart = false;
        for (int k = cut->firstPart; k < cut->endPart; ++k) {
            const Range& p = l.parts[static_cast<std::size_t>(k)];
            const int sum = boxesIn(p.first, p.end) - p.goals;
            const bool holdsMan = m >= p.first && m < p.end;
            rest -= sum;
            manInPart = manInPart || holdsMan;
            total += onIt || !holdsMan ? std::abs(sum) : 0;
        }
        total += onIt || manInPart ? std::abs(rest) : 0;
        manCut = manCut || onIt;
    }
    if (!manCut && board_.isGoal(man)) total += std::abs(areaSum + 1);
    return total;
}

// The goals each cell reaches, allocated on the first ask: a layout the prunes refuse needs none.
PlacedFloor::Layout& PlacedFloor::reaching(const BoxSet& placed) {
    Layout& l = layout(placed);
    if (!l.reach.empty()) return l;
    const auto w = static_cast<std::size_t>(words_);
    bytes_ -= Bytes(l);
    const int nodes = static_cast<int>(pushStart_.size()) - 1;
    l.reach.assign(static_cast<std::size_t>(nodes) * w, 0);
    if (l.reached.words() == 0) l.reached = BoxSet(nodes);
    for (int k = 0; k < l.reached.words(); ++k) l.reached.word(k) = 0;
    for (const int g : board_.goals()) {
        const auto k = static_cast<std::size_t>(goalIndex_[static_cast<std::size_t>(g)]);
        if (!placed.test(g)) l.reach[static_cast<std::size_t>(pushNode_[static_cast<std::size_t>(g)]) * w + k / 64] |= std::uint64_t{1} << (k % 64);
    }
    bytes_ += Bytes(l);
    return l;
}

bool PlacedFloor::unmatched(const BoxSet& boxes, const BoxSet& placed) {
    Layout& l = reaching(placed);
    const auto w = static_cast<std::size_t>(words_);
    std::vector<const std::uint64_t*>& reach = reach_;
    reach.clear();
    bool lost = false;
    boxes.forEach([&](int b) {
        if (lost || placed.test(b)) return;
        const int node = pushNode_[static_cast<std::size_t>(b)];
        if (!l.reached.test(node)) reachFrom(l, placed, node);
        const std::uint64_t* mine = &l.reach[static_cast<std::size_t>(node) * w];
        lost = std::all_of(mine, mine + w, [](std::uint64_t x) { return x == 0; });
        reach.push_back(mine);
    });
    if (lost) return true;
    std::vector<int>& owner = owner_;
    owner.assign(board_.goals().size(), -1);
    free_.assign(w, 0);
    for (const int g : board_.goals()) {
        const auto k = static_cast<std::size_t>(goalIndex_[static_cast<std::size_t>(g)]);
        if (!placed.test(g)) free_[k / 64] |= std::uint64_t{1} << (k % 64);
    }
    // A free goal first, then one whose box can move on to another; each goal tried once a round.
    auto augment = [&](auto&& self, int box) -> bool {
        const std::uint64_t* mine = reach[static_cast<std::size_t>(box)];
        for (std::size_t k = 0; k < w; ++k)
            if (const std::uint64_t open = mine[k] & free_[k] & ~tried_[k]; open != 0) {
                const auto g = k * 64 + static_cast<std::size_t>(std::countr_zero(open));
                free_[k] &= ~(std::uint64_t{1} << (g % 64));
                return owner[g] = box, true;
            }
        for (std::size_t k = 0; k < w; ++k)
            for (std::uint64_t rest = mine[k] & ~tried_[k]; rest != 0; rest &= ~tried_[k]) {
                const auto g = k * 64 + static_cast<std::size_t>(std::countr_zero(rest));
                tried_[k] |= std::uint64_t{1} << (g % 64);
                if (self(self, owner[g])) return owner[g] = box, true;
            }
        return false;
    };
    for (int box = 0; box < static_cast<int>(reach.size()); ++box) {
        tried_.assign(w, 0);
        if (!augment(augment, box)) return true;
    }
    return false;
}

}  // namespace tolvar::solver
