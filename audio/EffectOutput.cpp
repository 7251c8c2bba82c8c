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
// After this long without an effect the stream closes, so the sound server
// can let the device sleep and nothing runs while the game is quiet.
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
    format_ = FormatFor(device);
    if (format_.channelCount() < 1 || !device.isFormatSupported(format_))
        return;
    layout_ = PcmLayout{format_.sampleRate(), format_.channelCount()};
    if (!OpenStream(true))
        return;
    feedTimer_.setTimerType(Qt::PreciseTimer);
    feedTimer_.setInterval(kFeedMs);
    QObject::connect(&feedTimer_, &QTimer::timeout, [this] { Feed(); });
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMs);
    QObject::connect(&restTimer_, &QTimer::timeout, [this] { Rest(); });
    restTimer_.start();
    usable_ = true;
}

bool EffectOutput::OpenStream(bool warmUp)
{
    sink_ = std::make_unique<QAudioSink>(device_, format_);
    sink_->setBufferSize(format_.bytesForDuration(kLeadMs * 1000));
    stream_ = sink_->start();
    if (!stream_ || sink_->error() == QAudio::OpenError || sink_->error() == QAudio::FatalError) {
        stream_ = nullptr;
        sink_.reset();
        return false;
    }
    // A fresh stream takes a while to get going; at start-up let it do so on a
    // moment of silence rather than on the first push.
    if (!warmUp)
        return true;
    const QByteArray silence(sink_->bytesFree() - sink_->bytesFree() % format_.bytesPerFrame(), '\0');
    stream_->write(silence);
    return true;
}

EffectOutput::~EffectOutput()
{
    if (sink_)
        sink_->stop();
}

bool EffectOutput::IsOpen() const
{
    return usable_;
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
    if (!sink_)
        return true;
    // An underrun is how every effect ends; these mean the sound server has gone.
    const QAudio::Error error = sink_->error();
    return error == QAudio::IOError || error == QAudio::FatalError || sink_->state() == QAudio::StoppedState;
}

void EffectOutput::Play(std::shared_ptr<const PcmSamples> samples)
{
    if (!usable_ || !samples)
        return;
    // A stream that rested, or that the sound server dropped, is opened afresh.
    if (sink_ && IsBroken())
        sink_.reset();
    if (!sink_ && !OpenStream(false))
        return;
    restTimer_.stop();
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

// An open stream costs the sound server and us a little all the time, sounding or
// not; a closed one nothing. Opening it again takes a few milliseconds.
void EffectOutput::Rest()
{
    if (sink_ && !IsSounding()) {
        sink_->stop();
        sink_.reset();
        stream_ = nullptr;
    }
}

}  // namespace tolvar::audio
