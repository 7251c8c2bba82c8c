// Playing the collections of the library: opened through the game, won and recorded, the next
// unsolved level offered, New Game on a collection level, and the last choice remembered.
#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/TestGame.h"
#include "levels/CollectionLibrary.h"

namespace tolvar {
namespace {

using testing::TestGame;

// Level 1 is won by one push right; level 2 has its man on a goal; level 3 has a box too many.
constexpr const char* Rooms =
    "Title: Little Rooms\nAuthor: A. Tester\n\n"
    "; First\n#####\n#@$.#\n#####\n\n"
    "; Second\n######\n#+$ .#\n#  $ #\n######\n\n"
    "; Third\n######\n#@$$.#\n######\n";

struct Played {
    TestGame t{{testing::Level({"11111", "16241", "11111"})}};
    std::string id;

    Played()
    {
        testing::WriteFile(t.dir.file("rooms.txt"), Rooms);
        t.desktop.dialogs.chosen.push_back(t.dir.file("rooms.txt"));
        t.desktop.browser.chosen.push_back(std::nullopt);  // the browser opened on it, closed
        t->MenuCommand(MenuId::mnu_OpenCollection);
        id = t.desktop.browser.starts.at(0).collection;
    }
};

// The file goes into the library, not into "other." files; the refused level is named with its
// number, title and line; the browser opens on the collection; the level chosen there is played
// whole, the man on his goal, and the window's title names it.
TEST(CollectionPlay, anOpenedCollectionGoesToTheLibraryAndItsChosenLevelIsPlayed)
{
    Played p;
    EXPECT_EQ(p.t.desktop.browser.starts.at(0), (LevelChoice{p.id, 0}));
    const std::string said = p.t.desktop.dialogs.messages.at(0).text;
    EXPECT_NE(said.find("2 levels open, 1 refused:\nlevel 3 (line 16, Third): "), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(p.t.dir.file("other.1")));
    EXPECT_EQ(CollectionLibrary(p.t.dir.str()).List().size(), 1u);

    p.t.desktop.browser.chosen.push_back(LevelChoice{p.id, 2});
    p.t->MenuCommand(MenuId::mnu_Collections);
    EXPECT_EQ(p.t.desktop.browser.starts.at(1), (LevelChoice{"", 1}));
    EXPECT_EQ(p.t->LevelKind, KindCollection);
    EXPECT_EQ(p.t->GameMode, ModePlayOther);
    EXPECT_EQ(p.t->session().man(), (Cell{1, 1}));
    EXPECT_EQ(p.t->Board()(1, 1), Goal);
    EXPECT_EQ(p.t->collection.WindowTitle(), "Little Rooms \u2013 2: Second \u2013 TOLVAR");
    p.t->Form_KeyDown(VK_DOWN, 0);
    EXPECT_EQ(p.t->collection.Counts(), "Moves 1   Pushes 0");

    // The choice is remembered: the browser opens on it next time.
    p.t->MenuCommand(MenuId::mnu_Collections);
    EXPECT_EQ(p.t.desktop.browser.starts.at(2), (LevelChoice{p.id, 2}));
}

// A win is recorded and said, and the next unsolved level is offered: taken, it is played;
// declined, the board stays won. Every level solved, nothing more is offered.
TEST(CollectionPlay, aWinIsRecordedAndTheNextUnsolvedLevelOffered)
{
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
        Played p;
        p.t.desktop.browser.chosen.push_back(LevelChoice{p.id, 1});
        p.t->MenuCommand(MenuId::mnu_Collections);
        p.t.desktop.dialogs.answers.push_back(answer);
        p.t->Form_KeyDown(VK_RIGHT, 0);
        const fakes::Message& asked = p.t.desktop.dialogs.messages.back();
        EXPECT_EQ(asked.text, "Level 1 solved in 1 move and 1 push. Recorded.\n\n"
                              "Play the next unsolved level, level 2, \"Second\"?");
        EXPECT_EQ(asked.style, MsgStyle::YesNoQuestion);
        const std::optional<LibraryCollection> stored = CollectionLibrary(p.t.dir.str()).Open(p.id, nullptr);
        ASSERT_TRUE(stored && stored->Record(1));
        EXPECT_EQ(stored->Record(1)->byMoves.moves, "R");
        if (answer == MsgAnswer::Yes) {
            EXPECT_EQ(p.t->collection.LevelInPlay()->number, 2);
            EXPECT_EQ(p.t->GameMode, ModePlayOther);
        } else {
            EXPECT_EQ(p.t->GameMode, ModeOtherWon);
            EXPECT_EQ(p.t->collection.LevelInPlay()->number, 1);
        }
    }
}

// New Game starts the collection level in play again, not the level set; a level of the set
// chosen in the browser is played as the game plays it, up to the level reached.
TEST(CollectionPlay, newGameRestartsTheCollectionLevelAndTheSetIsPlayedFromTheBrowser)
{
    Played p;
    p.t.desktop.browser.chosen.push_back(LevelChoice{p.id, 2});
    p.t->MenuCommand(MenuId::mnu_Collections);
    p.t->Form_KeyDown(VK_RIGHT, 0);  // pushes the box off its start
    p.t->MenuCommand(MenuId::mnu_NewGame);
    EXPECT_EQ(p.t->LevelKind, KindCollection);
    EXPECT_EQ(p.t->Board()(2, 1), Box);
    EXPECT_EQ(p.t->session().man(), (Cell{1, 1}));
    EXPECT_EQ(p.t->StepCount(), 0);

    p.t.desktop.browser.chosen.push_back(LevelChoice{"", 2});  // beyond the level reached
    p.t.desktop.browser.chosen.push_back(LevelChoice{"", 1});
    p.t->MenuCommand(MenuId::mnu_Collections);
    EXPECT_EQ(p.t->LevelKind, KindCollection);
    p.t->MenuCommand(MenuId::mnu_Collections);
    EXPECT_EQ(p.t->LevelKind, KindSet);
    EXPECT_EQ(p.t->GameMode, ModePlaySet);
    EXPECT_EQ(p.t->view.CellSize(), 32);
    EXPECT_EQ(p.t->collection.WindowTitle(), "TOLVAR");
}

}  // namespace
}  // namespace tolvar
