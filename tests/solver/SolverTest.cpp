#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <iterator>
#include <memory>
#include <numeric>
#include <random>
#include <tuple>
#include <thread>

#include "ExhaustiveSearch.h"
#include "TestLevels.h"
#include "solver/Board.h"
#include "solver/Bound.h"
#include "solver/FeatureSearch.h"
#include "solver/FloorCuts.h"
#include "solver/Matching.h"
#include "solver/PackingOrder.h"
#include "solver/Portfolio.h"
#include "solver/PullSearch.h"
#include "solver/Search.h"
#include "solver/Replay.h"
#include "solver/SearchTables.h"
#include "solver/Solver.h"

namespace tolvar::solver {
namespace {

using testing::FewestPushes;
using testing::LevelOf;
using testing::MovesWin;

struct KnownLevel {
    const char* name;
    std::vector<std::string> rows;
    int pushes;
};

// Small levels whose fewest pushes can be counted by hand.
const std::vector<KnownLevel> KnownLevels = {
    {"OnePushRight", {"#####", "#@$.#", "#####"}, 1},
    {"TwoPushesDownAWall", {"#####", "#@  #", "#$  #", "#   #", "#.  #", "#####"}, 2},
    {"PushRoundACorner", {"#####", "#@  #", "# $ #", "#  .#", "#####"}, 2},
    {"AlreadyWon", {"#####", "#@* #", "#####"}, 0},
    {"PushDownBetweenPillars", {"#######", "#  @  #", "# #$# #", "#  .  #", "#######"}, 1},
    {"TwoBoxesStraightDown", {"######", "#@   #", "# $$ #", "# .. #", "######"}, 2},
    {"OnThroughATunnel", {"###########", "#@ $     .#", "###########"}, 6},
    {"TunnelWithAGoalInside", {"#########", "#@$ .   #", "#########"}, 2},
};

void PrintTo(const KnownLevel& level, std::ostream* out) { *out << level.name; }

class KnownLevelTest : public ::testing::TestWithParam<KnownLevel> {};

// The solver finds the fewest pushes and moves that really win.
TEST_P(KnownLevelTest, SolvesWithTheFewestPushes) {
    const Level level = LevelOf(GetParam().rows);
    const auto result = Solve(level);
    ASSERT_EQ(result.status, SolveStatus::Solved) << result.reason;
    EXPECT_EQ(result.pushes, GetParam().pushes);
    EXPECT_TRUE(MovesWin(level, result.moves)) << result.moves;
    EXPECT_EQ(Replay(level, result.moves).pushes, result.pushes);
}

// Trading the fewest pushes for speed still gives moves that win.
TEST_P(KnownLevelTest, WeightedSearchStillWins) {
    const Level level = LevelOf(GetParam().rows);
    SolveOptions options;
    options.weight = 3;
    const auto result = Solve(level, SolveLimits{}, options);
    ASSERT_EQ(result.status, SolveStatus::Solved) << result.reason;
    EXPECT_GE(result.pushes, GetParam().pushes);
    EXPECT_TRUE(MovesWin(level, result.moves)) << result.moves;
}

INSTANTIATE_TEST_SUITE_P(Levels, KnownLevelTest, ::testing::ValuesIn(KnownLevels),
                         [](const auto& info) { return std::string(info.param.name); });

struct HopelessLevel {
    const char* name;
    std::vector<std::string> rows;
};

// Each of these can never be won; the solver must prove it, not just give up.
const std::vector<HopelessLevel> HopelessLevels = {
    {"BoxInACorner", {"#####", "#$  #", "#  .#", "# @ #", "#####"}},
    {"TwoBoxesSideBySideOnAWall", {"######", "#$$  #", "#  ..#", "#@   #", "######"}},
    {"SquareOfBoxes", {"#######", "#     #", "# $$  #", "# $$@ #", "#  .. #", "#  .. #", "#######"}},
    {"GoalOutOfReach", {"#######", "#@ $  #", "#######", "#  .  #", "#######"}},
    {"MoreGoalsThanBoxes", {"######", "#@$..#", "######"}},
    {"NoGoal", {"#####", "#@$ #", "#####"}},
    {"NoMan", {"#####", "# $.#", "#####"}},
    {"BoxOnAWallItCannotLeave", {"######", "# $  #", "#    #", "#@  .#", "######"}},
    {"TwoBoxesInACorridor", {"########", "#@$$ ..#", "########"}},
};

void PrintTo(const HopelessLevel& level, std::ostream* out) { *out << level.name; }

class HopelessLevelTest : public ::testing::TestWithParam<HopelessLevel> {};

TEST_P(HopelessLevelTest, IsProvenUnsolvable) {
    const auto result = Solve(LevelOf(GetParam().rows));
    EXPECT_EQ(result.status, SolveStatus::Unsolvable) << result.reason;
    EXPECT_TRUE(result.moves.empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, HopelessLevelTest, ::testing::ValuesIn(HopelessLevels),
                         [](const auto& info) { return std::string(info.param.name); });

// A search cut short by its limit says so and never claims the level unsolvable.
TEST(SolverLimits, GivesUpWhenThePositionLimitIsReached) {
    const Level level = LevelOf({"#########", "#@      #", "# $ $ $ #", "#  ...  #", "# $ .   #", "#########"});
    SolveLimits limits;
    limits.nodes = 5;
    const auto result = Solve(level, limits);
    EXPECT_EQ(result.status, SolveStatus::GaveUp);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(Solve(level).status, SolveStatus::Solved);
}

TEST(SolverLimits, GivesUpWhenTheMemoryBudgetIsTooSmall) {
    const Level level = LevelOf({"#########", "#@      #", "# $ $ $ #", "#  ...  #", "# $ .   #", "#########"});
    SolveLimits limits;
    limits.memoryBytes = 1000;
    EXPECT_EQ(Solve(level, limits).status, SolveStatus::GaveUp);
}

// A square of four boxes off the goals can never move, but no search sees it: all go on for
// minutes among the other boxes.
const std::vector<std::string> EndlessRoom = {"####################", "#@                 #", "#                  #",
                                              "#  $$ $ $ $ $ $ $  #", "#  $$              #", "#  $ $ $ $ $ $     #",
                                              "#                  #", "#                  #", "#     ........     #",
                                              "#     ........     #", "#                  #", "####################"};

// Another thread can stop a long search; it then gives up and says so.
TEST(SolverLimits, StopsWhenCancelled) {
    const Level level = LevelOf(EndlessRoom);
    SolveLimits limits;
    limits.seconds = 600;
    std::atomic<bool> cancel{true};
    limits.cancel = &cancel;
    EXPECT_EQ(Solve(level, limits).reason, "cancelled");
    cancel = false;
    auto running = std::async(std::launch::async, [&] { return Solve(level, limits); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    cancel = true;
    const auto result = running.get();
    EXPECT_EQ(result.status, SolveStatus::GaveUp);
    EXPECT_EQ(result.reason, "cancelled");
}

// The threads of this process.
std::size_t RunningThreads() {
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<std::size_t>(std::distance(std::filesystem::begin(tasks), std::filesystem::end(tasks)));
}

// Searches side by side on two threads stop together when cancelled, and none is left running.
TEST(SolverLimits, CancellingThePoolStopsEveryThread) {
    const Level level = LevelOf(EndlessRoom);
    SolveLimits limits;
    limits.seconds = 600;
    limits.threads = 2;
    std::atomic<bool> cancel{false};
    limits.cancel = &cancel;
    std::thread([] {}).join();  // a runtime that starts a thread of its own with the first one (ThreadSanitizer's) has it now
    const std::size_t before = RunningThreads();
    std::size_t during = 0;
    Clock::time_point cancelled;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        during = RunningThreads();
        cancelled = Clock::now();
        cancel = true;
    });
    const auto result = Solve(level, limits);
    const double after = std::chrono::duration<double>(Clock::now() - cancelled).count();
    canceller.join();
    EXPECT_EQ(during, before + 2);  // the canceller and the second search
    EXPECT_EQ(result.reason, "cancelled");
    EXPECT_LT(after, 0.5);
    EXPECT_EQ(RunningThreads(), before);
}

// A budget counted in processor time ends a search as the wall clock does.
TEST(SolverLimits, GivesUpWhenTheProcessorTimeIsSpent) {
    const Level level = LevelOf({"####################", "#@                 #", "#  $ $ $ $ $ $ $ $ #", "#                  #",
                                 "#  $ $ $ $ $ $ $ $ #", "#                  #", "#     ........     #",
                                 "#     ........     #", "####################"});
    for (const bool eachThread : {false, true}) {
        SolveLimits limits;
        limits.seconds = 0.05;
        limits.processorTime = true;
        limits.eachThread = eachThread;
        SolveOptions fewest;
        fewest.weight = 1;
        const auto result = Solve(level, limits, fewest);
        EXPECT_EQ(result.status, SolveStatus::GaveUp);
        EXPECT_EQ(result.reason, "time limit reached");
    }
}

// A thread's own processor time does not count another thread's work; a watch handed to a
// new thread goes on from the reading it is given.
TEST(SolverLimits, ThreadTimeCountsTheThreadThatReadsIt) {
    const Stopwatch watch(Timing::Thread);
    double handed = 0;
    std::thread([&] {
        const Stopwatch own = watch.onThisThread(1.0);
        while (own.seconds() < 1.1) {}
        handed = own.seconds();
    }).join();
    EXPECT_GE(handed, 1.1);
    EXPECT_LT(watch.seconds(), 0.05);
}

// A search stopped by its budget goes on where it stopped when run again: in
// slices it stores the same positions and finds the same pushes as in one run.
// Weight 2 stands for the search from the end.
TEST(SearchResume, SlicesFindWhatOneRunFinds) {
    const std::vector<std::vector<std::string>> levels = {
        {"#############", "#       # . #", "#   # #$# $ #", "#  #  $     ##", "#   .  #$ # .#", "# #@   #  # $#",
         "#    . #. #  #", "##############"},
        {"    #######", "    #     #", "    #  #  #", "#####  ## #", "#  $  #   #", "#.#$    # #", "#.        #",
         "#..$ $   ##", "# .$ #   #", "##    @###", " #######"},
    };
    for (const auto& rows : levels) {
        {  // the search by features too: a slice that ends mid-round goes on in that round
        const Level level = LevelOf(rows);
        const Board board(level);
        const Stopwatch watch(false);
        SearchBudget budget{&watch, 1e9, std::size_t{1} << 30, 0, nullptr};
        FeatureSearch whole(level, board), sliced(level, board);
        SolveResult one, parts;
        whole.run(one, budget);
        int runs = 0;
        for (budget.nodes = 15; parts.status == SolveStatus::GaveUp && runs < 10000; budget.nodes += 15, ++runs) sliced.run(parts, budget);
        EXPECT_GT(runs, 3);
        ASSERT_EQ(parts.status, SolveStatus::Solved);
        EXPECT_EQ(parts.moves, one.moves);
        EXPECT_EQ(parts.nodes, one.nodes);
        EXPECT_TRUE(MovesWin(level, parts.moves));
        }
        for (const double weight : {1.0, 2.0, 3.0}) {
            const Level level = LevelOf(rows);
            const Board board(level);
            const PackingOrder order(board);
            const Stopwatch watch(false);
            SearchBudget budget{&watch, 1e9, std::size_t{1} << 30, 0, nullptr};
            SearchStyle style;
            style.weight = weight;
            style.pruneCorrals = weight > 1;
            style.guide = weight > 1 ? &order : nullptr;
            auto make = [&]() -> std::unique_ptr<BestFirst> {
                if (weight == 2.0) return std::make_unique<PullSearch>(level, board, weight);
                return std::make_unique<Search>(level, board, style);
            };
            const auto whole = make(), sliced = make();
            SolveResult one, parts;
            whole->run(one, budget);
            int runs = 0;
            for (budget.nodes = 15; parts.status == SolveStatus::GaveUp && runs < 10000; budget.nodes += 15, ++runs)
                sliced->run(parts, budget);
            EXPECT_GT(runs, 3);
            EXPECT_EQ(parts.status, SolveStatus::Solved);
            EXPECT_EQ(parts.moves, one.moves);
            EXPECT_EQ(parts.nodes, one.nodes);
            EXPECT_EQ(parts.provenFewest, weight == 1.0);
            EXPECT_TRUE(MovesWin(level, parts.moves));
        }
    }
}

// Positions are told apart by their hashes alone: every one added is found again, no other is.
TEST(NodeStore, FindsEveryPositionAddedAndNoOther) {
    NodeStore store;
    std::mt19937_64 random(14);
    std::vector<SearchNode> added(200000);
    for (auto& node : added) {
        node.setHash(random(), static_cast<std::uint32_t>(random()));
        ASSERT_EQ(store.find(node), NodeStore::None);
        node.parent = store.add(node);
    }
    for (const auto& node : added) EXPECT_EQ(store.find(node), node.parent);
    SearchNode other = added.front();
    other.check ^= 1;  // the same main hash, another check: another position
    EXPECT_EQ(store.find(other), NodeStore::None);
    // The cell a push came from (up to 4095 on the largest board) shares its bits with the
    // check, and changes nothing about which position it is.
    other = added.back();
    other.setPush(4095, Down, SearchNode::MaxLength);
    EXPECT_EQ(store.find(other), added.back().parent);
    EXPECT_EQ(other.from(), 4095);
    EXPECT_EQ(other.dir(), Down);
    EXPECT_EQ(other.length(), SearchNode::MaxLength);
}

// The default search proves its pushes the fewest when it can, and says when it cannot.
TEST(SolverDefault, SaysWhetherItsPushesAreTheFewest) {
    const Level level = LevelOf(KnownLevels[2].rows);
    EXPECT_TRUE(Solve(level).provenFewest);
    SolveOptions weighted;
    weighted.weight = 3;
    EXPECT_FALSE(Solve(level, SolveLimits{}, weighted).provenFewest);
}

// On a level of many boxes the default runs the search by features too. With a spare box it has
// no move (every box off a goal needs an empty goal of its own) and ends at once; the other
// searches, in its lane or their own, still solve the level.
TEST(SolverDefault, ASearchOutOfMovesEndsAloneNotItsLane) {
    std::vector<std::string> rows{"#######################", "#@                    #"};
    for (const char* boxes : {"#  $$$$$$$$$$$$$$$    #", "#  $$$$$$$$$$$$$$$$   #"})
        rows.insert(rows.end(), {boxes, "#  ...............    #", "#                     #"});
    rows.emplace_back("#######################");
    const Level level = LevelOf(rows);
    ASSERT_GE(level.boxCount(), FeatureBoxes);
    SolveOptions first;
    first.proveWhereCheap = false;
    for (const int threads : {1, 2}) {
        SolveLimits limits;
        limits.seconds = 60;  // solved in a fraction of a second; a lane or solve ended early gives up at once
        limits.threads = threads;
        const auto result = Solve(level, limits, first);
        ASSERT_EQ(result.status, SolveStatus::Solved) << threads << " threads: " << result.reason;
        EXPECT_TRUE(MovesWin(level, result.moves));
    }
}

// Extra boxes need not all reach goals: the game wins when every goal is filled.
TEST(SolverRules, ASpareBoxMayStayInACorner) {
    const Level level = LevelOf({"######", "#$   #", "# $. #", "#@   #", "######"});
    const auto result = Solve(level);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_EQ(result.pushes, 1);
    EXPECT_TRUE(MovesWin(level, result.moves));
}

// Moves that leave the grid block: a level open at the edge is played as the game plays it.
TEST(SolverRules, TheGridEdgeBlocksLikeAWall) {
    Level level;
    level(0, 0) = Floor;
    level.man = level.index(0, 0);
    level(1, 0) = Box;
    level(2, 0) = Goal;
    const auto result = Solve(level);
    ASSERT_EQ(result.status, SolveStatus::Solved);
    EXPECT_EQ(result.moves, "9");
}

// A walled room of w x h cells with a pillar at every fourth cell of every fourth row, and a
// wall across it at row `wallRow` (when not 0) open at its two ends; then the given characters.
Level PillaredRoom(int w, int h, int wallRow, const std::vector<std::tuple<int, int, char>>& things) {
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), ' '));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            const bool pillar = x % 4 == 2 && y % 4 == 2;
            const bool across = y == wallRow && x > 2 && x < w - 3;
            if (edge || pillar || across) rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
        }
    for (const auto& [x, y, c] : things) rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c;
    return LevelOf(rows);
}

