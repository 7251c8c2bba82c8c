#include "audio/WaveDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace tolvar::audio {

namespace {

// No effect within the limits is near this large; the file is not read at all.
constexpr std::uintmax_t kMaxWaveBytes = 16u << 20;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t Little(std::string_view bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

struct WaveFormat {
    std::uint16_t encoding = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    int frameBytes = 0;
};

std::optional<WaveFormat> ReadFormat(std::string_view chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    WaveFormat format;
    format.encoding = static_cast<std::uint16_t>(Little(chunk, 0, 2));
    format.channels = static_cast<int>(Little(chunk, 2, 2));
    format.sampleRate = static_cast<int>(Little(chunk, 4, 4));
    format.frameBytes = static_cast<int>(Little(chunk, 12, 2));
    format.bits = static_cast<int>(Little(chunk, 14, 2));
    // The extensible form names the real encoding in the first two bytes of its sub-format.
    if (format.encoding == kFormatExtensible) {
        if (chunk.size() < 26)
            return std::nullopt;
        format.encoding = static_cast<std::uint16_t>(Little(chunk, 24, 2));
    }
    const bool knownBits = format.encoding == kFormatFloat
                               ? format.bits == 32
                               : format.encoding == kFormatPcm
                                     && (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
    if (!knownBits || format.channels < 1 || format.channels > 8 || format.sampleRate < 1000
        || format.sampleRate > 384000 || format.frameBytes != format.channels * format.bits / 8)
        return std::nullopt;
    return format;
}

float ReadSample(std::string_view data, std::size_t at, const WaveFormat& format)
{
    switch (format.bits) {
    case 8:  // unsigned, silence at 128
        return (static_cast<float>(static_cast<unsigned char>(data[at])) - 128.0f) / 128.0f;
    case 16:
        return static_cast<float>(static_cast<std::int16_t>(Little(data, at, 2))) / 32768.0f;
    case 24: {
        std::uint32_t raw = Little(data, at, 3);
        if (raw & 0x800000u)
            raw |= 0xFF000000u;
        return static_cast<float>(static_cast<std::int32_t>(raw)) / 8388608.0f;
    }
    default: {
        const std::uint32_t raw = Little(data, at, 4);
        if (format.encoding == kFormatFloat) {
            float value = 0;
            static_assert(sizeof(value) == sizeof(raw));
            std::memcpy(&value, &raw, sizeof(value));
            return std::isfinite(value) ? value : 0.0f;
        }
        return static_cast<float>(static_cast<std::int32_t>(raw)) / 2147483648.0f;
    }
    }
}

std::int16_t ToSample(float value)
{
    // The same scale as reading, so 16-bit files come out unchanged.
    return static_cast<std::int16_t>(std::clamp(std::lround(value * 32768.0f), -32768L, 32767L));
}

/// The file's frames as one or two float channels.
std::vector<float> ReadFrames(std::string_view data, const WaveFormat& format, int channels)
{
    const std::size_t frames = data.size() / static_cast<std::size_t>(format.frameBytes);
    const std::size_t sampleBytes = static_cast<std::size_t>(format.bits / 8);
    std::vector<float> result;
    result.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const std::size_t at = frame * static_cast<std::size_t>(format.frameBytes);
        const float first = ReadSample(data, at, format);
        const float second = format.channels > 1 ? ReadSample(data, at + sampleBytes, format) : first;
        if (channels == 1) {
            result.push_back((first + second) / 2.0f);
        } else {
            result.push_back(first);
            result.push_back(second);
        }
    }
    return result;
}

/// Linear interpolation: plenty for short effects, and cheap.
std::vector<float> Resample(const std::vector<float>& frames, int channels, int fromRate, int toRate)
{
    if (fromRate == toRate)
        return frames;
    const std::size_t inFrames = frames.size() / static_cast<std::size_t>(channels);
    const auto outFrames = static_cast<std::size_t>(static_cast<double>(inFrames) * toRate / fromRate);
    std::vector<float> result(outFrames * static_cast<std::size_t>(channels));
    const double step = static_cast<double>(fromRate) / toRate;
    for (std::size_t frame = 0; frame < outFrames; ++frame) {
        const double position = static_cast<double>(frame) * step;
        const auto left = std::min(static_cast<std::size_t>(position), inFrames - 1);
        const std::size_t right = std::min(left + 1, inFrames - 1);
        const auto weight = static_cast<float>(position - static_cast<double>(left));
        for (int channel = 0; channel < channels; ++channel) {
            const float a = frames[left * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
            const float b = frames[right * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
            result[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)] = a + (b - a) * weight;
        }
    }
    return result;
}

/// Whether `frames` frames of the file stay within an effect's length and size, both as
/// read and once converted to `layout`.
bool FitsAnEffect(std::size_t frames, const WaveFormat& format, PcmLayout layout)
{
    const double seconds = static_cast<double>(frames) / format.sampleRate;
    const double decodedBytes = seconds * layout.sampleRate * layout.channels * sizeof(std::int16_t);
    return seconds <= kMaxEffectSeconds && decodedBytes <= static_cast<double>(kMaxEffectBytes);
}

std::optional<PcmSamples> Decode(std::string_view file, PcmLayout layout, WaveFault& fault)
{
    fault = WaveFault::NotSound;
    if (layout.sampleRate <= 0 || (layout.channels != 1 && layout.channels != 2))
        return std::nullopt;
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveFormat> format;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::string_view id = file.substr(at, 4);
        const std::size_t size = Little(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            if (body + size > file.size())
                return std::nullopt;
            format = ReadFormat(file.substr(body, size));
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            // A data chunk cut short by a truncated file still plays what is there.
            const std::string_view data = file.substr(body, std::min(size, file.size() - body));
            if (!FitsAnEffect(data.size() / static_cast<std::size_t>(format->frameBytes), *format, layout)) {
                fault = WaveFault::TooLong;
                return std::nullopt;
            }
            const std::vector<float> frames = ReadFrames(data, *format, layout.channels);
            if (frames.empty())
                return std::nullopt;
            const std::vector<float> resampled = Resample(frames, layout.channels, format->sampleRate, layout.sampleRate);
            if (resampled.empty())
                return std::nullopt;
            PcmSamples samples(resampled.size());
            std::transform(resampled.begin(), resampled.end(), samples.begin(), ToSample);
            fault = WaveFault::None;
            return samples;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1u);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PcmSamples> DecodeWave(std::string_view file, PcmLayout layout, WaveFault* fault)
{
    WaveFault found = WaveFault::None;
    std::optional<PcmSamples> samples = Decode(file, layout, found);
    if (fault)
        *fault = found;
    return samples;
}

std::optional<PcmSamples> DecodeWaveFile(const std::string& path, PcmLayout layout, WaveFault* fault)
{
    WaveFault ignored = WaveFault::None;
    WaveFault& found = fault ? *fault : ignored;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    found = error ? WaveFault::Unreadable : WaveFault::TooLong;
    if (error || size > kMaxWaveBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string file(static_cast<std::size_t>(size), '\0');
    found = WaveFault::Unreadable;
    if (!in || !in.read(file.data(), static_cast<std::streamsize>(file.size())))
        return std::nullopt;
    return DecodeWave(file, layout, &found);
}

}  // namespace tolvar::audio
