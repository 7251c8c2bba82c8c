// The sound effects: the input is a WAV file as the game finds it in its directory. The
// first byte chooses the output layout it is decoded for.
#include "FuzzGame.h"
#include "audio/WaveDecoder.h"

using namespace tolvar;
using namespace tolvar::audio;
using fuzzing::Require;

namespace {
constexpr PcmLayout Layouts[] = {{44100, 2}, {48000, 1}, {8000, 2}, {192000, 2}};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const PcmLayout layout = Layouts[data[0] % std::size(Layouts)];
    WaveFault fault = WaveFault::Unreadable;
    const std::optional<PcmSamples> samples = DecodeWave(fuzzing::AsText(data + 1, size - 1), layout, &fault);
    Require(samples.has_value() == (fault == WaveFault::None), "sound comes exactly when nothing is wrong");
    if (!samples)
        return 0;
    Require(!samples->empty() && samples->size() % static_cast<std::size_t>(layout.channels) == 0,
            "an effect is whole frames of the output's channels");
    Require(samples->size() * sizeof(std::int16_t) <= kMaxEffectBytes + 16, "an effect stays within its size");
    Require(samples->size() / static_cast<std::size_t>(layout.channels)
                <= static_cast<std::size_t>(kMaxEffectSeconds) * static_cast<std::size_t>(layout.sampleRate) + 1,
            "an effect stays within its length");
    return 0;
}