// Boards larger than the game's, one with the man on a goal and a wall to get the boxes round:
// solved by moves that win.
TEST(SolverSizes, SolvesLevelsLargerThanTheGamesBoard) {
    const struct {
        const char* name;
        Level level;
    } cases[] = {
        {"30 x 17", PillaredRoom(30, 17, 0, {{1, 1, '@'}, {5, 3, '$'}, {12, 9, '$'}, {20, 13, '$'}, {25, 5, '$'},
                                             {27, 15, '.'}, {1, 15, '.'}, {28, 1, '.'}, {15, 8, '.'}})},
        {"45 x 40", PillaredRoom(45, 40, 20, {{3, 3, '+'}, {7, 5, '$'}, {21, 11, '$'}, {33, 27, '$'}, {40, 36, '$'},
                                              {43, 38, '.'}, {22, 30, '.'}, {37, 9, '.'}})},
    };
    for (const auto& c : cases) {
        const auto result = Solve(c.level);
        ASSERT_EQ(result.status, SolveStatus::Solved) << c.name << ": " << result.reason;
        EXPECT_TRUE(MovesWin(c.level, result.moves)) << c.name;
    }
}

// Dead squares, frozen boxes, corrals and the bound must never cut off a
// solution, and the pushes found must be the fewest: compare with the plain
// search on many small random boards, solvable and not.
struct CrossCheckCounts {
    int solvable = 0, unsolvable = 0;
};

