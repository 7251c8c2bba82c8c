#pragma once
// A SoundFont 2 cut down to what some music plays: only the instruments it uses, and in them
// only the zones whose keys and velocities its notes reach, so that it sounds exactly as the
// whole SoundFont would while a synthesiser holds a fraction of it. The cut font's tables are
// kept here; its sample data is read from the original file when asked for.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "audio/MidiNotes.h"

namespace tolvar::audio {

class SoundFontCut {
public:
    /// Nothing when `path` is not a SoundFont 2 that can be read, or none of the notes sound in it.
    static std::optional<SoundFontCut> Make(const std::string& path, const NotesPlayed& notes);

    /// The cut font's length in bytes.
    std::uint64_t Size() const { return head_.size() + sampleBytes_ + tail_.size(); }
    /// The bytes of its sample data (16-bit points), all of which a synthesiser may load.
    std::uint64_t SampleBytes() const { return sampleBytes_; }
    const std::string& OriginalPath() const { return path_; }
    /// Reads `count` bytes of the cut font from `offset`, the sample data from `original` (the
    /// file OriginalPath() names); false past its end or when the original cannot be read.
    bool Read(std::uint64_t offset, char* out, std::uint64_t count, std::ifstream& original) const;

private:
    struct Segment {
        std::uint64_t at;      // in the cut font's sample data
        std::uint64_t length;
        std::uint64_t from;    // in the original file
    };
    std::string path_;
    std::string head_;  // RIFF header, INFO list, the headers of the sample list and chunk
    std::vector<Segment> segments_;
    std::uint64_t sampleBytes_ = 0;
    std::string tail_;  // the instrument tables (list "pdta")
    friend class SoundFontCutter;
};

}  // namespace tolvar::audio
