#include "audio/FluidSequencer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "audio/MidiNotes.h"
#include "audio/QuietAlsa.h"

namespace tolvar::audio {

namespace {

// How often the worker wakes while the silent clock runs: the end of a piece is
// noticed within this time.
constexpr std::chrono::milliseconds kClockTick{20};
// How often it looks at a sound driver that plays.
constexpr std::chrono::milliseconds kWatchTick{250};
// How often the silent clock tries for a sound output again, so music comes back once
// the sound server does.
constexpr std::chrono::seconds kRetryDevice{10};
constexpr int kBlockFrames = 512;
// The most buffers a sound driver hands over that we render into slice by slice.
constexpr int kMaxDriverBuffers = 8;
// The sound driver asks for this much at a time (0.19 s), and the sound server keeps as
// much queued: music need not start or stop within a frame, and the server's requests
// for more, which wake two threads of ours each time, come at a quarter of this. Half of
// it would cost half a per cent of a core more while music plays.
constexpr int kDriverPeriodFrames = 8192;
constexpr int kMidiChannels = 16;
constexpr int kSustainPedal = 64;

void IgnoreFluidLog(int, const char*, void*) {}

// FluidSynth reports every missing instrument and failed driver on stderr; the
// game says nothing about its music, so neither does the synthesiser.
void SilenceFluidSynth()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, IgnoreFluidLog, nullptr);
    });
}

/// A MIDI file the player can be given: one that reads to its end (FluidSynth's own reader can
/// loop for ever on some that do not, holding the sound thread).
bool PlayableMidi(const std::vector<char>& data)
{
    NotesPlayed notes;
    return AddNotesPlayed(std::string(data.begin(), data.end()), notes);
}

fluid_settings_t* NewSettings()
{
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings)
        return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", FluidSequencer::kSampleRate);
    // Load an instrument's samples when a piece asks for it, not the whole SoundFont.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Voices cost memory (3 MB for FluidSynth's default of 256 rather than 128). Our pieces sound at
    // most 98 at once on FluidR3_GM, 106 on TimGM6mb: they render the same, sample for sample.
    fluid_settings_setint(settings, "synth.polyphony", 128);
    fluid_settings_setint(settings, "audio.period-size", kDriverPeriodFrames);
    fluid_settings_setint(settings, "audio.periods", 2);
    // FluidSynth would set the role in the environment on every driver it opens, while other threads
    // may read the environment; the role is set once at start-up instead (NameSoundStreams).
    fluid_settings_setstr(settings, "audio.pulseaudio.media-role", "");
    return settings;
}

// The silent clock's synthesiser has no instruments: it never sounds a voice, and a voice it
// could sound costs it memory (18 kB each, 4.6 MB at FluidSynth's default of 256).
fluid_settings_t* NewSilentSettings()
{
    fluid_settings_t* settings = NewSettings();
    if (settings)
        fluid_settings_setint(settings, "synth.polyphony", 1);
    return settings;
}

// A piece has ended once its last event has played. FluidSynth's player lets
// the notes ring for two more seconds before it calls itself done; the game
// should not have to wait for that to hear that the piece is over.
bool HasEnded(fluid_player_t* player)
{
    if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
        return true;
    // The file is read on the first rendered block; until then it has no length.
    const int length = fluid_player_get_total_ticks(player);
    return length != 0 && fluid_player_get_current_tick(player) >= length;
}

/// One of FluidSynth's drivers, rendering through the sequencer until it is closed.
class FluidDriver final : public SoundDriver {
public:
    explicit FluidDriver(fluid_audio_driver_t* driver) : driver_(driver) {}
    ~FluidDriver() override { delete_fluid_audio_driver(driver_); }
    FluidDriver(const FluidDriver&) = delete;
    FluidDriver& operator=(const FluidDriver&) = delete;

    static int Render(void* sequencer, int frames, int fxCount, float* fx[], int outCount, float* out[])
    {
        return static_cast<FluidSequencer*>(sequencer)->RenderToDriver(frames, fxCount, fx, outCount, out);
    }

private:
    fluid_audio_driver_t* driver_;
};

}  // namespace

