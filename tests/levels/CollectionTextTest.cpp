// Reading a collection file: its title and author, every level under its own number with its
// title and line, a level refused only when it breaks the rules, and bad input answered.
#include <gtest/gtest.h>

#include "levels/CleanText.h"
#include "levels/CollectionText.h"

namespace tolvar {
namespace {

TEST(CollectionText, NamesTheCollectionAndItsLevelsAsTheFileDoes)
{
    struct Case {
        const char* name;
        std::string text;
        std::string title, author, lastLevelTitle;
    };
    const std::string level = "#####\n#@$.#\n#####\n";
    const std::vector<Case> cases = {
        {"key lines", "Title: Small Rooms\nAuthor: Ann Example\n\n" + level, "Small Rooms", "Ann Example", ""},
        {"keys as comments", "; title: Small Rooms\n;Author:  Ann  \n" + level, "Small Rooms", "Ann", ""},
        {"no title: the file name", "; just a remark\n" + level, "rooms", "", "just a remark"},
        {"a level's Title line after it wins", "; 1\n" + level + "Title: The First\n", "rooms", "", "The First"},
        {"a Title line before a later level", level + "\nTitle: Second\n" + level, "rooms", "", "Second"},
        {"invalid UTF-8 and a tab", "Title: Bad\xC3(\tname\n" + level, "Bad\xEF\xBF\xBD( name", "", ""},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto read = ReadCollectionText(c.text, "/somewhere/rooms.xsb", &error);
        ASSERT_TRUE(read) << c.name << ": " << error;
        EXPECT_EQ(read->title, c.title) << c.name;
        EXPECT_EQ(read->author, c.author) << c.name;
        ASSERT_FALSE(read->levels.empty()) << c.name;
        EXPECT_EQ(read->levels.back().title, c.lastLevelTitle) << c.name;
    }
}

TEST(CollectionText, RefusesOnlyWhatBreaksTheRulesAndKeepsTheCollectionsNumbers)
{
    const std::string text =
        "; fine\n#####\n#@$.#\n#####\n"               // 1, lines 2-4
        "; none\n#####\n# $.#\n#####\n"               // 2, no man
        "; two\n######\n#@$.@#\n######\n"             // 3, two men
        "; uneven\n######\n#@$$.#\n######\n"          // 4
        "; open\n#####\n#@$. \n#####\n"               // 5
        "; on a goal\n#####\n#+  #\n# $ #\n#   #\n#####\n"  // 6, lines 22-26
        "; stuck\n#####\n#@ .#\n#$  #\n#####\n"       // 7, a box in a corner: never wins
        "; walled off\n#########\n#@$.#$ .#\n#########\n";  // 8, a box and a goal out of reach
    std::string error;
    const auto read = ReadCollectionText(text, "c.txt", &error);
    ASSERT_TRUE(read) << error;
    std::vector<int> opened;
    for (const auto& level : read->levels) opened.push_back(level.number);
    EXPECT_EQ(opened, (std::vector<int>{1, 6, 7, 8}));
    EXPECT_EQ(read->levels[1].firstLine, 22);
    EXPECT_TRUE(read->levels[1].level.manOnGoal());
    EXPECT_EQ(read->levels[3].level.width, 9);
    const std::vector<std::string> said = {
        "level 2 (line 6, none): there is no man",
        "level 3 (line 10, two): there are 2 men, not one",
        "level 4 (line 14, uneven): 2 boxes but 1 goals",
        "level 5 (line 18, open): not closed by walls: the man can walk off the level at row 2, column 5",
    };
    ASSERT_EQ(read->refused.size(), said.size());
    for (std::size_t i = 0; i < said.size(); ++i) EXPECT_EQ(DescribeRefusal(read->refused[i]), said[i]);
    EXPECT_EQ(read->count(), 8);
}

TEST(CollectionText, BadInputIsAnsweredWithAReason)
{
    const std::string wall65(65, '#');
    std::string big = wall65 + "\n";
    for (int i = 0; i < 63; ++i) big += "#@$." + std::string(60, ' ') + "#\n";
    big += wall65 + "\n";
    const std::string longLine = "#" + std::string(1 << 20, ' ') + "#\n";
    std::string column, tiny, sparse;
    for (int i = 0; i < 100; ++i) column += "#\n";
    for (int i = 0; i <= MaxCollectionLevels; ++i) tiny += "#\n\n";
    // Levels of 64 x 64 cells in 200 bytes of text each: their cells would take far more memory.
    std::string spread = std::string(64, '#') + "\n#@$.#\n#####\n";
    for (int i = 3; i < 64; ++i) spread += "#\n";
    for (std::size_t cells = 0; cells <= MaxCollectionCells; cells += 64 * 64) sparse += spread + "\n";
    struct Case {
        const char* name;
        std::string text;
        const char* error;   // of the whole file, or empty
        const char* refusal; // of its one level, or empty
    };
    const std::vector<Case> cases = {
        {"empty", "", "holds no level", ""},
        {"garbage", "\x01\x02 hello\n\xFF\xFE\n;;;\n", "holds no level", ""},
        {"65 x 65", big, "", "the level is 65 x 65 cells"},
        {"a line of 1 MB", "#####\n#@$.#\n" + longLine + "#####\n", "", "x 4 cells; a level has at most 64 x 64"},
        {"a level of 100 rows", column, "", "the level has 100 rows"},
        {"larger than a collection", std::string(MaxCollectionBytes + 1, ' '), "larger than a collection", ""},
        {"too many levels", tiny, "holds more than 100000 levels", ""},
        {"levels too large together", sparse, "too large together", ""},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto read = ReadCollectionText(c.text, "x.txt", &error);
        EXPECT_EQ(read.has_value(), std::string(c.error).empty()) << c.name;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
        if (!read) continue;
        ASSERT_EQ(read->refused.size(), 1u) << c.name;
        EXPECT_NE(read->refused[0].reason.find(c.refusal), std::string::npos) << c.name << ": " << read->refused[0].reason;
    }
}

TEST(CleanText, MakesAnyBytesOneShortLineOfValidText)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"  Plain  ", "Plain"},
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xC0\xAF overlong", "\xEF\xBF\xBD\xEF\xBF\xBD overlong"},
        {"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a\nb\x7F", "a b"},
        {std::string(300, 'x'), std::string(MaxCleanTextBytes - 3, 'x') + "..."},
        {"  " + std::string(MaxCleanTextBytes, 'y') + "    ", std::string(MaxCleanTextBytes, 'y')},
        {"\x1e\x1e" + std::string(100, '\xA6'), [] {  // cut after whole characters only
             std::string cut;
             for (int i = 0; i < 65; ++i) cut += "\xEF\xBF\xBD";
             return cut + "...";
         }()},
    };
    for (const auto& [text, clean] : cases) {
        EXPECT_EQ(CleanText(text), clean) << text;
        EXPECT_EQ(CleanText(clean), clean) << "cleaned twice";
    }
}

}  // namespace
}  // namespace tolvar
