#include <gtest/gtest.h>

#include <random>

#include "ExhaustiveSearch.h"
#include "TestLevels.h"
#include "solver/Board.h"
#include "solver/Corral.h"
#include "solver/DeadlockPatterns.h"
#include "solver/ManRegion.h"
#include "solver/PackingOrder.h"
#include "solver/Replay.h"
#include "solver/Solver.h"
#include "solver/WindowReach.h"

namespace tolvar::solver {
namespace {

using testing::LevelOf;

struct FrozenCase {
    const char* name;
    std::vector<std::string> rows;
    int x, y;  // the box just pushed
    bool deadlock;
};

void PrintTo(const FrozenCase& c, std::ostream* out) { *out << c.name; }

class FrozenTest : public ::testing::TestWithParam<FrozenCase> {};

TEST_P(FrozenTest, SpotsBoxesThatCanNeverMoveAgain) {
    const Level level = LevelOf(GetParam().rows);
    const Board board(level);
    EXPECT_EQ(board.isFrozenDeadlock(board.boxesOf(level), board.cellAt(GetParam().x, GetParam().y)), GetParam().deadlock);
}

INSTANTIATE_TEST_SUITE_P(Positions, FrozenTest, ::testing::ValuesIn(std::vector<FrozenCase>{
    {"PairAlongAWall", {"#######", "#@    #", "# $$  #", "#  ## #", "#.. ..#", "#######"}, 2, 2, false},
    {"PairAgainstTheTopWall", {"######", "#$$ @#", "#    #", "#  ..#", "######"}, 2, 1, true},
    {"PairOnGoalsAgainstTheWall", {"######", "#** @#", "#    #", "######"}, 2, 1, false},
    // The pushed box rests on a goal, but it freezes its neighbour off a goal.
    {"GoalBoxFreezesItsNeighbour", {"######", "#$* @#", "#   .#", "######"}, 2, 1, true},
    {"SquareOfFour", {"#######", "#     #", "# $$  #", "# $$@ #", "# ....#", "#######"}, 3, 3, true},
    {"ZigZagAgainstWalls", {"#######", "#  $# #", "# $   #", "#@  ..#", "#    .#", "#######"}, 2, 2, false},
    {"BoxInTheOpen", {"######", "#    #", "# $  #", "#@ ..#", "######"}, 2, 2, false},
    {"BoxOnATopWallWithoutGoals", {"######", "#  $ #", "#    #", "#@ ..#", "######"}, 3, 1, true},
    {"BetweenTwoDeadSquares", {"#######", "#     #", "#  $  #", "#  #  #", "#@   .#", "#######"}, 3, 2, false},
}), [](const auto& info) { return std::string(info.param.name); });

// Squares from which no push sequence reaches a goal are dead; the rest are not.
TEST(DeadSquares, CornersAndWallsWithoutGoalsAreDead) {
    const Level level = LevelOf({"#######", "#     #", "#  #  #", "#    .#", "#######"});
    const Board board(level);
    EXPECT_TRUE(board.isDead(board.cellAt(1, 1)));   // corner
    EXPECT_TRUE(board.isDead(board.cellAt(3, 1)));   // top wall, no goal along it
    EXPECT_FALSE(board.isDead(board.cellAt(2, 3)));  // bottom wall holds the goal
    EXPECT_FALSE(board.isDead(board.cellAt(2, 2)));
    EXPECT_EQ(board.distance(0, board.cellAt(2, 3)), 3);
}

struct CorralCase {
    const char* name;
    std::vector<std::string> rows;
    CorralVerdict verdict;
    int pushableCount;  // boxes the search may still push, when it is narrowed
};

// The man's region by a plain flood, for the corral cases.
BoxSet RegionOf(const Board& board, const BoxSet& boxes) {
    BoxSet reach = board.noCells();
    std::vector<int> stack{board.manStart()};
    reach.set(board.manStart());
    while (!stack.empty()) {
        const int c = stack.back();
        stack.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int n = board.step(c, d);
            if (n >= 0 && !boxes.test(n) && !reach.test(n)) {
                reach.set(n);
                stack.push_back(n);
            }
        }
    }
    return reach;
}

TEST(Corrals, NarrowThePushesOnlyWhereItIsSafe) {
    const std::vector<CorralCase> cases = {
        {"nothing out of reach", {"#####", "#@ .#", "# $ #", "#####"}, CorralVerdict::None, 0},
        // The goal room behind the box can only be opened by pushing that box in.
        {"room behind a door box", {"#######", "#@ #  #", "#  $  #", "#  # .#", "#######"}, CorralVerdict::Restrict, 1},
        // A walled-off room with work left in it can never be entered.
        {"sealed room with work left", {"#######", "#@ #  #", "#  #$ #", "#  #. #", "#######"}, CorralVerdict::Deadlock, 0},
        {"sealed room already done", {"#######", "#@ #  #", "#  #* #", "#  #  #", "#######"}, CorralVerdict::None, 0},
    };
    for (const auto& c : cases) {
        const Level level = LevelOf(c.rows);
        const Board board(level);
        const BoxSet boxes = board.boxesOf(level);
        BoxSet pushable = board.noCells();
        EXPECT_EQ(FindCorral(board, boxes, RegionOf(board, boxes), pushable), c.verdict) << c.name;
        if (c.verdict == CorralVerdict::Restrict) {
            EXPECT_EQ(pushable.count(), c.pushableCount) << c.name;
        }
    }
}

// The quick question a hint asks after a move: which boxes are past saving.
// A window of boxes found lost must really be lost: on many random rooms whose
// boxes are neither on dead squares nor frozen, a position called dead after a
// push of any of its boxes is one that no sequence of moves wins.
TEST(DeadlockPatterns, CallOnlyLostPositionsDead) {
    std::mt19937 random(1414);
    int dead = 0;
    for (int n = 0; n < 1500 && !HasFailure(); ++n) {
        const int w = 6 + static_cast<int>(random() % 2), h = 5 + static_cast<int>(random() % 2);
        std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '#'));
        std::vector<std::pair<int, int>> free;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                if (random() % 5 != 0) free.emplace_back(x, y);
        std::shuffle(free.begin(), free.end(), random);
        const std::size_t boxes = 2 + random() % 3;
        if (free.size() < 2 * boxes + 1) continue;
        for (std::size_t k = 0; k < free.size(); ++k)
            rows[static_cast<std::size_t>(free[k].second)][static_cast<std::size_t>(free[k].first)] =
                k == 0 ? '@' : k <= boxes ? '.' : k <= 2 * boxes ? '$' : ' ';
        const Level level = LevelOf(rows);
        const Board board(level);
        const BoxSet set = board.boxesOf(level);
        bool hopeless = false, called = false;
        set.forEach([&](int b) { hopeless = hopeless || board.isDead(b) || board.isFrozenDeadlock(set, b); });
        if (hopeless) continue;
        DeadlockPatterns patterns(board);
        set.forEach([&](int b) { called = called || patterns.isDead(set, board.manStart(), b); });
        if (!called) continue;
        ++dead;
        std::string shown;
        for (const auto& r : rows) shown += r + "\n";
        EXPECT_FALSE(testing::FewestPushes(level).has_value()) << shown;
    }
    EXPECT_GT(dead, 35);
}

