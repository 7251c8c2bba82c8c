#include "audio/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>

#include "audio/EffectOutput.h"

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

bool SameLayout(const PcmLayout& a, const PcmLayout& b)
{
    return a.sampleRate == b.sampleRate && a.channels == b.channels;
}

}  // namespace

QtSoundPlayer::QtSoundPlayer()
{
    previousHandler = qInstallMessageHandler(DropNoServerNotice);
    devices_ = std::make_unique<QMediaDevices>();
    OpenOutput();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;

    // Headphones plugged in, or a sound server started after the game.
    QObject::connect(devices_.get(), &QMediaDevices::audioOutputsChanged, devices_.get(), [this] {
        if (!output_ || output_->Device() != QMediaDevices::defaultAudioOutput())
            OpenOutput();
    });
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::OpenOutput()
{
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
    // A missing file is not remembered: it may be put in place while the game runs.
    std::optional<PcmSamples> samples = DecodeWaveFile(path, output_->Layout());
    if (!samples)
        return nullptr;
    auto kept = std::make_shared<const PcmSamples>(std::move(*samples));
    sounds_.emplace(path, kept);
    return kept;
}

}  // namespace tolvar::audio