FluidSequencer::FluidSequencer() : FluidSequencer(Options{}) {}

FluidSequencer::FluidSequencer(Options options) : options_(std::move(options))
{
    SilenceFluidSynth();
    const auto now = options_.now();
    clock_ = WorkerClock{now, 0, now, now};
    if (options_.manualClock || options_.manualWorker) {
        const bool made = MakeSynths();
        std::lock_guard lock(stateLock_);
        ready_ = true;
        failed_ = !made;
        output_ = made && options_.manualClock ? Output::Manual : Output::NotChosen;
        return;
    }
    // The SoundFont takes tens of milliseconds to load: never on the caller's thread.
    worker_ = std::thread(&FluidSequencer::RunWorker, this);
}

FluidSequencer::~FluidSequencer()
{
    {
        std::lock_guard lock(stateLock_);
        quitting_ = true;
    }
    stateChanged_.notify_all();
    if (worker_.joinable())
        worker_.join();  // closes the driver on its way out
    if (options_.manualWorker)
        CloseDriver();
    {
        std::lock_guard lock(renderLock_);
        LetGoLocked();
    }
    for (fluid_synth_t* synth : {synth_, silentSynth_})
        if (synth)
            delete_fluid_synth(synth);
    for (fluid_settings_t* settings : {settings_, silentSettings_})
        if (settings)
            delete_fluid_settings(settings);
}

int FluidSequencer::SendString(const std::string& command, std::string& returnText, int returnLength)
{
    MciCommand parsed;
    MciError result = ParseMciCommand(command, parsed);
    if (result == MciError::None)
        result = Run(parsed, returnText, returnLength);
    return static_cast<int>(result);
}

MciError FluidSequencer::Run(const MciCommand& command, std::string& returnText, int returnLength)
{
    if (command.verb == MciVerb::Open)
        return Open(command);
    if (command.verb == MciVerb::Close && command.allDevices) {
        for (auto it = pieces_.begin(); it != pieces_.end(); it = pieces_.begin())
            Forget(it->first);
        return MciError::None;
    }
    const std::string key = AliasKey(command.alias);
    if (pieces_.count(key) == 0)
        return MciError::UnknownAlias;
    switch (command.verb) {
    case MciVerb::Play:
        // We keep no position after a stop: every start is from the beginning.
        return command.from.value_or(0) != 0 ? MciError::Unsupported : Play(key);
    case MciVerb::Stop: {
        std::lock_guard lock(stateLock_);
        if (wanted_ && wanted_->key == key)
            wanted_.reset();
        break;
    }
    case MciVerb::Status:
        return Status(key, command, returnText, returnLength);
    case MciVerb::Close:
        Forget(key);
        break;
    case MciVerb::Open:
        return MciError::UnknownCommand;
    }
    Wake();
    return MciError::None;
}

MciError FluidSequencer::Open(const MciCommand& command)
{
    if (!command.deviceType.empty() && AliasKey(command.deviceType) != "SEQUENCER")
        return MciError::Unsupported;
    const std::string key = AliasKey(command.alias);
    if (key == "ALL")
        return MciError::BadSyntax;
    if (pieces_.count(key) != 0)
        return MciError::AliasInUse;

    std::error_code error;
    const auto size = std::filesystem::file_size(command.fileName, error);
    if (error)
        return MciError::FileNotFound;
    if (size > kMaxMidiBytes)
        return MciError::NotMidi;
    std::ifstream file(command.fileName, std::ios::binary);
    if (!file)
        return MciError::FileNotFound;
    auto midi = std::make_shared<std::vector<char>>(static_cast<std::size_t>(size));
    if (!file.read(midi->data(), static_cast<std::streamsize>(midi->size())))
        return MciError::FileNotFound;
    if (!PlayableMidi(*midi))
        return MciError::NotMidi;
    pieces_.emplace(key, Piece{command.fileName, std::move(midi)});
    return MciError::None;
}