// A trial floods only its window and the cells beside it, joined outside once per window:
// on boards whose walls split the floor round a window into parts, the man reaches there
// just what a flood of the whole board reaches, boxes standing only in the window.
TEST(DeadlockPatterns, ReachInAWindowIsTheWholeBoardsReach) {
    std::mt19937 random(2718);
    for (int n = 0; n < 300 && !HasFailure(); ++n) {
        std::vector<std::string> rows(9, std::string(14, '#'));
        for (int y = 1; y < 8; ++y)
            for (int x = 1; x < 13; ++x) rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = random() % 4 ? ' ' : '#';
        rows[4][6] = '@';
        rows[1][1] = '.';
        const Board board(LevelOf(rows));
        const int centre = board.cellAt(5 + static_cast<int>(random() % 3), 3 + static_cast<int>(random() % 3));
        if (centre < 0) continue;
        BoxSet window = board.noCells(), boxes = board.noCells();
        for (int c = 0; c < board.size(); ++c)
            if (std::abs(board.x(c) - board.x(centre)) <= 2 && std::abs(board.y(c) - board.y(centre)) <= 2) window.set(c);
        window.forEach([&](int c) {
            if (random() % 3 == 0) boxes.set(c);
        });
        int man = -1;
        window.forEach([&](int c) { man = boxes.test(c) || man >= 0 ? man : c; });
        if (man < 0) continue;
        WindowReach reach(board);
        reach.setWindow(centre, window);
        reach.flood(boxes, man);
        ManRegion whole(board);
        whole.flood(boxes, man);
        for (int c = 0; c < board.size(); ++c) {
            bool beside = false;
            for (int d = 0; d < 4; ++d) beside = beside || (board.step(c, d) >= 0 && window.test(board.step(c, d)));
            if (window.test(c) || beside) {
                EXPECT_EQ(reach.reached(c), whole.reached(c)) << "cell " << board.x(c) << "," << board.y(c);
            }
        }
    }
}

