// The effects and the music are balanced: the undo warning is no louder than a
// push, and the music, rendered as the game renders it, sits a little under the
// effects rather than far beneath them.

#include "AssetTestFiles.h"
#include "Loudness.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

using namespace assettest;

namespace {

double effectLoudness(const char* file)
{
    Wave w;
    if (!parseWave(loadBytes(QString("game/") + file), w))
        return -70;
    std::vector<float> mono;
    for (const std::int16_t s : w.samples)
        mono.push_back(s / 32768.0f);
    return integratedLoudness({mono, mono}, w.sampleRate); // the same sound on both speakers
}

TEST(Loudness, effectsAndMusicAreBalanced)
{
    std::map<std::string, double> lufs;
    for (const char* effect : {"BOXMOVE.WAV", "BOXGOAL.WAV", "BOXWIN.WAV", "BOXUNDO.WAV"})
        lufs[effect] = effectLoudness(effect);
    EXPECT_NEAR(lufs["BOXUNDO.WAV"], lufs["BOXMOVE.WAV"], 1.5) << "the frequent undo is as loud as a push";
    for (const auto& [name, value] : lufs)
        EXPECT_GT(value, -30.0) << name;

    const QString soundFont = "/usr/share/sounds/sf2/default-GM.sf2";
    if (!QFile::exists(soundFont))
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    double loudestEffect = -70;
    for (const auto& [name, value] : lufs)
        loudestEffect = std::max(loudestEffect, value);
    for (const char* piece : {"TOLVAR3.MID", "TOLVAR2.MID"}) {
        const Channels music = renderMidi(assetPath(QString("game/") + piece), soundFont, 44100);
        ASSERT_GT(music[0].size(), 44100u * 60) << piece;
        lufs[piece] = integratedLoudness(music, 44100);
        EXPECT_GT(lufs[piece], lufs["BOXMOVE.WAV"] - 12.0) << piece << " is not buried under the effects";
        EXPECT_LT(lufs[piece], loudestEffect) << piece << " does not drown the effects";
    }
    for (const auto& [name, value] : lufs)
        std::printf("%-12s %6.1f LUFS\n", name.c_str(), value);
}

} // namespace
