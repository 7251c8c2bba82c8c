#pragma once
// What sound mixers show for the game's sound streams. The sound libraries name their streams
// themselves ("FluidSynth", "QtPulseAudio:<pid>"); the sound server's client library lets the
// environment override that while a stream's connection is made.
#include <string>

namespace tolvar::audio {

/// The application name and icon name the game's streams carry; set once, before the first
/// stream opens. Unset, the libraries' own names stay.
void NameSoundStreams(const std::string& application, const std::string& iconName);

/// While one lives, connections to the sound server made in this process carry those names
/// (and `role`, when not empty). Only then: a program the game starts, a browser say, keeps
/// its own.
class StreamNaming {
public:
    explicit StreamNaming(const std::string& role = {});
    ~StreamNaming();
    StreamNaming(const StreamNaming&) = delete;
    StreamNaming& operator=(const StreamNaming&) = delete;

private:
    bool role_;
};

}  // namespace tolvar::audio
