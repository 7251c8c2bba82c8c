// The level editor: drawing with the mouse, checking, test play and saving.
#include <gtest/gtest.h>

#include <functional>

#include "assist/Assist.h"
#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;

const std::string Small = Level({"11111", "16231", "11111"});

/// Clicks the middle of board cell (x, y) with palette object `object`.
void Place(Game& g, int object, int x, int y)
{
    g.ssr_Object_Click(object);
    g.Form_MouseDown(1, 0, x * 32 + 16, y * 32 + 16);
}

/// Draws a closed room with one box and one goal, the man left where he starts (9, 6).
void DrawSmallRoom(Game& g)
{
    for (int x = 7; x <= 12; ++x) {
        Place(g, Wall, x, 5);
        Place(g, Wall, x, 7);
    }
    Place(g, Wall, 7, 6);
    Place(g, Wall, 12, 6);
    Place(g, Floor, 8, 6);
    Place(g, Box, 10, 6);
    Place(g, Goal, 11, 6);
}

/// Enters the editor in an 800 x 600 window: the board lies two cells right of and below its corner.
void EditOnABigWindow(TestGame& t)
{
    t.desktop.window.width = 800;
    t.desktop.window.height = 600;
    t->ResizeSurfaces(800, 600);
    t->ShowLevel();
    t->MenuCommand(MenuId::mnu_Edit);
}

TEST(Editor, enteringGivesAnEmptyBoardWithTheManInTheMiddle)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "4";
    t->MenuCommand(MenuId::mnu_Edit);
    EXPECT_EQ(t->GameMode, ModeEditNew);
    EXPECT_EQ(t->LevelKind, KindNew);
    EXPECT_EQ(t->Board()(9, 6), ManStart);
    EXPECT_EQ(t->EditBoard()(9, 6), ManStart);
    EXPECT_EQ(t->Board()(1, 1), Outside);
    EXPECT_EQ(t->EditObject(), Wall);
    EXPECT_TRUE(t->controls.frm_Edit_Open);
    EXPECT_FALSE(t->controls.btn_Edit_Enabled);
    EXPECT_TRUE(t->controls.btn_Test_Enabled);
    EXPECT_TRUE(t->menus.Checked(MenuId::mnu_DisBanner));
    EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_SelectScenery));
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(39 + 6, 11), testing::DigitColour(5, 1));  // SelfLevel + 1
    EXPECT_EQ(t.CellPixel(3, 3), qRgb(0, 0, 0));  // Night paints the whole window black
}

TEST(Editor, thePaletteShowsWhatAClickDrawsAndAnAnimatedBoxOnAGoal)
{
    TestGame t({Small});
    t->view.appearance.Scenery = 2;
    t->view.appearance.Character = 1;
    t->MenuCommand(MenuId::mnu_Edit);
    const auto colourOf = [&](int i) { return t->view.Palette()[static_cast<std::size_t>(i)].pixel(16, 16); };
    EXPECT_EQ(colourOf(0), qRgb(0, 0, 0));
    EXPECT_EQ(colourOf(1), testing::SheetColour(testing::ObjId, 1, 2));
    EXPECT_EQ(colourOf(4), testing::SheetColour(testing::ObjId, 4, 2));
    EXPECT_EQ(colourOf(5), testing::SheetColour(testing::GoalId, 2, 2));
    EXPECT_EQ(colourOf(6), testing::SheetColour(testing::ObjId, 7, 2));
}

TEST(Editor, placingTheManElsewhereLeavesFloorWhereHeStood)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, ManStart, 3, 3);
    EXPECT_EQ(t->Board()(9, 6), Floor);
    EXPECT_EQ(t->EditBoard()(9, 6), Floor);
    EXPECT_EQ(t.CellPixel(9, 6), testing::SheetColour(testing::ObjId, Floor, 0));
    EXPECT_EQ(t->ManX(), 3);
    EXPECT_TRUE(t->controls.tmr_Sprite_Enabled);
}

