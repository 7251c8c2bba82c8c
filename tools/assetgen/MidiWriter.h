#pragma once
// A Standard MIDI File (format 1) writer.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace assetgen {

class MidiTrack {
public:
    explicit MidiTrack(const QString& name);

    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominator);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    /// A note from `tick` lasting `length` ticks; velocity is clamped to 1..127.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    /// The track chunk, ending with all notes released and end-of-track at `endTick`.
    QByteArray chunk(std::uint32_t endTick) const;
    std::uint32_t lastTick() const;

private:
    struct Event {
        std::uint32_t tick;
        int order; // at one tick: settings first, then note-offs, then note-ons
        QByteArray bytes;
    };
    void add(std::uint32_t tick, int order, QByteArray bytes);

    std::vector<Event> events;
};

/// The whole file: header and every track, all ending at the same tick.
QByteArray midiFile(const std::vector<MidiTrack>& tracks, int ticksPerBeat, std::uint32_t endTick);

} // namespace assetgen
