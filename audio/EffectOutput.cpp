#include "audio/EffectOutput.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>

namespace tolvar::audio {

namespace {

// How far ahead of the sound server we write. The stream starts playing once this much is
// queued, so it is also what an effect waits to be heard.
constexpr pa_usec_t kLeadUs = 30'000;
// After this long without an effect the stream closes, so the sound server can let the device
// sleep and nothing runs while the game is quiet.
constexpr int kRestMs = 3000;
// How often a sound server that has gone, or was not there, is looked for again.
constexpr std::chrono::seconds kRetry{5};

pa_sample_spec SampleFormat()
{
    const PcmLayout layout = EffectOutput::Layout();
    return pa_sample_spec{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(layout.sampleRate),
                          static_cast<std::uint8_t>(layout.channels)};
}

/// The loop's lock for a scope: the server's callbacks run under it, on the loop's thread.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void WakeWaiter(pa_context*, void* loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

/// Waits, under the loop's lock, until the connection is made or has failed.
bool WaitUntilReady(pa_threaded_mainloop* loop, pa_context* context)
{
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state))
            return false;
        pa_threaded_mainloop_wait(loop);
    }
}

}  // namespace

EffectOutput::EffectOutput()
{
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestMs);
    QObject::connect(&restTimer_, &QTimer::timeout, [this] { Rest(); });
    // A fresh stream takes a while to get going: at start-up it does so before the first push.
    if (Connect())
        restTimer_.start();
}

EffectOutput::~EffectOutput()
{
    Disconnect();
}

bool EffectOutput::Connect()
{
    lastTry_ = std::chrono::steady_clock::now();
    loop_ = pa_threaded_mainloop_new();
    if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) {
        Disconnect();
        return false;
    }
    bool open = false;
    {
        LoopLock lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "tolvar");
        if (context_) {
            pa_context_set_state_callback(context_, WakeWaiter, loop_);
            open = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
                   && WaitUntilReady(loop_, context_) && OpenStreamLocked();
        }
    }
    if (!open)
        Disconnect();
    return open;
}

void EffectOutput::Disconnect()
{
    if (!loop_)
        return;
    {
        LoopLock lock(loop_);
        CloseStreamLocked();
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

bool EffectOutput::Connected() const
{
    if (!loop_)
        return false;
    LoopLock lock(loop_);
    return PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
}

bool EffectOutput::Reach()
{
    if (Connected())
        return true;
    Disconnect();
    return std::chrono::steady_clock::now() - lastTry_ >= kRetry && Connect();
}

bool EffectOutput::OpenStreamLocked()
{
    const pa_sample_spec format = SampleFormat();
    // The music's role, set for the whole program, is not the effects' role.
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "effects", &format, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_)
        return false;
    pa_stream_set_write_callback(
        stream_, [](pa_stream*, std::size_t bytes, void* self) { static_cast<EffectOutput*>(self)->FeedLocked(bytes); },
        this);
    pa_buffer_attr buffer;
    buffer.maxlength = UINT32_MAX;
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kLeadUs, &format));
    buffer.prebuf = UINT32_MAX;  // as much as the lead
    buffer.minreq = UINT32_MAX;
    buffer.fragsize = UINT32_MAX;
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        CloseStreamLocked();
        return false;
    }
    return true;
}

void EffectOutput::CloseStreamLocked()
{
    playing_.reset();
    writtenBytes_ = 0;
    if (!stream_)
        return;
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void EffectOutput::Play(std::shared_ptr<const PcmSamples> samples)
{
    if (!samples || !Reach())
        return;
    LoopLock lock(loop_);
    // A stream that rested, or that the sound server dropped, is opened afresh.
    if (stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
        CloseStreamLocked();
    if (!stream_ && !OpenStreamLocked())
        return;
    playing_ = std::move(samples);
    writtenBytes_ = 0;
    // The server asks for more as it plays; what it has room for now goes at once.
    if (pa_stream_get_state(stream_) == PA_STREAM_READY)
        FeedLocked(pa_stream_writable_size(stream_));
    restTimer_.start();
}

bool EffectOutput::IsSounding() const
{
    if (!loop_)
        return false;
    LoopLock lock(loop_);
    return playing_ != nullptr;
}

// Hands the server as much of the effect as it asks for; an effect ends by running out, the
// stream then waits, silent, for the next.
void EffectOutput::FeedLocked(std::size_t bytes)
{
    if (!playing_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(Layout().channels);
    const std::size_t size = playing_->size() * sizeof(std::int16_t);
    const std::size_t count = std::min(bytes - bytes % frameBytes, size - writtenBytes_);
    const auto* data = reinterpret_cast<const char*>(playing_->data()) + writtenBytes_;
    if (count == 0 || pa_stream_write(stream_, data, count, nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return;
    const bool first = writtenBytes_ == 0;
    writtenBytes_ += count;
    if (writtenBytes_ == size)
        playing_.reset();
    // The server plays at once, without waiting for its first request to be filled up to the
    // lead; so does the end of an effect shorter than the lead.
    if (first || !playing_)
        if (pa_operation* started = pa_stream_trigger(stream_, nullptr, nullptr))
            pa_operation_unref(started);
}

// An open stream costs the sound server and us a little all the time, sounding or not; a
// closed one nothing. Opening it again takes a few milliseconds.
void EffectOutput::Rest()
{
    if (!loop_)
        return;
    LoopLock lock(loop_);
    if (playing_)
        restTimer_.start();
    else
        CloseStreamLocked();
}

}  // namespace tolvar::audio
