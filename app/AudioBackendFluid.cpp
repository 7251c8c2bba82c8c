// Effects on Qt Multimedia, music on the FluidSynth sequencer.
#include "app/AudioBackend.h"

#include <QCoreApplication>

#include "audio/FluidSequencer.h"
#include "audio/QtSoundPlayer.h"
#include "audio/StreamNaming.h"
#include "core/Game.h"

namespace tolvar {

AudioBackend MakeAudioBackend(const std::string&)
{
    // Sound mixers show the game's streams by its title, with its icon (named after the program).
    audio::NameSoundStreams(AppTitle, QCoreApplication::applicationName().toStdString());
    auto sound = std::make_unique<audio::QtSoundPlayer>();
    // Loaded ahead so the first push sounds as quickly as every later one.
    for (const char* effect : {"BOXMOVE.WAV", "BOXGOAL.WAV", "BOXWIN.WAV", "BOXUNDO.WAV"})
        sound->Preload(effect);
    return {std::move(sound), std::make_unique<audio::FluidSequencer>()};
}

}  // namespace tolvar
