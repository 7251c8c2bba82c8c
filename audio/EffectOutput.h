#pragma once
// One sound stream on the sound server (PulseAudio, or PipeWire's PulseAudio server), open
// while effects sound and closed after a rest. The server asks for sound as it plays and is
// handed the effect a little ahead (30 ms), so an effect starts within a few tens of
// milliseconds and plays to its end. The game talks to the server itself, through the client
// library the music's driver loads anyway, and so holds no multimedia framework (3 MB resident).
#include <QTimer>

#include <chrono>
#include <memory>

#include "audio/WaveDecoder.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tolvar::audio {

class EffectOutput {
public:
    /// Connects to the sound server and opens the stream; check Connected() afterwards.
    EffectOutput();
    ~EffectOutput();
    EffectOutput(const EffectOutput&) = delete;
    EffectOutput& operator=(const EffectOutput&) = delete;

    /// Whether the sound server is reached.
    bool Connected() const;
    /// Connected(), after looking for a sound server that has gone, or was not there, again:
    /// at most every few seconds.
    bool Reach();
    /// The layout effects must be decoded into: the server converts it for its device.
    static PcmLayout Layout() { return PcmLayout{44100, 2}; }

    /// Starts the effect at once; one still being handed over is cut off.
    void Play(std::shared_ptr<const PcmSamples> samples);
    /// True while part of the effect has still to be handed to the sound server.
    bool IsSounding() const;

private:
    bool Connect();
    void Disconnect();
    bool OpenStreamLocked();
    void CloseStreamLocked();
    void FeedLocked(std::size_t bytes);
    void Rest();

    pa_threaded_mainloop* loop_ = nullptr;  // runs the server's callbacks on a thread of its own
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::chrono::steady_clock::time_point lastTry_;
    // Under the loop's lock: the server's callbacks read and write them.
    std::shared_ptr<const PcmSamples> playing_;
    std::size_t writtenBytes_ = 0;  // of `playing_`, handed over
    QTimer restTimer_;
};

}  // namespace tolvar::audio
