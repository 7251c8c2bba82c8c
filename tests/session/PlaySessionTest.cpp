// The play session on its own, on boards that are not the game's 20 x 14: one history for
// the undo of the last push, taking back and redoing.
#include <gtest/gtest.h>

#include "session/Gate.h"
#include "session/PlaySession.h"

namespace tolvar {
namespace {

/// A corridor one cell high: the man at x = 1, a box at x = 3, a goal at the far end.
PlaySession Corridor(int length)
{
    Grid g(length, 3);
    g.fill(Wall);
    for (int x = 1; x < length - 1; ++x)
        g(x, 1) = Floor;
    g(3, 1) = Box;
    g(length - 2, 1) = Goal;
    PlaySession s;
    s.Start(g, {1, 1});
    return s;
}

int Digit(char c) { return DirectionOfDigit(c); }

TEST(PlaySession, takingEveryMoveBackAndRedoingThemAllComesBackToTheSamePosition)
{
    PlaySession s = Corridor(40);
    for (int i = 0; i < 36; ++i)
        s.Move(Right);
    ASSERT_TRUE(s.Won());
    EXPECT_EQ(s.moves(), 36);
    EXPECT_EQ(s.pushes(), 35);
    const Grid won = s.board();
    while (s.TakeBack()) {
    }
    EXPECT_EQ(s.moves(), 0);
    EXPECT_EQ(s.board(), Corridor(40).board());
    EXPECT_EQ((s.man()), (Cell{1, 1}));
    while (s.CanRedo())
        s.Redo();
    EXPECT_EQ(s.board(), won);
    EXPECT_EQ(s.History(), std::string(36, Directions[Right].digit));
}

// "&Undo" takes back only a push that is the last move; a walk, a take back or a replayed step ends it.
TEST(PlaySession, onlyAPushThatIsTheLastMoveCanBeUndone)
{
    struct Case { const char* moves; bool undoable; };
    for (const Case& c : {Case{"9", false}, Case{"99", true}, Case{"997", false}, Case{"99-", false}}) {
        PlaySession s = Corridor(10);
        for (const char* m = c.moves; *m; ++m) {
            if (*m == '-')
                s.TakeBack();
            else
                s.Move(Digit(*m));
        }
        EXPECT_EQ(s.CanUndoPush(), c.undoable) << c.moves;
    }
    PlaySession s = Corridor(10);
    s.Move(Right);
    s.Move(Right);
    const std::uint64_t before = s.level();
    ASSERT_TRUE(s.UndoPush());
    EXPECT_FALSE(s.CanUndoPush());  // once only
    EXPECT_EQ(s.moves(), 1);
    EXPECT_TRUE(s.CanRedo());
    EXPECT_EQ(s.level(), before);
}

TEST(PlaySession, aNewMoveForgetsTheMovesTakenBackAndAStartForgetsEverything)
{
    PlaySession s = Corridor(10);
    s.Move(Right);
    s.Move(Right);
    s.TakeBack();
    s.Move(Left);
    EXPECT_FALSE(s.CanRedo());
    EXPECT_EQ(s.History(), "97");
    const std::uint64_t level = s.level();
    s.Start(s.board(), s.man());
    EXPECT_FALSE(s.CanTakeBack());
    EXPECT_EQ(s.moves(), 0);
    EXPECT_NE(s.level(), level);
}

// The gate drops what was meant for a level that what it finished first replaced.
TEST(Gate, aCommandMeantForAReplacedLevelIsDropped)
{
    PlaySession s = Corridor(10);
    Gate gate(s);
    bool finishing = false;
    gate.AddRunning([&] {
        if (finishing)
            s.Start(s.board(), {1, 1});  // what ran ends the level
        finishing = false;
    });
    int ran = 0;
    EXPECT_TRUE(gate.Run(gate.Here(), [&] { ++ran; }));
    finishing = true;
    EXPECT_FALSE(gate.Run(gate.Here(), [&] { ++ran; }));
    finishing = true;
    EXPECT_TRUE(gate.Run(Gate::Anywhere(), [&] { ++ran; }));
    const Gate::Aim old = gate.Here();
    s.Forget();
    EXPECT_FALSE(gate.Answer(old, [&] { ++ran; }));
    EXPECT_EQ(ran, 2);
}

}  // namespace
}  // namespace tolvar
