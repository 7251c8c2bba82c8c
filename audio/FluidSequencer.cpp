#include "audio/FluidSequencer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "audio/QuietAlsa.h"

namespace tolvar::audio {

namespace {

// The game's pieces are a few kilobytes; anything this large is not one of them.
constexpr std::uintmax_t kMaxMidiBytes = 4u << 20;
// How often the silent clock wakes while a piece plays: the end of a piece is
// noticed within this time.
constexpr std::chrono::milliseconds kClockTick{20};
constexpr int kBlockFrames = 512;
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

bool LooksLikeMidi(const std::vector<char>& data)
{
    // "MThd", a header length of 6, then format, track count and division.
    return data.size() >= 14 && std::memcmp(data.data(), "MThd", 4) == 0;
}

}  // namespace

FluidSequencer::FluidSequencer() : FluidSequencer(Options{}) {}

FluidSequencer::FluidSequencer(Options options) : options_(std::move(options))
{
    SilenceFluidSynth();
}

FluidSequencer::~FluidSequencer()
{
    // The driver's thread goes first so nothing renders while the players are deleted.
    if (driver_)
        delete_fluid_audio_driver(driver_);
    {
        std::lock_guard lock(renderLock_);
        quitting_ = true;
    }
    clockWake_.notify_all();
    if (clock_.joinable())
        clock_.join();
    CloseAll();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
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
        CloseAll();
        return MciError::None;
    }
    const auto found = pieces_.find(AliasKey(command.alias));
    if (found == pieces_.end())
        return MciError::UnknownAlias;
    Piece& piece = found->second;
    switch (command.verb) {
    case MciVerb::Play:
        return Play(piece, command);
    case MciVerb::Stop: {
        std::lock_guard lock(renderLock_);
        StopLocked(piece);
        return MciError::None;
    }
    case MciVerb::Status:
        return Status(piece, command, returnText, returnLength);
    case MciVerb::Close: {
        std::lock_guard lock(renderLock_);
        StopLocked(piece);
        pieces_.erase(found);
        return MciError::None;
    }
    case MciVerb::Open:
        break;
    }
    return MciError::UnknownCommand;
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
    std::vector<char> midi(static_cast<std::size_t>(size));
    if (!file.read(midi.data(), static_cast<std::streamsize>(midi.size())))
        return MciError::FileNotFound;
    if (!LooksLikeMidi(midi))
        return MciError::NotMidi;

    std::lock_guard lock(renderLock_);
    pieces_.emplace(key, Piece{command.fileName, std::move(midi), nullptr});
    return MciError::None;
}

MciError FluidSequencer::Play(Piece& piece, const MciCommand& command)
{
    // We keep no position after a stop: every start is from the beginning.
    if (command.from.value_or(0) != 0)
        return MciError::Unsupported;
    if (!EnsureOutput())
        return MciError::NoSynthesiser;
    {
        std::lock_guard lock(renderLock_);
        // One synthesiser, one tune at a time: a piece that starts silences the others.
        for (auto& [key, other] : pieces_)
            StopLocked(other);
        fluid_player_t* player = new_fluid_player(synth_);
        if (!player)
            return MciError::NoSynthesiser;
        if (fluid_player_add_mem(player, piece.midi.data(), piece.midi.size()) != FLUID_OK
            || fluid_player_play(player) != FLUID_OK) {
            delete_fluid_player(player);
            return MciError::NotMidi;
        }
        piece.player = player;
    }
    clockWake_.notify_all();
    return MciError::None;
}

MciError FluidSequencer::Status(const Piece& piece, const MciCommand& command, std::string& returnText,
                                int returnLength)
{
    if (command.statusItem != "MODE")
        return MciError::Unsupported;
    std::string mode;
    {
        std::lock_guard lock(renderLock_);
        mode = IsPlayingLocked(piece) ? "playing" : "stopped";
    }
    if (static_cast<int>(mode.size()) > returnLength)
        return MciError::AnswerTooLong;
    returnText = mode;
    return MciError::None;
}

void FluidSequencer::CloseAll()
{
    std::lock_guard lock(renderLock_);
    for (auto& [key, piece] : pieces_)
        StopLocked(piece);
    pieces_.clear();
}

FluidSequencer::Output FluidSequencer::CurrentOutput() const
{
    return output_;
}

std::string FluidSequencer::DriverName() const
{
    return driverName_;
}

std::vector<float> FluidSequencer::Render(int frames)
{
    if (output_ != Output::Manual || frames <= 0)
        return {};
    std::vector<float> left(static_cast<std::size_t>(frames));
    std::vector<float> right(left.size());
    std::vector<float> stereo(left.size() * 2);
    std::lock_guard lock(renderLock_);
    RenderLocked(left.data(), right.data(), frames);
    for (std::size_t i = 0; i < left.size(); ++i) {
        stereo[2 * i] = left[i];
        stereo[2 * i + 1] = right[i];
    }
    return stereo;
}

