// Hints and shown solutions on a running game: the solver's answer arrives on the game's
// thread and moves the man only through the ordinary key handler.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "assist/Assist.h"
#include "assist/SolverHelp.h"
#include "fakes/FakeGuiThread.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::TestGame;

const std::string TwoBoxes = Level({"1111111", "1622221", "1242421", "1232321", "1111111"});

struct Helped {
    TestGame t;
    fakes::FakeGuiThread gui;
    Gate gate{t->session()};
    SolverHelp help{*t, gui, gate, [this](const std::string& moves) { t.Play(moves); }};
    explicit Helped(const std::string& level) : t({level, level}) {}
    void Answer()
    {
        while (help.Searching() && gui.RunWhenPosted()) {
        }
    }
};

// Hint after hint wins the level, each one a walk and a push made as ordinary moves.
TEST(SolverHelpTest, hintsWinTheLevelOnePushAtATime)
{
    Helped h(TwoBoxes);
    int hints = 0;
    for (; h.t->LevelNo == 1 && hints < 10; ++hints) {
        h.help.Hint();
        h.Answer();
    }
    EXPECT_EQ(h.t->LevelNo, 2);  // the win moved on
    EXPECT_LE(hints, 4);
    EXPECT_TRUE(std::filesystem::exists(h.t.dir.file("boxsol.1")));
}

struct NoMoveCase {
    const char* name;
    std::string level;
    bool cancel;
    std::vector<std::string> messages;
};

class HintThatMovesNothing : public ::testing::TestWithParam<NoMoveCase> {};

// A hint that finds nothing, or is cancelled, leaves the man, the boxes and the counters alone.
TEST_P(HintThatMovesNothing, leavesThePositionAsItWas)
{
    const NoMoveCase& c = GetParam();
    Helped h(c.level);
    const Grid before = h.t->Board();
    h.help.Hint();
    if (c.cancel)
        h.help.Cancel();
    h.Answer();
    h.gui.RunPosted();
    EXPECT_EQ(h.t->Board(), before);
    EXPECT_EQ(h.t->StepCount(), 0);
    EXPECT_EQ(h.t.desktop.dialogs.texts(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, HintThatMovesNothing,
    ::testing::Values(
        NoMoveCase{"unsolvable", Level({"1111111", "1422221", "1262221", "1222321", "1111111"}), false,
                   {NoSolutionFromHere}},
        NoMoveCase{"cancelled", TwoBoxes, true, {}}),
    [](const ::testing::TestParamInfo<NoMoveCase>& info) { return std::string(info.param.name); });

// The solution shown is traced like a stored one, to "Tracing over!", and nothing is written.
TEST(SolverHelpTest, aShownSolutionReplaysToTheEndAndWritesNothing)
{
    Helped h(TwoBoxes);
    h.t.Play("0");
    h.help.ShowSolution();
    h.Answer();
    ASSERT_EQ(h.t->GameMode, ModeTracing);
    EXPECT_EQ(h.t->StepCount(), 0);
    for (int presses = 0; h.t->controls.btn_Trace_Visible && presses < 100; ++presses)
        h.t->btn_Trace_Click();
    EXPECT_EQ(h.t.desktop.dialogs.texts(), std::vector<std::string>{"Tracing over!"});
    EXPECT_EQ(h.t->LevelNo, 1);
    EXPECT_FALSE(std::filesystem::exists(h.t.dir.file("boxsol.1")));
}

// One's own stored level under test is solved and replayed from its file: only while the drawing
// is the stored one, or the replay would throw the changed drawing away unasked.
TEST(SolverHelpTest, aSolutionIsShownUnderTestOnlyForTheDrawingAsStored)
{
    for (bool changed : {false, true}) {
        Helped h(TwoBoxes);
        testing::WriteFile(h.t.dir.file("self.1"), TwoBoxes);
        h.t.desktop.settings.values["SelfLevel"] = "1";
        h.t.desktop.dialogs.typed = {"1"};
        h.t->MenuCommand(MenuId::mnu_LoadSelf);
        if (changed) {
            h.t->ssr_Object_Click(Wall);
            h.t->Form_MouseDown(1, 0, 7 * 32 + 16, 7 * 32 + 16);
        }
        h.t->btn_Test_Click();
        ASSERT_EQ(h.t->GameMode, ModeTestPlay);
        EXPECT_EQ(h.help.CanShowSolution(), !changed);
        h.help.ShowSolution();
        h.Answer();
        EXPECT_EQ(h.t->GameMode, changed ? ModeTestPlay : ModeTracing) << "changed: " << changed;
    }
}

}  // namespace
}  // namespace tolvar

