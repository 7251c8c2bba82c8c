#pragma once
// The game's MIDI sequencer: music command strings ("OPEN TOLVAR3.MID TYPE
// SEQUENCER ALIAS SQ1", "PLAY SQ1 FROM 0", "STATUS SQ1 MODE", ...) played on a
// FluidSynth synthesiser with a General MIDI SoundFont.
//
// Commands come from one thread (the GUI thread) and never wait for sound: they
// say which piece is wanted and read what the renderer last reported, each under a
// lock held for a few instructions. A worker thread of ours makes the synthesiser,
// loads the SoundFont, opens and closes the sound driver and watches it; the
// synthesiser renders on the driver's thread, or, where the machine has no sound
// output, on the worker, which renders an instrument-less synthesiser into a
// discarded buffer so a piece still ends in its own time and reports "stopped".
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/MciCommand.h"
#include "audio/PieceFonts.h"
#include "core/Services.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace tolvar::audio {

class FluidSequencer;

/// An open sound driver: it asks the sequencer for sound from a thread of its own
/// (FluidSequencer::RenderToDriver) until it is destroyed.
class SoundDriver {
public:
    virtual ~SoundDriver() = default;
};

class FluidSequencer final : public MciPort {
public:
    static constexpr int kSampleRate = 44100;
    using Clock = std::chrono::steady_clock;

    struct Options {
        std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2";
        /// The MIDI files the game plays: each plays on the SoundFont cut down to what it sounds
        /// (PieceFonts.h); another piece on every cut at once. None, one that cannot be read, or
        /// a SoundFont that cannot be cut: the whole SoundFont, for every piece.
        std::vector<std::string> pieces;
        /// FluidSynth audio drivers tried in turn when music plays and none is open.
        std::vector<std::string> drivers{"pulseaudio", "alsa"};
        /// For tests: no worker, no driver; time moves only through Render().
        bool manualClock = false;
        /// How long the sound driver may stay silent while a piece plays before the
        /// output counts as lost.
        std::chrono::milliseconds lostAfter{1500};
        /// How long the driver stays open without a piece before it is closed.
        std::chrono::milliseconds closeAfter{3000};
        /// For tests: no worker thread; TendOutput() does one round of its work.
        bool manualWorker = false;
        /// The time the worker and the renderer go by.
        std::function<Clock::time_point()> now = [] { return Clock::now(); };
        /// Opens the named sound driver for the sequencer; null when there is none now.
        /// Unset: FluidSynth's own drivers.
        std::function<std::unique_ptr<SoundDriver>(const std::string& name, FluidSequencer&)> openDriver;
    };

    /// Where the synthesiser's sound goes.
    enum class Output {
        NotChosen,    // nothing plays, no driver is open
        Device,       // a sound driver renders and plays it
        SilentClock,  // no sound output: our worker renders and drops it
        Manual,       // Render() is the only clock
    };

    FluidSequencer();
    explicit FluidSequencer(Options options);
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer&) = delete;
    FluidSequencer& operator=(const FluidSequencer&) = delete;

    /// Runs one command line; returns 0 or an MciError. Only STATUS writes `returnText`,
    /// and only when the answer fits in `returnLength` characters.
    int SendString(const std::string& command, std::string& returnText, int returnLength) override;

    Output CurrentOutput() const;
    /// The sound driver in use, empty without one.
    std::string DriverName() const;
    /// Waits up to `limit` for the synthesiser and its SoundFont; true once they are there.
    bool WaitUntilReady(std::chrono::milliseconds limit) const;

    /// Manual clock only: renders `frames` frames and returns them as interleaved stereo.
    /// Elsewhere returns nothing.
    std::vector<float> Render(int frames);

    /// What an open sound driver calls for `frames` more frames, FluidSynth's way: with
    /// no effect buffers (`fxCount` 0) reverb and chorus go into the mix.
    int RenderToDriver(int frames, int fxCount, float* fx[], int outCount, float* out[]);
    /// Manual worker only: one round of the worker's work, at the time the clock says.
    void TendOutput();

private:

    struct Piece {
        std::string fileName;
        std::shared_ptr<const std::vector<char>> midi;  // the whole file, read at OPEN
    };
    /// The piece the game last started and has not stopped; one plays at a time.
    struct Wanted {
        std::string key;
        std::uint64_t generation = 0;  // new for every PLAY
        std::shared_ptr<const std::vector<char>> midi;
    };
    /// What the renderer plays: the player of one generation on one synthesiser.
    struct Playing {
        fluid_player_t* player = nullptr;
        fluid_synth_t* synth = nullptr;
        std::uint64_t generation = 0;
    };

    MciError Run(const MciCommand& command, std::string& returnText, int returnLength);
    MciError Open(const MciCommand& command);
    MciError Play(const std::string& key);
    MciError Status(const std::string& key, const MciCommand& command, std::string& returnText, int returnLength);
    void Forget(const std::string& key);
    void Wake();

    // The renderer's side: under renderLock_, on whichever thread renders.
    void RenderBlocks(fluid_synth_t* synth, float* left, float* right, int frames);
    void FollowWantedLocked(fluid_synth_t* synth);
    void LetGoLocked();

    // The worker's side.
    struct WorkerClock {
        Clock::time_point start;      // of the silent clock
        std::int64_t rendered = 0;    // frames it has rendered since
        Clock::time_point idleSince;  // when a piece was last wanted
        Clock::time_point lastTry;    // of a sound driver
    };
    bool MakeSynths();
    void KeepSilentSynth(bool keep);
    void RunWorker();
    /// One round of the worker; returns how long it may sleep before the next.
    std::chrono::milliseconds TendOutput(std::unique_lock<std::mutex>& lock);
    bool StartDriver();
    std::unique_ptr<SoundDriver> OpenFluidDriver(const std::string& name);
    void CloseDriver();
    void RenderSilence();
    void MarkRendered() { lastRender_ = options_.now().time_since_epoch().count(); }

    Options options_;
    std::map<std::string, Piece> pieces_;  // by AliasKey; the GUI thread's alone

    fluid_settings_t* settings_ = nullptr;
    fluid_settings_t* silentSettings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;        // with the SoundFont, for a device
    fluid_synth_t* silentSynth_ = nullptr;  // without instruments, while the silent clock runs; the worker's
    std::unique_ptr<SoundDriver> driver_;
    WorkerClock clock_;  // the worker's alone

    // Shared between the command thread and the worker: held for a few instructions only.
    mutable std::mutex stateLock_;
    mutable std::condition_variable stateChanged_;
    std::optional<Wanted> wanted_;
    std::uint64_t nextGeneration_ = 1;
    std::uint64_t endedGeneration_ = 0;  // the last generation that ended by itself or lost its output
    bool ready_ = false;                 // the synthesisers are made (or could not be)
    bool failed_ = false;                // no synthesiser could be made
    bool quitting_ = false;
    Output output_ = Output::NotChosen;
    std::string driverName_;

    // The renderer's own state; the command thread never takes this lock.
    std::mutex renderLock_;
    Playing playing_;
    std::atomic<Clock::rep> lastRender_{0};

    std::thread worker_;
    // The SoundFont of the synthesiser with instruments, which reads it whenever it loads samples:
    // the destructor deletes the synthesisers before it goes.
    PieceFonts fonts_;
};

}  // namespace tolvar::audio