// The synthesiser and its output are made when music first plays, so a game
// that never plays music never opens a sound stream.
bool FluidSequencer::EnsureOutput()
{
    if (output_ != Output::NotChosen)
        return true;
    if (!MakeSynth())
        return false;
    if (options_.manualClock) {
        LoadSoundFont();
        output_ = Output::Manual;
    } else if (StartDriver()) {
        LoadSoundFont();
        output_ = Output::Device;
    } else {
        // Nobody would hear the music, so no SoundFont: the clock renders an
        // empty synthesiser, which costs next to nothing, and the players
        // still move on with the samples.
        output_ = Output::SilentClock;
        clock_ = std::thread(&FluidSequencer::RunClock, this);
    }
    return true;
}

bool FluidSequencer::MakeSynth()
{
    settings_ = new_fluid_settings();
    if (!settings_)
        return false;
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    // Load an instrument's samples when a piece asks for it, not the whole SoundFont.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings_, "audio.period-size", kBlockFrames);
    fluid_settings_setint(settings_, "audio.periods", 4);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) {
        delete_fluid_settings(settings_);
        settings_ = nullptr;
        return false;
    }
    return true;
}

bool FluidSequencer::StartDriver()
{
    for (const std::string& name : options_.drivers) {
        if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK)
            continue;
        QuietAlsa quiet;
        driver_ = new_fluid_audio_driver2(settings_, &FluidSequencer::RenderForDriver, this);
        if (driver_) {
            if (name == "alsa")
                quiet.KeepQuiet();
            driverName_ = name;
            return true;
        }
    }
    return false;
}

void FluidSequencer::LoadSoundFont()
{
    std::lock_guard lock(renderLock_);
    // Without a SoundFont the music is silent but keeps its time.
    fluid_synth_sfload(synth_, options_.soundFont.c_str(), 1);
}

void FluidSequencer::StopLocked(Piece& piece)
{
    if (!piece.player)
        return;
    fluid_player_stop(piece.player);
    delete_fluid_player(piece.player);
    piece.player = nullptr;
    // Let go of every note the piece held, pedal included, so nothing hangs on.
    for (int channel = 0; channel < kMidiChannels; ++channel)
        fluid_synth_cc(synth_, channel, kSustainPedal, 0);
    fluid_synth_all_notes_off(synth_, -1);
}

// A piece has ended once its last event has played. FluidSynth's player lets
// the notes ring for two more seconds before it calls itself done; the game
// should not have to wait for that to hear that the piece is over.
bool FluidSequencer::IsPlayingLocked(const Piece& piece)
{
    if (!piece.player || fluid_player_get_status(piece.player) != FLUID_PLAYER_PLAYING)
        return false;
    // The file is read on the first rendered block; until then it has no length.
    const int length = fluid_player_get_total_ticks(piece.player);
    return length == 0 || fluid_player_get_current_tick(piece.player) < length;
}

bool FluidSequencer::AnyPlayingLocked() const
{
    return std::any_of(pieces_.begin(), pieces_.end(),
                       [](const auto& entry) { return IsPlayingLocked(entry.second); });
}

void FluidSequencer::RenderLocked(float* left, float* right, int frames)
{
    for (int done = 0; done < frames; done += kBlockFrames) {
        const int count = std::min(kBlockFrames, frames - done);
        float* out[2] = {left + done, right + done};
        // The drivers we use give no separate effect buffers: reverb and chorus go into the mix.
        float* fx[4] = {out[0], out[1], out[0], out[1]};
        fluid_synth_process(synth_, count, 4, fx, 2, out);
    }
}

int FluidSequencer::RenderForDriver(void* self, int frames, int fxCount, float* fx[], int outCount,
                                    float* out[])
{
    auto* sequencer = static_cast<FluidSequencer*>(self);
    std::lock_guard lock(sequencer->renderLock_);
    if (fxCount == 0) {
        float* mixed[4] = {out[0], out[outCount > 1 ? 1 : 0], out[0], out[outCount > 1 ? 1 : 0]};
        return fluid_synth_process(sequencer->synth_, frames, 4, mixed, outCount, out);
    }
    return fluid_synth_process(sequencer->synth_, frames, fxCount, fx, outCount, out);
}

// Stands in for a sound card: renders as many frames as real time has passed
// and throws them away, so the players keep time and a piece ends by itself.
void FluidSequencer::RunClock()
{
    using Clock = std::chrono::steady_clock;
    std::vector<float> left(kBlockFrames);
    std::vector<float> right(kBlockFrames);
    std::unique_lock lock(renderLock_);
    while (!quitting_) {
        clockWake_.wait(lock, [this] { return quitting_ || AnyPlayingLocked(); });
        const Clock::time_point start = Clock::now();
        std::int64_t rendered = 0;
        while (!quitting_ && AnyPlayingLocked()) {
            clockWake_.wait_for(lock, kClockTick, [this] { return quitting_; });
            const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            const std::int64_t due = elapsed.count() * kSampleRate / 1'000'000;
            // After a long sleep of the machine, skip what was missed rather than race through it.
            std::int64_t frames = std::min<std::int64_t>(due - rendered, kSampleRate);
            rendered = due;
            while (frames > 0) {
                const int count = static_cast<int>(std::min<std::int64_t>(frames, kBlockFrames));
                std::fill(left.begin(), left.end(), 0.0f);
                std::fill(right.begin(), right.end(), 0.0f);
                RenderLocked(left.data(), right.data(), count);
                frames -= count;
            }
        }
    }
}

}  // namespace tolvar::audio