// Walls at one cell in five; with `tunnel`, a one-wide tunnel of three or four cells across the room.
std::vector<std::string> RandomRoom(std::mt19937& random, int w, int h, bool tunnel) {
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '#'));
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            if (random() % 5 != 0) rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ' ';
    if (!tunnel) return rows;
    const int length = 3 + static_cast<int>(random() % 2);
    if (w < length + 2 || h < 5) return rows;
    const int y = 2 + static_cast<int>(random() % static_cast<unsigned>(h - 4));
    const int x0 = 1 + static_cast<int>(random() % static_cast<unsigned>(w - 1 - length));
    for (int x = x0; x < x0 + length; ++x) {
        rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x)] = '#';
        rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ' ';
        rows[static_cast<std::size_t>(y + 1)][static_cast<std::size_t>(x)] = '#';
    }
    return rows;
}

// The search from the end (which needs a box for every goal and no more) solves what the
// plain search solves, by moves that win, and calls unsolvable what it calls unsolvable.
void ExpectPullsAgree(const Level& level, const SolveResult& plain, const std::string& shown) {
    const Board board(level);
    PullSearch pulls(level, board, 3.0);
    const Stopwatch watch(false);
    SolveResult back;
    pulls.run(back, SearchBudget{&watch, 1e9, std::size_t{1} << 30, 0, nullptr});
    EXPECT_EQ(back.status, plain.status) << shown;
    if (back.status != SolveStatus::Solved) return;
    EXPECT_TRUE(MovesWin(level, back.moves)) << shown;
    EXPECT_GE(back.pushes, plain.pushes) << shown;
}

