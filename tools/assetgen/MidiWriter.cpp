#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace assetgen {
namespace {

QByteArray varLength(std::uint32_t v)
{
    QByteArray out;
    out.prepend(char(v & 0x7f));
    while (v >>= 7)
        out.prepend(char((v & 0x7f) | 0x80));
    return out;
}

QByteArray bigEndian(std::uint32_t v, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 0xff));
    return out;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray meta(int type, const QByteArray& data)
{
    QByteArray out;
    out.append(char(0xff));
    out.append(char(type));
    out.append(varLength(std::uint32_t(data.size())));
    out.append(data);
    return out;
}

} // namespace

MidiTrack::MidiTrack(const QString& name)
{
    add(0, 0, meta(0x03, name.toLatin1()));
}

void MidiTrack::add(std::uint32_t tick, int order, QByteArray bytes)
{
    events.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute)
{
    add(tick, 0, meta(0x51, bigEndian(std::uint32_t(std::lround(60000000.0 / beatsPerMinute)), 3)));
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominator)
{
    int power = 0;
    while ((1 << power) < denominator)
        ++power;
    add(tick, 0, meta(0x58, bytesOf({numerator, power, 24, 8})));
}

void MidiTrack::program(std::uint32_t tick, int channel, int program)
{
    add(tick, 0, bytesOf({0xc0 | channel, program}));
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value)
{
    add(tick, 0, bytesOf({0xb0 | channel, number, std::clamp(value, 0, 127)}));
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    const int k = std::clamp(key, 0, 127);
    add(tick, 2, bytesOf({0x90 | channel, k, std::clamp(velocity, 1, 127)}));
    add(tick + std::max<std::uint32_t>(length, 1), 1, bytesOf({0x80 | channel, k, 64}));
}

std::uint32_t MidiTrack::lastTick() const
{
    std::uint32_t last = 0;
    for (const Event& e : events)
        last = std::max(last, e.tick);
    return last;
}

QByteArray MidiTrack::chunk(std::uint32_t endTick) const
{
    std::vector<Event> sorted = events;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        body.append(varLength(e.tick - now));
        body.append(e.bytes);
        now = e.tick;
    }
    body.append(varLength(std::max(endTick, now) - now));
    body.append(meta(0x2f, {}));
    return QByteArray("MTrk") + bigEndian(std::uint32_t(body.size()), 4) + body;
}

QByteArray midiFile(const std::vector<MidiTrack>& tracks, int ticksPerBeat, std::uint32_t endTick)
{
    QByteArray out("MThd");
    out.append(bigEndian(6, 4));
    out.append(bigEndian(1, 2));
    out.append(bigEndian(std::uint32_t(tracks.size()), 2));
    out.append(bigEndian(std::uint32_t(ticksPerBeat), 2));
    for (const MidiTrack& t : tracks)
        out.append(t.chunk(endTick));
    return out;
}

} // namespace assetgen
