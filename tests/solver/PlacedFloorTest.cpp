#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "TestLevels.h"
#include "solver/Board.h"
#include "solver/BoxReach.h"
#include "solver/KeySet.h"
#include "solver/ManRegion.h"
#include "solver/PlacedFloor.h"

namespace tolvar::solver {
namespace {

using testing::LevelOf;

// A plain flood over the floor but `walls` from `start`: the cells reached.
std::vector<int> Flood(const Board& board, const BoxSet& walls, int start) {
    std::vector<int> cells{start}, seen(static_cast<std::size_t>(board.size()), 0);
    seen[static_cast<std::size_t>(start)] = 1;
    for (std::size_t k = 0; k < cells.size(); ++k)
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(cells[k], d);
            if (n < 0 || walls.test(n) || seen[static_cast<std::size_t>(n)]) continue;
            seen[static_cast<std::size_t>(n)] = 1;
            cells.push_back(n);
        }
    return cells;
}

// Boxes less goals among `cells`, whatever the sign.
int Mismatch(const Board& board, const BoxSet& boxes, const std::vector<int>& cells) {
    int sum = 0;
    for (const int c : cells) sum += (boxes.test(c) ? 1 : 0) - (board.isGoal(c) ? 1 : 0);
    return std::abs(sum);
}

// What PlacedFloor counts, worked out flood by flood as FeatureSearch once did.
void Reference(const Board& board, const BoxSet& boxes, const BoxSet& placed, int man, int& shutIn, int& outOfPlan) {
    shutIn = outOfPlan = 0;
    BoxSet done = placed;
    for (int c = 0; c < board.size(); ++c) {
        if (done.test(c)) continue;
        const auto area = Flood(board, placed, c);
        for (const int a : area) done.set(a);
        const bool goal = std::any_of(area.begin(), area.end(), [&](int a) { return board.isGoal(a); });
        shutIn += Mismatch(board, boxes, area) + (goal && std::find(area.begin(), area.end(), man) == area.end() ? 1 : 0);
    }
    for (const int g : Flood(board, placed, man)) {  // an empty goal of the man's area filled
        if (!board.isGoal(g)) continue;
        BoxSet seen = placed;
        seen.set(g);
        if (g != man)
            for (const int c : Flood(board, seen, man)) seen.set(c);
        for (const int c : Flood(board, placed, man)) {
            if (seen.test(c)) continue;
            const auto piece = Flood(board, seen, c);
            for (const int p : piece) seen.set(p);
            outOfPlan += Mismatch(board, boxes, piece);
        }
    }
}

// Random positions on a board of rooms, goals in a gate and in pockets: the kept layouts give
// what floods give, and BoxReach's numbering gives a child's man and areas as floods do.
TEST(PlacedFloorTest, AgreesWithFloodsOnRandomPositions) {
    const Level level = LevelOf({"###########", "#    #    #", "# .. # .  #", "#  .    . #", "##.########", "#  .    . #",
                                 "#    #    #", "#   .#   @#", "###########"});
    const Board board(level);
    PlacedFloor floor(board);
    BoxReach reach(board);
    ManRegion region(board);
    std::mt19937 random(7);
    std::vector<int> cells;
    for (int c = 0; c < board.size(); ++c) cells.push_back(c);
    for (int trial = 0; trial < 300; ++trial) {
        std::shuffle(cells.begin(), cells.end(), random);
        BoxSet boxes(board.size()), placed(board.size());
        for (int k = 0; k < 8; ++k)
            if (board.isGoal(cells[static_cast<std::size_t>(k)]) || !board.isDead(cells[static_cast<std::size_t>(k)])) boxes.set(cells[static_cast<std::size_t>(k)]);
        boxes.forEach([&](int c) { if (board.isGoal(c)) placed.set(c); });
        const int man = cells.back();
        if (boxes.test(man)) continue;
        int shutIn = 0, outOfPlan = 0;
        Reference(board, boxes, placed, man, shutIn, outOfPlan);
        EXPECT_EQ(floor.shutIn(boxes, placed, man), shutIn) << "trial " << trial;
        EXPECT_EQ(floor.outOfPlan(boxes, placed, man), outOfPlan) << "trial " << trial;
        BoxSet manReach(board.size());
        region.flood(boxes, man, &manReach);
        boxes.forEach([&](int box) {
            BoxSet without = boxes;
            without.reset(box);
            const int areas = region.areas(without);
            EXPECT_EQ(reach.areas(boxes) + 1 - reach.areasBeside(box), areas) << "trial " << trial;
            reach.spread(boxes, box, manReach);
            for (const int cell : reach.cells())
                for (int side = 0; side < 4 && cell != box; ++side) {
                    if (!reach.reached(cell, side)) continue;
                    BoxSet child = without;
                    child.set(cell);
                    EXPECT_EQ(reach.leastBeside(cell, side), region.flood(child, board.step(cell, side))) << "trial " << trial;
                    EXPECT_EQ(areas + reach.splits(cell), region.areas(child)) << "trial " << trial;
                }
        });
    }
}

struct MatchCase {
    const char* name;
    std::vector<std::string> rows;
    bool unmatched;
};

void PrintTo(const MatchCase& c, std::ostream* out) { *out << c.name; }

class PlacedFloorMatchTest : public ::testing::TestWithParam<MatchCase> {};

// Each box off a goal needs an empty goal of its own that it can be pushed to alone, the boxes
// on goals standing as walls.
TEST_P(PlacedFloorMatchTest, TellsWhetherEveryBoxHasAGoal) {
    const Level level = LevelOf(GetParam().rows);
    const Board board(level);
    const BoxSet boxes = board.boxesOf(level);
    BoxSet placed = boxes;
    for (int k = 0; k < placed.words(); ++k) placed.word(k) &= board.goalMask().word(k);
    PlacedFloor floor(board);
    EXPECT_EQ(floor.unmatched(boxes, placed), GetParam().unmatched);
}

INSTANTIATE_TEST_SUITE_P(Matching, PlacedFloorMatchTest, ::testing::ValuesIn(std::vector<MatchCase>{
    {"EachBoxItsGoal", {"#######", "#.  $ #", "#  @  #", "# $  .#", "#######"}, false},
    // Both boxes reach only the goal in the corridor's end; the other one is behind a box on a goal.
    {"TwoBoxesOneGoalTheyReach", {"#########", "#.*  $ $.#", "####   ###", "#### @ ###", "#########"}, true},
    // The box on the goal walls the corridor off: the box beyond it is shut in with no goal.
    {"BoxOnGoalWallsTheCorridor", {"########", "# $*  .#", "#####@##", "########"}, true},
    {"PushedAroundTheCorner", {"#######", "#.    #", "#### ##", "#   $ #", "# @   #", "#######"}, false},
}), [](const auto& info) { return std::string(info.param.name); });

// The empty goals a box on `start` can be pushed to alone, by a plain search over pushes.
std::vector<int> GoalsReached(const Board& board, const BoxSet& placed, int start) {
    std::vector<int> cells{start}, goals, seen(static_cast<std::size_t>(board.size()), 0);
    seen[static_cast<std::size_t>(start)] = 1;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const auto goal = std::find(board.goals().begin(), board.goals().end(), cells[k]);
        if (goal != board.goals().end()) goals.push_back(static_cast<int>(goal - board.goals().begin()));
        for (int d = 0; d < 4; ++d) {
            const int to = board.step(cells[k], d), man = board.step(cells[k], Opposite(d));
            if (to < 0 || man < 0 || board.isDead(to) || placed.test(to) || placed.test(man) || seen[static_cast<std::size_t>(to)]) continue;
            seen[static_cast<std::size_t>(to)] = 1;
            cells.push_back(to);
        }
    }
    return goals;
}

