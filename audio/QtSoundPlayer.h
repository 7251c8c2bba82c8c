#pragma once
// The game's sound effects, on the Qt event loop. Each WAV file is decoded once, on
// its first use, and kept; effects are written into one sound stream that
// stays open, so a push is heard at once and every effect plays to its end.
// One effect sounds at a time; the call never waits.
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "audio/WaveDecoder.h"
#include "core/Services.h"

namespace tolvar::audio {

class EffectOutput;

class QtSoundPlayer final : public SoundPort {
public:
    /// Needs a QCoreApplication on the calling thread.
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    /// Plays the file (relative to the current directory) and returns at once. A new
    /// effect cuts off the one still sounding; a missing or unreadable file plays
    /// nothing and changes nothing; without an audio output nothing happens at all.
    void PlaySound(const std::string& fileName) override;

    /// Decodes the file ahead of its first use.
    void Preload(const std::string& fileName);

    /// Whether the sound server is reached.
    bool HasOutput() const;
    /// Whether the file's sound is decoded and kept.
    bool IsLoaded(const std::string& fileName) const;
    /// Whether an effect is still being handed to the sound server.
    bool IsSounding() const;

    /// What tells one version of a file from the next.
    struct FileStamp {
        std::uintmax_t size;
        std::filesystem::file_time_type written;
        bool operator==(const FileStamp&) const = default;
    };

private:
    std::shared_ptr<const PcmSamples> SamplesFor(const std::string& fileName);

    std::unique_ptr<EffectOutput> output_;
    std::map<std::string, std::shared_ptr<const PcmSamples>> sounds_;  // by absolute path
    std::map<std::string, std::optional<FileStamp>> refused_;  // too long, by absolute path
};

}  // namespace tolvar::audio
