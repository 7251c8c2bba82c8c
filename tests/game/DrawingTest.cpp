// Drawing: which source rectangle each operation copies, and how the four raster
// operations combine pixels.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "fakes/TestGame.h"
#include "view/Raster.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ObjId;
using testing::SheetColour;
using testing::SpriteId;
using testing::TestGame;

const std::string Small = Level({"11111", "16231", "11111"});

TEST(Drawing, sceneryAndCharacterPickTheSourceCells)
{
    TestGame t({Small});
    t->view.appearance.Scenery = 3;
    t->view.appearance.Character = 1;
    t->DrawCell(Box, 4, 4);
    EXPECT_EQ(t.CellPixel(4, 4), SheetColour(ObjId, 4, 3));  // (128, 96) of pic_Obj
    t->DrawCell(ManStart, 5, 4);
    EXPECT_EQ(t.CellPixel(5, 4), SheetColour(ObjId, 7, 3));  // (224, 96)
    t->ManFrame = 5;
    t->DrawManFrame(6, 4);
    EXPECT_EQ(t.CellPixel(6, 4), SheetColour(SpriteId, 5, 10));  // row 10 of pic_Sprite
    t->DrawGoalFrame(4, 7, 4);
    EXPECT_EQ(t.CellPixel(7, 4), SheetColour(testing::GoalId, 3, 3));
}

TEST(Drawing, theBackgroundFillsEverySquareBoundsIncluded)
{
    struct Case {
        int background;
        QRgb colour;
    };
    for (const Case c : {Case{0, qRgb(0, 0, 0)}, Case{1, SheetColour(ObjId, 0, 1)}, Case{2, SheetColour(ObjId, 0, 2)}}) {
        TestGame t({Small});
        // A wider image shows the 21st column that a 640 x 442 client area asks for.
        t->view.Client() = BlankImage(704, 480);
        t->view.Client().fill(qRgb(1, 2, 3));
        t->view.appearance.Background = static_cast<std::int16_t>(c.background);
        t->FillBackground();
        EXPECT_EQ(t->view.Client().pixel(20 * 32 + 5, 13 * 32 + 5), c.colour) << "21st column, 14th row";
        EXPECT_EQ(t->view.Client().pixel(5, 5), c.colour);
        EXPECT_EQ(t->view.Client().pixel(21 * 32 + 5, 5), qRgb(1, 2, 3)) << "no 22nd column";
        EXPECT_EQ(t->view.Client().pixel(5, 14 * 32 + 5), qRgb(1, 2, 3)) << "no 15th row";
    }
}

TEST(Drawing, theDecorationCoversOnlyWhereItsMaskIsBlack)
{
    TestGame t({Small});
    t->view.Client().fill(qRgb(10, 200, 30));
    t->ClientChanged();
    t->DrawOverlay();
    EXPECT_EQ(t->view.Client().pixel(1, 1), testing::DecorationColour());
    EXPECT_EQ(t->view.Client().pixel(100, 100), qRgb(10, 200, 30));
}

// The decoration is laid and the window repainted only where something was drawn: after
// every step the picture must be the one a whole decoration and a whole repaint would give.
TEST(Drawing, theChangedPartsAloneGiveTheWholePicture)
{
    TestGame t({Level({"1111111", "1643221", "1253221", "1111111"})});
    // A decoration over every pixel, so that every cell drawn needs it.
    QImage picture(OverlayWidth, OverlayHeight, QImage::Format_RGB32), mask(picture.size(), QImage::Format_RGB32);
    picture.fill(qRgb(0x30, 0x03, 0x00));
    mask.fill(qRgb(0x0F, 0xF0, 0xFF));
    t->view.sheets().pic_Back = Decoration(picture, mask);
    QImage screen(t->view.Client().size(), QImage::Format_RGB32);
    screen.fill(qRgb(7, 7, 7));
    const auto tick = [&] { t->tmr_Goal_Timer(); };
    struct Step {
        const char* name;
        std::function<void()> act;
        bool unlaid;  // the marks lie over the decoration, or the next tick lays it
    };
    const Step steps[] = {
        {"first tick", tick, false},
        {"push onto a goal", [&] { t.Play("9"); }, false},
        {"undo, tick", [&] { t->mnu_Undo_Click(); tick(); }, false},
        {"man's frame, tick", [&] { t->tmr_Sprite_Timer(); tick(); }, false},
        {"walk down, ticks", [&] { t.Play("0"); tick(); tick(); }, false},
        {"a mark", [&] { t->SetMarks({CellMark{3, 2, MarkKind::Dead}}); }, true},
        {"no mark, tick", [&] { t->SetMarks({}); tick(); }, false},
        {"level shown again", [&] { t->mnu_NewGame_Click(); }, true},
        {"tick after it", tick, false},
    };
    for (const Step& step : steps) {
        t.desktop.window.refreshed = QRegion();
        step.act();
        QPainter painter(&screen);
        painter.setClipRegion(t.desktop.window.refreshed);
        painter.drawImage(0, 0, t->view.Client());
        painter.end();
        EXPECT_TRUE(screen == t->view.Client()) << step.name << ": the repaints left part of the window out of date";
        QImage whole = t->view.Client().copy();
        BitBlt(whole, 0, 0, OverlayWidth, OverlayHeight, mask, 0, 0, Rop::SrcAnd);
        BitBlt(whole, 0, 0, OverlayWidth, OverlayHeight, picture, 0, 0, Rop::SrcPaint);
        EXPECT_TRUE(step.unlaid || whole == t->view.Client()) << step.name << ": part of the picture lacks the decoration";
    }
}

