// The paste reader: what a pasted text is, and why it is refused.
#include <gtest/gtest.h>

#include "levels/CollectionText.h"
#include "levels/LevelText.h"
#include "levels/PasteText.h"
#include "levels/Records.h"

namespace tolvar {
namespace {

TEST(PasteText, TellsMovesLevelsAndRefusalsApart)
{
    struct Case {
        std::string text;
        PasteKind kind;
        std::string moves;    // what the moves are, or a part of the problem
    };
    const std::vector<Case> cases = {
        {"rRuU\r\n ld D\n", PasteKind::Moves, "rRuUldD"},
        {"#####\n#@$.#\n#####\n", PasteKind::Levels, ""},
        {"#####\n#@$.#\n#####\nR\n", PasteKind::Levels, "R"},  // as Copy Level writes it
        {"; 1\n#####\n#@$.#\n#####\nR\n\n; 2\n#####\n#@$.#\n#####\n", PasteKind::Levels, ""},  // moves only after one level
        {"rrxr", PasteKind::Refused, "\"x\" at move 3, which is no move"},
        {"12", PasteKind::Refused, "\"1\" at move 1"},
        {"#####\n#@$.#\x01\n", PasteKind::Refused, "binary data"},
        {std::string("ru\0d", 4), PasteKind::Refused, "binary data"},
        {" \n\t", PasteKind::Refused, "no text"},
        {"Hello, world!", PasteKind::Refused, "neither a level"},
        {std::string(MaxCollectionBytes + 1, '#'), PasteKind::Refused, "too large"},
        {std::string(MaxSolutionMoves + 1, 'r'), PasteKind::Refused, "too many"},
    };
    for (const Case& c : cases) {
        const PastedText read = ReadPaste(c.text);
        const std::string shown = c.text.substr(0, 30);
        EXPECT_EQ(read.kind, c.kind) << shown;
        if (c.kind == PasteKind::Refused)
            EXPECT_NE(read.problem.find(c.moves), std::string::npos) << shown << ": " << read.problem;
        else
            EXPECT_EQ(read.moves, c.moves) << shown;
    }
}

TEST(PasteText, SaysWhyMovesDoNotSolveALevel)
{
    std::string error;
    const Level level = *ReadLevel({"#######", "#@$  .#", "#######"}, &error);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"RRR", ""},
        {"rrr", ""},
        {"RRu", "move 3 (\"u\") walks into a wall"},
        {"RR", "after all 2 moves the level is not solved"},
        {"RRRl", "solved at move 3 (\"R\"), before the last of the 4 moves"},
    };
    for (const auto& [moves, why] : cases) {
        const std::string said = WhyNoSolution(level, moves);
        EXPECT_EQ(said.empty(), why.empty()) << moves << ": " << said;
        EXPECT_NE(said.find(why), std::string::npos) << moves << ": " << said;
    }
}

}  // namespace
}  // namespace tolvar
