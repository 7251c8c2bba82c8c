// Both pieces are well-formed multi-track General MIDI files of a sensible
// length that end cleanly, so the other piece can follow.

#include "AssetTestFiles.h"

#include <gtest/gtest.h>

using namespace assettest;

namespace {

class MusicFile : public testing::TestWithParam<const char*> {};

TEST_P(MusicFile, isACompleteGeneralMidiPiece)
{
    MidiSummary m;
    ASSERT_TRUE(parseMidi(loadBytes(QString("game/") + GetParam()), m)) << GetParam();
    EXPECT_EQ(m.format, 1);
    EXPECT_GE(m.trackCount, 5) << "conductor, melody, harmony, bass, percussion";
    EXPECT_EQ(m.tracksEndedProperly, m.trackCount) << "every track closes with end-of-track";
    EXPECT_GE(m.programChanges, 3) << "instruments chosen";
    EXPECT_GT(m.drumNotes, 100) << "percussion on channel 10";
    EXPECT_EQ(m.notesOn, m.notesOff);
    EXPECT_EQ(m.hangingNotes, 0) << "no note left sounding";
    EXPECT_GE(m.seconds, 90.0);
    EXPECT_LE(m.seconds, 240.0);
}

// The two pieces set different moods: a lively first piece and a slow second.
TEST(Music, thePiecesMoveAtDifferentPaces)
{
    MidiSummary lively;
    MidiSummary calm;
    ASSERT_TRUE(parseMidi(loadBytes("game/TOLVAR3.MID"), lively));
    ASSERT_TRUE(parseMidi(loadBytes("game/TOLVAR2.MID"), calm));
    EXPECT_GT(lively.openingTempo, calm.openingTempo + 25);
}

INSTANTIATE_TEST_SUITE_P(BothPieces, MusicFile, testing::Values("TOLVAR3.MID", "TOLVAR2.MID"));

} // namespace