TEST(Editor, overwritingTheManRemovesHimForGood)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Wall, 9, 6);
    EXPECT_FALSE(t->controls.tmr_Sprite_Enabled);
    Place(*t, ManStart, 3, 3);
    EXPECT_EQ(t->Board()(9, 6), Wall);  // no floor appears at the old cell
}

TEST(Editor, theManOnAGoalReplacesTheGoal)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Goal, 4, 4);
    Place(*t, ManStart, 4, 4);
    EXPECT_EQ(t->EditBoard()(4, 4), ManStart);
}

TEST(Editor, aClickOutsideTheBoardIsRefusedAndChangesNothing)
{
    TestGame t({Small});
    EditOnABigWindow(t);
    const Grid before = t->Board();
    t->Form_MouseDown(2, 0, 10, 10);
    EXPECT_EQ(t.desktop.dialogs.messages.back().text, "Invalid position!");
    EXPECT_EQ(t.desktop.sound.played.back(), "BOXUNDO.WAV");
    EXPECT_EQ(t->Board(), before);
}

// A drag with a button held places the object in every cell the pointer enters, as clicks would.
TEST(Editor, aDragPaintsEveryCellItEnters)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    t->Form_MouseDown(1, 0, 3 * 32 + 5, 3 * 32 + 5);
    for (int x = 3 * 32 + 20; x < 7 * 32; x += 12)  // several moves within each cell
        t->Form_MouseMove(1, 0, x, 3 * 32 + 16);
    t->Form_MouseUp(1, 0, 7 * 32 - 1, 3 * 32 + 16);
    t->Form_MouseMove(1, 0, 8 * 32, 3 * 32);  // after the release: no longer a drag
    t->Form_MouseMove(0, 0, 9 * 32, 4 * 32);  // no button held
    for (int x = 2; x <= 9; ++x)
        EXPECT_EQ(t->EditBoard()(x, 3), x >= 3 && x <= 6 ? Wall : Outside) << x;
    EXPECT_EQ(t->EditBoard()(9, 4), Outside);
}

// Dragging off the board warns once, however many cells off it the pointer enters, and the
// cells entered on the board afterwards are still placed.
TEST(Editor, aDragOffTheBoardWarnsOnce)
{
    TestGame t({Small});
    EditOnABigWindow(t);
    t->Form_MouseDown(1, 0, 3 * 32, 3 * 32);
    for (int x : {1, 0, 1, 2, 3})
        t->Form_MouseMove(1, 0, x * 32 + 8, 3 * 32 + 8);
    t->Form_MouseMove(1, 0, -40, 3 * 32 + 8);  // beyond the window: not a cell of it
    EXPECT_EQ(t.desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(t->EditBoard()(0, 1), Wall);
    EXPECT_EQ(t->EditBoard()(1, 1), Wall);
}

TEST(Editor, clicksOutsideTheEditingModesDoNothing)
{
    TestGame t({Small});
    const Grid before = t->Board();
    t->Form_MouseDown(1, 0, 16, 16);
    EXPECT_EQ(t->Board(), before);
    EXPECT_TRUE(t.desktop.dialogs.messages.empty());
}

TEST(Validation, reportsAMissingManAndUnequalCountsInThatOrder)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Goal, 2, 2);
    Place(*t, BoxOnGoal, 4, 2);  // one goal and one box
    Place(*t, Box, 5, 2);
    EXPECT_TRUE(t->ValidateLevel());
    Place(*t, Goal, 6, 2);
    Place(*t, Wall, 9, 6);  // the man is gone
    t.desktop.dialogs.messages.clear();
    t->btn_Test_Click();
    EXPECT_EQ(t.desktop.dialogs.texts(), (std::vector<std::string>{"Please set the initial position of the man!",
                                                                  "Total objects are not equal to total goals!"}));
    EXPECT_EQ(t->GameMode, ModeEditNew);
    EXPECT_EQ(t->GoalCount, 3);
    EXPECT_EQ(t->BoxCount, 2);
}

