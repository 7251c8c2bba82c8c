#pragma once
// The SoundFont as the synthesiser holds it for the game's pieces: cut down for each piece to
// what that piece plays (SoundFontCut.h), every cut loaded, and only the cut of the piece that
// plays within reach of its program changes. The synthesiser loads an instrument's samples
// when a channel chooses it, so it holds the samples of the piece that plays and no other.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/SoundFontCut.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace tolvar::audio {

class PieceFonts {
public:
    PieceFonts() = default;
    ~PieceFonts();
    PieceFonts(const PieceFonts&) = delete;
    PieceFonts& operator=(const PieceFonts&) = delete;

    /// Loads into `synth` a cut of `soundFont` for each of the MIDI files `pieces`, none of them
    /// within reach yet. Without pieces, when one cannot be read, or when the SoundFont cannot
    /// be cut: the whole SoundFont, for every piece. The synthesiser reads the cuts' samples
    /// from here: it must go before this does.
    void Load(fluid_synth_t* synth, fluid_settings_t* settings, const std::string& soundFont,
              const std::vector<std::string>& pieces);

    /// Before the piece `midi` starts on `synth`: puts its own cut alone within reach (every cut,
    /// for a piece none was made for), and every channel chooses its instrument again from there.
    void ReadyFor(fluid_synth_t* synth, const std::vector<char>& midi);

private:
    struct Cut {
        std::string piece;  // the MIDI file's bytes
        std::unique_ptr<SoundFontCut> font;
        int id = -1;  // the synthesiser's
    };
    bool LoadCuts(fluid_synth_t* synth, fluid_settings_t* settings, const std::string& soundFont,
                  const std::vector<std::string>& pieces);

    std::vector<Cut> cuts_;
    std::optional<std::size_t> inReach_;  // the cut the last piece played on; cuts_.size(): every cut
};

}  // namespace tolvar::audio