CrossCheckCounts CrossCheck(unsigned seed, int boards, int width, int height, int maxBoxes, bool tunnel = false) {
    std::mt19937 random(seed);
    CrossCheckCounts counts;
    for (int board = 0; board < boards; ++board) {
        const int w = width + static_cast<int>(random() % 3), h = height + static_cast<int>(random() % 2);
        auto rows = RandomRoom(random, w, h, tunnel);
        std::vector<std::pair<int, int>> free;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == ' ') free.emplace_back(x, y);
        std::shuffle(free.begin(), free.end(), random);
        const int boxes = 1 + static_cast<int>(random() % static_cast<unsigned>(maxBoxes));
        const int goals = board % 10 == 0 ? boxes - 1 : boxes;  // now and then a spare box
        if (static_cast<int>(free.size()) < boxes + goals + 1 || goals < 1) continue;
        auto cell = [&](std::pair<int, int> at) -> char& {
            return rows[static_cast<std::size_t>(at.second)][static_cast<std::size_t>(at.first)];
        };
        auto put = [&](std::pair<int, int> at, char c) { cell(at) = cell(at) != '.' ? c : c == '$' ? '*' : '+'; };
        std::size_t next = 1;
        for (int g = 0; g < goals; ++g) put(free[next++], '.');
        // Boxes may land on goals: reuse goal cells now and then.
        for (int b = 0; b < boxes; ++b) put(free[random() % 4 == 0 ? 1 + static_cast<std::size_t>(b % goals) : next++], '$');
        put(free[board % 6 == 1 && cell(free[1]) == '.' ? 1 : 0], '@');  // now and then the man starts on a goal
        const Level level = LevelOf(rows);
        if (level.boxCount() != boxes) continue;
        const auto expected = FewestPushes(level);
        SolveOptions corrals;
        corrals.weight = 1;
        corrals.pruneCorrals = true;
        const auto result = Solve(level, SolveLimits{}, corrals);
        SolveLimits turns;
        turns.threads = 1 + board % 2;  // the default's searches in turns on one thread, or on two
        const auto plain = Solve(level, turns);
        SolveOptions quick;
        quick.weight = 3;
        quick.pruneCorrals = true;
        const auto weighted = Solve(level, SolveLimits{}, quick);
        EXPECT_EQ(plain.status, result.status);
        EXPECT_EQ(plain.pushes, result.pushes);
        EXPECT_EQ(weighted.status, result.status);
        std::string shown;
        for (const auto& r : rows) shown += r + "\n";
        if (goals == boxes) ExpectPullsAgree(level, result, shown);
        if (expected) {
            ++counts.solvable;
            EXPECT_EQ(result.status, SolveStatus::Solved) << shown;
            EXPECT_EQ(result.pushes, *expected) << shown;
            EXPECT_TRUE(plain.provenFewest) << shown;
            EXPECT_TRUE(MovesWin(level, result.moves)) << shown;
            EXPECT_GE(weighted.pushes, *expected) << shown;
            EXPECT_TRUE(MovesWin(level, weighted.moves)) << shown;
        } else {
            ++counts.unsolvable;
            EXPECT_EQ(result.status, SolveStatus::Unsolvable) << shown;
        }
        if (::testing::Test::HasFailure()) break;
    }
    return counts;
}

