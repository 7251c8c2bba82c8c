// Effects on Qt Multimedia, music on the FluidSynth sequencer.
#include "app/AudioBackend.h"

#include "audio/FluidSequencer.h"
#include "audio/QtSoundPlayer.h"
#include "core/Effects.h"

namespace tolvar {

AudioBackend MakeAudioBackend(const std::string&)
{
    auto sound = std::make_unique<audio::QtSoundPlayer>();
    // Loaded ahead so the first push sounds as quickly as every later one.
    for (const char* effect : AllEffects)
        sound->Preload(effect);
    return {std::move(sound), std::make_unique<audio::FluidSequencer>()};
}

}  // namespace tolvar