namespace tolvar {
namespace {

struct DeadMarkCase {
    const char* name;
    bool marking;
    const char* moves;
    std::optional<MenuId> then;  // a command after the pushes
    CellMarks marks;
};

class DeadMarks : public ::testing::TestWithParam<DeadMarkCase> {};

// A push that leaves a box past saving (against a wall with no goal) marks it; taking the push back, starting the
// level again, or the item unchecked, leaves the board unmarked.
TEST_P(DeadMarks, followThePushesMade)
{
    const DeadMarkCase& c = GetParam();
    TestGame t({Level({"1111111", "1222221", "1242621", "1222221", "1222231", "1111111"})});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    if (!c.marking)
        assist.MenuCommand(MenuId::mnu_MarkDeadBoxes);
    t.Play("7");  // no box is past saving yet
    EXPECT_EQ(t->view.Marks(), CellMarks{});
    t.Play(c.moves);
    if (c.then)
        assist.MenuCommand(*c.then);
    EXPECT_EQ(t->view.Marks(), c.marks);
    EXPECT_EQ(t.desktop.assistSettings.Value(MarkDeadBoxesKey).value_or("1"), c.marking ? "1" : "0");
}

INSTANTIATE_TEST_SUITE_P(
    Pushes, DeadMarks,
    ::testing::Values(DeadMarkCase{"boxPushedIntoACorner", true, "77", {}, {{1, 2, MarkKind::Dead}}},
                      DeadMarkCase{"goneAfterTakeBack", true, "77", MenuId::mnu_TakeBack, {}},
                      DeadMarkCase{"goneWhenTheLevelStartsAgain", true, "77", MenuId::mnu_NewGame, {}},
                      DeadMarkCase{"notMarkedWhileUnchecked", false, "77", {}, {}}),
    [](const ::testing::TestParamInfo<DeadMarkCase>& info) { return std::string(info.param.name); });

// A mark is painted over its own cell only (a cross through the middle for a dead box, a frame
// round the edge for the picked one), and taking it away leaves the cell as it was drawn.
TEST(CellMarks, paintOverTheirCellAndGoWithoutATrace)
{
    TestGame t({Level({"1111111", "1242621", "1222231", "1111111"})});
    const int x = t->BoardLeft + 2, y = t->BoardTop + 1;  // the box
    const QRect cell(x * CellSize, y * CellSize, CellSize, CellSize);
    const QRect next = cell.translated(CellSize, 0);
    const QImage before = t->view.Client().copy(cell), nextBefore = t->view.Client().copy(next);
    const struct {
        MarkKind kind;
        QPoint marked, untouched;
        QRgb colour;
    } cases[] = {{MarkKind::Dead, {16, 16}, {1, 1}, qRgb(230, 30, 30)}, {MarkKind::Selected, {1, 1}, {16, 16}, qRgb(255, 214, 0)}};
    for (const auto& c : cases) {
        t->SetMarks({{x, y, c.kind}});
        const QImage marked = t->view.Client().copy(cell);
        EXPECT_EQ(marked.pixel(c.marked), c.colour);
        EXPECT_EQ(marked.pixel(c.untouched), before.pixel(c.untouched));
        EXPECT_EQ(t->view.Client().copy(next), nextBefore);
        t->SetMarks({});
        EXPECT_EQ(t->view.Client().copy(cell), before);
    }
}

}  // namespace
}  // namespace tolvar