TEST(SolverCrossCheck, AgreesWithExhaustiveSearchOnSmallBoards) {
    const auto counts = CrossCheck(20261207, 1000, 5, 5, 4);
    // The sample must hold plenty of both kinds to mean anything.
    EXPECT_GT(counts.solvable, 150);
    EXPECT_GT(counts.unsolvable, 150);
}

// Larger rooms with more boxes leave areas the man cannot reach, where corrals count.
TEST(SolverCrossCheck, AgreesWithExhaustiveSearchOnRoomsWithCorrals) {
    const auto counts = CrossCheck(7, 200, 7, 6, 3);
    EXPECT_GT(counts.solvable, 30);
    EXPECT_GT(counts.unsolvable, 80);
}

// Boxes pushed into a one-wide tunnel are pushed on through it.
TEST(SolverCrossCheck, AgreesWithExhaustiveSearchInTunnels) {
    const auto counts = CrossCheck(3, 1500, 6, 5, 3, true);
    EXPECT_GT(counts.solvable, 150);
    EXPECT_GT(counts.unsolvable, 500);
}

// Boards of other shapes than the game's: long and thin, wider than its 20 columns, narrow
// and taller than its 14 rows, a corridor of 30 x 3 and a square of 12 x 12.
TEST(SolverCrossCheck, AgreesWithExhaustiveSearchOnLongAndTallBoards) {
    const auto wide = CrossCheck(11, 100, 22, 4, 2);
    const auto tall = CrossCheck(12, 100, 4, 16, 2);
    const auto corridor = CrossCheck(13, 60, 30, 3, 2);
    const auto square = CrossCheck(14, 30, 12, 12, 2);
    EXPECT_GT(wide.solvable + tall.solvable, 40);
    EXPECT_GT(wide.unsolvable + tall.unsolvable, 100);
    EXPECT_GT(corridor.solvable, 5);
    EXPECT_GT(square.solvable, 5);
}

