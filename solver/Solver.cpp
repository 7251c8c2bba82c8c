#include "solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "solver/Board.h"
#include "solver/Corral.h"
#include "solver/ManRegion.h"
#include "solver/Matching.h"
#include "solver/SearchTables.h"

namespace tolvar::solver {

const char* ToString(SolveStatus status) {
    switch (status) {
    case SolveStatus::Solved: return "solved";
    case SolveStatus::Unsolvable: return "unsolvable";
    case SolveStatus::GaveUp: return "gave up";
    }
    return "?";
}

namespace {

using Clock = std::chrono::steady_clock;

/// Random 64-bit keys per cell for boxes and for the man, fixed so runs repeat.
struct Zobrist {
    std::array<std::uint64_t, CellCount> box{}, man{};
    Zobrist() {
        std::mt19937_64 random(0x746f6c766172ULL);
        for (auto& k : box) k = random();
        for (auto& k : man) k = random();
    }
    std::uint64_t boxes(const BoxSet& set) const {
        std::uint64_t h = 0;
        set.forEach([&](int c) { h ^= box[static_cast<std::size_t>(c)]; });
        return h;
    }
};

const Zobrist& Keys() {
    static const Zobrist keys;
    return keys;
}

class Search {
public:
    Search(const Level& level, const SolveLimits& limits, const SolveOptions& options)
        : level_(level), board_(level), limits_(limits), region_(board_), childRegion_(board_), start_(Clock::now()) {
        weight_ = static_cast<std::uint32_t>(std::lround(std::max(1.0, options.weight) * 4));
        for (int i = 0; i < CellCount; ++i) {
            const auto c = level.cells[static_cast<std::size_t>(i)];
            if (c == Box || c == BoxOnGoal) startBoxes_.set(i);
        }
        boxCount_ = startBoxes_.count();
        // With spare boxes a box may rest anywhere, so only the bound prunes then.
        prune_ = options.pruneDeadlocks && boxCount_ == static_cast<int>(board_.goals().size());
        corrals_ = prune_ && options.pruneCorrals;
    }

    SolveResult run();

private:
    std::uint32_t lowerBound(const BoxSet& boxes);
    /// The bound for boxes whose Zobrist hash is boxHash; positions that differ only in the
    /// man's region share it, so it is remembered.
    std::uint32_t cachedBound(const BoxSet& boxes, std::uint64_t boxHash);
    bool solvedBy(const BoxSet& boxes) const {
        for (std::size_t k = 0; k < BoxSet::Words; ++k)
            if (board_.goalMask().w[k] & ~boxes.w[k]) return false;
        return true;
    }
    int childMan(const SearchNode& parent, const BoxSet& boxes, int from, int to);
    bool overLimit(SolveResult& result);
    void finish(SolveResult& result, std::uint32_t goalNode);

