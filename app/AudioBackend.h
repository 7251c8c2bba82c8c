#pragma once
// The sound effect player and the MIDI sequencer the game is handed.
#include <memory>
#include <string>

#include "core/Services.h"

namespace tolvar {

struct AudioBackend {
    std::unique_ptr<SoundPort> sound;
    std::unique_ptr<MciPort> mci;
};

/// The players of this build, for files in `gameDir`.
AudioBackend MakeAudioBackend(const std::string& gameDir);

}  // namespace tolvar