// The cell size is the view's own: a pixel lies in the cell at or before it, also left of or
// above the window, whatever the size.
TEST(BoardView, aPixelLiesInTheCellRoundedDownAtAnyCellSize)
{
    struct Case {
        int cellSize, pixel, cell;
    };
    for (const Case c : {Case{16, 0, 0}, Case{16, 15, 0}, Case{16, 16, 1}, Case{16, 47, 2}, Case{16, -1, -1},
                         Case{16, -16, -1}, Case{16, -17, -2}, Case{32, 31, 0}, Case{32, 32, 1}, Case{32, -1, -1}}) {
        const BoardView view(c.cellSize);
        EXPECT_EQ(view.PixelToCell(c.pixel), c.cell) << c.cellSize << " pixels a cell, pixel " << c.pixel;
        EXPECT_EQ(view.PixelToCell(view.CellToPixel(c.cell)), c.cell) << c.cellSize << " pixels a cell, cell " << c.cell;
    }
}

// A smaller cell shows the same picture, scaled into its own square and no further.
TEST(BoardView, aSmallerCellDrawsItsTileScaledIntoItsSquare)
{
    BoardView view(16);
    view.SetSheets(testing::SyntheticSheets());
    view.Resize(320, 224);
    view.appearance.Scenery = 3;
    view.DrawCell(Box, 4, 4);
    EXPECT_EQ(view.Client().pixel(4 * 16 + 1, 4 * 16 + 14), SheetColour(ObjId, Box, 3));
    EXPECT_EQ(view.Client().pixel(5 * 16, 4 * 16 + 8), qRgb(0, 0, 0));
    EXPECT_EQ(view.Client().pixel(4 * 16 + 8, 4 * 16 - 1), qRgb(0, 0, 0));
}

TEST(Drawing, theChangedAreaKeepsAFewRectanglesOrTheOneRoundThem)
{
    const QRect a(0, 0, 32, 32), b(64, 32, 32, 32);
    struct Case {
        const char* name;
        std::vector<QRect> added;
        std::vector<QRect> kept;
    };
    std::vector<QRect> many;
    for (std::size_t i = 0; i <= ChangedArea::MaxRects; ++i)
        many.emplace_back(static_cast<int>(i) * 32, 0, 32, 32);
    const Case cases[] = {
        {"empty rectangles are nothing", {QRect(), QRect(5, 5, 0, 9)}, {}},
        {"two apart stay two", {a, b}, {a, b}},
        {"one inside another counts once", {a, QRect(4, 4, 8, 8), a}, {a}},
        {"too many become one", many, {QRect(0, 0, 32 * static_cast<int>(many.size()), 32)}},
    };
    for (const Case& c : cases) {
        ChangedArea area;
        for (const QRect& r : c.added)
            area.Add(r);
        EXPECT_EQ(area.Rects(), c.kept) << c.name;
    }
}

TEST(Raster, theFourOperationsCombinePixelsLikeTheirNamesakes)
{
    QImage src = BlankImage(1, 1), dst = BlankImage(1, 1);
    const QRgb s = qRgb(0xF0, 0x0F, 0xAA), d = qRgb(0x3C, 0x3C, 0x55);
    struct Case {
        Rop rop;
        QRgb expected;
    };
    for (const Case c : {Case{Rop::SrcCopy, s}, Case{Rop::Blackness, qRgb(0, 0, 0)},
                         Case{Rop::SrcAnd, qRgb(0x30, 0x0C, 0x00)}, Case{Rop::SrcPaint, qRgb(0xFC, 0x3F, 0xFF)}}) {
        src.setPixel(0, 0, s);
        dst.setPixel(0, 0, d);
        BitBlt(dst, 0, 0, 1, 1, src, 0, 0, c.rop);
        EXPECT_EQ(dst.pixel(0, 0) & 0xFFFFFF, c.expected & 0xFFFFFF) << static_cast<int>(c.rop);
    }
}

