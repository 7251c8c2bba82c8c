// The music files: the input is a piece as the sequencer opens it from the game
// directory. It is opened, played for a moment, asked for its state, stopped and closed,
// as the game does; whatever the file holds, the game goes on and every answer is sound.
#include <cmath>

#include "FuzzGame.h"
#include "audio/FluidSequencer.h"

using namespace tolvar;
using namespace tolvar::audio;
using fuzzing::Require;

namespace {

// One synthesiser for the whole run, as the game keeps one; no SoundFont, so what is
// tried is the file and the players, not the instruments.
FluidSequencer& Sequencer()
{
    static FluidSequencer sequencer([] {
        FluidSequencer::Options options;
        options.manualClock = true;
        options.soundFont = "/nonexistent.sf2";
        return options;
    }());
    return sequencer;
}

int Send(const std::string& command, std::string& text)
{
    return Sequencer().SendString(command, text, 15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = fuzzing::GameDirectory::Get().Path() + "/TOLVAR3.MID";
    fuzzing::GameDirectory::Get().Write("TOLVAR3.MID", fuzzing::AsText(data, size));
    std::string text(16, ' ');
    if (Send("OPEN " + path + " TYPE SEQUENCER ALIAS SQ1", text) != 0)
        return 0;
    Require(text == std::string(16, ' '), "only STATUS answers in the buffer");
    Send("PLAY SQ1 FROM 0", text);
    for (int block = 0; block < 8; ++block) {
        for (float sample : Sequencer().Render(FluidSequencer::kSampleRate / 50))
            Require(std::isfinite(sample), "the music is finite samples");
        Require(Send("STATUS SQ1 MODE", text) == 0, "a piece that opened answers STATUS");
        Require(text == "playing" || text == "stopped", "STATUS answers playing or stopped");
    }
    Require(Send("STOP SQ1", text) == 0, "a piece that opened stops");
    Require(Send("STATUS SQ1 MODE", text) == 0 && text == "stopped", "a stopped piece says so");
    Require(Send("CLOSE SQ1", text) == 0, "a piece that opened closes");
    return 0;
}