MciError FluidSequencer::Play(const std::string& key)
{
    {
        std::lock_guard lock(stateLock_);
        if (failed_)
            return MciError::NoSynthesiser;
        // One synthesiser, one tune at a time: a piece that starts silences the others.
        wanted_ = Wanted{key, nextGeneration_++, pieces_.at(key).midi};
    }
    Wake();
    return MciError::None;
}

MciError FluidSequencer::Status(const std::string& key, const MciCommand& command, std::string& returnText,
                                int returnLength)
{
    if (command.statusItem != "MODE")
        return MciError::Unsupported;
    bool playing = false;
    {
        std::lock_guard lock(stateLock_);
        playing = wanted_ && wanted_->key == key && wanted_->generation != endedGeneration_;
    }
    const std::string mode = playing ? "playing" : "stopped";
    if (static_cast<int>(mode.size()) > returnLength)
        return MciError::AnswerTooLong;
    returnText = mode;
    return MciError::None;
}

void FluidSequencer::Forget(const std::string& key)
{
    {
        std::lock_guard lock(stateLock_);
        if (wanted_ && wanted_->key == key)
            wanted_.reset();
    }
    pieces_.erase(key);
    Wake();
}

void FluidSequencer::Wake()
{
    stateChanged_.notify_all();
}

FluidSequencer::Output FluidSequencer::CurrentOutput() const
{
    std::lock_guard lock(stateLock_);
    return output_;
}

std::string FluidSequencer::DriverName() const
{
    std::lock_guard lock(stateLock_);
    return driverName_;
}

bool FluidSequencer::WaitUntilReady(std::chrono::milliseconds limit) const
{
    std::unique_lock lock(stateLock_);
    return stateChanged_.wait_for(lock, limit, [this] { return ready_; }) && !failed_;
}

std::vector<float> FluidSequencer::Render(int frames)
{
    if (!options_.manualClock || !synth_ || frames <= 0)
        return {};
    std::vector<float> left(static_cast<std::size_t>(frames));
    std::vector<float> right(left.size());
    std::vector<float> stereo(left.size() * 2);
    {
        std::lock_guard lock(renderLock_);
        RenderBlocks(synth_, left.data(), right.data(), frames);
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        stereo[2 * i] = left[i];
        stereo[2 * i + 1] = right[i];
    }
    return stereo;
}

// --- The renderer ---

void FluidSequencer::RenderBlocks(fluid_synth_t* synth, float* left, float* right, int frames)
{
    for (int done = 0; done < frames; done += kBlockFrames) {
        const int count = std::min(kBlockFrames, frames - done);
        FollowWantedLocked(synth);
        float* out[2] = {left + done, right + done};
        // The drivers we use give no separate effect buffers: reverb and chorus go into the mix.
        float* fx[4] = {out[0], out[1], out[0], out[1]};
        fluid_synth_process(synth, count, 4, fx, 2, out);
    }
    FollowWantedLocked(synth);
    MarkRendered();
}

// Starts, keeps or lets go of the player so that it plays what the game last asked
// for, and reports a piece that has ended.
void FluidSequencer::FollowWantedLocked(fluid_synth_t* synth)
{
    std::optional<Wanted> wanted;
    std::uint64_t ended = 0;
    {
        std::lock_guard lock(stateLock_);
        wanted = wanted_;
        ended = endedGeneration_;
    }
    const bool over = playing_.player && HasEnded(playing_.player);
    if (over) {
        std::lock_guard lock(stateLock_);
        endedGeneration_ = ended = std::max(endedGeneration_, playing_.generation);
    }
    if (over || !wanted || wanted->generation != playing_.generation || playing_.synth != synth)
        LetGoLocked();
    if (!wanted || wanted->generation == ended || playing_.player)
        return;
    if (synth == synth_)
        fonts_.ReadyFor(synth, *wanted->midi);
    fluid_player_t* player = new_fluid_player(synth);
    if (player && fluid_player_add_mem(player, wanted->midi->data(), wanted->midi->size()) == FLUID_OK
        && fluid_player_play(player) == FLUID_OK) {
        playing_ = Playing{player, synth, wanted->generation};
        return;
    }
    // A file the player will not take is a piece that is over at once.
    if (player)
        delete_fluid_player(player);
    std::lock_guard lock(stateLock_);
    endedGeneration_ = std::max(endedGeneration_, wanted->generation);
}

