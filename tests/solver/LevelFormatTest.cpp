#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "TestLevels.h"
#include "levels/LevelRules.h"
#include "levels/LevelText.h"

namespace tolvar::solver {
namespace {

using testing::LevelOf;

TEST(LevelText, ReadsAndWritesTheDigitText) {
    std::string text(CellCount, '0');
    text[45] = '6';
    text[46] = '4';
    text[47] = '3';
    const auto level = Level::FromText(text);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->at(5, 2), Floor);
    EXPECT_EQ(level->man, 45);
    EXPECT_EQ(level->ToText(), text);
}

struct BadText {
    const char* name;
    std::string text;
    const char* reason;
};

TEST(LevelText, RefusesTextThatIsNotALevel) {
    const std::vector<BadText> cases = {
        {"short", std::string(279, '2'), "280 cells"},
        {"long", std::string(281, '2'), "280 cells"},
        {"seven", std::string(100, '2') + "7" + std::string(179, '2'), "byte 101"},
        {"letter", "x" + std::string(279, '2'), "byte 1 "},
        {"newline", std::string(279, '2') + "\n", "byte 280"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Level::FromText(c.text, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
}

struct RuleCase {
    const char* name;
    std::vector<std::string> rows;
    const char* problem;  // part of the first problem, or empty for a good level
};

TEST(LevelRules, NamesWhatMakesALevelUnplayable) {
    const std::vector<RuleCase> cases = {
        {"good", {"#####", "#@$.#", "#####"}, ""},
        {"no man", {"#####", "# $.#", "#####"}, "no man"},
        {"two men", {"######", "#@$.@#", "######"}, "2 men"},
        {"no goal", {"#####", "#@  #", "#####"}, "no goal"},
        {"more boxes", {"######", "#@$$.#", "######"}, "2 boxes but 1 goals"},
        {"open", {"#####", "#@$. ", "#####"}, "not closed"},
        {"box in a corner", {"#####", "#$ .#", "#@ .#", "#  $#", "#####"}, "can never reach a goal"},
        {"square of boxes", {"#######", "#     #", "# $$  #", "# $$ .#", "#@  ..#", "#    .#", "#######"}, "can never be moved"},
    };
    for (const auto& c : cases) {
        const auto problems = CheckLevel(LevelOf(c.rows));
        if (std::string(c.problem).empty()) {
            EXPECT_TRUE(problems.empty()) << c.name;
        } else {
            ASSERT_FALSE(problems.empty()) << c.name;
            EXPECT_NE(problems.front().find(c.problem), std::string::npos) << c.name << ": " << problems.front();
        }
    }
}

struct ImportCase {
    const char* name;
    std::vector<std::string> rows;
    const char* refusal;
};

TEST(LevelImport, RefusesWhatTheGameCannotPlayAndSaysWhy) {
    const std::vector<ImportCase> cases = {
        {"man on goal", {"#####", "#+$.#", "#####"}, "man on a goal"},
        {"too wide", {std::string(21, '#'), "#@$." + std::string(16, ' ') + "#", std::string(21, '#')}, "21 x 3"},
        {"too large even turned", std::vector<std::string>(15, std::string(15, '#')), "15 x 15"},
        {"open to the left", {"#####", " @$.#", "#####"}, "not closed"},
        {"open row end", {"#####", "#@$. ", "####"}, "not closed"},
        {"no man", {"#####", "# $.#", "#####"}, "no man"},
        {"box out of reach", {"#######", "#@$.#$#", "#######"}, "never go"},
        {"unknown character", {"#####", "#@$.#x", "#####"}, "unknown character"},
        {"boxes and goals differ", {"######", "#@$$.#", "######"}, "2 boxes but 1 goals"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(LevelFromRows(c.rows, &error)) << c.name;
        EXPECT_NE(error.find(c.refusal), std::string::npos) << c.name << ": " << error;
    }
}

// A level read at its own size keeps its size and may have the man on a goal, which the
// game's files cannot hold; up to 64 x 64 cells.
TEST(LevelText, ReadsALevelOfAnySizeUpTo64By64) {
    auto room = [](int w, int h, const std::string& inside) {
        std::vector<std::string> rows{std::string(static_cast<std::size_t>(w), '#')};
        for (int y = 1; y < h - 1; ++y) rows.push_back("#" + std::string(static_cast<std::size_t>(w - 2), ' ') + "#");
        rows.push_back(rows.front());
        rows[1].replace(1, inside.size(), inside);
        return rows;
    };
    const struct {
        const char* name;
        std::vector<std::string> rows;
        const char* refusal;  // empty for a level read
    } cases[] = {
        {"man on a goal", {"#####", "#+$ #", "# $.#", "#####"}, ""},
        {"64 x 64", room(64, 64, "@$."), ""},
        {"65 wide", room(65, 3, "@$."), "65 x 3 cells; a level has at most 64 x 64"},
        {"65 high", room(3, 65, "@"), "3 x 65 cells"},
        {"not closed", {"#####", "#+$.", "#####"}, "not closed"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto level = ReadLevel(c.rows, &error);
        ASSERT_EQ(level.has_value(), std::string(c.refusal).empty()) << c.name << ": " << error;
        if (!level) {
            EXPECT_NE(error.find(c.refusal), std::string::npos) << c.name << ": " << error;
            continue;
        }
        EXPECT_EQ(level->width, static_cast<int>(c.rows.front().size())) << c.name;
        EXPECT_EQ(level->height, static_cast<int>(c.rows.size())) << c.name;
        EXPECT_EQ(LevelToRows(*level), c.rows) << c.name;
        EXPECT_EQ(level->ToText().empty(), !level->GameFileProblem().empty()) << c.name;
    }
    const auto onGoal = ReadLevel(cases[0].rows, nullptr);
    EXPECT_TRUE(onGoal->manOnGoal());
    EXPECT_EQ(onGoal->goalCount(), 2);
}

// Two kinds of level are kept without changing the puzzle, and the note says how.
TEST(LevelImport, TurnsATallLevelAndKeepsBoxesOnGoalsOutOfReach) {
    std::vector<std::string> tall{"#####"};
    for (int i = 0; i < 15; ++i) tall.push_back("#   #");
    tall.insert(tall.end(), {"#@$.#", "#####"});  // 5 wide, 18 high
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        const char* note;
        int width, height, walls;  // of the placed level
    };
    const std::vector<Case> cases = {
        {"tall", tall, "quarter turn", 18, 5, 2 * 18 + 2 * 3},
        {"walled in", {"#######", "#@$.#*#", "#######"}, "a box on a goal", 7, 3, 17},
        {"outside the walls", {"#####*", "#@$.#", "#####"}, "a box on a goal", 6, 3, 13},
        {"plain", {"#####", "#@$.#", "#####"}, "", 5, 3, 12},
    };
    for (const auto& c : cases) {
        std::string error, note = "stale";
        const auto level = LevelFromRows(c.rows, &error, &note);
        ASSERT_TRUE(level) << c.name << ": " << error;
        EXPECT_EQ(std::string(c.note).empty(), note.empty()) << c.name << ": " << note;
        EXPECT_NE(note.find(c.note), std::string::npos) << c.name << ": " << note;
        const Bounds b = LevelBounds(*level);
        EXPECT_EQ(b.width(), c.width) << c.name;
        EXPECT_EQ(b.height(), c.height) << c.name;
        EXPECT_EQ(level->count(Wall), c.walls) << c.name;
        EXPECT_EQ(level->boxCount(), level->goalCount()) << c.name;
        EXPECT_TRUE(CheckLevel(*level).empty()) << c.name;
    }
}

// Blank cells the man cannot reach are outside; the level lands in the middle of the board.
TEST(LevelImport, CentresTheLevelAndLeavesBlankCornersOutside) {
    std::string error;
    const auto level = LevelFromRows({"  ####", "###  #", "#@$. #", "######"}, &error);
    ASSERT_TRUE(level) << error;
    const int x0 = (BoardWidth - 6) / 2, y0 = (BoardHeight - 4) / 2;
    EXPECT_EQ(level->at(x0, y0), Outside);
    EXPECT_EQ(level->at(x0 + 2, y0), Wall);
    EXPECT_EQ(level->at(x0 + 3, y0 + 1), Floor);
    EXPECT_EQ(level->man, level->index(x0 + 1, y0 + 2));
    EXPECT_EQ(level->at(x0 + 3, y0 + 2), Goal);
    EXPECT_TRUE(CheckScreenFit(*level).empty());
}

TEST(LevelImport, SplitsACollectionAtBlankAndCommentLines) {
    const std::string text =
        "; First\n#####\n#@$.#\n#####\n\n"
        "Title: second\n#####\r\n#.$@#\r\n#####\r\n"
        "; Third\n######\n#@$ .#\n######\n";
    const auto levels = SplitCollection(text);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].title, "First");
    EXPECT_EQ(levels[1].rows[1], "#.$@#");
    EXPECT_EQ(levels[2].title, "Third");
    EXPECT_EQ(levels[2].firstLine, 11);
}

// Export and import give back the very same level, here for every level we ship.
TEST(LevelImport, ExportThenImportGivesTheSameLevel) {
    std::ifstream in(TOLVAR_SHIPPED_SET, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 5u * CellCount);
    for (std::size_t n = 0; n < bytes.size() / CellCount; ++n) {
        const auto level = Level::FromText(bytes.substr(n * CellCount, CellCount));
        ASSERT_TRUE(level) << "level " << n + 1;
        std::string error;
        const auto again = LevelFromRows(LevelToRows(*level), &error);
        ASSERT_TRUE(again) << "level " << n + 1 << ": " << error;
        EXPECT_EQ(*again, *level) << "level " << n + 1;
    }
}

TEST(LevelShape, TurnedAndMirroredLevelsAreTheSame) {
    const Level level = LevelOf({"-#####", "##  .#", "#@$  #", "#    #", "######"});
    const Level mirrored = LevelOf({"#####-", "#.  ##", "#  $@#", "#    #", "######"});
    const Level turned = LevelOf({"-####", "##@ #", "# $ #", "#   #", "#.  #", "#####"});
    const Level other = LevelOf({"-#####", "##  .#", "#@ $ #", "#    #", "######"});
    EXPECT_EQ(CanonicalShape(level), CanonicalShape(mirrored));
    EXPECT_EQ(CanonicalShape(level), CanonicalShape(turned));
    EXPECT_NE(CanonicalShape(level), CanonicalShape(other));
}

TEST(LevelShape, ScreenFitFindsCellsUnderTheCountersAndTheRing) {
    Level level;
    level(1, 1) = Floor;
    level(0, 5) = Wall;
    const auto problems = CheckScreenFit(level);
    ASSERT_GE(problems.size(), 2u);
}

}  // namespace
}  // namespace tolvar::solver
