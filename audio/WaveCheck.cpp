#include "audio/WaveCheck.h"

#include <cstdint>
#include <fstream>

namespace tolvar::audio {

namespace {

constexpr std::size_t kHeadBytes = 4096;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t Little32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint16_t Little16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at])
                                      | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

bool FormatIsPlayable(std::string_view chunk)
{
    if (chunk.size() < 16)
        return false;
    const std::uint16_t format = Little16(chunk, 0);
    const std::uint16_t channels = Little16(chunk, 2);
    const std::uint32_t rate = Little32(chunk, 4);
    const std::uint16_t bits = Little16(chunk, 14);
    const bool knownFormat = format == kFormatPcm || format == kFormatFloat || format == kFormatExtensible;
    const bool knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return knownFormat && knownBits && channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000;
}

}  // namespace

bool LooksLikePlayableWave(std::string_view head)
{
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return false;
    bool formatSeen = false;
    std::size_t at = 12;
    while (at + 8 <= head.size()) {
        const std::string_view id = head.substr(at, 4);
        const std::uint32_t size = Little32(head, at + 4);
        if (id == "data")
            return formatSeen && size > 0;
        if (id == "fmt ") {
            if (at + 8 + size > head.size() || !FormatIsPlayable(head.substr(at + 8, size)))
                return false;
            formatSeen = true;
        }
        // Chunks are padded to an even length.
        at += 8 + static_cast<std::size_t>(size) + (size & 1u);
    }
    return false;
}

bool FileLooksLikePlayableWave(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string head(kHeadBytes, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    return LooksLikePlayableWave(head);
}

}  // namespace tolvar::audio