TEST(Validation, aLevelWithoutBoxesAndGoalsPassesButCannotBeWon)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Floor, 10, 6);
    t->btn_Test_Click();
    EXPECT_EQ(t->GameMode, ModeTestPlay);
    t.Play("9");
    EXPECT_EQ(t->GameMode, ModeTestPlay);
}

TEST(TestPlay, winningRecordsTheSolutionUnderTheNumberSavingWillGive)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "4";
    t->MenuCommand(MenuId::mnu_Edit);
    DrawSmallRoom(*t);
    t->btn_Test_Click();
    EXPECT_EQ(t->controls.focus, FocusRequest::MainWindow);
    EXPECT_FALSE(t->controls.btn_Test_Enabled);
    t.Play("9");
    EXPECT_EQ(t.desktop.dialogs.messages.back().text, "Test over!");
    EXPECT_EQ(t->GameMode, ModeTestOver);
    EXPECT_EQ(ReadFile(t.dir.file("selfsol.5")), "9");
    t.Play("7");  // keys are locked after the test
    EXPECT_EQ(t->StepCount(), 1);
}

TEST(TestPlay, editBringsBackTheDrawingAsItWas)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    DrawSmallRoom(*t);
    t->btn_Test_Click();
    t.Play("9");
    t->btn_Edit_Click();
    EXPECT_EQ(t->GameMode, ModeEditNew);
    EXPECT_EQ(t->Board(), t->EditBoard());
    EXPECT_EQ(t->Board()(9, 6), ManStart);
    EXPECT_EQ(t->ManX(), 9);
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_TRUE(t->controls.btn_Test_Enabled);
    EXPECT_FALSE(t->controls.btn_Edit_Enabled);
}

TEST(Saving, aNewLevelBecomesTheNextSelfEditedLevel)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "4";
    t->MenuCommand(MenuId::mnu_Edit);
    DrawSmallRoom(*t);
    t->btn_Test_Click();
    t.Play("9");  // the test moves the box; the drawing is what is saved
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.dialogs.messages.back().text, "Save the edited level?");
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "5");
    const std::string saved = ReadFile(t.dir.file("self.5"));
    ASSERT_EQ(saved.size(), 280u);
    EXPECT_EQ(saved[129], '6');  // (9, 6) is byte 6 * 20 + 9 + 1 = 130, counting from 1
    EXPECT_EQ(saved[130], '4');
    EXPECT_EQ(saved[131], '3');
    EXPECT_EQ(t->GameMode, ModeEditorLeft);
    EXPECT_FALSE(t->controls.frm_Edit_Open);
    EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_DisBanner));
}

// A new level never takes the place of a level file already there.
TEST(Saving, aNewLevelTakesTheFirstNumberWithoutAFile)
{
    TestGame t({Small});
    testing::WriteFile(t.dir.file("self.1"), Small);
    testing::WriteFile(t.dir.file("self.2"), Small);
    t->MenuCommand(MenuId::mnu_Edit);
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(39 + 6, 11), testing::DigitColour(3, 1));  // the number it will get
    DrawSmallRoom(*t);
    t->btn_Test_Click();
    t.Play("9");
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "3");
    EXPECT_EQ(ReadFile(t.dir.file("self.1")), Small);
    EXPECT_EQ(ReadFile(t.dir.file("self.2")), Small);
    EXPECT_EQ(ReadFile(t.dir.file("self.3")).size(), 280u);
    EXPECT_EQ(ReadFile(t.dir.file("selfsol.3")), "9");
    EXPECT_FALSE(std::filesystem::exists(t.dir.file("selfsol.1")));
}

