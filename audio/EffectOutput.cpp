#include "audio/EffectOutput.h"

#include <QAudioFormat>
#include <QAudioSink>

#include <algorithm>

namespace tolvar::audio {

namespace {

// How far ahead of the sound server we write. The sound server starts playing
// once this much is queued, so it is also what an effect waits to be heard.
constexpr int kLeadMs = 30;
// How often the queue is topped up while an effect sounds: well inside the lead.
constexpr int kFeedMs = 5;
// After this long without an effect the stream pauses, so the sound server
// can let the device sleep.
constexpr int kRestMs = 3000;

QAudioFormat FormatFor(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(44100);
    format.setChannelCount(2);
    if (!device.isFormatSupported(format)) {
        const QAudioFormat preferred = device.preferredFormat();
        format.setSampleRate(preferred.sampleRate());
        format.setChannelCount(std::min(preferred.channelCount(), 2));
    }
    return format;
}

}  // namespace

EffectOutput::EffectOutput(const QAudioDevice& device) : device_(device)
{
    const QAudioFormat format = FormatFor(device);
    if (format.channelCount() < 1 || !device.isFormatSupported(format))
        return;
    layout_ = PcmLayout{format.sampleRate(), format.channelCount()};
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kLeadMs * 1000));
    stream_ = sink_->start();
    if (!stream_ || sink_->error() == QAudio::OpenError || sink_->error() == QAudio::FatalError) {
        stream_ = nullptr;
        sink_.reset();
        return;
    }
    // A fresh stream takes a while to get going; let it do so now, on a
    // moment of silence, rather than on the first push.
    const QByteArray silence(sink_->bytesFree() - sink_->bytesFree() % format.bytesPerFrame(), '\0');
    stream_->write(silence);

    feedTimer_.setTimerType(Qt::PreciseTimer);
    feedTimer_.setInterval(kFeedMs);
    QObject::connect(&feedTimer_, &QTimer::timeout, [this] { Feed(); });
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMs);
    QObject::connect(&restTimer_, &QTimer::timeout, [this] { Rest(); });
    restTimer_.start();
}

EffectOutput::~EffectOutput()
{
    if (sink_)
        sink_->stop();
}

bool EffectOutput::IsOpen() const
{
    return stream_ != nullptr;
}

QAudioDevice EffectOutput::Device() const
{
    return device_;
}

PcmLayout EffectOutput::Layout() const
{
    return layout_;
}

bool EffectOutput::IsBroken() const
{
    // An underrun is how every effect ends; these mean the sound server has gone.
    const QAudio::Error error = sink_->error();
    return error == QAudio::IOError || error == QAudio::FatalError || sink_->state() == QAudio::StoppedState;
}

void EffectOutput::Play(std::shared_ptr<const PcmSamples> samples)
{
    if (!stream_ || !samples || IsBroken())
        return;
    restTimer_.stop();
    if (sink_->state() == QAudio::SuspendedState)
        sink_->resume();
    playing_ = std::move(samples);
    writtenBytes_ = 0;
    Feed();
    feedTimer_.start();
}

bool EffectOutput::IsSounding() const
{
    return playing_ && writtenBytes_ < playing_->size() * sizeof(std::int16_t);
}

// Tops the sound server's queue up to the lead, never more, so that a new
// effect follows at most one lead's worth of the old one.
void EffectOutput::Feed()
{
    if (!IsSounding() || IsBroken()) {
        feedTimer_.stop();
        playing_.reset();
        restTimer_.start();
        return;
    }
    const int frameBytes = static_cast<int>(sizeof(std::int16_t)) * layout_.channels;
    qsizetype room = sink_->bytesFree();
    room -= room % frameBytes;
    const auto* bytes = reinterpret_cast<const char*>(playing_->data());
    const auto left = static_cast<qsizetype>(playing_->size() * sizeof(std::int16_t) - writtenBytes_);
    const qsizetype count = std::min(room, left);
    if (count <= 0)
        return;
    const qint64 done = stream_->write(bytes + writtenBytes_, count);
    if (done > 0)
        writtenBytes_ += static_cast<std::size_t>(done);
}

void EffectOutput::Rest()
{
    if (sink_ && !IsSounding() && sink_->state() != QAudio::SuspendedState)
        sink_->suspend();
}

}  // namespace tolvar::audio
