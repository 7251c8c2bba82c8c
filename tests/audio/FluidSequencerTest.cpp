// The music sequencer as the game drives it: the answers to every command,
// a piece that ends by itself, and the sound that comes out.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <thread>

#include "AudioTestFiles.h"
#include "audio/FluidSequencer.h"

namespace tolvar::audio {
namespace {

using test::ScratchDirectory;
using test::ShortMidi;
using test::WriteFile;

constexpr int kFramesPerMs = FluidSequencer::kSampleRate / 1000;
const std::string kUntouched(16, ' ');  // the game's STATUS buffer: 16 spaces

FluidSequencer::Options ManualClock()
{
    FluidSequencer::Options options;
    options.manualClock = true;
    return options;
}

double Rms(const std::vector<float>& samples)
{
    double sum = 0.0;
    for (float sample : samples)
        sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

class SequencerTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteFile("TOLVAR3.MID", ShortMidi(4));    // half a second
        WriteFile("TOLVAR2.MID", ShortMidi(16));   // two seconds
        WriteFile("NOTMIDI.MID", "this is no music at all");
        // A chunk that is not a track where the header names one, then a length of -4: given to
        // FluidSynth's player, it would read that length for ever and hold the sound thread.
        WriteFile("NOTRACK.MID", std::string("MThd\0\0\0\6\0\0\0\1\0\x60MT|k\0\0\0\0\xFF\xFF\xFF\xFC", 26));
    }

    int Send(MciPort& port, const std::string& command, std::string& text, int length = 15)
    {
        return port.SendString(command, text, length);
    }

