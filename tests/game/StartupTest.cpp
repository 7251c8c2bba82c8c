// Start-up and shutdown: their order, and what they store.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::TestGame;

const std::string Small = Level({"11111", "16231", "11111"});

TEST(Startup, aSecondInstanceEndsAtOnceShowingAndWritingNothing)
{
    TestGame t({Small}, false);
    t.desktop.instance.alone = false;
    EXPECT_FALSE(t.Start());
    EXPECT_TRUE(t.desktop.dialogs.messages.empty());
    EXPECT_TRUE(t.desktop.dialogs.aboutBoxes.empty());
    EXPECT_TRUE(t.desktop.mci.commands.empty());
    EXPECT_EQ(t.desktop.settings.writes, 0);
}

TEST(Startup, opensTheMusicThenShowsTheAboutBoxThenTheStoredLevel)
{
    TestGame t(std::vector<std::string>(10, Small), false);
    t.desktop.settings.values["Level"] = "4";
    std::vector<std::string> commandsAtAboutBox;
    t.desktop.dialogs.onAboutBox = [&](AboutRole) { commandsAtAboutBox = t.desktop.mci.commands; };
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(commandsAtAboutBox, (std::vector<std::string>{"OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1",
                                                            "OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2"}));
    EXPECT_EQ(t.desktop.dialogs.aboutBoxes, std::vector<AboutRole>{AboutRole::About});
    EXPECT_EQ(t->LevelNo, 4);
    EXPECT_EQ(t->AppPath, t.dir.str());
    EXPECT_EQ(t.desktop.settings.writes, 0);
}

TEST(Startup, aStoredLevelBeyondTheSetStartsTheFirstAndStoresOne)
{
    TestGame t(std::vector<std::string>(10, Small), false);
    t.desktop.settings.values["Level"] = "12";
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(t->LevelNo, 1);
    EXPECT_EQ(t.desktop.settings.values["Level"], "1");
}

TEST(Startup, aFreshStartUsesTheDesignedDefaults)
{
    TestGame t({Small}, false);
    t.desktop.settings.values["Level"] = "0";
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(t->LevelNo, 1);
    EXPECT_EQ(t->view.appearance.Scenery, 0);
    EXPECT_EQ(t->view.appearance.Character, 0);
    EXPECT_EQ(t->view.appearance.Background, 0);
    EXPECT_EQ(t->view.appearance.DigitStyle, 1);
    for (MenuId id : {MenuId::mnu_Music, MenuId::mnu_Sound, MenuId::mnu_Man0, MenuId::mnu_Back0, MenuId::mnu_Scenery0})
        EXPECT_TRUE(t->menus.Checked(id));
    EXPECT_EQ(t.desktop.settings.writes, 0);
}

TEST(Startup, missingPicturesAreNamedAndEndTheProgram)
{
    TestGame t({Small}, false);
    std::filesystem::remove(t.dir.file("sprite.png"));
    EXPECT_FALSE(t.Start());
    ASSERT_EQ(t.desktop.dialogs.messages.size(), 1u);
    EXPECT_NE(t.desktop.dialogs.messages[0].text.find("sprite.png"), std::string::npos);
    EXPECT_TRUE(t.desktop.mci.commands.empty());
}

TEST(Startup, shutdownClosesHelpThenTheMusic)
{
    TestGame t({Small});
    t.desktop.mci.commands.clear();
    t->MenuCommand(MenuId::mnu_Exit);
    EXPECT_TRUE(t->controls.exitRequested);
    t->Form_Unload();
    EXPECT_EQ(t.desktop.help.quits, 1);
    EXPECT_EQ(t.desktop.mci.commands, (std::vector<std::string>{"CLOSE SQ1", "CLOSE SQ2"}));
}

TEST(ShellCommands, webAndMailGoToTheMakersAddresses)
{
    TestGame t({Small});
    t->MenuCommand(MenuId::mnu_Web);
    t->MenuCommand(MenuId::mnu_Faq);
    t->MenuCommand(MenuId::mnu_WorldRecord);
    t->img_Email_Click(0);
    t->img_Email_Click(1);
    t->img_Email_Click(2);
    t->img_Http_Click(1);
    ASSERT_EQ(t.desktop.shell.opened.size(), 6u);
    for (const std::string& a : t.desktop.shell.opened)
        EXPECT_NE(a.find("quillon-studio.example"), std::string::npos) << a;
    EXPECT_EQ(t.desktop.shell.opened[3].rfind("mailto:", 0), 0u);
    t->MenuCommand(MenuId::mnu_Contents);
    EXPECT_EQ(t.desktop.help.contents, 1);
}

TEST(AboutBox, theLittleManTurnsThroughHisEightPicturesAndKeepsHisPlace)
{
    TestGame t({Small});
    t->view.appearance.Character = 1;
    t->view.appearance.Scenery = 2;
    QImage icon;
    for (int i = 1; i <= 9; ++i) {
        t->AboutBox_tmr_Icon_Timer(icon);
        EXPECT_EQ(icon.pixel(16, 16), testing::SheetColour(testing::SpriteId, i % 8, 9));
    }
    EXPECT_EQ(t->IconFrame, 1);
}

TEST(MenuCommands, aDisabledItemDoesNothing)
{
    TestGame t({Small});
    t->menus.Disable(MenuId::mnu_SelectBack);
    t->MenuCommand(mnu_Back(2));
    EXPECT_EQ(t->view.appearance.Background, 0);
    t->menus.Disable(MenuId::mnu_About);
    t->MenuCommand(MenuId::mnu_About);
    EXPECT_EQ(t.desktop.dialogs.aboutBoxes.size(), 1u);
}

TEST(Appearance, choosingAnOptionChecksItAndRestartsTheLevel)
{
    TestGame t({Level({"111111", "164231", "111111"})});
    t.Play("9");
    t->MenuCommand(mnu_Back(1));
    EXPECT_EQ(t->view.appearance.Background, 1);
    EXPECT_TRUE(t->menus.Checked(mnu_Back(1)));
    EXPECT_FALSE(t->menus.Checked(mnu_Back(0)));
    EXPECT_EQ(t->StepCount(), 0);
    EXPECT_EQ(t.CellPixel(0, 5), testing::SheetColour(testing::ObjId, 0, 1));
    t->MenuCommand(mnu_Man(1));
    EXPECT_EQ(t->view.appearance.Character, 1);
    t->MenuCommand(mnu_Scenery(1));
    EXPECT_EQ(t->view.appearance.Scenery, 0);  // a mode changes nothing on screen
    EXPECT_TRUE(t->menus.Checked(mnu_Scenery(1)));
}

}  // namespace
}  // namespace tolvar
