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

/// An effect is a second or two. Longer sound, or more than this once decoded, is
/// no effect of ours and is refused before anything is decoded.
constexpr int kMaxEffectSeconds = 8;
constexpr std::size_t kMaxEffectBytes = 4u << 20;

/// Why a file gave no sound.
enum class WaveFault {
    None,
    Unreadable,  // missing, or could not be read
    NotSound,    // no WAV we decode, or a WAV without sound
    TooLong,     // longer or larger than an effect may be
};

/// Decodes a RIFF WAVE of 8-, 16-, 24- or 32-bit integer or 32-bit float
/// samples, converting rate and channels to `layout`. Nothing for anything
/// else (compressed, broken, or no WAV at all), for a WAV without sound and
/// for one too long for an effect; `fault`, when given, says which.
std::optional<PcmSamples> DecodeWave(std::string_view file, PcmLayout layout, WaveFault* fault = nullptr);

/// Reads and decodes the file; nothing when it cannot be read.
std::optional<PcmSamples> DecodeWaveFile(const std::string& path, PcmLayout layout, WaveFault* fault = nullptr);

}  // namespace tolvar::audio