void FluidSequencer::LetGoLocked()
{
    if (!playing_.player)
        return;
    fluid_player_stop(playing_.player);
    delete_fluid_player(playing_.player);
    // Let go of every note the piece held, pedal included, so nothing hangs on.
    for (int channel = 0; channel < kMidiChannels; ++channel)
        fluid_synth_cc(playing_.synth, channel, kSustainPedal, 0);
    fluid_synth_all_notes_off(playing_.synth, -1);
    playing_ = Playing{};
}

int FluidSequencer::RenderToDriver(int frames, int fxCount, float* fx[], int outCount, float* out[])
{
    // The drivers we use give no separate effect buffers: reverb and chorus go into the mix.
    float* mixed[4] = {out[0], out[outCount > 1 ? 1 : 0], out[0], out[outCount > 1 ? 1 : 0]};
    if (fxCount == 0) {
        fxCount = 4;
        fx = mixed;
    }
    // A slice at a time: the synthesiser's mixing buffers, made for 8192 frames, are then written
    // no further than a slice reaches, and the pages beyond stay untouched (a third of a megabyte).
    const bool sliced = fxCount <= kMaxDriverBuffers && outCount <= kMaxDriverBuffers;
    std::array<float*, kMaxDriverBuffers> fxAt{}, outAt{};
    std::lock_guard lock(renderLock_);
    int result = FLUID_OK;
    for (int done = 0; done < frames && result == FLUID_OK; done += kBlockFrames) {
        FollowWantedLocked(synth_);
        const int count = sliced ? std::min(kBlockFrames, frames - done) : frames;
        for (int i = 0; sliced && i < fxCount; ++i) fxAt[static_cast<std::size_t>(i)] = fx[i] + done;
        for (int i = 0; sliced && i < outCount; ++i) outAt[static_cast<std::size_t>(i)] = out[i] + done;
        result = fluid_synth_process(synth_, count, fxCount, sliced ? fxAt.data() : fx, outCount, sliced ? outAt.data() : out);
        if (!sliced)
            break;
    }
    MarkRendered();
    return result;
}

// --- The worker ---

bool FluidSequencer::MakeSynths()
{
    settings_ = NewSettings();
    synth_ = settings_ ? new_fluid_synth(settings_) : nullptr;
    if (!synth_)
        return false;
    // Without a SoundFont the music is silent but keeps its time.
    fonts_.Load(synth_, settings_, options_.soundFont, options_.pieces);
    return true;
}

// The silent clock's synthesiser is made when the clock starts and goes when it stops: a
// machine whose music plays on a sound device never holds it (a third of a megabyte).
void FluidSequencer::KeepSilentSynth(bool keep)
{
    if (keep && !silentSynth_) {
        silentSettings_ = NewSilentSettings();
        silentSynth_ = silentSettings_ ? new_fluid_synth(silentSettings_) : nullptr;
    }
    if (!keep && silentSynth_) {
        std::lock_guard lock(renderLock_);
        if (playing_.synth == silentSynth_)
            LetGoLocked();
        delete_fluid_synth(silentSynth_);
        silentSynth_ = nullptr;
    }
    if (!silentSynth_ && silentSettings_) {
        delete_fluid_settings(silentSettings_);
        silentSettings_ = nullptr;
    }
}

void FluidSequencer::RunWorker()
{
    const bool made = MakeSynths();
    std::unique_lock lock(stateLock_);
    ready_ = true;
    failed_ = !made;
    stateChanged_.notify_all();
    while (made && !quitting_) {
        const std::chrono::milliseconds tick = TendOutput(lock);
        stateChanged_.wait_for(lock, tick);
    }
    lock.unlock();
    CloseDriver();
}

void FluidSequencer::TendOutput()
{
    if (!options_.manualWorker)
        return;
    std::unique_lock lock(stateLock_);
    if (!failed_)
        TendOutput(lock);
}