// "E&xit" asks before it ends the test: a save refused leaves the test's moves to take back.
TEST(Saving, aSaveRefusedInTestPlayKeepsItsMoves)
{
    TestGame t({Small});
    Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
    t->MenuCommand(MenuId::mnu_Edit);
    DrawSmallRoom(*t);
    t->btn_Test_Click();
    t.Play("7");
    std::filesystem::create_directory(t.dir.file("self.1.tmp"));  // stands where the file is written first
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.dialogs.messages.back().style, MsgStyle::OkCritical);
    EXPECT_EQ(t->GameMode, ModeTestPlay);
    EXPECT_TRUE(assist.CanTakeBack());
}

TEST(Saving, answeringNoWritesNothing)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    t.desktop.dialogs.answers.push_back(MsgAnswer::No);
    t->btn_Exit_Click();
    EXPECT_EQ(t->GameMode, ModeEditorLeft);
    EXPECT_EQ(t.desktop.settings.writes, 0);
    EXPECT_FALSE(std::filesystem::exists(t.dir.file("self.1")));
}

TEST(Saving, anInvalidLevelStaysInTheEditor)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Box, 3, 3);
    t->btn_Exit_Click();
    EXPECT_EQ(t->GameMode, ModeEditNew);
    EXPECT_EQ(t.desktop.settings.writes, 0);
}

TEST(Saving, aLevelThatCannotBeWrittenIsReportedAndNotCounted)
{
    TestGame t({Small});
    t.desktop.settings.values["SelfLevel"] = "2";
    t->MenuCommand(MenuId::mnu_Edit);
    std::filesystem::create_directory(t.dir.file("self.3.tmp"));  // stands where the file is written first
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.dialogs.messages.back().style, MsgStyle::OkCritical);
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "2");
    EXPECT_EQ(t->GameMode, ModeEditNew);  // the drawing is still there to save again
    EXPECT_TRUE(t->controls.frm_Edit_Open);
}

TEST(EditBar, displayEditBarOpensAndClosesTheBar)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    const unsigned generation = t->controls.frm_Edit_Generation;
    t->MenuCommand(MenuId::mnu_DisBanner);
    EXPECT_FALSE(t->controls.frm_Edit_Open);
    EXPECT_FALSE(t->menus.Checked(MenuId::mnu_DisBanner));
    Place(*t, Wall, 2, 2);  // clicks still edit without the bar
    EXPECT_EQ(t->Board()(2, 2), Wall);
    t->MenuCommand(MenuId::mnu_DisBanner);
    EXPECT_TRUE(t->controls.frm_Edit_Open);
    EXPECT_GT(t->controls.frm_Edit_Generation, generation);
    t->frm_Edit_Form_Unload();  // the player closes the bar
    EXPECT_FALSE(t->menus.Checked(MenuId::mnu_DisBanner));
}

TEST(EditBar, showingALevelClosesTheBarAndDiscardsTheDrawing)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    t->MenuCommand(MenuId::mnu_NewGame);
    EXPECT_FALSE(t->controls.frm_Edit_Open);
    EXPECT_EQ(t->GameMode, ModePlaySet);
    EXPECT_TRUE(t.desktop.dialogs.messages.empty());
}

// Every command that throws a changed drawing away asks first; answered No, it goes on as
// it would have. An unchanged drawing goes without a question.
struct DiscardCase {
    const char* name;
    bool stored;  // editing self.1 rather than a new level
    std::function<void(TestGame&)> command;
    std::function<bool(TestGame&)> went;  // the command did its work
};

