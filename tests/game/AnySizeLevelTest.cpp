// Levels of any size on the board: the cell size and place that show them whole, the mouse on
// their cells, and the board back in its own place for the game's own levels.
#include <gtest/gtest.h>

#include "assist/Assist.h"
#include "fakes/TestGame.h"
#include "view/BoardFit.h"

namespace tolvar {
namespace {

using testing::SheetColour;
using testing::TestGame;

// A board is drawn at the sheets' size where it fits, else at a whole fraction of it unless a
// size a third larger fits; always whole and centred to the pixel in the area.
TEST(BoardFit, aBoardIsShownWholeCentredAndAsCrispAsTheRoomAllows)
{
    struct Case {
        int columns, rows, cell, left, top;
    };
    const QRect area = BoardArea(640, 442);
    ASSERT_EQ(area, QRect(8, 8, 624, 426));
    for (const Case c : {Case{10, 8, 32, 160, 93}, Case{19, 13, 32, 16, 13}, Case{20, 14, 30, 20, 11},
                         Case{30, 20, 16, 80, 61}, Case{45, 40, 8, 140, 61}, Case{64, 64, 6, 128, 29},
                         Case{64, 3, 8, 64, 209}}) {
        const BoardFit fit = FitBoard(c.columns, c.rows, area);
        EXPECT_EQ(fit.cellSize, c.cell) << c.columns << "x" << c.rows;
        EXPECT_EQ(fit.origin, QPoint(c.left, c.top)) << c.columns << "x" << c.rows;
    }
}

/// A room of 45 x 40 walled round; the man starts on the goal (10, 10); boxes (20, 20) and
/// (12, 10), goals (10, 10) and (30, 20).
Grid BigRoom()
{
    Grid g(45, 40);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g(x, y) = (x == 0 || y == 0 || x == g.width - 1 || y == g.height - 1) ? Wall : Floor;
    g(10, 10) = Goal;
    g(30, 20) = Goal;
    g(20, 20) = Box;
    g(12, 10) = Box;
    return g;
}

QRgb PixelOfCell(const Game& game, int x, int y)
{
    const QPoint corner = game.view.CellCorner(x, y);
    return game.view.Client().pixel(corner.x() + game.view.CellSize() / 2, corner.y() + game.view.CellSize() / 2);
}

// The 45 x 40 room is played at 8 pixels a cell: a click finds its cell, the man walks from the
// goal he starts on and leaves it drawn, a push and taking it back draw the box where it is.
TEST(AnySizeLevel, aLargeLevelPlaysWithTheMouseKeysAndTakeBackOnItsOwnCells)
{
    TestGame t({testing::Level({"111", "162", "111"})});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t->ShowLevelOfAnySize(BigRoom(), Cell{10, 10}, ModePlayOther, 7);
    ASSERT_EQ(t->view.CellSize(), 8);
    EXPECT_EQ(PixelOfCell(*t, 30, 20), SheetColour(testing::ObjId, Goal, 0));
    const QPoint target = t->view.CellCorner(10, 14) + QPoint(7, 1);
    EXPECT_EQ(t->BoardCellAt(target.x(), target.y()), (Cell{10, 14}));

    assist.MouseDown(1, 0, target.x(), target.y());
    assist.FinishPlayback();
    EXPECT_EQ(t->session().man(), (Cell{10, 14}));
    EXPECT_EQ(PixelOfCell(*t, 10, 10), SheetColour(testing::ObjId, Goal, 0));
    t.Play("8888");  // back to the goal, then right: the box (12, 10) goes to (13, 10)
    t->Form_KeyDown(Directions[Right].key, 0);
    t->Form_KeyDown(Directions[Right].key, 0);
    EXPECT_EQ(t->Board()(13, 10), Box);
    EXPECT_EQ(PixelOfCell(*t, 13, 10), SheetColour(testing::ObjId, Box, 0));
    EXPECT_EQ(t->session().pushes(), 1);
    assist.TakeBack();
    EXPECT_EQ(PixelOfCell(*t, 12, 10), SheetColour(testing::ObjId, Box, 0));
    EXPECT_EQ(PixelOfCell(*t, 13, 10), SheetColour(testing::ObjId, Floor, 0));
}

// After a level of any size the game's own levels are drawn in their own place at 32 pixels.
TEST(AnySizeLevel, theLevelSetIsDrawnInItsOwnPlaceAfterALevelOfAnySize)
{
    TestGame t({testing::Level({"111", "162", "111"})});
    const Cell left{t->BoardLeft, t->BoardTop};
    const QImage before = t->view.Client().copy();
    t->ShowLevelOfAnySize(BigRoom(), Cell{10, 10}, ModePlayOther, 7);
    t->ShowLevel();
    EXPECT_EQ(t->view.CellSize(), 32);
    EXPECT_EQ((Cell{t->BoardLeft, t->BoardTop}), left);
    EXPECT_TRUE(t->view.Client() == before);
}

}  // namespace
}  // namespace tolvar