    ScratchDirectory scratch_;
};

// One step of a session: a command line with its answer, or a stretch of time.
struct Step {
    const char* command;  // null: let `renderMs` of music pass instead
    int renderMs;
    MciError answer;
    const char* text;  // what the 16-space buffer holds afterwards; null: untouched
    int length = 15;
};

// A whole session of the game's commands, with what each answers.
const Step kSession[] = {
    {"OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1", 0, MciError::None, nullptr},
    {"OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", 0, MciError::None, nullptr},
    // A missing file opens nothing; every later command for it fails quietly.
    {"OPEN MISSING.MID TYPE SEQUENCER ALIAS SQ3", 0, MciError::FileNotFound, nullptr},
    {"PLAY SQ3 FROM 0", 0, MciError::UnknownAlias, nullptr},
    {"STATUS SQ3 MODE", 0, MciError::UnknownAlias, nullptr},
    {"STOP SQ3", 0, MciError::UnknownAlias, nullptr},
    {"CLOSE SQ3", 0, MciError::UnknownAlias, nullptr},
    // Opened but never started: stopped, and stopping it again succeeds.
    {"STATUS SQ1 MODE", 0, MciError::None, "stopped"},
    {"STOP SQ1", 0, MciError::None, nullptr},
    {"PLAY SQ1 FROM 0", 0, MciError::None, nullptr},
    {"status sq1 mode", 0, MciError::None, "playing"},
    {nullptr, 200, MciError::None, nullptr},
    {"STATUS SQ1 MODE", 0, MciError::None, "playing"},
    // The half-second piece ends by itself.
    {nullptr, 600, MciError::None, nullptr},
    {"STATUS SQ1 MODE", 0, MciError::None, "stopped"},
    {"STOP SQ1", 0, MciError::None, nullptr},
    // An ended piece starts again from its beginning.
    {"PLAY SQ1 FROM 0", 0, MciError::None, nullptr},
    {"STATUS SQ1 MODE", 0, MciError::None, "playing"},
    // Starting the other piece silences this one.
    {"PLAY SQ2 FROM 0", 0, MciError::None, nullptr},
    {"STATUS SQ1 MODE", 0, MciError::None, "stopped"},
    {"STATUS SQ2 MODE", 0, MciError::None, "playing"},
    {nullptr, 600, MciError::None, nullptr},
    {"STATUS SQ2 MODE", 0, MciError::None, "playing"},
    {"STOP SQ2", 0, MciError::None, nullptr},
    {"STATUS SQ2 MODE", 0, MciError::None, "stopped"},
    // Requests this sequencer does not offer, and an answer too long for the buffer.
    {"PLAY SQ2 FROM 500", 0, MciError::Unsupported, nullptr},
    {"STATUS SQ2 LENGTH", 0, MciError::Unsupported, nullptr},
    {"STATUS SQ2 MODE", 0, MciError::AnswerTooLong, nullptr, 6},
    {"STATUS SQ2 MODE", 0, MciError::None, "stopped", 7},
    // Opening: names in use, other device types, files that are no music.
    {"OPEN TOLVAR2.MID ALIAS sq1", 0, MciError::AliasInUse, nullptr},
    {"OPEN TOLVAR2.MID TYPE waveaudio ALIAS SQ9", 0, MciError::Unsupported, nullptr},
    {"OPEN NOTMIDI.MID TYPE SEQUENCER ALIAS SQ9", 0, MciError::NotMidi, nullptr},
    {"OPEN NOTRACK.MID TYPE SEQUENCER ALIAS SQ9", 0, MciError::NotMidi, nullptr},
    {"STATUS SQ9 MODE", 0, MciError::UnknownAlias, nullptr},
    // Malformed lines.
    {"", 0, MciError::UnknownCommand, nullptr},
    {"REWIND SQ1", 0, MciError::UnknownCommand, nullptr},
    {"PLAY SQ1 FROM", 0, MciError::BadSyntax, nullptr},
    {"STATUS SQ1", 0, MciError::BadSyntax, nullptr},
    // Closing forgets the alias, which can then be opened again.
    {"CLOSE SQ1", 0, MciError::None, nullptr},
    {"STATUS SQ1 MODE", 0, MciError::UnknownAlias, nullptr},
    {"CLOSE SQ1", 0, MciError::UnknownAlias, nullptr},
    {"OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1", 0, MciError::None, nullptr},
    {"CLOSE ALL", 0, MciError::None, nullptr},
    {"STATUS SQ2 MODE", 0, MciError::UnknownAlias, nullptr},
};

TEST_F(SequencerTest, AnswersEveryCommandOfASession)
{
    FluidSequencer sequencer(ManualClock());
    for (const Step& step : kSession) {
        if (!step.command) {
            sequencer.Render(step.renderMs * kFramesPerMs);
            continue;
        }
        std::string text = kUntouched;
        EXPECT_EQ(Send(sequencer, step.command, text, step.length), static_cast<int>(step.answer))
            << step.command;
        EXPECT_EQ(text, step.text ? step.text : kUntouched) << step.command;
    }
}

// The first seven characters, upper-cased, are what the game's watchdog reads.
TEST_F(SequencerTest, APieceEndsByItselfInRealTimeWithoutASoundCard)
{
    testing::internal::CaptureStderr();
    {
        FluidSequencer sequencer;
        std::string text;
        ASSERT_EQ(Send(sequencer, "OPEN TOLVAR3.MID TYPE SEQUENCER ALIAS SQ1", text), 0);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(Send(sequencer, "PLAY SQ1 FROM 0", text), 0);

        std::string mode = kUntouched;
        bool outputChosen = false;
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
            outputChosen = outputChosen || sequencer.CurrentOutput() != FluidSequencer::Output::NotChosen;
            ASSERT_EQ(Send(sequencer, "STATUS SQ1 MODE", mode), 0);
            if (mode.rfind("stopped", 0) == 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(mode, "stopped");
        EXPECT_TRUE(outputChosen);
        EXPECT_GE(elapsed, std::chrono::milliseconds(400)) << "the piece lasts half a second";

        // Left playing at the end: the sequencer must still shut down.
        ASSERT_EQ(Send(sequencer, "OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", text), 0);
        ASSERT_EQ(Send(sequencer, "PLAY SQ2 FROM 0", text), 0);
    }
    // Neither the synthesiser nor the sound libraries may talk on the terminal.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SequencerTest, PlayingRendersAudibleMusicThatStopsWithTheCommand)
{
    const FluidSequencer::Options options = ManualClock();
    if (!std::filesystem::exists(options.soundFont))
        GTEST_SKIP() << "no SoundFont at " << options.soundFont;

    FluidSequencer sequencer(options);
    std::string text;
    ASSERT_EQ(Send(sequencer, "OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", text), 0);
    ASSERT_EQ(Send(sequencer, "PLAY SQ2 FROM 0", text), 0);
    ASSERT_EQ(sequencer.CurrentOutput(), FluidSequencer::Output::Manual);

    const std::vector<float> music = sequencer.Render(500 * kFramesPerMs);
    ASSERT_EQ(music.size(), static_cast<std::size_t>(2 * 500 * kFramesPerMs));
    EXPECT_GT(Rms(music), 0.005);

    // After STOP no note hangs on: once the release has faded, there is silence.
    ASSERT_EQ(Send(sequencer, "STOP SQ2", text), 0);
    sequencer.Render(3000 * kFramesPerMs);
    EXPECT_LT(Rms(sequencer.Render(200 * kFramesPerMs)), 1e-4);
}

/// A sound driver that asks for nothing by itself; it counts the drivers open.
struct FakeDriver final : SoundDriver {
    explicit FakeDriver(int& open) : open_(open) { ++open_; }
    ~FakeDriver() override { --open_; }
    int& open_;
};

/// What a sound driver does from its thread: asks for a period of sound.
void AskForSound(FluidSequencer& sequencer)
{
    std::vector<float> left(512), right(512);
    float* out[2] = {left.data(), right.data()};
    sequencer.RenderToDriver(512, 0, nullptr, 2, out);
}

// Whatever pieces the SoundFont is cut for, a piece sounds as on the whole SoundFont: on a cut of
// its own, on every cut when none was made for it, and on the whole SoundFont when one of the
// files to cut for is no music.
TEST_F(SequencerTest, APieceSoundsAsOnTheWholeSoundFontWhateverItWasCutFor)
{
    if (!std::filesystem::exists(ManualClock().soundFont))
        GTEST_SKIP() << "no SoundFont at " << ManualClock().soundFont;
    const auto render = [this](const std::vector<std::string>& pieces) {
        FluidSequencer::Options options = ManualClock();
        options.pieces = pieces;
        FluidSequencer sequencer(options);
        std::string text;
        Send(sequencer, "OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", text);
        Send(sequencer, "PLAY SQ2 FROM 0", text);
        return sequencer.Render(1000 * kFramesPerMs);
    };
    const std::vector<float> whole = render({});
    ASSERT_GT(Rms(whole), 0.005);
    const struct {
        const char* what;
        std::vector<std::string> pieces;
    } cases[] = {
        {"its own cut", {"TOLVAR3.MID", "TOLVAR2.MID"}},
        {"the cut of another piece, which plays its instrument and keys", {"TOLVAR3.MID"}},
        {"a file among them that is no music", {"TOLVAR2.MID", "NOTMIDI.MID"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(render(c.pieces), whole) << c.what;
}

// A sound driver that asks for a whole period at once, in a buffer per side, hears what the
// clock renders a block at a time (the sequencer renders the period a slice at a time).
TEST_F(SequencerTest, ADriverAskingForLongPeriodsHearsWhatTheClockRenders)
{
    const FluidSequencer::Options options = ManualClock();
    if (!std::filesystem::exists(options.soundFont))
        GTEST_SKIP() << "no SoundFont at " << options.soundFont;
    constexpr int kPeriod = 8192, kPeriods = 3;
    std::string text;
    FluidSequencer clock(options), driven(options);
    for (FluidSequencer* sequencer : {&clock, &driven}) {
        ASSERT_EQ(Send(*sequencer, "OPEN TOLVAR2.MID TYPE SEQUENCER ALIAS SQ2", text), 0);
        ASSERT_EQ(Send(*sequencer, "PLAY SQ2 FROM 0", text), 0);
    }
    const std::vector<float> expected = clock.Render(kPeriod * kPeriods);
    std::vector<float> heard;
    for (int period = 0; period < kPeriods; ++period) {
        std::vector<float> left(kPeriod), right(kPeriod);
        float* out[2] = {left.data(), right.data()};
        ASSERT_EQ(driven.RenderToDriver(kPeriod, 0, nullptr, 2, out), 0);
        for (int i = 0; i < kPeriod; ++i) heard.insert(heard.end(), {left[static_cast<std::size_t>(i)], right[static_cast<std::size_t>(i)]});
    }
    ASSERT_GT(Rms(expected), 0.005);
    EXPECT_EQ(heard, expected);
}

// The sound server goes away during a piece and comes back later, on a clock and drivers
// the test moves itself: the piece counts as stopped once the driver has asked for nothing
// for 1.5 s, the next piece plays silently, and a driver is tried again every 10 s.
TEST_F(SequencerTest, LostOutputStopsThePieceAndADriverIsTriedAgainEveryTenSeconds)
{
    using namespace std::chrono_literals;
    WriteFile("LONG.MID", ShortMidi(800));  // 100 seconds
    struct Drivers {
        FluidSequencer::Clock::time_point now{};
        bool serverUp = true;
        int tries = 0, open = 0;
    } drivers;
    FluidSequencer::Options options;
    options.manualWorker = true;
    options.soundFont = "no-such.sf2";  // silent, but the pieces keep their time
    options.drivers = {"fake"};
    options.now = [&] { return drivers.now; };
    options.openDriver = [&](const std::string&, FluidSequencer&) -> std::unique_ptr<SoundDriver> {
        ++drivers.tries;
        return drivers.serverUp ? std::make_unique<FakeDriver>(drivers.open) : nullptr;
    };
    testing::internal::CaptureStderr();
    FluidSequencer sequencer(options);
    std::string text;
    ASSERT_EQ(Send(sequencer, "OPEN LONG.MID TYPE SEQUENCER ALIAS SQ1", text), 0);
    ASSERT_EQ(Send(sequencer, "OPEN LONG.MID TYPE SEQUENCER ALIAS SQ2", text), 0);
    const auto driverAsks = [&] { AskForSound(sequencer); };
    using Output = FluidSequencer::Output;
    struct Step {
        const char* what;
        std::function<void()> act;
        std::chrono::milliseconds later;  // then the worker does one round
        const char* alias;
        const char* mode;
        Output output;
        int tries, open;
    };
    const Step steps[] = {
        {"a piece starts", [&] { Send(sequencer, "PLAY SQ1 FROM 0", text); }, 0ms, "SQ1", "playing", Output::Device, 1, 1},
        {"the driver asks", driverAsks, 1400ms, "SQ1", "playing", Output::Device, 1, 1},
        {"the server goes", [&] { drivers.serverUp = false; }, 200ms, "SQ1", "stopped", Output::NotChosen, 1, 0},
        {"the next piece", [&] { Send(sequencer, "PLAY SQ2 FROM 0", text); }, 0ms, "SQ2", "playing", Output::SilentClock, 2, 0},
        {"not yet again", [] {}, 9900ms, "SQ2", "playing", Output::SilentClock, 2, 0},
        {"tried again", [] {}, 200ms, "SQ2", "playing", Output::SilentClock, 3, 0},
        {"the server is back", [&] { drivers.serverUp = true; }, 5000ms, "SQ2", "playing", Output::SilentClock, 3, 0},
        {"found again", [] {}, 5100ms, "SQ2", "playing", Output::Device, 4, 1},
    };
    for (const Step& step : steps) {
        step.act();
        drivers.now += step.later;
        sequencer.TendOutput();
        std::string mode = kUntouched;
        ASSERT_EQ(Send(sequencer, std::string("STATUS ") + step.alias + " MODE", mode), 0) << step.what;
        EXPECT_EQ(mode, step.mode) << step.what;
        EXPECT_EQ(sequencer.CurrentOutput(), step.output) << step.what;
        EXPECT_EQ(drivers.tries, step.tries) << step.what;
        EXPECT_EQ(drivers.open, step.open) << step.what;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "nothing is printed, once or again and again";
}

TEST_F(SequencerTest, RenderGivesNothingUnlessTheClockIsManual)
{
    FluidSequencer sequencer;
    EXPECT_TRUE(sequencer.Render(100).empty());
}

}  // namespace
}  // namespace tolvar::audio
