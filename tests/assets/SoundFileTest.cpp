// Every sound effect is a clean 16-bit mono PCM file of the right length,
// loud but not clipped, and without a click at either end.

#include "AssetTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace assettest;

namespace {

struct SoundCase {
    const char* file;
    double maxSeconds;
};

class SoundFile : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundFile, isCleanPcmOfTheRightLength)
{
    const SoundCase c = GetParam();
    Wave w;
    ASSERT_TRUE(parseWave(loadBytes(QString("game/") + c.file), w)) << c.file;
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << w.sampleRate;
    ASSERT_GT(w.samples.size(), 100u);
    const double seconds = double(w.samples.size()) / w.sampleRate;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, c.maxSeconds);

    int peak = 0;
    double energy = 0;
    for (const std::int16_t s : w.samples) {
        peak = std::max(peak, std::abs(int(s)));
        energy += double(s) * s;
    }
    const double rms = std::sqrt(energy / w.samples.size());
    EXPECT_GT(peak, 24000) << "normalised";
    EXPECT_LT(peak, 32767) << "not clipped";
    EXPECT_GT(rms, 1500) << "not silent";

    // The first and last two milliseconds stay near silence: no click.
    const int edge = w.sampleRate / 500;
    for (int i = 0; i < edge; ++i) {
        EXPECT_LT(std::abs(int(w.samples[i])), 200 + i * 400) << "start, sample " << i;
        EXPECT_LT(std::abs(int(w.samples[w.samples.size() - 1 - i])), 200 + i * 400) << "end, sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEffect, SoundFile,
                         testing::Values(SoundCase{"BOXMOVE.WAV", 1.0}, SoundCase{"BOXGOAL.WAV", 1.0},
                                         SoundCase{"BOXWIN.WAV", 3.0}, SoundCase{"BOXUNDO.WAV", 1.0}));

} // namespace
