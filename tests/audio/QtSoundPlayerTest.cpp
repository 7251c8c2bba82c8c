// The effect player: silent and harmless where it cannot play, each file
// decoded once, and one effect at a time where it can.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>

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
    {
        QtSoundPlayer player;
        player.PlaySound("MISSING.WAV");
        player.PlaySound("BOXWIN.WAV");
        player.PlaySound("");
        player.PlaySound("BOXMOVE.WAV");
        EXPECT_FALSE(player.IsLoaded("MISSING.WAV"));
        EXPECT_FALSE(player.IsLoaded("BOXWIN.WAV"));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SoundPlayerTest, AnEffectTooLongIsRefusedWithOneLineNamingIt)
{
    QtSoundPlayer player;
    if (!player.HasOutput())
        GTEST_SKIP() << "no audio output: nothing is decoded";
    WriteFile("BOXUNDO.WAV", ToneWave((kMaxEffectSeconds + 1) * 1000));
    testing::internal::CaptureStderr();
    player.PlaySound("BOXUNDO.WAV");
    player.PlaySound("BOXUNDO.WAV");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(player.IsSounding());
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("BOXUNDO.WAV"), std::string::npos) << said;
}

TEST_F(SoundPlayerTest, WithoutAnAudioOutputNothingIsLoaded)
{
    QtSoundPlayer player;
    if (player.HasOutput())
        GTEST_SKIP() << "this machine has an audio output";
    player.Preload("BOXMOVE.WAV");
    player.PlaySound("BOXMOVE.WAV");
    EXPECT_FALSE(player.IsLoaded("BOXMOVE.WAV"));
    EXPECT_FALSE(player.IsSounding());
}

TEST_F(SoundPlayerTest, AnEffectPlaysToItsEndWithoutHoldingTheCaller)
{
    QtSoundPlayer player;
    if (!player.HasOutput())
        GTEST_SKIP() << "no audio output on this machine";
    player.Preload("BOXMOVE.WAV");
    EXPECT_TRUE(player.IsLoaded("BOXMOVE.WAV"));
    QElapsedTimer call;
    call.start();
    player.PlaySound("BOXMOVE.WAV");
    EXPECT_LT(call.elapsed(), 200) << "the call must not wait for the 300 ms sound";
    EXPECT_TRUE(player.IsSounding());

    // Three hundred milliseconds of sound are handed over as they play, not cut short.
    QElapsedTimer sounding;
    sounding.start();
    while (player.IsSounding() && sounding.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(player.IsSounding());
    EXPECT_GE(sounding.elapsed(), 150);
}

}  // namespace
}  // namespace tolvar::audio
