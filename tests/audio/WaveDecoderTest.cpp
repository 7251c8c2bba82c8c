// Decoding the effects: the sample formats a WAV may hold, conversion to the
// output's layout, and the files that must be refused rather than played.
#include <gtest/gtest.h>

#include <cstring>

#include "AudioTestFiles.h"
#include "audio/WaveDecoder.h"

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

std::string Little(long value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string Format(int tag, int channels, int rate, int bits)
{
    return Chunk("fmt ", Little(tag, 2) + Little(channels, 2) + Little(rate, 4)
                             + Little(static_cast<long>(rate) * channels * bits / 8, 4)
                             + Little(channels * bits / 8, 2) + Little(bits, 2));
}

std::string Riff(const std::string& chunks)
{
    return Chunk("RIFF", "WAVE" + chunks);
}

std::string FloatSamples(std::initializer_list<float> values)
{
    std::string out;
    for (float value : values) {
        char bytes[4];
        std::memcpy(bytes, &value, 4);
        out.append(bytes, 4);
    }
    return out;
}

constexpr PcmLayout kMono{8000, 1};
constexpr PcmLayout kStereo{8000, 2};

struct DecodeCase {
    const char* name;
    std::string file;
    PcmLayout layout;
    std::vector<std::int16_t> samples;
};

class DecodesWave : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodesWave, IntoTheOutputLayout)
{
    const std::optional<PcmSamples> samples = DecodeWave(GetParam().file, GetParam().layout);
    ASSERT_TRUE(samples.has_value());
    EXPECT_EQ(*samples, GetParam().samples);
}

INSTANTIATE_TEST_SUITE_P(
    SampleFormats, DecodesWave,
    testing::Values(
        // 8-bit samples are unsigned around 128.
        DecodeCase{"unsigned8", Riff(Format(1, 1, 8000, 8) + Chunk("data", std::string("\x80\xC0\x00", 3))), kMono, {0, 16384, -32768}},
        DecodeCase{"signed16", Riff(Format(1, 1, 8000, 16) + Chunk("data", Little(-16384, 2) + Little(32767, 2))), kMono, {-16384, 32767}},
        DecodeCase{"signed24", Riff(Format(1, 1, 8000, 24) + Chunk("data", Little(0x400000, 3) + Little(0xC00000, 3))), kMono, {16384, -16384}},
        DecodeCase{"signed32", Riff(Format(1, 1, 8000, 32) + Chunk("data", Little(0x40000000, 4))), kMono, {16384}},
        // Float beyond full scale is clipped, not wrapped.
        DecodeCase{"float", Riff(Format(3, 1, 8000, 32) + Chunk("data", FloatSamples({0.5f, 2.0f, -2.0f}))), kMono, {16384, 32767, -32768}},
        // Mono is copied to both sides; stereo is mixed down for a mono output.
        DecodeCase{"mono to stereo", Riff(Format(1, 1, 8000, 16) + Chunk("data", Little(1000, 2))), kStereo, {1000, 1000}},
        DecodeCase{"stereo to mono", Riff(Format(1, 2, 8000, 16) + Chunk("data", Little(1000, 2) + Little(3000, 2))), kMono, {2000}},
        // Half the output's rate: every other sample is made up between its neighbours.
        DecodeCase{"doubled rate", Riff(Format(1, 1, 4000, 16) + Chunk("data", Little(0, 2) + Little(2000, 2))), kMono, {0, 1000, 2000, 2000}},
        DecodeCase{"list chunk before format", Riff(Chunk("LIST", "abc") + Format(1, 1, 8000, 16) + Chunk("data", Little(5, 2))), kMono, {5}},
        DecodeCase{"data cut short", Riff(Format(1, 1, 8000, 16)) + "data" + Little(100, 4) + Little(7, 2), kMono, {7}}),
    [](const testing::TestParamInfo<DecodeCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

struct BadCase {
    const char* name;
    std::string file;
};

class RefusesWave : public testing::TestWithParam<BadCase> {};

TEST_P(RefusesWave, AsNoSound)
{
    EXPECT_FALSE(DecodeWave(GetParam().file, kStereo).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, RefusesWave,
    testing::Values(BadCase{"empty", ""},
                    BadCase{"text", "not a sound, just some words to fill"},
                    BadCase{"riff without wave", Chunk("RIFF", "AVI " + Format(1, 1, 8000, 16) + Chunk("data", "xy"))},
                    BadCase{"no format chunk", Riff(Chunk("data", "xy"))},
                    BadCase{"data before format", Riff(Chunk("data", "xy") + Format(1, 1, 8000, 16))},
                    BadCase{"no data chunk", Riff(Format(1, 1, 8000, 16))},
                    BadCase{"empty data chunk", Riff(Format(1, 1, 8000, 16) + Chunk("data", ""))},
                    BadCase{"compressed", Riff(Format(2, 1, 8000, 4) + Chunk("data", "xy"))},
                    BadCase{"odd sample size", Riff(Format(1, 1, 8000, 12) + Chunk("data", "xyz"))},
                    BadCase{"no channels", Riff(Format(1, 0, 8000, 16) + Chunk("data", "xy"))},
                    BadCase{"format cut short", Riff(Chunk("fmt ", std::string("\x01\x00\x01\x00", 4)))},
                    BadCase{"header cut off", test::ToneWave(50).substr(0, 30)}),
    [](const testing::TestParamInfo<BadCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

// 8-bit mono at 1,000 Hz: a byte is a millisecond.
std::string Silence8(int milliseconds)
{
    return Riff(Format(1, 1, 1000, 8) + Chunk("data", std::string(static_cast<std::size_t>(milliseconds), '\x80')));
}

struct LengthCase {
    const char* name;
    std::string file;
    PcmLayout layout;
    WaveFault fault;
};

TEST(WaveFile, AnEffectTooLongOrTooLargeIsRefusedBeforeDecoding)
{
    const LengthCase cases[] = {
        {"longest effect", Silence8(kMaxEffectSeconds * 1000), kMono, WaveFault::None},
        {"a sample longer", Silence8(kMaxEffectSeconds * 1000 + 1), kMono, WaveFault::TooLong},
        {"a megabyte at 1,000 Hz", Silence8(1 << 20), kStereo, WaveFault::TooLong},
        // Three seconds, but more than the limit once at 384 kHz stereo.
        {"too large decoded", Silence8(3000), PcmLayout{384000, 2}, WaveFault::TooLong},
        {"no wave", "junk", kMono, WaveFault::NotSound},
    };
    for (const LengthCase& c : cases) {
        WaveFault fault = WaveFault::Unreadable;
        EXPECT_EQ(DecodeWave(c.file, c.layout, &fault).has_value(), c.fault == WaveFault::None) << c.name;
        EXPECT_EQ(fault, c.fault) << c.name;
    }
}

TEST(WaveFile, AToneKeepsItsLengthAtTheOutputRate)
{
    // 100 ms at 22050 Hz becomes 100 ms at 44100 Hz, two channels.
    const std::optional<PcmSamples> samples = DecodeWave(test::ToneWave(100), PcmLayout{44100, 2});
    ASSERT_TRUE(samples.has_value());
    EXPECT_EQ(samples->size(), 4410u * 2);
}

TEST(WaveFile, AMissingFileIsNoSound)
{
    WaveFault fault = WaveFault::None;
    EXPECT_FALSE(DecodeWaveFile("/nonexistent/BOXMOVE.WAV", kStereo, &fault).has_value());
    EXPECT_EQ(fault, WaveFault::Unreadable);
}

}  // namespace
}  // namespace tolvar::audio