TEST(UnsavedDrawing, everyDiscardingCommandAsksOnlyAboutAChangedDrawing)
{
    const auto menu = [](MenuId id) { return [id](TestGame& t) { t->MenuCommand(id); }; };
    const auto mode = [](std::int16_t m) { return [m](TestGame& t) { return t->GameMode == m; }; };
    bool closes = false;
    const DiscardCase cases[] = {
        {"New", false, menu(MenuId::mnu_NewGame), mode(ModePlaySet)},
        {"Exit", false, menu(MenuId::mnu_Exit), [](TestGame& t) { return t->controls.exitRequested; }},
        {"close box", false, [&closes](TestGame& t) { closes = t->Form_QueryUnload(); }, [&closes](TestGame&) { return closes; }},
        {"Edit New Level", false, menu(MenuId::mnu_Edit), [](TestGame& t) { return t->EditBoard()(7, 7) == Outside; }},
        {"Replay Original Level", false, menu(MenuId::mnu_Level), mode(ModePlaySet)},
        {"Load Self-Edit Level", false, menu(MenuId::mnu_LoadSelf), mode(ModeEditStored)},
        {"Load Other Level", false, menu(MenuId::mnu_LoadOther), mode(ModePlayOther)},
        {"Load Self-Edit Solution", true, menu(MenuId::mnu_LoadSelfSol), mode(ModeTracing)},
    };
    for (const DiscardCase& c : cases) {
        for (bool changed : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (changed ? ", changed" : ", unchanged"));
            TestGame t({Small});
            testing::WriteFile(t.dir.file("self.1"), Small);
            testing::WriteFile(t.dir.file("other.1"), Small);
            testing::WriteFile(t.dir.file("selfsol.1"), "9");
            t.desktop.settings.values["SelfLevel"] = "1";
            t.desktop.dialogs.typed = {"1"};
            t->MenuCommand(c.stored ? MenuId::mnu_LoadSelf : MenuId::mnu_Edit);
            if (changed)
                Place(*t, Wall, 7, 7);
            t.desktop.dialogs.messages.clear();
            t.desktop.dialogs.typed = {"1"};
            t.desktop.dialogs.answers = {MsgAnswer::No};
            c.command(t);
            EXPECT_EQ(t.desktop.dialogs.messages.size(), changed ? 1u : 0u);
            EXPECT_TRUE(c.went(t));
            EXPECT_EQ(ReadFile(t.dir.file("self.1")), Small);
            EXPECT_FALSE(std::filesystem::exists(t.dir.file("self.2")));
        }
    }
}

// Ending the game may be cancelled: the question has a Cancel, which keeps the window, the
// drawing and the editor, and writes nothing.
TEST(UnsavedDrawing, endingTheGameCanBeCancelled)
{
    for (const bool closeBox : {true, false}) {
        TestGame t({Small});
        t->MenuCommand(MenuId::mnu_Edit);
        Place(*t, Wall, 7, 7);
        t.desktop.dialogs.answers = {MsgAnswer::Cancel};
        const bool closes = closeBox ? t->Form_QueryUnload() : (t->MenuCommand(MenuId::mnu_Exit), t->controls.exitRequested);
        EXPECT_FALSE(closes) << closeBox;
        EXPECT_EQ(t.desktop.dialogs.messages.back().style, MsgStyle::YesNoCancelQuestion) << closeBox;
        EXPECT_EQ(t->GameMode, ModeEditNew) << closeBox;
        EXPECT_EQ(t->EditBoard()(7, 7), Wall) << closeBox;
        EXPECT_TRUE(t->DrawingChanged()) << closeBox;  // asked again next time
        EXPECT_EQ(t.desktop.settings.writes, 0) << closeBox;
    }
}

// Yes saves as "E&xit" does; when the check refuses, nothing is thrown away.
TEST(UnsavedDrawing, yesSavesFirstAndARefusedCheckKeepsTheEditorOpen)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    Place(*t, Box, 3, 3);  // a box without a goal
    EXPECT_FALSE(t->Form_QueryUnload());
    t->MenuCommand(MenuId::mnu_NewGame);
    EXPECT_EQ(t->GameMode, ModeEditNew);
    EXPECT_EQ(t->EditBoard()(3, 3), Box);
    EXPECT_TRUE(t->controls.frm_Edit_Open);
    EXPECT_EQ(t.desktop.dialogs.messages.back().text, "Total objects are not equal to total goals!");

    Place(*t, Goal, 4, 3);
    t->MenuCommand(MenuId::mnu_NewGame);
    EXPECT_EQ(t->GameMode, ModePlaySet);
    EXPECT_EQ(ReadFile(t.dir.file("self.1"))[3 * 20 + 3], '4');
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "1");
}

}  // namespace
}  // namespace tolvar

