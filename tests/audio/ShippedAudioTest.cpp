// The sounds and tunes the game ships with play through our own players.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AudioTestFiles.h"
#include "audio/FluidSequencer.h"
#include "audio/MidiNotes.h"
#include "audio/SoundFontCut.h"
#include "audio/WaveDecoder.h"

namespace tolvar::audio {
namespace {

const std::filesystem::path kGameDir = TOLVAR_ASSET_DIR;

double Rms(const std::vector<std::int16_t>& samples)
{
    double sum = 0.0;
    for (std::int16_t sample : samples)
        sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

class ShippedEffect : public testing::TestWithParam<const char*> {};

TEST_P(ShippedEffect, DecodesToAnAudibleSound)
{
    const std::filesystem::path path = kGameDir / GetParam();
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << path << " is not there yet";
    const std::optional<PcmSamples> samples = DecodeWaveFile(path.string(), PcmLayout{44100, 2});
    ASSERT_TRUE(samples.has_value()) << path;
    EXPECT_GE(samples->size(), 44100u * 2 / 20) << "at least 50 ms";
    EXPECT_GT(Rms(*samples), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Effects, ShippedEffect,
                         testing::Values("BOXMOVE.WAV", "BOXGOAL.WAV", "BOXWIN.WAV", "BOXUNDO.WAV"));

class ShippedPiece : public testing::TestWithParam<const char*> {};

TEST_P(ShippedPiece, OpensAndSoundsWithinItsFirstSeconds)
{
    FluidSequencer::Options options;
    options.manualClock = true;
    const std::filesystem::path path = kGameDir / GetParam();
    if (!std::filesystem::exists(path) || !std::filesystem::exists(options.soundFont))
        GTEST_SKIP() << "no " << path << " or no SoundFont";

    FluidSequencer sequencer(options);
    std::string text;
    ASSERT_EQ(sequencer.SendString("OPEN \"" + path.string() + "\" TYPE SEQUENCER ALIAS piece", text, 0), 0);
    ASSERT_EQ(sequencer.SendString("PLAY piece FROM 0", text, 0), 0);
    const std::vector<float> music = sequencer.Render(3 * FluidSequencer::kSampleRate);
    double sum = 0.0;
    for (float sample : music)
        sum += static_cast<double>(sample) * sample;
    EXPECT_GT(std::sqrt(sum / static_cast<double>(music.size())), 0.005);
    text = "               ";
    ASSERT_EQ(sequencer.SendString("STATUS piece MODE", text, 15), 0);
    EXPECT_EQ(text, "playing") << "a piece of background music lasts longer than three seconds";
}

// Each piece plays on the SoundFont cut down to what it plays, holding a fraction of its samples,
// and sounds exactly as on the whole SoundFont, first or after the other piece.
TEST_P(ShippedPiece, SoundsTheSameOnItsCutOfTheSoundFontAfterTheOtherPiece)
{
    FluidSequencer::Options whole;
    whole.manualClock = true;
    const std::string piece = GetParam();
    const std::string other = piece == "TOLVAR3.MID" ? "TOLVAR2.MID" : "TOLVAR3.MID";
    if (!std::filesystem::exists(kGameDir / piece) || !std::filesystem::exists(whole.soundFont))
        GTEST_SKIP() << "no " << piece << " or no SoundFont";
    FluidSequencer::Options cut = whole;
    cut.pieces = {(kGameDir / "TOLVAR3.MID").string(), (kGameDir / "TOLVAR2.MID").string()};
    NotesPlayed notes;
    std::ifstream file(kGameDir / piece, std::ios::binary);
    ASSERT_TRUE(AddNotesPlayed(std::string(std::istreambuf_iterator<char>(file), {}), notes));
    const std::optional<SoundFontCut> font = SoundFontCut::Make(whole.soundFont, notes);
    ASSERT_TRUE(font);
    EXPECT_LT(font->Size() * 2, std::filesystem::file_size(whole.soundFont));

    const auto render = [&piece, &other](const FluidSequencer::Options& options, bool otherFirst) {
        FluidSequencer sequencer(options);
        std::string text;
        sequencer.SendString("OPEN \"" + (kGameDir / piece).string() + "\" TYPE SEQUENCER ALIAS piece", text, 0);
        sequencer.SendString("OPEN \"" + (kGameDir / other).string() + "\" TYPE SEQUENCER ALIAS other", text, 0);
        std::vector<float> music;
        if (otherFirst) {
            sequencer.SendString("PLAY other FROM 0", text, 0);
            music = sequencer.Render(2 * FluidSequencer::kSampleRate);
        }
        sequencer.SendString("PLAY piece FROM 0", text, 0);
        const std::vector<float> more = sequencer.Render(8 * FluidSequencer::kSampleRate);
        music.insert(music.end(), more.begin(), more.end());
        return music;
    };
    for (const bool otherFirst : {false, true}) {
        const std::vector<float> expected = render(whole, otherFirst), got = render(cut, otherFirst);
        ASSERT_EQ(got.size(), expected.size());
        float largest = 0.0F;
        for (std::size_t i = 0; i < got.size(); ++i) largest = std::max(largest, std::abs(got[i] - expected[i]));
        EXPECT_LT(largest, 1e-6F) << (otherFirst ? "after " + other : "first");
    }
}

INSTANTIATE_TEST_SUITE_P(Music, ShippedPiece, testing::Values("TOLVAR3.MID", "TOLVAR2.MID"));

}  // namespace
}  // namespace tolvar::audio
