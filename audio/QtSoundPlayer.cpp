#include "audio/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "audio/WaveCheck.h"

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

bool ProbeOutputs()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

QString AbsolutePath(const std::string& fileName)
{
    return QFileInfo(QString::fromStdString(fileName)).absoluteFilePath();
}

}  // namespace

QtSoundPlayer::QtSoundPlayer()
{
    previousHandler = qInstallMessageHandler(DropNoServerNotice);
    devices_ = std::make_unique<QMediaDevices>();
    hasOutput_ = ProbeOutputs();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;

    // Headphones plugged in, or a sound server started after the game.
    QObject::connect(devices_.get(), &QMediaDevices::audioOutputsChanged, devices_.get(),
                     [this] { hasOutput_ = ProbeOutputs(); });
}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::HasOutput() const
{
    return hasOutput_;
}

void QtSoundPlayer::PlaySound(const std::string& fileName)
{
    if (!hasOutput_)
        return;
    QSoundEffect* effect = EffectFor(fileName);
    if (!effect)
        return;
    if (sounding_ && sounding_ != effect)
        sounding_->stop();
    // Playing an effect that still sounds starts it again from its beginning.
    effect->play();
    sounding_ = effect;
}

void QtSoundPlayer::Preload(const std::string& fileName)
{
    if (hasOutput_)
        EffectFor(fileName);
}

QSoundEffect* QtSoundPlayer::LoadedEffect(const std::string& fileName) const
{
    const auto found = effects_.find(AbsolutePath(fileName).toStdString());
    return found == effects_.end() ? nullptr : found->second.get();
}

QSoundEffect* QtSoundPlayer::EffectFor(const std::string& fileName)
{
    const QString path = AbsolutePath(fileName);
    const std::string key = path.toStdString();
    if (const auto found = effects_.find(key); found != effects_.end())
        return found->second.get();
    // A missing file is not remembered: it may be put in place while the game runs.
    if (!FileLooksLikePlayableWave(key))
        return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    return effects_.emplace(key, std::move(effect)).first->second.get();
}

}  // namespace tolvar::audio
