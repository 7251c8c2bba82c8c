// The clipboard: a level copied with its best solution and pasted back, pasted moves replayed
// or refused with the reason, and nothing pasted that loses what is stored.
#include <gtest/gtest.h>

#include "assist/Assist.h"
#include "fakes/TestGame.h"
#include "levels/CollectionLibrary.h"
#include "levels/LevelText.h"

namespace tolvar {
namespace {

using testing::Level;
using testing::ReadFile;
using testing::TestGame;

// Man (1, 1), the box (2, 1) three cells from its goal (5, 1): "RRR" wins.
const std::string Corridor = Level({"1111111", "1642231", "1111111"});

struct Clip {
    TestGame t{{Corridor, Corridor}};
    Assist assist{*t, t.desktop.assistSettings, t.desktop.gui};
    fakes::FakeClipboard& clipboard = t.desktop.clipboard;

    Clip() { assist.clipboard().pasteName = [] { return "Pasted 2026-12-08 07:10"; }; }
    void Paste(const std::string& text)
    {
        clipboard.text = text;
        assist.MenuCommand(MenuId::mnu_Paste);
    }
    std::string LastMessage() const
    {
        const auto& m = t.desktop.dialogs.messages;
        return m.empty() ? "" : m.back().text;
    }
};

TEST(Clipboard, ALevelCopiedWithItsRecordPastesBackAsTheSameLevelAndSolution)
{
    Clip c;
    c.t.Play("999");  // level 1 won: its record is "RRR"
    c.t->LevelNo = 1;
    c.assist.MenuCommand(MenuId::mnu_NewGame);
    c.assist.MenuCommand(MenuId::mnu_CopyLevel);
    EXPECT_EQ(c.clipboard.text, "#######\n#@$  .#\n#######\nRRR\n");

    c.Paste(c.clipboard.text);
    EXPECT_FALSE(c.t->menus.Enabled(MenuId::mnu_Paste));  // while it is added
    ASSERT_TRUE(c.t.desktop.gui.RunWhenPosted());
    c.assist.UpdateMenus();
    EXPECT_TRUE(c.t->menus.Enabled(MenuId::mnu_Paste));
    EXPECT_NE(c.LastMessage().find("added to the library as \"Pasted 2026-12-08 07:10\": 1 level"), std::string::npos)
        << c.LastMessage();
    EXPECT_NE(c.LastMessage().find("kept as its record"), std::string::npos);
    ASSERT_NE(c.t->collection.LevelInPlay(), nullptr);  // the level pasted is played
    EXPECT_EQ(c.t->collection.LevelInPlay()->number, 1);
    CollectionLibrary library(c.t->AppPath);
    const auto list = library.List();
    ASSERT_EQ(list.size(), 1u);
    const auto pasted = library.Open(list[0].id, nullptr);
    ASSERT_TRUE(pasted && pasted->levels.size() == 1);
    EXPECT_EQ(LevelToRows(pasted->levels[0].level), (std::vector<std::string>{"#######", "#@$  .#", "#######"}));
    EXPECT_EQ(pasted->Record(1)->byMoves.moves, "RRR");
}

TEST(Clipboard, PastedMovesThatSolveTheLevelAreReplayedAndOthersRefusedWithTheReason)
{
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"RRu", "The moves pasted do not solve this level: move 3 (\"u\") walks into a wall"},
        {"RR", "after all 2 moves the level is not solved"},
        {"RRxR", "Nothing was pasted: the moves hold \"x\" at move 3"},
        {std::string(10 << 20, '.'), "Nothing was pasted: the text is neither a level"},  // 10 MB
        {"\x7f\x45\x4c\x46\x02\x01", "binary data"},
    };
    for (const auto& [text, said] : refused) {
        Clip c;
        c.Paste(text);
        EXPECT_NE(c.LastMessage().find(said), std::string::npos) << c.LastMessage();
        EXPECT_EQ(c.t->GameMode, ModePlaySet);
    }
    Clip c;
    c.Paste("r r\nR");
    EXPECT_EQ(c.t->GameMode, ModeTracing);
    EXPECT_TRUE(c.t->menus.Enabled(MenuId::mnu_PlayReplay));
    for (int i = 0; i < 3; ++i)
        c.t->btn_Trace_Click();
    EXPECT_EQ(c.LastMessage(), "Tracing over!");
    EXPECT_FALSE(std::filesystem::exists(c.t.dir.file("boxsol.1")));  // a replay writes nothing
}

}  // namespace
}  // namespace tolvar