TEST(StuckBoxes, NamesBoxesOffGoalsThatCanNeverReachOne) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<std::pair<int, int>> stuck;
    };
    const std::vector<Case> cases = {
        {"all free", {"######", "#    #", "# $  #", "#@ . #", "######"}, {}},
        {"in a corner", {"######", "#$   #", "#  . #", "#@   #", "######"}, {{1, 1}}},
        {"on a corner goal", {"######", "#*   #", "#    #", "#@   #", "######"}, {}},
        {"along a wall without goals", {"######", "#  $ #", "#    #", "#@ . #", "######"}, {{3, 1}}},
        // Frozen side by side: only the box off its goal is reported.
        {"frozen pair, one on a goal", {"######", "#$* @#", "#   .#", "######"}, {{1, 1}}},
        {"square of four", {"#######", "#     #", "# $$  #", "# $$@ #", "# ....#", "#######"}, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
    };
    for (const auto& c : cases) {
        const Level level = LevelOf(c.rows);
        std::vector<int> expected;
        for (const auto& [x, y] : c.stuck) expected.push_back(level.index(x, y));
        EXPECT_EQ(StuckBoxes(level), expected) << c.name;
    }
}

// A cluster of goals fills from the far end or the corner; a goal apart from others has no order.
TEST(PackingOrder, FillsAClusterFromItsFarEnd) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<int> ranks;  // by goal number, goals numbered row by row
        int outOfOrderWithFirstGoalFilled;
    };
    const std::vector<Case> cases = {
        {"corridor of goals", {"#######", "#@ ...#", "#######"}, {2, 1, 0}, 1},
        {"corner room", {"######", "#@  .#", "#   .#", "#  ..#", "######"}, {1, 1, 1, 0}, 1},
        {"goals apart", {"#######", "#.@  .#", "#######"}, {-1, -1}, 0},
    };
    for (const auto& c : cases) {
        const Level level = LevelOf(c.rows);
        const Board board(level);
        const PackingOrder order(board);
        EXPECT_EQ(order.ranks(), c.ranks) << c.name;
        BoxSet filled = board.noCells();
        filled.set(board.goals().front());
        EXPECT_EQ(order.outOfOrder(filled), c.outOfOrderWithFirstGoalFilled) << c.name;
    }
}

struct ReplayCase {
    const char* name;
    std::string moves;
    bool won;
    int moved;
    int blockedAt;
};

// The replay follows the game: blocked moves and stray characters stop it.
TEST(Replay, FollowsTheRulesOfTheGame) {
    const Level level = LevelOf({"#######", "#@$ . #", "#  $$ #", "#   . #", "#######"});
    const std::vector<ReplayCase> cases = {
        {"push onto the goal", "99", false, 2, -1},
        {"walk into the wall", "8", false, 0, 0},
        {"push two boxes at once", "0999", false, 2, 2},
        {"push into a wall", "9999", false, 3, 3},
        {"stray character", "9x9", false, 1, 1},
        {"empty", "", false, 0, -1},
    };
    for (const auto& c : cases) {
        const auto r = Replay(level, c.moves);
        EXPECT_EQ(r.won, c.won) << c.name;
        EXPECT_EQ(r.moves, c.moved) << c.name;
        EXPECT_EQ(r.blockedAt, c.blockedAt) << c.name;
    }
}

TEST(Replay, AWinNeedsEveryGoalFilled) {
    const Level level = LevelOf({"######", "#@$.##", "# $ .#", "#    #", "######"});
    EXPECT_FALSE(Replay(level, "9").won);
    const auto r = Replay(level, "97099");
    EXPECT_TRUE(r.won);
    EXPECT_EQ(r.pushes, 3);
    EXPECT_EQ(r.finalBoard.at(3, 1), BoxOnGoal);
    EXPECT_EQ(r.manIndex, level.index(3, 2));
}

}  // namespace
}  // namespace tolvar::solver
