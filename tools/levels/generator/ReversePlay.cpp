#include "ReversePlay.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "solver/Board.h"
#include "solver/BoxSet.h"
#include "solver/Matching.h"

namespace tolvar::levelgen {

using solver::Board;
using solver::BoxSet;

Level PlaceRoom(const Rows& room) {
    Level level;
    const int h = static_cast<int>(room.size()), w = static_cast<int>(room.front().size());
    const int x0 = (BoardWidth - w) / 2, y0 = (BoardHeight - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = room[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            level(x0 + x, y0 + y) = c == '#' ? Wall : c == ' ' ? Floor : Outside;
        }
    return level;
}

namespace {

struct PullState {
    BoxSet boxes;
    int man = 0;  // top-left-most cell of the man's region
    std::uint32_t bound = 0;
};

class Puller {
public:
    Puller(const Level& level) : board_(level) {}

    /// Floods the man's region from `from`; fills `reach_` and returns its least cell.
    int flood(const BoxSet& boxes, int from) {
        reach_.assign(static_cast<std::size_t>(board_.size()), 0);
        std::vector<int> stack{from};
        reach_[static_cast<std::size_t>(from)] = 1;
        int least = from;
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            least = std::min(least, c);
            for (int d = 0; d < 4; ++d) {
                const int n = board_.step(c, d);
                if (n < 0 || boxes.test(n) || reach_[static_cast<std::size_t>(n)]) continue;
                reach_[static_cast<std::size_t>(n)] = 1;
                stack.push_back(n);
            }
        }
        return least;
    }

    /// Every position one pull away.
    std::vector<PullState> pulls(const PullState& state) {
        std::vector<PullState> next;
        flood(state.boxes, state.man);
        const auto reach = reach_;
        state.boxes.forEach([&](int b) {
            for (int d = 0; d < 4; ++d) {
                const int stand = board_.step(b, d);
                if (stand < 0 || !reach[static_cast<std::size_t>(stand)]) continue;
                const int back = board_.step(stand, d);
                if (back < 0 || state.boxes.test(back)) continue;
                PullState child;
                child.boxes = state.boxes;
                child.boxes.reset(b);
                child.boxes.set(stand);
                child.man = flood(child.boxes, back);
                next.push_back(child);
            }
        });
        return next;
    }

    /// Pushes needed at least to bring the boxes home: how far the pulling has taken them.
    std::uint32_t bound(const BoxSet& boxes) {
        std::vector<int> cells;
        boxes.forEach([&](int c) { cells.push_back(c); });
        const int n = static_cast<int>(cells.size());
        std::vector<std::int32_t> cost(static_cast<std::size_t>(n * n));
        for (int g = 0; g < n; ++g)
            for (int b = 0; b < n; ++b) {
                const auto d = board_.distance(g, cells[static_cast<std::size_t>(b)]);
                cost[static_cast<std::size_t>(g * n + b)] = d == solver::Unreachable ? solver::Matching::Infinite : d;
            }
        return static_cast<std::uint32_t>(matching_.MinCost(cost, n, n));
    }

    const Board& board() const { return board_; }
    const std::vector<char>& reach() const { return reach_; }

private:
    Board board_;
    std::vector<char> reach_;
    solver::Matching matching_;
};

std::uint64_t StateKey(const PullState& s) {
    std::uint64_t h = 1469598103934665603ULL;
    for (int k = 0; k < s.boxes.words(); ++k) h = (h ^ s.boxes.word(k)) * 1099511628211ULL;
    return (h ^ static_cast<std::uint64_t>(s.man)) * 1099511628211ULL;
}

/// Goals either in one cluster (a store room) or spread over the room.
std::vector<int> ChooseGoals(const Level& room, int count, std::mt19937& random) {
    std::vector<int> floor;
    for (int i = 0; i < room.size(); ++i)
        if (room.cells[static_cast<std::size_t>(i)] == Floor) floor.push_back(i);
    if (static_cast<int>(floor.size()) < count * 3) return {};
    std::shuffle(floor.begin(), floor.end(), random);
    if (std::uniform_int_distribution<int>(0, 2)(random) == 0) return {floor.begin(), floor.begin() + count};
    const Board board(room);
    std::vector<int> goals{floor.front()}, frontier{floor.front()};
    std::vector<char> taken(static_cast<std::size_t>(room.size()), 0);
    taken[static_cast<std::size_t>(floor.front())] = 1;
    while (static_cast<int>(goals.size()) < count && !frontier.empty()) {
        const auto pick = std::uniform_int_distribution<std::size_t>(0, frontier.size() - 1)(random);
        const int c = frontier[pick];
        std::vector<int> free;
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(board.cellOfIndex(c), d);
            if (n >= 0 && !taken[static_cast<std::size_t>(board.gridIndex(n))]) free.push_back(board.gridIndex(n));
        }
        if (free.empty()) {
            frontier.erase(frontier.begin() + static_cast<long>(pick));
            continue;
        }
        const int n = free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(random)];
        taken[static_cast<std::size_t>(n)] = 1;
        goals.push_back(n);
        frontier.push_back(n);
    }
    return static_cast<int>(goals.size()) == count ? goals : std::vector<int>{};
}

}  // namespace

