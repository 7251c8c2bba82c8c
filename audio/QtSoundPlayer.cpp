#include "audio/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>

#include <cstdio>

#include "audio/EffectOutput.h"
#include "audio/StreamNaming.h"

namespace tolvar::audio {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's PulseAudio back-end announces once, on stderr, that it found no sound
// server. On a machine without one that is the expected case, not news.
void DropNoServerNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

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

bool SameLayout(const PcmLayout& a, const PcmLayout& b)
{
    return a.sampleRate == b.sampleRate && a.channels == b.channels;
}

}  // namespace

QtSoundPlayer::QtSoundPlayer()
{
    // Kept for the player's life: the notice comes again whenever the server goes away.
    previousHandler = qInstallMessageHandler(DropNoServerNotice);
    const StreamNaming naming;  // the sound server is reached from here on
    devices_ = std::make_unique<QMediaDevices>();
    OpenOutput();

    // Headphones plugged in, or a sound server started after the game.
    QObject::connect(devices_.get(), &QMediaDevices::audioOutputsChanged, devices_.get(), [this] {
        if (!output_ || output_->Device() != QMediaDevices::defaultAudioOutput())
            OpenOutput();
    });
}

QtSoundPlayer::~QtSoundPlayer()
{
    output_.reset();
    devices_.reset();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

void QtSoundPlayer::OpenOutput()
{
    const StreamNaming naming;
    output_.reset();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    auto output = std::make_unique<EffectOutput>(device);
    if (!output->IsOpen())
        return;
    // Sounds decoded for another layout would play at the wrong speed.
    if (!SameLayout(soundsLayout_, output->Layout())) {
        sounds_.clear();
        soundsLayout_ = output->Layout();
    }
    output_ = std::move(output);
}

bool QtSoundPlayer::HasOutput() const
{
    return output_ != nullptr;
}

void QtSoundPlayer::PlaySound(const std::string& fileName)
{
    if (!output_)
        return;
    if (std::shared_ptr<const PcmSamples> samples = SamplesFor(fileName))
        output_->Play(std::move(samples));
}

void QtSoundPlayer::Preload(const std::string& fileName)
{
    if (output_)
        SamplesFor(fileName);
}

bool QtSoundPlayer::IsLoaded(const std::string& fileName) const
{
    return sounds_.count(AbsolutePath(fileName)) != 0;
}

bool QtSoundPlayer::IsSounding() const
{
    return output_ && output_->IsSounding();
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
    std::optional<PcmSamples> samples = DecodeWaveFile(path, output_->Layout(), &fault);
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
