// Which files are handed to the effect player: plain WAVs only, so that a
// broken file is skipped in silence rather than reported by Qt.
#include <gtest/gtest.h>

#include "AudioTestFiles.h"
#include "audio/WaveCheck.h"

namespace tolvar::audio {
namespace {

std::string Chunk(const std::string& id, const std::string& body)
{
    std::string chunk = id;
    for (int i = 0; i < 4; ++i)
        chunk += static_cast<char>((body.size() >> (8 * i)) & 0xFF);
    chunk += body;
    if (body.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

// format tag, channels, rate, bits: the fields the check looks at.
std::string Format(int tag, int channels, int rate, int bits)
{
    std::string body;
    const auto little = [&body](long value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            body += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    little(tag, 2);
    little(channels, 2);
    little(rate, 4);
    little(static_cast<long>(rate) * channels * bits / 8, 4);
    little(channels * bits / 8, 2);
    little(bits, 2);
    return Chunk("fmt ", body);
}

std::string Riff(const std::string& chunks)
{
    return Chunk("RIFF", "WAVE" + chunks);
}

struct WaveCase {
    const char* name;
    std::string bytes;
    bool playable;
};

class WaveHead : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveHead, IsJudgedPlayableOrNot)
{
    EXPECT_EQ(LooksLikePlayableWave(GetParam().bytes), GetParam().playable) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WaveHead,
    testing::Values(
        WaveCase{"tone", test::ToneWave(50), true},
        WaveCase{"float stereo", Riff(Format(3, 2, 48000, 32) + Chunk("data", "12345678")), true},
        WaveCase{"list chunk of odd length first", Riff(Chunk("LIST", "abc") + Format(1, 1, 22050, 16) + Chunk("data", "xy")), true},
        WaveCase{"empty", "", false},
        WaveCase{"text", "not a sound, just some words to fill", false},
        WaveCase{"riff without wave", Chunk("RIFF", "AVI " + Format(1, 1, 22050, 16) + Chunk("data", "xy")), false},
        WaveCase{"no format chunk", Riff(Chunk("data", "xy")), false},
        WaveCase{"data before format", Riff(Chunk("data", "xy") + Format(1, 1, 22050, 16)), false},
        WaveCase{"no data chunk", Riff(Format(1, 1, 22050, 16)), false},
        WaveCase{"empty data chunk", Riff(Format(1, 1, 22050, 16) + Chunk("data", "")), false},
        WaveCase{"compressed", Riff(Format(2, 1, 22050, 4) + Chunk("data", "xy")), false},
        WaveCase{"odd sample size", Riff(Format(1, 1, 22050, 12) + Chunk("data", "xy")), false},
        WaveCase{"no channels", Riff(Format(1, 0, 22050, 16) + Chunk("data", "xy")), false},
        WaveCase{"format cut short", Riff(Chunk("fmt ", "\x01\x00\x01\x00")), false},
        WaveCase{"header cut off", test::ToneWave(50).substr(0, 30), false}),
    [](const testing::TestParamInfo<WaveCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(WaveFile, AMissingFileIsNotPlayable)
{
    EXPECT_FALSE(FileLooksLikePlayableWave("/nonexistent/BOXMOVE.WAV"));
}

}  // namespace
}  // namespace tolvar::audio