namespace tolvar {
namespace {

TEST(Saving, aHugeStoredCountNeitherOverflowsNorSavesBeyondTheLastNumber)
{
    testing::TestGame t({testing::Level({"11111", "16231", "11111"})});
    t.desktop.settings.values["SelfLevel"] = "99999999999";
    t->MenuCommand(MenuId::mnu_Edit);
    EXPECT_EQ(t->view.CounterImage(Counter::Level).pixel(6, 11), testing::DigitColour(9, 1));
    t->btn_Exit_Click();
    EXPECT_EQ(t.desktop.dialogs.messages.back().style, MsgStyle::OkCritical);
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "99999999999");
}


TEST(Saving, aStoredLevelSavedAgainKeepsItsNumberAndTheCount)
{
    TestGame t({Small});
    const std::string stored = Level({"111111", "164231", "111111"});
    testing::WriteFile(t.dir.file("self.2"), stored);
    t.desktop.settings.values["SelfLevel"] = "3";
    t.desktop.dialogs.typed = {"2"};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    ASSERT_EQ(t->GameMode, ModeEditStored);
    Place(*t, Wall, 7, 7);
    t->btn_Exit_Click();
    const std::string saved = ReadFile(t.dir.file("self.2"));
    ASSERT_EQ(saved.size(), 280u);
    EXPECT_NE(saved, stored);
    EXPECT_FALSE(std::filesystem::exists(t.dir.file("self.4")));
    EXPECT_EQ(t.desktop.settings.values["SelfLevel"], "3");
    EXPECT_EQ(t.desktop.settings.writes, 0);
}

TEST(Editor, editNewLevelWhileEditingOrTestingEmptiesTheBoard)
{
    for (const bool testing : {false, true}) {
        TestGame t({Small});
        t->MenuCommand(MenuId::mnu_Edit);
        DrawSmallRoom(*t);
        if (testing)
            t->btn_Test_Click();
        t->MenuCommand(MenuId::mnu_Edit);
        EXPECT_EQ(t->GameMode, ModeEditNew) << testing;
        EXPECT_EQ(t->Board()(7, 5), Outside) << testing;
        EXPECT_EQ(t->Board()(10, 6), Outside) << testing;
        EXPECT_EQ(t->Board()(9, 6), ManStart) << testing;
    }
}

TEST(Editor, placingTheManOnHisOwnCellChangesNothing)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Edit);
    const Grid before = t->Board();
    const Grid edited = t->EditBoard();
    Place(*t, ManStart, 9, 6);
    EXPECT_EQ(t->Board(), before);
    EXPECT_EQ(t->EditBoard(), edited);
    EXPECT_EQ(t->ManX(), 9);
    EXPECT_EQ(t->ManY(), 6);
    EXPECT_TRUE(t->controls.tmr_Sprite_Enabled);
}

// Saved on the way to loading the very level being edited, the drawing comes back as saved.
TEST(UnsavedDrawing, loadingTheLevelJustSavedShowsItAsSaved)
{
    TestGame t({Small});
    testing::WriteFile(t.dir.file("self.1"), Level({"11111", "16431", "11111"}));
    t.desktop.settings.values["SelfLevel"] = "1";
    t.desktop.dialogs.typed = {"1", "1"};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    Place(*t, Wall, 7, 7);
    const Grid drawn = t->EditBoard();
    t.desktop.dialogs.answers = {MsgAnswer::Yes};
    t->MenuCommand(MenuId::mnu_LoadSelf);
    EXPECT_EQ(t->GameMode, ModeEditStored);
    EXPECT_TRUE(t->EditBoard() == drawn);
    EXPECT_EQ(ReadFile(t.dir.file("self.1")), GridText(drawn));
}

}  // namespace
}  // namespace tolvar
