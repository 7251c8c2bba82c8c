// Opening a collection: the levels that fit go to the next free "other." numbers, nothing
// in the game directory is replaced, and the player learns what happened to each level.
#include <gtest/gtest.h>
#include <unistd.h>

#include "assist/Assist.h"
#include "fakes/TestGame.h"
#include "levels/CollectionImport.h"
#include "levels/LevelText.h"

namespace tolvar {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::string TallLevel()
{
    std::string text = "#####\n";
    for (int i = 0; i < 15; ++i) text += "#   #\n";
    return text + "#@$.#\n#####\n";
}

TEST(CollectionImport, FillsFreeNumbersKeepsEveryFileAndSaysWhy)
{
    TempDir dir;
    const std::map<std::string, std::string> before = {
        {"other.1", "mine"}, {"othersol.2", "9999"}, {"other.4", "also mine"}};
    for (const auto& [name, bytes] : before) WriteFile(dir.file(name), bytes);
    const std::string text = "; One\n#####\n#@$.#\n#####\n\n"
                             "; Two\n#####\n#+$.#\n#####\n\n" +
                             TallLevel() + "\n######\n#@$ .#\n######\n";

    const CollectionImport result = ImportCollectionText(text, dir.str());

    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(result.numbers, (std::vector<int>{3, 5, 6}));
    for (const auto& [name, bytes] : before) EXPECT_EQ(ReadFile(dir.file(name)), bytes) << name;
    std::string error;
    EXPECT_EQ(ReadFile(dir.file("other.3")), LevelFromRows({"#####", "#@$.#", "#####"}, &error)->ToText());
    ASSERT_EQ(result.refusals.size(), 1u);
    EXPECT_NE(result.refusals[0].find("level 2 (line 7, Two): the man stands on a goal"), std::string::npos);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_NE(result.notes[0].find("other.5: turned a quarter turn"), std::string::npos) << result.notes[0];
    const std::string said = DescribeImport(result);
    EXPECT_EQ(said.substr(0, said.find('\n')), "3 levels imported as other.3, 5-6.");
    EXPECT_NE(said.find("\n1 refused:\nlevel 2"), std::string::npos) << said;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), {}), 6) << "no temporary file left";
}

TEST(CollectionImport, AFileThatCannotBeImportedWritesNothing)
{
    TempDir dir;
    WriteFile(dir.file("words.txt"), "Just a letter,\nno level in it.\n");
    WriteFile(dir.file("one.sok"), "#####\n#@$.#\n#####\n");
    struct Case {
        const char* name;
        std::string path, gameDir;
        const char* problem;
    };
    const std::vector<Case> cases = {
        {"no level", dir.file("words.txt"), dir.str(), "holds no level"},
        {"missing", dir.file("gone.xsb"), dir.str(), "not a file"},
        {"a folder", dir.str(), dir.str(), "not a file"},
        {"game directory gone", dir.file("one.sok"), dir.file("nowhere"), "cannot be written"},
    };
    for (const auto& c : cases) {
        const CollectionImport result = ImportCollectionFile(c.path, c.gameDir);
        EXPECT_NE(result.problem.find(c.problem), std::string::npos) << c.name << ": " << result.problem;
        EXPECT_TRUE(result.numbers.empty()) << c.name;
        EXPECT_EQ(DescribeImport(result), result.problem) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.1")));
}

// A failure part-way names the levels written before it, which stay.
TEST(CollectionImport, AFailurePartWayNamesTheLevelsWrittenBeforeIt)
{
    TempDir dir;
    // Where the second level is written first.
    std::filesystem::create_directory(dir.file(".other.import." + std::to_string(::getpid()) + ".2.tmp"));
    const std::string level = "#####\n#@$.#\n#####\n\n";
    const CollectionImport result = ImportCollectionText(level + level + level, dir.str());
    EXPECT_EQ(result.numbers, std::vector<int>{1});
    EXPECT_EQ(DescribeImport(result), "The level files cannot be written in " + dir.str() +
                                          ".\nWritten before it: 1 level imported as other.1.");
    EXPECT_EQ(ReadFile(dir.file("other.1")).size(), 280u);
}

// In the editor and its test play a level opened would lose the drawing: the item is greyed,
// and neither the menu nor a drop imports anything or leaves the editor.
TEST(CollectionImport, NothingIsOpenedWhileALevelIsDrawnOrTested)
{
    for (const bool testPlay : {false, true}) {
        testing::TestGame t({testing::Level({"11111", "16231", "11111"})});
        Assist assist(*t, t.desktop.assistSettings, t.desktop.gui);
        testing::WriteFile(t.dir.file("pack.xsb"), "#####\n#@$.#\n#####\n");
        assist.MenuCommand(MenuId::mnu_Edit);
        if (testPlay)
            t->btn_Test_Click();
        const std::int16_t mode = t->GameMode;
        EXPECT_FALSE(t->menus.Enabled(MenuId::mnu_OpenCollection)) << testPlay;

        t.desktop.dialogs.chosen.push_back(t.dir.file("pack.xsb"));
        t->MenuCommand(MenuId::mnu_OpenCollection);
        assist.OpenCollection(t.dir.file("pack.xsb"));
        EXPECT_TRUE(t.desktop.dialogs.fileDialogs.empty()) << testPlay;
        EXPECT_EQ(t->GameMode, mode) << testPlay;
        EXPECT_FALSE(std::filesystem::exists(t.dir.file("other.1"))) << testPlay;

        assist.MenuCommand(MenuId::mnu_NewGame);
        EXPECT_TRUE(t->menus.Enabled(MenuId::mnu_OpenCollection)) << testPlay;
    }
}

}  // namespace
}  // namespace tolvar
