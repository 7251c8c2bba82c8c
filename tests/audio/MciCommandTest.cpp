// How the music command lines are read: every form the game sends, in any
// case, and the lines that must be refused.
#include <gtest/gtest.h>

#include "audio/MciCommand.h"

namespace tolvar::audio {
namespace {

struct GoodLine {
    const char* text;
    MciVerb verb;
    const char* alias;
    const char* fileName;
    const char* deviceType;
    std::optional<std::int64_t> from;
    const char* statusItem;
    bool allDevices;
};

class ReadsGoodLine : public testing::TestWithParam<GoodLine> {};

TEST_P(ReadsGoodLine, IntoItsParts)
{
    const GoodLine& line = GetParam();
    MciCommand command;
    ASSERT_EQ(ParseMciCommand(line.text, command), MciError::None) << line.text;
    EXPECT_EQ(command.verb, line.verb);
    EXPECT_EQ(command.alias, line.alias);
    EXPECT_EQ(command.fileName, line.fileName);
    EXPECT_EQ(command.deviceType, line.deviceType);
    EXPECT_EQ(command.from, line.from);
    EXPECT_EQ(command.statusItem, line.statusItem);
    EXPECT_EQ(command.allDevices, line.allDevices);
}

INSTANTIATE_TEST_SUITE_P(
    CommandForms, ReadsGoodLine,
    testing::Values(
        // The lines the game sends.
        GoodLine{"OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1", MciVerb::Open, "SQ1", "TOLVAR3.MID", "SEQUENCER", {}, "", false},
        GoodLine{"OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", MciVerb::Open, "SQ2", "TOLVAR2.MID", "SEQUENCER", {}, "", false},
        GoodLine{"PLAY SQ1 FROM 0", MciVerb::Play, "SQ1", "", "", 0, "", false},
        GoodLine{"STOP SQ2", MciVerb::Stop, "SQ2", "", "", {}, "", false},
        GoodLine{"STATUS SQ1 MODE", MciVerb::Status, "SQ1", "", "", {}, "MODE", false},
        GoodLine{"CLOSE SQ1", MciVerb::Close, "SQ1", "", "", {}, "", false},
        // Keywords in any case, words in any spacing, the alias kept as written.
        GoodLine{"  open tolvar3.mid   type Sequencer alias sq1 ", MciVerb::Open, "sq1", "tolvar3.mid", "Sequencer", {}, "", false},
        GoodLine{"Play sq1 from 0", MciVerb::Play, "sq1", "", "", 0, "", false},
        GoodLine{"status\tSq2\tmode", MciVerb::Status, "Sq2", "", "", {}, "MODE", false},
        // Forms the game does not send but a sequencer of this kind understands.
        GoodLine{"OPEN TOLVAR3.MID", MciVerb::Open, "TOLVAR3.MID", "TOLVAR3.MID", "", {}, "", false},
        GoodLine{"OPEN \"my tune.mid\" ALIAS tune TYPE sequencer", MciVerb::Open, "tune", "my tune.mid", "sequencer", {}, "", false},
        GoodLine{"PLAY SQ1", MciVerb::Play, "SQ1", "", "", {}, "", false},
        GoodLine{"PLAY SQ1 FROM 1500", MciVerb::Play, "SQ1", "", "", 1500, "", false},
        GoodLine{"STATUS SQ1 length", MciVerb::Status, "SQ1", "", "", {}, "LENGTH", false},
        GoodLine{"close all", MciVerb::Close, "all", "", "", {}, "", true}));

struct BadLine {
    const char* text;
    MciError error;
};

class RefusesBadLine : public testing::TestWithParam<BadLine> {};

TEST_P(RefusesBadLine, AndLeavesTheCommandAlone)
{
    MciCommand command;
    command.alias = "untouched";
    EXPECT_EQ(ParseMciCommand(GetParam().text, command), GetParam().error) << GetParam().text;
    EXPECT_EQ(command.alias, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RefusesBadLine,
    testing::Values(BadLine{"", MciError::UnknownCommand},
                    BadLine{"   ", MciError::UnknownCommand},
                    BadLine{"PAUSE SQ1", MciError::UnknownCommand},
                    BadLine{"PLAYSQ1", MciError::UnknownCommand},
                    BadLine{"OPEN", MciError::BadSyntax},
                    BadLine{"OPEN TOLVAR3.MID TYPE", MciError::BadSyntax},
                    BadLine{"OPEN TOLVAR3.MID ALIAS", MciError::BadSyntax},
                    BadLine{"OPEN TOLVAR3.MID ALIAS SQ1 ALIAS SQ2", MciError::BadSyntax},
                    BadLine{"OPEN TOLVAR3.MID SHAREABLE ALIAS SQ1", MciError::BadSyntax},
                    BadLine{"OPEN \"TOLVAR3.MID ALIAS SQ1", MciError::BadSyntax},
                    BadLine{"OPEN \"\" ALIAS SQ1", MciError::BadSyntax},
                    BadLine{"PLAY", MciError::BadSyntax},
                    BadLine{"PLAY SQ1 FROM", MciError::BadSyntax},
                    BadLine{"PLAY SQ1 FROM -1", MciError::BadSyntax},
                    BadLine{"PLAY SQ1 FROM zero", MciError::BadSyntax},
                    BadLine{"PLAY SQ1 FROM 0 TO 100", MciError::BadSyntax},
                    BadLine{"PLAY SQ1 TO 0", MciError::BadSyntax},
                    BadLine{"STOP", MciError::BadSyntax},
                    BadLine{"STOP SQ1 NOW", MciError::BadSyntax},
                    BadLine{"STATUS SQ1", MciError::BadSyntax},
                    BadLine{"STATUS SQ1 MODE NOW", MciError::BadSyntax},
                    BadLine{"CLOSE", MciError::BadSyntax}));

TEST(AliasKey, MatchesAliasesWithoutRegardToCase)
{
    EXPECT_EQ(AliasKey("sq1"), AliasKey("SQ1"));
    EXPECT_NE(AliasKey("SQ1"), AliasKey("SQ2"));
}

}  // namespace
}  // namespace tolvar::audio