std::optional<Puzzle> MakePuzzle(const Rows& room, const PuzzleRequest& request, std::mt19937& random) {
    Level level = PlaceRoom(room);
    const auto goals = ChooseGoals(level, request.boxes, random);
    if (goals.empty()) return std::nullopt;
    for (int g : goals) level.cells[static_cast<std::size_t>(g)] = Goal;
    return PullFromGoals(level, request, random);
}

namespace {

/// Positions the man reaches by pulling from the goals, the most promising first.
std::vector<PullState> PullPositions(Puller& puller, const std::vector<int>& goals, const PuzzleRequest& request,
                                     std::mt19937& random) {
    // The man may finish in any region next to a box: start the pulling from each.
    std::vector<PullState> layer;
    std::unordered_set<std::uint64_t> seen;
    const int cells = puller.board().size();
    PullState home;
    home.boxes = puller.board().noCells();
    for (int g : goals) home.boxes.set(g);
    std::vector<char> covered(static_cast<std::size_t>(cells), 0);
    for (int i = 0; i < cells; ++i) {
        if (home.boxes.test(i) || covered[static_cast<std::size_t>(i)]) continue;
        PullState s = home;
        s.man = puller.flood(s.boxes, i);
        for (int c = 0; c < cells; ++c)
            if (puller.reach()[static_cast<std::size_t>(c)]) covered[static_cast<std::size_t>(c)] = 1;
        if (seen.insert(StateKey(s)).second) layer.push_back(s);
    }
    // Where boxes may stay on goals, a box taken off its goal counts for much, and the
    // best of every depth is kept; else the deepest layer is.
    const std::uint32_t offGoalWeight = request.onGoalsAllowed > 0 ? 8 : 0;
    std::vector<PullState> kept;
    for (int depth = 0; depth < request.maxDepth && !layer.empty(); ++depth) {
        std::vector<PullState> next;
        for (const auto& s : layer)
            for (auto& child : puller.pulls(s))
                if (seen.insert(StateKey(child)).second) next.push_back(child);
        if (next.empty()) break;
        for (auto& s : next) {
            s.bound = puller.bound(s.boxes);
            for (int g : goals) s.bound += offGoalWeight * !s.boxes.test(g);
        }
        if (static_cast<int>(next.size()) > request.beamWidth) {
            // Keep half the farthest-flung positions and half at random, for variety.
            std::shuffle(next.begin(), next.end(), random);
            const auto half = static_cast<long>(request.beamWidth / 2);
            std::partial_sort(next.begin(), next.begin() + half, next.end(),
                              [](const PullState& a, const PullState& b) { return a.bound > b.bound; });
            next.resize(static_cast<std::size_t>(request.beamWidth));
        }
        layer = std::move(next);
        if (offGoalWeight == 0) kept.clear();
        kept.insert(kept.end(), layer.begin(), layer.end());
    }
    std::shuffle(kept.begin(), kept.end(), random);
    std::stable_sort(kept.begin(), kept.end(), [](const PullState& a, const PullState& b) { return a.bound > b.bound; });
    return kept;
}

}  // namespace

std::optional<Puzzle> PullFromGoals(const Level& board, const PuzzleRequest& request, std::mt19937& random) {
    Level level = board;
    for (auto& c : level.cells) c = c == BoxOnGoal ? std::int16_t{Goal} : c == Box || c == ManStart ? std::int16_t{Floor} : c;
    level.man = -1;
    Puller puller(level);
    const std::vector<int>& goals = puller.board().goals();
    std::optional<Puzzle> best;
    double bestScore = -1;
    int tried = 0;
    for (const auto& s : PullPositions(puller, goals, request, random)) {
        if (tried >= request.candidates) break;
        int onGoals = 0;
        for (int g : goals) onGoals += s.boxes.test(g);
        if (onGoals > request.onGoalsAllowed) continue;
        // The man starts on plain floor somewhere in his region.
        puller.flood(s.boxes, s.man);
        std::vector<int> spots;
        for (int c = 0; c < puller.board().size(); ++c)
            if (puller.reach()[static_cast<std::size_t>(c)] && !puller.board().isGoal(c)) spots.push_back(c);
        if (spots.empty()) continue;
        ++tried;
        Level puzzle = level;
        s.boxes.forEach([&](int c) {
            auto& cell = puzzle.cells[static_cast<std::size_t>(puller.board().gridIndex(c))];
            cell = cell == Goal ? BoxOnGoal : Box;
        });
        const int manCell = spots[std::uniform_int_distribution<std::size_t>(0, spots.size() - 1)(random)];
        puzzle.man = puller.board().gridIndex(manCell);
        solver::SolveLimits limits;
        limits.seconds = request.solveSeconds;
        auto result = solver::Solve(puzzle, limits);
        if (result.status != solver::SolveStatus::Solved) {
            if (request.keepUnsolved && !best) best = Puzzle{puzzle, std::move(result)};
            continue;
        }
        const double score = result.pushes + 8 * std::log10(1.0 + static_cast<double>(result.expanded));
        if (!best || best->solution.status != solver::SolveStatus::Solved || score > bestScore) {
            bestScore = score;
            best = Puzzle{puzzle, std::move(result)};
        }
    }
    return best;
}

}  // namespace tolvar::levelgen