// The guided searches pay for every area the boxes cut the free floor into.
TEST(ManRegion, CountsTheAreasTheBoxesCutTheFloorInto) {
    const struct {
        std::vector<std::string> rows;
        int areas, areasOfTwoCells;
    } cases[] = {
        {{"#####", "#@$.#", "#####"}, 2, 0},                           // a box across a corridor
        {{"######", "#@  .#", "# $$ #", "#    #", "######"}, 1, 1},     // boxes beside open floor
        {{"#######", "#@#.#.#", "#$#$# #", "#  #  #", "#######"}, 4, 2},  // two boxes closing two pockets
        {{"####", "#@*#", "####"}, 1, 0},                              // no free floor beyond the man's
        {{"########", "#@ $ $.#", "########"}, 3, 1},
    };
    for (const auto& c : cases) {
        const Level level = LevelOf(c.rows);
        const Board board(level);
        const BoxSet boxes = board.boxesOf(level);
        ManRegion region(board);
        EXPECT_EQ(region.areas(boxes), c.areas) << c.rows[1];
        EXPECT_EQ(region.areas(boxes, 2), c.areasOfTwoCells) << c.rows[1];
    }
}

// The man and the areas of every size after the box at `box` went to `to`, from the walk
// of the position before, are those a flood of the position after finds.
void ExpectAfterPushAsAFlood(const Board& board, const FloorCuts& cuts, const BoxSet& boxes, int box, int to) {
    BoxSet after = boxes;
    after.reset(box);
    after.set(to);
    EXPECT_EQ(cuts.manAfterPush(box, to), ManRegion(board).flood(after, box)) << box << " to " << to;
    for (int smallest : {1, 2, 3}) {
        const FloorCuts::AfterPush got = cuts.afterPush(box, to, smallest);
        EXPECT_EQ(got.man, ManRegion(board).flood(after, box)) << box << " to " << to;
        EXPECT_EQ(got.areas, ManRegion(board).areas(after, smallest)) << box << " to " << to << ", " << smallest;
    }
}

