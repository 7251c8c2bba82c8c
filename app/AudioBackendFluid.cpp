// Effects on the sound server, music on the FluidSynth sequencer.
#include "app/AudioBackend.h"

#include <QDir>
#include <QFile>

#include "audio/FluidSequencer.h"
#include "audio/QtSoundPlayer.h"
#include "audio/StreamNaming.h"
#include "core/Effects.h"
#include "core/Game.h"

namespace tolvar {

AudioBackend MakeAudioBackend(const std::string& gameDir)
{
    auto sound = std::make_unique<audio::QtSoundPlayer>();
    // Loaded ahead so the first push sounds as quickly as every later one.
    for (const char* effect : AllEffects)
        sound->Preload(effect);
    // The synthesiser holds only what the game's music (its MIDI files) plays of the SoundFont.
    audio::FluidSequencer::Options music;
    const QStringList pieces = QDir(QString::fromStdString(gameDir)).entryList({QStringLiteral("*.mid")}, QDir::Files | QDir::Readable);
    for (const QString& piece : pieces)
        music.pieces.push_back(QFile::encodeName(QDir(QString::fromStdString(gameDir)).filePath(piece)).toStdString());
    return {std::move(sound), std::make_unique<audio::FluidSequencer>(std::move(music))};
}

void NameAudioStreams(const std::string& iconName)
{
    audio::NameSoundStreams(AppTitle, iconName, "music");
}

std::vector<std::string> AudioStreamNamingVariables()
{
    return audio::SoundNamingVariables();
}

}  // namespace tolvar
