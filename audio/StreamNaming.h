#pragma once
// What sound mixers show for the game's sound streams. FluidSynth names its stream itself
// ("FluidSynth"); the sound server's client library lets the environment override that when a
// connection is made.
#include <string>
#include <vector>

namespace tolvar::audio {

/// Every connection this process makes to the sound server carries `application` and
/// `iconName`, and a stream that names no role of its own (the music's) carries `role`.
/// Call it once in main, before the first thread starts: it sets environment variables, and
/// setting one can move the environment while another thread reads it.
void NameSoundStreams(const std::string& application, const std::string& iconName, const std::string& role);

/// The variables NameSoundStreams set. A program the game starts goes without them, so its own
/// sounds keep its own names.
std::vector<std::string> SoundNamingVariables();

}  // namespace tolvar::audio
