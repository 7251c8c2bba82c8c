// Walking and pushing with the mouse: where the man and the boxes end up, and what is heard.
#include <gtest/gtest.h>

#include <functional>

#include "assist/Assist.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::TestGame;

// The man (1, 2), boxes (3, 2) and (6, 2); the box (6, 2) closes the pocket (7, 2).
const std::string Room = Level({
    "111111111",
    "122222311",
    "162422421",
    "122222311",
    "111111111",
});

struct Click {
    int button;  // 1 left, 2 right
    int x, y;    // board cell
};

struct MouseCase {
    const char* name;
    std::vector<Click> clicks;
    Cell man;
    Cell box;  // where the first box stands afterwards
    int steps;
    std::vector<std::string> sounds;
    bool selected;
};

class MouseWalk : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseWalk, movesTheManAsClicked)
{
    const MouseCase& c = GetParam();
    TestGame t({Room, Room});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t.desktop.sound.played.clear();
    for (const Click& k : c.clicks) {
        assist.MouseDown(k.button, 0, k.x * 32 + 5, k.y * 32 + 5);
        assist.FinishPlayback();
    }
    EXPECT_EQ((Cell{t->ManX(), t->ManY()}), c.man);
    EXPECT_TRUE(HoldsBox(t->Board()(c.box.x, c.box.y)));
    EXPECT_EQ(t->StepCount(), c.steps);
    EXPECT_EQ(t->MoveHistory().size(), static_cast<std::size_t>(c.steps));
    EXPECT_EQ(t.desktop.sound.played, c.sounds);
    EXPECT_EQ(assist.Selected().has_value(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Assist, MouseWalk,
    ::testing::Values(
        MouseCase{"walksRoundABoxByAShortestWay", {{1, 5, 3}}, {5, 3}, {3, 2}, 5, {}, false},
        MouseCase{"aPocketBehindABoxIsOutOfReach", {{1, 7, 2}}, {1, 2}, {3, 2}, 0, {"BOXUNDO.WAV"}, false},
        MouseCase{"aClickOnABoxPicksIt", {{1, 3, 2}}, {1, 2}, {3, 2}, 0, {}, true},
        MouseCase{"aSecondClickLetsGo", {{1, 3, 2}, {1, 3, 2}}, {1, 2}, {3, 2}, 0, {}, false},
        MouseCase{"aRightClickLetsGo", {{1, 3, 2}, {2, 3, 2}}, {1, 2}, {3, 2}, 0, {}, false},
        MouseCase{"pushedUpAfterWalkingRoundIt", {{1, 3, 2}, {1, 3, 1}}, {3, 2}, {3, 1}, 4, {"BOXMOVE.WAV"}, false},
        MouseCase{"pushedFurthestByFewestPushes", {{1, 3, 2}, {1, 5, 2}}, {4, 2}, {5, 2}, 3, {"BOXMOVE.WAV", "BOXMOVE.WAV"}, false},
        MouseCase{"aBoxAgainstAWallCannotLeaveIt",
                  {{1, 3, 2}, {1, 3, 1}, {1, 3, 1}, {1, 3, 3}}, {3, 2}, {3, 1}, 4, {"BOXMOVE.WAV", "BOXUNDO.WAV"}, true},
        MouseCase{"aWallIsNoTarget", {{1, 3, 2}, {1, 0, 2}}, {1, 2}, {3, 2}, 0, {"BOXUNDO.WAV"}, true}),
    [](const ::testing::TestParamInfo<MouseCase>& info) { return std::string(info.param.name); });

// Off, the mouse moves nothing, and the choice is kept in section "Assist".
TEST(MouseWalkSetting, offByTheMenuStopsTheMouseAndIsStored)
{
    TestGame t({Room});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    EXPECT_TRUE(t->menus.Checked(MenuId::mnu_MouseWalking));
    assist.MenuCommand(MenuId::mnu_MouseWalking);
    EXPECT_EQ(t.desktop.assistSettings.values["MouseWalking"], "0");
    EXPECT_TRUE(t.desktop.settings.values.count("MouseWalking") == 0);
    assist.MouseDown(1, 0, 5 * 32, 3 * 32);
    assist.FinishPlayback();
    EXPECT_EQ(t->StepCount(), 0);
    Assist again(*t, t.desktop.assistSettings, t.desktop.gui);
    EXPECT_FALSE(t->menus.Checked(MenuId::mnu_MouseWalking));
}

// The walk is shown a move per tick; a key first finishes it, then moves from where it ended.
TEST(MouseWalkPlayback, aKeyFinishesTheWalkFirst)
{
    TestGame t({Room});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    assist.MouseDown(1, 0, 5 * 32, 3 * 32);
    assist.tmr_Walk_Timer();
    EXPECT_EQ(t->StepCount(), 1);
    EXPECT_TRUE(assist.playback().TimerEnabled());
    assist.KeyDown(VK_UP, 0);
    EXPECT_EQ((Cell{t->ManX(), t->ManY()}), (Cell{5, 2}));
    EXPECT_FALSE(assist.playback().TimerEnabled());
}

// A box pushed across the last goal wins there: while the won level's window is open the walk
// timer still ticks, and shows nothing more. Whatever finished the walk was meant for the level
// it won, and does nothing on the next one.
struct AfterWinningWalk {
    const char* name;
    std::function<void(Assist&)> act;
};

class WinningWalk : public ::testing::TestWithParam<AfterWinningWalk> {};

TEST_P(WinningWalk, endsTheWalkAndWhatFinishedItGoesNowhere)
{
    const std::string across = Level({"1111111", "1624321", "1111111"});
    TestGame t({across, across});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    int stepsSeen = -1;
    t.desktop.dialogs.onAboutBox = [&](AboutRole) {
        assist.tmr_Walk_Timer();
        stepsSeen = t->StepCount();
    };
    assist.MouseDown(1, 0, 3 * 32, 32);
    assist.MouseDown(1, 0, 5 * 32, 32);
    GetParam().act(assist);
    assist.FinishPlayback();
    EXPECT_EQ(stepsSeen, 2);
    EXPECT_EQ(t->LevelNo, 2);
    EXPECT_EQ(testing::ReadFile(t.dir.file("boxsol.1")), "99");
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_EQ(t->ManX(), 1);
    EXPECT_FALSE(assist.Searching());
}

INSTANTIATE_TEST_SUITE_P(
    Assist, WinningWalk,
    ::testing::Values(AfterWinningWalk{"aKey", [](Assist& a) { a.KeyDown(VK_RIGHT, 0); }},
                      AfterWinningWalk{"aClickOnTheFloor", [](Assist& a) { a.MouseDown(1, 0, 2 * 32, 32); }},
                      AfterWinningWalk{"aHint", [](Assist& a) { a.MenuCommand(MenuId::mnu_Hint); }}),
    [](const ::testing::TestParamInfo<AfterWinningWalk>& info) { return std::string(info.param.name); });

// The picked box wears a frame over everything; letting go draws the box again.
TEST(MouseWalkPlayback, thePickedBoxIsMarked)
{
    TestGame t({Room});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    const QRgb edge = t->view.Client().pixel(3 * 32 + 1, 2 * 32 + 16);
    assist.MouseDown(1, 0, 3 * 32, 2 * 32);
    EXPECT_NE(t->view.Client().pixel(3 * 32 + 1, 2 * 32 + 16), edge);
    t->tmr_Goal_Timer();
    EXPECT_NE(t->view.Client().pixel(3 * 32 + 1, 2 * 32 + 16), edge);
    assist.KeyDown(27, 0);  // Esc
    EXPECT_EQ(t->view.Client().pixel(3 * 32 + 1, 2 * 32 + 16), edge);
}

}  // namespace
}  // namespace tolvar
