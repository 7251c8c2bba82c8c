// Every tune of the music sings above its accompaniment: the parts that carry
// the tune, rendered on their own, are 4 to 7 LU louder than the rest of the
// band over the same bars, with every General MIDI SoundFont Debian offers.
// It prints the figures, tune by tune.

#include "AssetTestFiles.h"
#include "Loudness.h"
#include "MusicLayout.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace assettest;

namespace {

constexpr int Rate = 44100;
constexpr int Stems = 16; // one for each MIDI channel

// The loudness of the chosen stems (or of all the others) over the bars of a tune.
double loudnessOf(const std::vector<Channels>& stems, const Tune& tune, double bpm, bool lead)
{
    const double barSeconds = 4 * 60 / bpm;
    const size_t from = size_t(tune.fromBar * barSeconds * Rate);
    const size_t to = std::min(stems[0][0].size(), size_t(tune.toBar * barSeconds * Rate));
    Channels sum(2, std::vector<float>(to - from, 0.0f));
    for (int s = 0; s < Stems; ++s)
        if (tune.channels.count(s) == size_t(lead))
            for (int side = 0; side < 2; ++side) {
                const float* stem = stems[s][side].data() + from;
                float* into = sum[side].data();
                for (size_t i = 0; i < to - from; ++i)
                    into[i] += stem[i];
            }
    return integratedLoudness(sum, Rate);
}

TEST(MelodyLoudness, everyTuneSingsAboveItsAccompanimentOnEverySoundFont)
{
    std::vector<QString> soundFonts;
    for (const char* file : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFile::exists(file))
            soundFonts.push_back(file);
    if (soundFonts.empty())
        GTEST_SKIP() << "neither timgm6mb-soundfont nor fluid-soundfont-gm is installed";
    if (soundFonts.size() == 1)
        std::printf("measured with %s only; install the other SoundFont to check both\n", qPrintable(soundFonts[0]));
    for (const QString& soundFont : soundFonts)
        for (const Piece& piece : MusicPieces) {
            const auto stems = renderMidiStems(assetPath(QString("game/") + piece.file), soundFont, Rate, Stems);
            ASSERT_GT(stems[0][0].size(), size_t(Rate) * 60) << piece.file;
            for (const Tune& tune : piece.tunes) {
                const double lead = loudnessOf(stems, tune, piece.beatsPerMinute, true);
                const double rest = loudnessOf(stems, tune, piece.beatsPerMinute, false);
                std::printf("%-16s %-12s %-30s %6.1f over %6.1f LUFS: %+5.1f LU\n",
                            qPrintable(soundFont.section('/', -1)), piece.file, tune.what, lead, rest, lead - rest);
                EXPECT_GE(lead - rest, 4.0) << piece.file << " " << tune.what << " with " << qPrintable(soundFont);
                EXPECT_LE(lead - rest, 7.0) << piece.file << " " << tune.what << " with " << qPrintable(soundFont);
            }
        }
}

} // namespace
