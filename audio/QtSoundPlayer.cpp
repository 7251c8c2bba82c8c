#include "audio/QtSoundPlayer.h"

#include <QFileInfo>

#include <cstdio>

#include "audio/EffectOutput.h"

namespace tolvar::audio {

namespace {

std::string AbsolutePath(const std::string& fileName)
{
    return QFileInfo(QString::fromStdString(fileName)).absoluteFilePath().toStdString();
}

std::optional<QtSoundPlayer::FileStamp> StampOf(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return QtSoundPlayer::FileStamp{size, time};
}

}  // namespace

QtSoundPlayer::QtSoundPlayer() : output_(std::make_unique<EffectOutput>()) {}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::HasOutput() const
{
    return output_->Connected();
}

// A sound server started after the game, or started again, is found on a later effect.
void QtSoundPlayer::PlaySound(const std::string& fileName)
{
    if (!output_->Reach())
        return;
    if (std::shared_ptr<const PcmSamples> samples = SamplesFor(fileName))
        output_->Play(std::move(samples));
}

void QtSoundPlayer::Preload(const std::string& fileName)
{
    if (output_->Connected())
        SamplesFor(fileName);
}

bool QtSoundPlayer::IsLoaded(const std::string& fileName) const
{
    return sounds_.count(AbsolutePath(fileName)) != 0;
}

bool QtSoundPlayer::IsSounding() const
{
    return output_->IsSounding();
}

std::shared_ptr<const PcmSamples> QtSoundPlayer::SamplesFor(const std::string& fileName)
{
    const std::string path = AbsolutePath(fileName);
    if (const auto found = sounds_.find(path); found != sounds_.end())
        return found->second;
    // A refused file is said once and not read again until it changes.
    const std::optional<FileStamp> stamp = StampOf(path);
    if (const auto found = refused_.find(path); found != refused_.end() && found->second == stamp)
        return nullptr;
    // A missing file is not remembered: it may be put in place while the game runs.
    WaveFault fault = WaveFault::None;
    std::optional<PcmSamples> samples = DecodeWaveFile(path, EffectOutput::Layout(), &fault);
    if (fault == WaveFault::TooLong) {
        std::fprintf(stderr, "tolvar: %s: longer than a sound effect may be (%d seconds), not played\n", path.c_str(),
                     kMaxEffectSeconds);
        refused_[path] = stamp;
    }
    if (!samples)
        return nullptr;
    auto kept = std::make_shared<const PcmSamples>(std::move(*samples));
    sounds_.emplace(path, kept);
    return kept;
}

}  // namespace tolvar::audio
