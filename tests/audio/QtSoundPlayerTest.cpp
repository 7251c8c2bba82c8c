// The effect player: silent and harmless where it cannot play, one effect at
// a time and each file loaded once where it can.
#include <gtest/gtest.h>

#include <QSoundEffect>

#include "AudioTestFiles.h"
#include "audio/QtSoundPlayer.h"

namespace tolvar::audio {
namespace {

using test::ScratchDirectory;
using test::ToneWave;
using test::WriteFile;

class SoundPlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteFile("BOXMOVE.WAV", ToneWave(300));
        WriteFile("BOXGOAL.WAV", ToneWave(300));
        WriteFile("BOXWIN.WAV", "RIFF\x10\x00\x00\x00WAVEjunkjunk");
    }

    ScratchDirectory scratch_;
};

// Missing, broken or fine, no file may make the player crash or write to the terminal.
TEST_F(SoundPlayerTest, FilesThatCannotPlayAreSkippedInSilence)
{
    testing::internal::CaptureStderr();
    QtSoundPlayer player;
    player.PlaySound("MISSING.WAV");
    player.PlaySound("BOXWIN.WAV");
    player.PlaySound("");
    player.PlaySound("BOXMOVE.WAV");
    EXPECT_EQ(player.LoadedEffect("MISSING.WAV"), nullptr);
    EXPECT_EQ(player.LoadedEffect("BOXWIN.WAV"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SoundPlayerTest, WithoutAnAudioOutputNothingIsLoaded)
{
    QtSoundPlayer player;
    if (player.HasOutput())
        GTEST_SKIP() << "this machine has an audio output";
    player.Preload("BOXMOVE.WAV");
    player.PlaySound("BOXMOVE.WAV");
    EXPECT_EQ(player.LoadedEffect("BOXMOVE.WAV"), nullptr);
}

TEST_F(SoundPlayerTest, EachFileIsLoadedOnceAndANewEffectCutsOffTheLast)
{
    QtSoundPlayer player;
    if (!player.HasOutput())
        GTEST_SKIP() << "no audio output on this machine";
    player.PlaySound("BOXMOVE.WAV");
    QSoundEffect* move = player.LoadedEffect("BOXMOVE.WAV");
    ASSERT_NE(move, nullptr);
    EXPECT_TRUE(move->isPlaying());

    player.PlaySound("BOXGOAL.WAV");
    EXPECT_FALSE(move->isPlaying());
    EXPECT_TRUE(player.LoadedEffect("BOXGOAL.WAV")->isPlaying());

    player.PlaySound("BOXMOVE.WAV");
    EXPECT_EQ(player.LoadedEffect("BOXMOVE.WAV"), move);
}

}  // namespace
}  // namespace tolvar::audio
