#include "audio/PieceFonts.h"

#include <fluidsynth.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <cstdint>
#include <map>
#include <mutex>

#include "audio/MidiNotes.h"

namespace tolvar::audio {

namespace {

// A bank offset no bank number reaches (they end at 16383): the cut's instruments are out of
// reach of every program change.
constexpr int kOutOfReach = 1 << 15;

// FluidSynth reads a cut SoundFont through a loader of its own, by a name that stands for it.
struct CutFontFile {
    const SoundFontCut* font;
    std::ifstream original;
    fluid_long_long_t at = 0;
};
std::mutex cutFontsLock;
std::map<std::string, const SoundFontCut*> cutFonts;

/// The name FluidSynth is to load `font` by; `known` false takes it back.
std::string MakeCutFontKnown(const SoundFontCut& font, bool known)
{
    const std::string name = "tolvar-cut-soundfont:" + std::to_string(reinterpret_cast<std::uintptr_t>(&font));
    std::lock_guard guard(cutFontsLock);
    if (known)
        cutFonts[name] = &font;
    else
        cutFonts.erase(name);
    return name;
}

fluid_sfloader_t* CutFontLoader(fluid_settings_t* settings)
{
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader)
        return nullptr;
    const auto open = [](const char* name) -> void* {
        std::lock_guard guard(cutFontsLock);
        const auto found = cutFonts.find(name);
        if (found == cutFonts.end())
            return nullptr;  // another loader's file
        return new CutFontFile{found->second, std::ifstream(found->second->OriginalPath(), std::ios::binary)};
    };
    const auto read = [](void* out, fluid_long_long_t count, void* handle) {
        auto* f = static_cast<CutFontFile*>(handle);
        const auto at = static_cast<std::uint64_t>(f->at);
        if (count < 0 || !f->font->Read(at, static_cast<char*>(out), static_cast<std::uint64_t>(count), f->original))
            return FLUID_FAILED;
        f->at += count;
        return FLUID_OK;
    };
    const auto seek = [](void* handle, fluid_long_long_t offset, int origin) {
        auto* f = static_cast<CutFontFile*>(handle);
        const auto size = static_cast<fluid_long_long_t>(f->font->Size());
        const fluid_long_long_t at = origin == SEEK_SET ? offset : origin == SEEK_CUR ? f->at + offset : size + offset;
        if (at < 0 || at > size)
            return FLUID_FAILED;
        f->at = at;
        return FLUID_OK;
    };
    const auto close = [](void* handle) {
        delete static_cast<CutFontFile*>(handle);
        return FLUID_OK;
    };
    const auto tell = [](void* handle) { return static_cast<CutFontFile*>(handle)->at; };
    fluid_sfloader_set_callbacks(loader, open, read, seek, tell, close);
    return loader;
}

}  // namespace

PieceFonts::~PieceFonts()
{
    for (const Cut& cut : cuts_)
        MakeCutFontKnown(*cut.font, false);
}

void PieceFonts::Load(fluid_synth_t* synth, fluid_settings_t* settings, const std::string& soundFont,
                      const std::vector<std::string>& pieces)
{
    if (!pieces.empty() && LoadCuts(synth, settings, soundFont, pieces))
        return;
    fluid_synth_sfload(synth, soundFont.c_str(), 1);
}

bool PieceFonts::LoadCuts(fluid_synth_t* synth, fluid_settings_t* settings, const std::string& soundFont,
                          const std::vector<std::string>& pieces)
{
    std::vector<Cut> cuts;
    for (const std::string& piece : pieces) {
        std::ifstream file(piece, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        NotesPlayed notes;
        // A piece not read could need anything.
        if (data.size() > kMaxMidiBytes || !AddNotesPlayed(data, notes))
            return false;
        std::optional<SoundFontCut> font = SoundFontCut::Make(soundFont, notes);
        if (!font)
            return false;
        cuts.push_back(Cut{std::move(data), std::make_unique<SoundFontCut>(std::move(*font))});
    }
    fluid_sfloader_t* loader = CutFontLoader(settings);
    if (!loader)
        return false;
    fluid_synth_add_sfloader(synth, loader);
    for (Cut& cut : cuts) {
        cut.id = fluid_synth_sfload(synth, MakeCutFontKnown(*cut.font, true).c_str(), 0);
        if (cut.id == FLUID_FAILED) {
            for (const Cut& loaded : cuts) {
                if (loaded.id != FLUID_FAILED)
                    fluid_synth_sfunload(synth, loaded.id, 0);
                MakeCutFontKnown(*loaded.font, false);
            }
            return false;
        }
        fluid_synth_set_bank_offset(synth, cut.id, kOutOfReach);
    }
    cuts_ = std::move(cuts);
    return true;
}

void PieceFonts::ReadyFor(fluid_synth_t* synth, const std::vector<char>& midi)
{
    if (cuts_.empty())
        return;
    const auto own = std::find_if(cuts_.begin(), cuts_.end(), [&midi](const Cut& cut) {
        return std::equal(cut.piece.begin(), cut.piece.end(), midi.begin(), midi.end());
    });
    const auto reach = static_cast<std::size_t>(own - cuts_.begin());  // cuts_.size(): every cut
    if (inReach_ == reach)
        return;
    for (std::size_t i = 0; i < cuts_.size(); ++i)
        fluid_synth_set_bank_offset(synth, cuts_[i].id, reach == i || reach == cuts_.size() ? 0 : kOutOfReach);
    // Every channel looks for its program again, now in the cut within reach; the instruments of
    // the cut out of reach go, their samples as soon as no voice sounds them.
    fluid_synth_program_reset(synth);
    inReach_ = reach;
}

}  // namespace tolvar::audio
