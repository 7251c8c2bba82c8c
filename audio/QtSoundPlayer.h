#pragma once
// The game's sound effects on Qt Multimedia: each WAV file is loaded once, on
// its first use, and kept, so a push is heard at once. One effect sounds at a
// time; the call never waits.
#include <map>
#include <memory>
#include <string>

#include "core/Services.h"

class QMediaDevices;
class QSoundEffect;

namespace tolvar::audio {

class QtSoundPlayer final : public SoundPort {
public:
    /// Needs a running QGuiApplication (or QCoreApplication) on the calling thread.
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    /// Plays the file (relative to the current directory) and returns at once. A new
    /// effect cuts off the one still sounding; a missing or unreadable file plays
    /// nothing and changes nothing; without an audio output nothing happens at all.
    void PlaySound(const std::string& fileName) override;

    /// Loads the file ahead of its first use, so the first push sounds as quickly as the rest.
    void Preload(const std::string& fileName);

    /// Whether the desktop offers an audio output right now.
    bool HasOutput() const;

    /// The effect kept for the file, null when none was loaded. For tests and measurements.
    QSoundEffect* LoadedEffect(const std::string& fileName) const;

private:
    QSoundEffect* EffectFor(const std::string& fileName);

    std::unique_ptr<QMediaDevices> devices_;
    bool hasOutput_ = false;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;  // by absolute path
    QSoundEffect* sounding_ = nullptr;
};

}  // namespace tolvar::audio
