#pragma once
// One sound stream, open while effects sound and closed after a rest, into
// which effects are written as they are asked for. Writing ourselves, a little
// ahead of the sound server, starts an effect within a few tens of milliseconds
// and plays it to its end.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QTimer>

#include <memory>

#include "audio/WaveDecoder.h"

class QAudioSink;
class QIODevice;

namespace tolvar::audio {

class EffectOutput {
public:
    /// Opens a stream on `device`; check IsOpen() afterwards.
    explicit EffectOutput(const QAudioDevice& device);
    ~EffectOutput();
    EffectOutput(const EffectOutput&) = delete;
    EffectOutput& operator=(const EffectOutput&) = delete;

    bool IsOpen() const;
    QAudioDevice Device() const;
    /// The layout effects must be decoded into for this stream.
    PcmLayout Layout() const;

    /// Starts the effect at once; one still being written is cut off. The samples
    /// must stay alive until the next Play or the end of this output.
    void Play(std::shared_ptr<const PcmSamples> samples);
    /// True while part of the effect has still to be handed to the sound server.
    bool IsSounding() const;

private:
    bool OpenStream(bool warmUp);
    bool IsBroken() const;
    void Feed();
    void Rest();

    QAudioDevice device_;
    QAudioFormat format_;
    PcmLayout layout_;
    bool usable_ = false;  // the device took our format once
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* stream_ = nullptr;  // owned by sink_
    std::shared_ptr<const PcmSamples> playing_;
    std::size_t writtenBytes_ = 0;  // of `playing_`, handed over
    QTimer feedTimer_;
    QTimer restTimer_;
};

}  // namespace tolvar::audio