// One round of the worker: opens the output a wanted piece needs, renders the silent
// clock, notices a driver that stopped asking for sound, and closes what nobody uses.
std::chrono::milliseconds FluidSequencer::TendOutput(std::unique_lock<std::mutex>& lock)
{
    const bool wanted = wanted_ && wanted_->generation != endedGeneration_;
    WorkerClock& clock = clock_;
    const auto now = options_.now();
    if (wanted)
        clock.idleSince = now;
    if (wanted && output_ == Output::NotChosen) {
        lock.unlock();
        const bool device = StartDriver();
        lock.lock();
        output_ = device ? Output::Device : Output::SilentClock;
        const auto opened = options_.now();
        clock = WorkerClock{opened, 0, opened, opened};
    } else if (output_ == Output::SilentClock && wanted && now - clock.lastTry > kRetryDevice) {
        // The piece starts again from its beginning where it can be heard.
        clock.lastTry = now;
        lock.unlock();
        const bool device = StartDriver();
        lock.lock();
        if (device)
            output_ = Output::Device;
    } else if (output_ == Output::Device && wanted
               && now - Clock::time_point(Clock::duration(lastRender_.load())) > options_.lostAfter) {
        // The sound server went away: the piece counts as over, and the next one tries again.
        const std::uint64_t generation = wanted_->generation;
        lock.unlock();
        CloseDriver();
        lock.lock();
        endedGeneration_ = std::max(endedGeneration_, generation);
        output_ = Output::NotChosen;
    } else if (output_ == Output::SilentClock && !wanted) {
        output_ = Output::NotChosen;
    } else if (output_ == Output::Device && !wanted && now - clock.idleSince > options_.closeAfter) {
        lock.unlock();
        CloseDriver();
        lock.lock();
        output_ = Output::NotChosen;
    }
    const bool silent = output_ == Output::SilentClock;
    lock.unlock();
    KeepSilentSynth(silent);
    if (silent)
        RenderSilence();
    lock.lock();
    return silent ? kClockTick : kWatchTick;
}

bool FluidSequencer::StartDriver()
{
    for (const std::string& name : options_.drivers) {
        MarkRendered();
        std::unique_ptr<SoundDriver> driver = options_.openDriver ? options_.openDriver(name, *this) : OpenFluidDriver(name);
        if (driver) {
            std::lock_guard lock(stateLock_);
            driver_ = std::move(driver);
            driverName_ = name;
            return true;
        }
    }
    return false;
}

std::unique_ptr<SoundDriver> FluidSequencer::OpenFluidDriver(const std::string& name)
{
    if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK)
        return nullptr;
    QuietAlsa quiet;
    fluid_audio_driver_t* driver = new_fluid_audio_driver2(settings_, &FluidDriver::Render, this);
    if (!driver)
        return nullptr;
    if (name == "alsa")
        quiet.KeepQuiet();
    return std::make_unique<FluidDriver>(driver);
}

void FluidSequencer::CloseDriver()
{
    std::unique_ptr<SoundDriver> driver;
    {
        std::lock_guard lock(stateLock_);
        std::swap(driver, driver_);
        driverName_.clear();
    }
    driver.reset();
    std::lock_guard lock(renderLock_);
    LetGoLocked();
}

// Stands in for a sound card: renders as many frames as real time has passed
// and throws them away, so the players keep time and a piece ends by itself.
void FluidSequencer::RenderSilence()
{
    WorkerClock& clock = clock_;
    std::vector<float> left(kBlockFrames);
    std::vector<float> right(kBlockFrames);
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(options_.now() - clock.start);
    const std::int64_t due = elapsed.count() * kSampleRate / 1'000'000;
    // After a long sleep of the machine, skip what was missed rather than race through it.
    std::int64_t frames = std::min<std::int64_t>(due - clock.rendered, kSampleRate);
    clock.rendered = due;
    std::lock_guard lock(renderLock_);
    while (frames > 0) {
        const int count = static_cast<int>(std::min<std::int64_t>(frames, kBlockFrames));
        RenderBlocks(silentSynth_, left.data(), right.data(), count);
        frames -= count;
    }
}

}  // namespace tolvar::audio
