#pragma once
// Small sound and music files written by the tests themselves, and a scratch
// directory that is the current directory while a test runs.
#include <filesystem>
#include <string>

namespace tolvar::audio::test {

/// A one-track MIDI file: an organ playing `notes` sixteenths at 120 beats a
/// minute, 0.125 s each; four notes last half a second.
std::string ShortMidi(int notes = 4);

/// A 16-bit mono PCM WAV of a 440 Hz tone.
std::string ToneWave(int milliseconds = 100);

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

/// Makes a fresh directory, enters it, and on destruction goes back and removes it.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace tolvar::audio::test
