#include "AudioTestFiles.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>

namespace tolvar::audio::test {

namespace {

void Big32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void Little(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string ShortMidi(int notes)
{
    constexpr int kTicksPerQuarter = 480;
    constexpr int kSixteenth = kTicksPerQuarter / 4;  // 0.125 s at 120 bpm
    std::string track;
    track += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);  // tempo: 500000 us a quarter
    track += std::string("\x00\xC0\x10", 3);                  // channel 1: drawbar organ, which holds its notes
    const unsigned char scale[] = {60, 64, 67, 72};
    for (int i = 0; i < notes; ++i) {
        const char key = static_cast<char>(scale[i % 4]);
        track += std::string("\x00\x90", 2) + key + '\x64';  // note on, velocity 100
        // Delta of one sixteenth in two variable-length bytes, then note off.
        track += static_cast<char>(0x80 | (kSixteenth >> 7));
        track += static_cast<char>(kSixteenth & 0x7F);
        track += std::string("\x80", 1) + key + '\x40';
    }
    track += std::string("\x00\xFF\x2F\x00", 4);  // end of track

    std::string file = "MThd";
    Big32(file, 6);
    file += std::string("\x00\x00\x00\x01", 4);  // format 0, one track
    file += static_cast<char>(kTicksPerQuarter >> 8);
    file += static_cast<char>(kTicksPerQuarter & 0xFF);
    file += "MTrk";
    Big32(file, static_cast<std::uint32_t>(track.size()));
    return file + track;
}

std::string ToneWave(int milliseconds)
{
    constexpr std::uint32_t kRate = 22050;
    const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string file = "RIFF";
    Little(file, 36 + samples * 2, 4);
    file += "WAVEfmt ";
    Little(file, 16, 4);
    Little(file, 1, 2);  // PCM
    Little(file, 1, 2);  // mono
    Little(file, kRate, 4);
    Little(file, kRate * 2, 4);
    Little(file, 2, 2);
    Little(file, 16, 2);
    file += "data";
    Little(file, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = 8000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / kRate);
        Little(file, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return file;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

ScratchDirectory::ScratchDirectory() : previous_(std::filesystem::current_path())
{
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("tolvar-audio-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tolvar::audio::test