// One walk of a position gives the man's region after each of its pushes and pulls, and the
// areas after its pushes, as a flood would.
TEST(FloorCuts, GivesTheMansRegionAfterEveryPushAndPullAsAFloodDoes) {
    std::mt19937 random(8);
    int pushes = 0, pulls = 0;
    for (int trial = 0; trial < 400; ++trial) {
        std::vector<std::string> rows(7, std::string(9, '#'));
        for (int y = 1; y < 6; ++y)
            for (int x = 1; x < 8; ++x) rows[y][x] = "   #$$"[random() % 6];
        rows[5][7] = '.';
        rows[1 + random() % 5][1 + random() % 6] = '@';
        const Level level = LevelOf(rows);
        const Board board(level, Board::Distances::Skip);
        const BoxSet boxes = board.boxesOf(level);
        FloorCuts cuts(board);
        ManRegion flood(board);
        BoxSet reach = board.noCells(), flooded = board.noCells();
        ASSERT_EQ(cuts.walk(boxes, board.manStart(), &reach), flood.flood(boxes, board.manStart(), &flooded));
        ASSERT_TRUE(reach == flooded) << "trial " << trial;
        boxes.forEach([&](int box) {
            for (int d = 0; d < 4; ++d) {
                const int behind = board.step(box, Opposite(d)), to = board.step(box, d);
                if (behind < 0 || !reach.test(behind) || to < 0 || boxes.test(to)) continue;
                BoxSet after = boxes;
                after.reset(box);
                after.set(to);
                ++pushes;
                ExpectAfterPushAsAFlood(board, cuts, boxes, box, to);
                // Pulled the other way: the man on `to` takes the box along and steps on.
                const int stand = board.step(to, d);
                if (reach.test(to) && stand >= 0 && !boxes.test(stand)) {
                    ++pulls;
                    EXPECT_EQ(cuts.manAfterPull(box, to, stand), ManRegion(board).flood(after, stand)) << "trial " << trial;
                }
            }
            // On through a tunnel, or anywhere: the box lands on any free cell.
            for (int far = 0; far < board.size(); ++far)
                if (!boxes.test(far)) ExpectAfterPushAsAFlood(board, cuts, boxes, box, far);
        });
        EXPECT_EQ(cuts.areas(1), ManRegion(board).areas(boxes));
        EXPECT_EQ(cuts.areas(2), ManRegion(board).areas(boxes, 2));
    }
    EXPECT_GT(pushes, 500);
    EXPECT_GT(pulls, 200);
}

// A child's bound, remembered or worked out from its parent's matching, whatever the size its
// cache has grown to by then, is the bound of the child worked out afresh.
TEST(Bound, EveryChildsBoundIsItsBoundAfresh) {
    const Level level = LevelOf({"##########", "#@       #", "# ...... #", "#        #", "# $$$$$$ #", "#        #", "##########"});
    const Board board(level);
    Bound incremental(board), fresh(board);
    std::mt19937 random(5);
    std::vector<int> floor;
    for (int c = 0; c < board.size(); ++c)
        if (!board.isDead(c)) floor.push_back(c);
    int children = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        BoxSet boxes = board.noCells();
        while (boxes.count() < 6) boxes.set(floor[random() % floor.size()]);
        incremental.setParent(boxes);
        boxes.forEach([&](int box) {
            for (int d = 0; d < 4; ++d) {
                const int to = board.step(box, d);
                if (to < 0 || boxes.test(to)) continue;
                BoxSet child = boxes;
                child.reset(box);
                child.set(to);
                ++children;
                ASSERT_EQ(incremental.child(box, to, Keys().boxes(child).hash), fresh.of(child));
            }
        });
    }
    EXPECT_GT(children, 20000);  // enough misses for the cache to grow twice
}

