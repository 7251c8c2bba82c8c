#pragma once
// The game's MIDI sequencer: music command strings ("OPEN TOLVAR3.MID TYPE
// SEQUENCER ALIAS SQ1", "PLAY SQ1 FROM 0", "STATUS SQ1 MODE", ...) played on a
// FluidSynth synthesiser with a General MIDI SoundFont.
//
// Commands come from one thread (the GUI thread); the synthesiser renders on the
// sound driver's thread, or, where the machine has no sound output, on a clock
// thread of ours that renders into a discarded buffer so a piece still ends in
// its own time and reports "stopped".
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/MciCommand.h"
#include "core/Services.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
typedef struct _fluid_player_t fluid_player_t;

namespace tolvar::audio {

class FluidSequencer final : public MciPort {
public:
    static constexpr int kSampleRate = 44100;

    struct Options {
        std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2";
        /// FluidSynth audio drivers tried in turn when music first plays.
        std::vector<std::string> drivers{"pulseaudio", "alsa"};
        /// For tests: no driver and no clock thread; time moves only through Render().
        bool manualClock = false;
    };

    /// Where the synthesiser's sound goes; chosen when music first plays.
    enum class Output {
        NotChosen,    // nothing has played yet
        Device,       // a sound driver renders and plays it
        SilentClock,  // no sound output: our clock thread renders and drops it
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

    /// Manual clock only: renders `frames` frames and returns them as interleaved stereo.
    /// Elsewhere returns nothing.
    std::vector<float> Render(int frames);

private:
    struct Piece {
        std::string fileName;
        std::vector<char> midi;            // the whole file, read at OPEN
        fluid_player_t* player = nullptr;  // from PLAY to STOP, CLOSE or the next PLAY
    };

    MciError Run(const MciCommand& command, std::string& returnText, int returnLength);
    MciError Open(const MciCommand& command);
    MciError Play(Piece& piece, const MciCommand& command);
    MciError Status(const Piece& piece, const MciCommand& command, std::string& returnText,
                    int returnLength);
    void CloseAll();

    bool EnsureOutput();
    bool MakeSynth();
    bool StartDriver();
    void LoadSoundFont();
    void StopLocked(Piece& piece);
    static bool IsPlayingLocked(const Piece& piece);
    bool AnyPlayingLocked() const;
    void RenderLocked(float* left, float* right, int frames);
    void RunClock();
    static int RenderForDriver(void* self, int frames, int fxCount, float* fx[], int outCount,
                               float* out[]);

    Options options_;
    Output output_ = Output::NotChosen;
    std::string driverName_;
    std::map<std::string, Piece> pieces_;  // by AliasKey

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;

    // Guards the synthesiser and the players against the thread that renders.
    mutable std::mutex renderLock_;
    std::condition_variable clockWake_;
    bool quitting_ = false;
    std::thread clock_;
};

}  // namespace tolvar::audio
