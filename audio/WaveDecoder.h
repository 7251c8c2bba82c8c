#pragma once
// The game's sound effects are plain WAV files. They are decoded once, when
// first needed, into the one format the sound output is opened with, so that
// starting an effect is no more than handing over its samples.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::audio {

/// The layout of decoded sound: interleaved signed 16-bit samples.
struct PcmLayout {
    int sampleRate = 44100;
    int channels = 2;  // 1 or 2
};

using PcmSamples = std::vector<std::int16_t>;

/// Decodes a RIFF WAVE of 8-, 16-, 24- or 32-bit integer or 32-bit float
/// samples, converting rate and channels to `layout`. Nothing for anything
/// else (compressed, broken, or no WAV at all) or for a WAV without sound.
std::optional<PcmSamples> DecodeWave(std::string_view file, PcmLayout layout);

/// Reads and decodes the file; nothing when it cannot be read.
std::optional<PcmSamples> DecodeWaveFile(const std::string& path, PcmLayout layout);

}  // namespace tolvar::audio