// Whether some set of boxes off goals reaches fewer goals than it has boxes (Hall's condition).
bool ReferenceUnmatched(const Board& board, const BoxSet& boxes, const BoxSet& placed) {
    std::vector<std::uint64_t> reach;
    boxes.forEach([&](int b) {
        if (placed.test(b)) return;
        reach.push_back(0);
        for (const int g : GoalsReached(board, placed, b)) reach.back() |= std::uint64_t{1} << g;
    });
    for (std::uint32_t subset = 1; subset < (1u << reach.size()); ++subset) {
        std::uint64_t goals = 0;
        for (std::size_t k = 0; k < reach.size(); ++k) goals |= subset >> k & 1 ? reach[k] : 0;
        if (std::popcount(goals) < std::popcount(subset)) return true;
    }
    return false;
}

// Random boxes, some on goals: the goals each box reaches, worked out over the push nodes of
// the kept layouts, give the matching test what plain searches over pushes give.
TEST(PlacedFloorTest, MatchesAsPlainSearchesOfPushes) {
    const std::vector<std::vector<std::string>> boards{
        {"###########", "#    #    #", "# .. # .  #", "#  .    . #", "##.########", "#  .    . #", "#    #    #", "#   .#   @#", "###########"},
        {"##########", "#  .   . #", "# ## ##. #", "#.  .#   #", "# #  ## .#", "#. .    @#", "##########"}};
    std::mt19937 random(11);
    for (const auto& rows : boards) {
        const Board board(LevelOf(rows));
        PlacedFloor floor(board);
        std::vector<int> cells;
        for (int c = 0; c < board.size(); ++c) cells.push_back(c);
        for (int trial = 0; trial < 400; ++trial) {
            std::shuffle(cells.begin(), cells.end(), random);
            BoxSet boxes(board.size()), placed(board.size());
            for (std::size_t k = 0; k < 7; ++k) boxes.set(cells[k]);
            boxes.forEach([&](int c) { if (board.isGoal(c)) placed.set(c); });
            EXPECT_EQ(floor.unmatched(boxes, placed), ReferenceUnmatched(board, boxes, placed)) << "trial " << trial;
        }
    }
}

// The feature search's set of positions met: keys that share their low bits, the key 0, and
// growth past the first table keep every key once.
TEST(KeySetTest, KeepsEveryKeyOnce) {
    KeySet known;
    std::vector<std::uint64_t> keys{0, 1, ~std::uint64_t{0}};
    for (std::uint64_t k = 1; k <= 40000; ++k) keys.push_back(k << 16 | 0xFFFF);
    for (const std::uint64_t k : keys) EXPECT_TRUE(known.insert(k)) << k;
    for (const std::uint64_t k : keys) EXPECT_FALSE(known.insert(k)) << k;
    EXPECT_EQ(known.size(), keys.size());
}

}  // namespace
}  // namespace tolvar::solver