    const Level& level_;
    Board board_;
    SolveLimits limits_;
    ManRegion region_;       // the expanded position's man
    ManRegion childRegion_;  // a new position's man, to normalise it
    Clock::time_point start_;
    std::uint32_t weight_ = 4;
    BoxSet startBoxes_;
    int boxCount_ = 0;
    bool prune_ = true;
    bool corrals_ = true;
    NodeStore nodes_;
    OpenQueue open_;
    Matching matching_;
    std::vector<std::int32_t> cost_;
    std::vector<int> boxCells_;
    struct CachedBound {
        std::uint64_t boxHash = 0;
        std::uint32_t bound = 0;
    };
    std::vector<CachedBound> boundCache_ = std::vector<CachedBound>(std::size_t{1} << 16);
    std::size_t peakBytes_ = 0;
};

constexpr std::uint32_t NoBound = 0xFFFFFFFFu;
constexpr std::uint16_t MaxPushes = 0xFFFE;

std::uint32_t Search::lowerBound(const BoxSet& boxes) {
    const auto& goals = board_.goals();
    boxCells_.clear();
    boxes.forEach([&](int c) { boxCells_.push_back(c); });
    const int rows = static_cast<int>(goals.size()), cols = static_cast<int>(boxCells_.size());
    cost_.resize(static_cast<std::size_t>(rows * cols));
    for (int g = 0; g < rows; ++g)
        for (int b = 0; b < cols; ++b) {
            const auto d = board_.distance(g, boxCells_[static_cast<std::size_t>(b)]);
            cost_[static_cast<std::size_t>(g * cols + b)] = d == Unreachable ? Matching::Infinite : d;
        }
    const auto total = matching_.MinCost(cost_, rows, cols);
    return total >= Matching::Infinite ? NoBound : static_cast<std::uint32_t>(total);
}

std::uint32_t Search::cachedBound(const BoxSet& boxes, std::uint64_t boxHash) {
    CachedBound& slot = boundCache_[boxHash & (boundCache_.size() - 1)];
    if (slot.boxHash != boxHash || boxHash == 0) slot = {boxHash, lowerBound(boxes)};
    return slot.bound;
}

// The man's region after a push, normalised, mostly without a flood: the man
// now stands where the box was, and the region only loses the cell the box went
// to. When that cell kept its free neighbours connected around it, and the old
// box cell opens onto nothing new, the region is the old one with that swap.
int Search::childMan(const SearchNode& parent, const BoxSet& boxes, int from, int to) {
    auto open = [&](int cell) { return cell >= 0 && !boxes.test(cell); };
    const int dirToward = [&] {
        for (int d = 0; d < 4; ++d)
            if (board_.step(from, d) == to) return d;
        return 0;
    }();
    // Cells beside the old box cell that the man could not reach before join the region now.
    for (const int side : {board_.step(from, (dirToward + 1) & 3), board_.step(from, (dirToward + 3) & 3)})
        if (open(side) && !region_.reached(side)) return childRegion_.flood(boxes, from);
    if (region_.reached(to)) {
        if (parent.man == to) return childRegion_.flood(boxes, from);
        // The eight cells around `to`, in turn; its open side neighbours must form one run.
        const int x = to % Width, y = to / Width;
        static constexpr int RingDx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
        static constexpr int RingDy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
        bool free[8];
        int start = -1;
        for (int k = 0; k < 8; ++k) {
            const int nx = x + RingDx[k], ny = y + RingDy[k];
            free[k] = Level::Inside(nx, ny) && board_.isFloor(nx + Width * ny) && !boxes.test(nx + Width * ny);
            if (!free[k]) start = k;
        }
        if (start >= 0) {
            int runsWithNeighbour = 0;
            bool inRun = false, counted = false;
            for (int step = 1; step <= 8; ++step) {
                const int k = (start + step) & 7;
                if (!free[k]) {
                    inRun = false;
                    continue;
                }
                if (!inRun) {
                    inRun = true;
                    counted = false;
                }
                if ((k & 1) && !counted) {  // odd places are the side neighbours
                    counted = true;
                    ++runsWithNeighbour;
                }
            }
            if (runsWithNeighbour > 1) return childRegion_.flood(boxes, from);
        }
    }
    return std::min<int>(parent.man, from);
}

bool Search::overLimit(SolveResult& result) {
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    peakBytes_ = std::max(peakBytes_, nodes_.bytes() + open_.bytes());
    if (elapsed > limits_.seconds) {
        result.reason = "time limit reached";
    } else if (peakBytes_ > limits_.memoryBytes) {
        result.reason = "memory limit reached";
    } else if (limits_.nodes != 0 && nodes_.size() >= limits_.nodes) {
        result.reason = "position limit reached";
    } else if (nodes_.size() >= NodeStore::None - 1) {
        result.reason = "too many positions";
    } else {
        return false;
    }
    return true;
}

SolveResult Search::run() {
    SolveResult result;
    const int man = level_.ManIndex();
    if (man < 0) {
        result.status = SolveStatus::Unsolvable;
        result.reason = "the level has no man";
        return result;
    }
    if (board_.goals().empty()) {
        result.status = SolveStatus::Unsolvable;
        result.reason = "the level has no goal";
        return result;
    }
    SearchNode root;
    root.boxes = startBoxes_;
    root.man = static_cast<std::uint16_t>(region_.flood(root.boxes, man));
    root.hash = Keys().boxes(root.boxes) ^ Keys().man[root.man];
    root.parent = NodeStore::None;
    const std::uint32_t rootBound = lowerBound(root.boxes);
    const std::uint32_t rootId = nodes_.add(root);
    if (solvedBy(root.boxes)) {
        finish(result, rootId);
        return result;
    }
    if (rootBound != NoBound) open_.push(rootBound * weight_, 0, rootId);

    std::uint32_t goalNode = NodeStore::None;
    bool depthCapped = false;
    while (!open_.empty() && goalNode == NodeStore::None) {
        if (limits_.nodes != 0 && nodes_.size() >= limits_.nodes) {
            result.reason = "position limit reached";
            break;
        }
        if ((result.expanded & 1023) == 0 && overLimit(result)) break;
        std::uint16_t queuedPushes = 0;
        const std::uint32_t id = open_.pop(queuedPushes);
        const SearchNode node = nodes_[id];
        if (node.pushes != queuedPushes || node.expanded) continue;  // reached again by fewer pushes since
        if (node.pushes == MaxPushes) {
            // Push counts are 16-bit; a deeper search could not be trusted to be complete.
            depthCapped = true;
            continue;
        }
        ++result.expanded;
        nodes_[id].expanded = true;
        BoxSet reach;
        region_.flood(node.boxes, node.man, corrals_ ? &reach : nullptr);
        BoxSet movable = node.boxes;
        if (corrals_) {
            const auto verdict = FindCorral(board_, node.boxes, reach, movable);
            if (verdict == CorralVerdict::Deadlock) continue;
            if (verdict == CorralVerdict::None) movable = node.boxes;
        }
        const std::uint64_t boxHash = node.hash ^ Keys().man[node.man];
        movable.forEach([&](int b) {
            if (goalNode != NodeStore::None) return;
            for (int d = 0; d < 4; ++d) {
                const int from = board_.step(b, Opposite(d));
                if (from < 0 || !region_.reached(from)) continue;
                const int to = board_.step(b, d);
                if (to < 0 || node.boxes.test(to) || (prune_ && board_.isDead(to))) continue;
                SearchNode child;
                child.boxes = node.boxes;
                child.boxes.reset(b);
                child.boxes.set(to);
                if (prune_ && board_.isFrozenDeadlock(child.boxes, to)) continue;
                child.man = static_cast<std::uint16_t>(childMan(node, child.boxes, b, to));
                const std::uint64_t childBoxHash =
                    boxHash ^ Keys().box[static_cast<std::size_t>(b)] ^ Keys().box[static_cast<std::size_t>(to)];
                child.hash = childBoxHash ^ Keys().man[child.man];
                child.parent = id;
                child.pushes = static_cast<std::uint16_t>(node.pushes + 1);
                child.pushFrom = static_cast<std::uint16_t>(b);
                child.dir = static_cast<std::uint8_t>(d);
                const std::uint32_t known = nodes_.find(child);
                if (known != NodeStore::None) {
                    // A shorter way to a position still waiting is taken over. An expanded one is
                    // left alone: with the plain bound that never happens, and with a weighted
                    // one expanding it again costs more than the pushes it might save.
                    SearchNode& old = nodes_[known];
                    if (old.pushes <= child.pushes || old.expanded) continue;
                    const std::uint32_t bound = cachedBound(child.boxes, childBoxHash);
                    old.parent = child.parent;
                    old.pushes = child.pushes;
                    old.pushFrom = child.pushFrom;
                    old.dir = child.dir;
                    open_.push(child.pushes * 4 + bound * weight_, child.pushes, known);
                    continue;
                }
                const std::uint32_t bound = cachedBound(child.boxes, childBoxHash);
                if (bound == NoBound) continue;
                const std::uint32_t childId = nodes_.add(child);
                if (solvedBy(child.boxes)) {
                    goalNode = childId;
                    return;
                }
                open_.push(child.pushes * 4 + bound * weight_, child.pushes, childId);
            }
        });
    }
    result.nodes = nodes_.size();
    peakBytes_ = std::max(peakBytes_, nodes_.bytes() + open_.bytes());
    if (goalNode != NodeStore::None) {
        finish(result, goalNode);
    } else if (result.reason.empty() && depthCapped) {
        result.status = SolveStatus::GaveUp;
        result.reason = "solutions longer than 65534 pushes are not searched";
    } else if (result.reason.empty()) {
        result.status = SolveStatus::Unsolvable;
        result.reason = "no sequence of pushes fills every goal";
    } else {
        result.status = SolveStatus::GaveUp;
    }
    result.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    result.peakBytes = peakBytes_;
    return result;
}

void Search::finish(SolveResult& result, std::uint32_t goalNode) {
    std::vector<std::pair<int, int>> pushes;  // (cell the box leaves, direction)
    for (std::uint32_t id = goalNode; nodes_[id].parent != NodeStore::None; id = nodes_[id].parent)
        pushes.emplace_back(nodes_[id].pushFrom, nodes_[id].dir);
    std::reverse(pushes.begin(), pushes.end());
    BoxSet boxes = startBoxes_;
    int man = level_.ManIndex();
    for (const auto& [box, dir] : pushes) {
        const int stand = board_.step(box, Opposite(dir));
        result.moves += region_.path(boxes, man, stand);
        result.moves.push_back(DirChar[static_cast<std::size_t>(dir)]);
        boxes.reset(box);
        boxes.set(board_.step(box, dir));
        man = box;
    }
    result.status = SolveStatus::Solved;
    result.pushes = static_cast<int>(pushes.size());
    result.nodes = nodes_.size();
    result.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    result.peakBytes = std::max(peakBytes_, nodes_.bytes() + open_.bytes());
}

}  // namespace

SolveResult Solve(const Level& level, const SolveLimits& limits, const SolveOptions& options) {
    auto search = std::make_unique<Search>(level, limits, options);
    return search->run();
}

}  // namespace tolvar::solver
