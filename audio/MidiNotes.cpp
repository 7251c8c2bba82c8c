#include "audio/MidiNotes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tolvar::audio {

namespace {

constexpr int DrumChannel = 9;
constexpr int DrumBank = 128;

/// Reads a big-endian number or a variable-length quantity; a read past the end fails.
class Reader {
public:
    Reader(const std::string& data, std::size_t at, std::size_t end) : data_(data), at_(at), end_(end) {}
    bool More() const { return ok_ && at_ < end_; }
    bool Ok() const { return ok_; }
    int Byte()
    {
        if (at_ >= end_) {
            ok_ = false;
            return 0;
        }
        return static_cast<unsigned char>(data_[at_++]);
    }
    std::uint32_t Number(int bytes)
    {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<std::uint32_t>(Byte());
        return v;
    }
    std::uint32_t Quantity()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = Byte();
            v = v << 7 | static_cast<std::uint32_t>(b & 0x7f);
            if (!(b & 0x80)) return v;
        }
        ok_ = false;
        return 0;
    }
    void Skip(std::uint32_t n)
    {
        if (n > end_ - at_) ok_ = false;
        at_ = ok_ ? at_ + n : end_;
    }
    std::size_t At() const { return at_; }

private:
    const std::string& data_;
    std::size_t at_, end_;
    bool ok_ = true;
};

/// A channel event that decides what sounds: a program, a bank or a note.
struct Event {
    std::uint32_t tick;
    int kind, channel, first, second;
};

/// Adds one track's channel events, at their time from the start.
bool ReadTrack(Reader& track, std::vector<Event>& events)
{
    std::uint32_t tick = 0;
    int status = 0;
    while (track.More()) {
        tick += track.Quantity();
        int first = track.Byte();
        if (first == 0xff || first == 0xf0 || first == 0xf7) {
            if (first == 0xff)
                track.Byte();  // the meta event's type
            track.Skip(track.Quantity());
            continue;
        }
        if (first & 0x80) {
            status = first;
            first = track.Byte();
        }
        if (status < 0x80 || status >= 0xf0)
            return false;
        const int kind = status & 0xf0;
        const int second = kind == 0xc0 || kind == 0xd0 ? 0 : track.Byte();
        events.push_back({tick, kind, status & 0x0f, first, second});
    }
    return track.Ok();
}

/// Plays the events in their order, as a synthesiser reset to its defaults hears them.
void Replay(const std::vector<Event>& events, NotesPlayed& notes)
{
    std::array<int, 16> program{}, bank{};
    bank[DrumChannel] = DrumBank;
    for (const Event& e : events) {
        if (e.kind == 0xc0)
            program[e.channel] = e.first;
        else if (e.kind == 0xb0 && e.first == 0 && e.channel != DrumChannel)
            bank[e.channel] = e.second;
        else if (e.kind == 0x90 && e.second > 0)
            notes[{bank[e.channel], program[e.channel]}].insert({e.first, e.second});
    }
}

}  // namespace

bool AddNotesPlayed(const std::string& data, NotesPlayed& notes)
{
    Reader file(data, 0, data.size());
    if (file.Number(4) != 0x4d546864)  // "MThd"
        return false;
    // FluidSynth's player reads the tracks from the 15th byte on whatever the header's length,
    // and can loop for ever on a chunk that is not a track: a file it would read otherwise than
    // we do is refused.
    if (file.Number(4) != 6)
        return false;
    file.Number(2);
    const std::uint32_t tracks = file.Number(2);
    file.Skip(2);
    std::vector<Event> events;
    for (std::uint32_t t = 0; t < tracks && file.Ok(); ++t) {
        const std::uint32_t id = file.Number(4), length = file.Number(4);
        if (!file.Ok() || id != 0x4d54726b || length > data.size() - file.At())  // "MTrk"
            return false;
        Reader track(data, file.At(), file.At() + length);
        if (!ReadTrack(track, events))
            return false;
        file.Skip(length);
    }
    if (!file.Ok())
        return false;
    // The tracks play together: events of one time in the order of the tracks, as a player takes them.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
    Replay(events, notes);
    return true;
}

}  // namespace tolvar::audio
