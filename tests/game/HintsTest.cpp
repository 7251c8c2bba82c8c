// Hints and dead boxes from the solver, asked about positions of play.
#include <gtest/gtest.h>

#include <algorithm>

#include "assist/DeadBoxes.h"
#include "assist/Hints.h"
#include "assist/SolverWorker.h"
#include "fakes/FakeGuiThread.h"
#include "fakes/TestGame.h"
#include "rules/Step.h"

namespace tolvar {
namespace {

/// A position from level rows: "6" is the man on floor, "7" the man on a goal.
Position PositionOf(const std::vector<const char*>& rows)
{
    std::string text(CellCount, '0');
    for (std::size_t r = 0; r < rows.size(); ++r)
        text.replace(r * BoardWidth, std::string(rows[r]).size(), rows[r]);
    Position p;
    const std::size_t man = text.find_first_of("67");
    p.manX = static_cast<int>(man % BoardWidth);
    p.manY = static_cast<int>(man / BoardWidth);
    text[man] = text[man] == '7' ? '3' : '2';
    p.board = ReadGrid(text);
    return p;
}

solver::SolveResult SolveNow(const solver::Level& level) { return solver::Solve(level, {.seconds = 10}); }

void Play(Position& p, const std::string& moves)
{
    for (char c : moves) {
        const Step s = TakeStep(p.board, p.manX, p.manY, DirectionOfDigit(c));
        ASSERT_TRUE(s.moved());
        p.manX = s.toX;
        p.manY = s.toY;
    }
}

struct HintCase {
    const char* name;
    std::vector<const char*> rows;
    HintKind kind;
};

class HintFrom : public ::testing::TestWithParam<HintCase> {};

// A hint walks to the next push and makes it, and the level can still be won after it.
TEST_P(HintFrom, isOnePushThatKeepsTheLevelSolvableOrSaysWhyNot)
{
    const HintCase& c = GetParam();
    const Position here = PositionOf(c.rows);
    HintBook book;
    const solver::Level q = AskFor(here);
    const Hint hint = book.Answer(here, SolveNow(q));
    ASSERT_EQ(hint.kind, c.kind);
    if (c.kind != HintKind::Moves) {
        EXPECT_EQ(hint.moves, "");
        return;
    }
    Position after = here;
    Play(after, hint.moves.substr(0, hint.moves.size() - 1));
    const Step last = TakeStep(after.board, after.manX, after.manY, DirectionOfDigit(hint.moves.back()));
    EXPECT_TRUE(last.pushed()) << hint.moves;
    after.manX = last.toX;
    after.manY = last.toY;
    if (!AllGoalsFilled(after.board)) {
        EXPECT_EQ(SolveNow(AskFor(after)).status, solver::SolveStatus::Solved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, HintFrom,
    ::testing::Values(
        HintCase{"twoBoxes", {"1111111", "1622221", "1242421", "1232321", "1111111"}, HintKind::Moves},
        HintCase{"theManOnAGoal", {"1111111", "1722221", "1242421", "1222321", "1111111"}, HintKind::Moves},
        HintCase{"aBoxInACorner", {"1111111", "1422221", "1262221", "1222321", "1111111"}, HintKind::Unsolvable},
        HintCase{"noGoal", {"1111111", "1622221", "1242221", "1222221", "1111111"}, HintKind::Unsolvable},
        // The man on a goal with only goals in reach, a box past saving below him.
        HintCase{"theManOnAGoalWithNoFloorInReach", {"11111", "17341", "14111", "11111"}, HintKind::Unsolvable}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

// A second hint from where the first left the man goes on with the same solution, to the win.
TEST(HintBookTest, stepsThroughTheSolutionFoundWithoutSearchingAgain)
{
    Position here = PositionOf({"1111111", "1622221", "1242421", "1232321", "1111111"});
    HintBook book;
    const solver::Level q = AskFor(here);
    std::string hint = book.Answer(here, SolveNow(q)).moves;
    int hints = 1;
    for (; !hint.empty() && hints < 10; ++hints) {
        Play(here, hint);
        hint = book.Next(here).value_or("");
    }
    EXPECT_TRUE(AllGoalsFilled(here.board));
    EXPECT_EQ(hints, 3);  // two pushes at least; no more than the solution holds
    EXPECT_EQ(book.Next(here), std::nullopt);
}

// Moves of the player's own make the kept solution useless.
TEST(HintBookTest, aMoveOfThePlayersOwnNeedsANewSearch)
{
    Position here = PositionOf({"1111111", "1622221", "1242421", "1232321", "1111111"});
    HintBook book;
    const solver::Level q = AskFor(here);
    Play(here, book.Answer(here, SolveNow(q)).moves);
    Play(here, "8");
    EXPECT_EQ(book.Next(here), std::nullopt);
}

// The answer of a cancelled search never reaches the game; a finished one does, on its thread.
TEST(SolverWorkerTest, handsOverOnlyTheAnswerOfASearchNotCancelled)
{
    fakes::FakeGuiThread gui;
    SolverWorker worker(gui);
    const solver::Level q = AskFor(PositionOf({"1111111", "1622221", "1242421", "1232321", "1111111"}));
    int answers = 0;
    worker.Start(q, 10, [&](const solver::SolveResult& r) { answers += r.status == solver::SolveStatus::Solved; });
    worker.Cancel();
    EXPECT_FALSE(worker.Busy());
    worker.Start(q, 10, [&](const solver::SolveResult& r) { answers += 10 * (r.status == solver::SolveStatus::Solved); });
    EXPECT_TRUE(worker.Busy());
    while (worker.Busy() && gui.RunWhenPosted()) {
    }
    EXPECT_EQ(answers, 10);
    EXPECT_FALSE(worker.Busy());
}

struct DeadCase {
    const char* name;
    const char* row1;
    const char* row2;
    std::vector<int> dead;  // grid indexes
};

class DeadBoxesOn : public ::testing::TestWithParam<DeadCase> {};

// A box that can no longer reach a goal is told; one on a goal, or one still free to move, is not.
TEST_P(DeadBoxesOn, areTheBoxesPastSaving)
{
    const DeadCase& c = GetParam();
    const Grid board = PositionOf({"11111111", c.row1, c.row2, "12622231", "11111111"}).board;
    EXPECT_EQ(DeadBoxes(board), c.dead);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, DeadBoxesOn,
    ::testing::Values(
        DeadCase{"aCornerBox", "14222231", "12222221", {21}},
        DeadCase{"aFrozenPairAlongAWall", "12442231", "12222221", {22, 23}},
        DeadCase{"aFrozenBoxOnAGoal", "15222231", "12222221", {}},
        DeadCase{"aFreeBox", "12222231", "12224221", {}}),
    [](const ::testing::TestParamInfo<DeadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvar
