#include <gtest/gtest.h>

#include "TestLevels.h"
#include "solver/Board.h"
#include "solver/Replay.h"

namespace tolvar::solver {
namespace {

using testing::LevelOf;

BoxSet BoxesOf(const Level& level) {
    BoxSet boxes;
    for (int i = 0; i < CellCount; ++i)
        if (level.cells[static_cast<std::size_t>(i)] == Box || level.cells[static_cast<std::size_t>(i)] == BoxOnGoal) boxes.set(i);
    return boxes;
}

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
    EXPECT_EQ(board.isFrozenDeadlock(BoxesOf(level), GetParam().x + Width * GetParam().y), GetParam().deadlock);
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
    EXPECT_TRUE(board.isDead(1 + Width * 1));   // corner
    EXPECT_TRUE(board.isDead(3 + Width * 1));   // top wall, no goal along it
    EXPECT_FALSE(board.isDead(2 + Width * 3));  // bottom wall holds the goal
    EXPECT_FALSE(board.isDead(2 + Width * 2));
    EXPECT_EQ(board.distance(0, 2 + Width * 3), 3);
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
    EXPECT_EQ(r.manIndex, 3 + Width * 2);
}

}  // namespace
}  // namespace tolvar::solver