// A decoration kept as its runs lays, on any part of the board, what its picture and mask laid
// with the two block transfers would: runs at the ends of rows, across the area's edges, beyond it.
TEST(Raster, aDecorationLaysLikeItsPictureOverItsMask)
{
    QImage picture = BlankImage(40, 9), mask(40, 9, QImage::Format_RGB32);
    mask.fill(qRgb(0xFF, 0xFF, 0xFF));
    for (int i = 0; i < 90; ++i) {
        const int x = (i * 37) % 40, y = (i * 11) % 9;
        (i % 3 ? picture : mask).setPixel(x, y, qRgb(i * 40 % 256, i * 7 % 256, 0x5A));
    }
    const Decoration decoration(picture, mask);
    for (const QRect area : {QRect(0, 0, 40, 9), QRect(3, 2, 17, 5), QRect(-5, -5, 8, 30), QRect(39, 8, 20, 20), QRect(50, 0, 5, 5)}) {
        QImage laid = BlankImage(48, 12);
        laid.fill(qRgb(0x3C, 0x99, 0x55));
        QImage expected = laid.copy();
        decoration.Lay(laid, area);
        BitBlt(expected, area.x(), area.y(), area.width(), area.height(), mask, area.x(), area.y(), Rop::SrcAnd);
        BitBlt(expected, area.x(), area.y(), area.width(), area.height(), picture, area.x(), area.y(), Rop::SrcPaint);
        EXPECT_TRUE(laid == expected) << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    }
}

TEST(Counters, drawFourDigitsWithLeadingZeros)
{
    struct Case {
        int value;
        std::array<int, 4> digits;
    };
    for (const Case c : {Case{0, {0, 0, 0, 0}}, Case{7, {0, 0, 0, 7}}, Case{1234, {1, 2, 3, 4}}, Case{9999, {9, 9, 9, 9}}}) {
        TestGame t({Small});
        t->DrawNumber(Counter::Step, c.value, 1);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(t->view.CounterImage(Counter::Step).pixel(i * 13 + 6, 11), testing::DigitColour(c.digits[static_cast<std::size_t>(i)], 1))
                << c.value << " digit " << i;
    }
}

TEST(Counters, levelNumbersBeyondFourDigitsShowTheHighestNumber)
{
    TestGame t({Small});
    t->DrawNumber(Counter::Level, 123456, 1);
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(6, 11), testing::DigitColour(9, 1));
}

TEST(Animations, theGoalTimerCyclesFourFramesOverBoxesOnGoalsOnly)
{
    TestGame t({Level({"111111", "165231", "111111"})});
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i) {
        t->tmr_Goal_Timer();
        frames.push_back(t->GoalFrame);
        EXPECT_EQ(t.CellPixel(2, 1), SheetColour(testing::GoalId, t->GoalFrame - 1, 0));
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_EQ(t.CellPixel(4, 1), SheetColour(ObjId, Goal, 0));
}

TEST(Animations, theGoalTimerRestsWhileMinimized)
{
    TestGame t({Small});
    t.desktop.window.minimized = true;
    const int refreshes = t.desktop.window.refreshes;
    t->tmr_Goal_Timer();
    EXPECT_EQ(t->GoalFrame, 0);
    EXPECT_EQ(t.desktop.window.refreshes, refreshes);
}

TEST(Animations, theManAlternatesWithinHisPair)
{
    TestGame t({Small});
    for (int start = 0; start < 8; ++start) {
        t->ManFrame = static_cast<std::int16_t>(start);
        t->tmr_Sprite_Timer();
        EXPECT_EQ(t->ManFrame, start ^ 1);
        EXPECT_EQ(t.CellPixel(t->ManX(), t->ManY()), SheetColour(SpriteId, start ^ 1, 0));
    }
}


TEST(Animations, theManTimerLaysTheDecorationWithoutARefresh)
{
    TestGame t({Small});
    t->DrawOverlay();
    t->DrawCell(Floor, 0, 0);  // drawn over the decoration's corner since it was laid
    const int refreshes = t.desktop.window.refreshes;
    t->tmr_Sprite_Timer();
    EXPECT_EQ(t->view.Client().pixel(1, 1), testing::DecorationColour());
    EXPECT_EQ(t.desktop.window.refreshes, refreshes);
}

}  // namespace
}  // namespace tolvar