TEST(Matching, FindsTheCheapestAssignment) {
    Matching matching;
    EXPECT_EQ(matching.MinCost({4, 1, 3, 2, 0, 5, 3, 2, 2}, 3, 3), 5);
    EXPECT_EQ(matching.MinCost({1, 9, 9, 9}, 2, 2), 10);
    // Two goals that only the same box can reach have no assignment.
    EXPECT_EQ(matching.MinCost({1, Matching::Infinite, 2, Matching::Infinite}, 2, 2), Matching::Infinite);
    // More boxes than goals: the spare box is left out.
    EXPECT_EQ(matching.MinCost({7, 1, 9}, 1, 3), 1);
}

// Random matrices, square and with a spare column, against every assignment tried.
TEST(Matching, FindsTheCheapestOfEveryAssignment) {
    std::mt19937 random(21);
    Matching matching;
    for (int trial = 0; trial < 1500; ++trial) {
        const int rows = 1 + static_cast<int>(random() % 6), cols = rows + static_cast<int>(random() % 2);
        std::vector<std::int32_t> cost(static_cast<std::size_t>(rows * cols));
        for (auto& c : cost) c = random() % 7 == 0 ? Matching::Infinite : static_cast<std::int32_t>(random() % 30);
        std::vector<int> columns(static_cast<std::size_t>(cols));
        std::iota(columns.begin(), columns.end(), 0);
        std::int64_t best = Matching::Infinite;
        do {
            std::int64_t total = 0;
            for (int r = 0; r < rows; ++r) total += cost[static_cast<std::size_t>(r * cols + columns[static_cast<std::size_t>(r)])];
            best = std::min(best, total);
        } while (std::next_permutation(columns.begin(), columns.end()));
        ASSERT_EQ(matching.MinCost(cost, rows, cols), std::min<std::int64_t>(best, Matching::Infinite)) << trial;
    }
}

// Starting from the last solution after one column changed gives what solving afresh gives.
TEST(Matching, OneChangedColumnAgreesWithSolvingAfresh) {
    std::mt19937 random(14);
    Matching fresh, incremental;
    for (int trial = 0; trial < 2000; ++trial) {
        const int rows = 1 + static_cast<int>(random() % 6), cols = rows + static_cast<int>(random() % 2);
        auto draw = [&] { return random() % 7 == 0 ? Matching::Infinite : static_cast<std::int32_t>(random() % 30); };
        std::vector<std::int32_t> cost(static_cast<std::size_t>(rows * cols));
        for (auto& c : cost) c = draw();
        incremental.MinCost(cost, rows, cols);
        const int changed = static_cast<int>(random() % static_cast<unsigned>(cols));
        for (int r = 0; r < rows; ++r) cost[static_cast<std::size_t>(r * cols + changed)] = draw();
        ASSERT_EQ(incremental.MinCostWithColumn(cost, rows, cols, changed), fresh.MinCost(cost, rows, cols)) << trial;
    }
}

// The bound measures many children of one position: each starts from the parent's matching,
// whatever the children before it changed, on matrices as wide as a board's boxes.
TEST(Matching, EveryChildOfOneParentAgreesWithSolvingAfresh) {
    std::mt19937 random(5);
    Matching fresh, incremental;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + static_cast<int>(random() % 16);
        auto draw = [&] { return random() % 9 == 0 ? Matching::Infinite : static_cast<std::int32_t>(random() % 40); };
        std::vector<std::int32_t> cost(static_cast<std::size_t>(n * n));
        for (auto& c : cost) c = draw();
        incremental.MinCost(cost, n, n);
        for (int child = 0; child < 6; ++child) {
            std::vector<std::int32_t> changed = cost;
            const int col = static_cast<int>(random() % static_cast<unsigned>(n));
            for (int r = 0; r < n; ++r) changed[static_cast<std::size_t>(r * n + col)] = draw();
            ASSERT_EQ(incremental.MinCostWithColumn(changed, n, n, col), fresh.MinCost(changed, n, n)) << trial << "/" << child;
        }
    }
}

}  // namespace
}  // namespace tolvar::solver
