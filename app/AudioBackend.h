#pragma once
// The sound effect player and the MIDI sequencer the game is handed.
#include <memory>
#include <string>
#include <vector>

#include "core/Services.h"

namespace tolvar {

struct AudioBackend {
    std::unique_ptr<SoundPort> sound;
    std::unique_ptr<MciPort> mci;
};

/// The players of this build, for files in `gameDir`.
AudioBackend MakeAudioBackend(const std::string& gameDir);

/// Sound mixers show the game's streams by its title, with the icon `iconName`, the music as
/// music. Called first in main, before any thread starts: it sets environment variables.
void NameAudioStreams(const std::string& iconName);

/// The environment variables NameAudioStreams set, which a program the game starts goes without.
std::vector<std::string> AudioStreamNamingVariables();

}  // namespace tolvar
