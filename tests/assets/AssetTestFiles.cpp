#include "AssetTestFiles.h"

#include <QFile>

#include <map>
#include <set>
#include <utility>

namespace assettest {

QString assetPath(const QString& relative)
{
    return QString(TOLVAR_ASSETS_DIR) + "/" + relative;
}

QImage loadImage(const QString& relative)
{
    return QImage(assetPath(relative)).convertToFormat(QImage::Format_ARGB32);
}

QByteArray loadBytes(const QString& relative)
{
    QFile f(assetPath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage cellOf(const QImage& sheet, int column, int row)
{
    return sheet.copy(column * 32, row * 32, 32, 32);
}

int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

std::vector<double> meanColour(const QImage& img)
{
    std::vector<double> sum(3, 0.0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
        }
    for (double& v : sum)
        v /= double(img.width() * img.height());
    return sum;
}

namespace {

std::uint32_t little(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

std::uint32_t big(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

} // namespace

bool parseWave(const QByteArray& b, Wave& out)
{
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return false;
    int at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const int size = int(little(b, at + 4, 4));
        const int body = at + 8;
        if (size < 0 || body + size > b.size())
            return false;
        if (id == "fmt ") {
            if (size < 16)
                return false;
            out.format = int(little(b, body, 2));
            out.channels = int(little(b, body + 2, 2));
            out.sampleRate = int(little(b, body + 4, 4));
            out.bitsPerSample = int(little(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || out.bitsPerSample != 16)
                return false;
            for (int i = 0; i + 1 < size; i += 2)
                out.samples.push_back(std::int16_t(little(b, body + i, 2)));
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

namespace {

using TempoMap = std::map<std::uint64_t, double>; // tick -> microseconds per beat

// One track chunk, read from `p` up to `end`; its events are counted into `out`.
struct TrackReader {
    const QByteArray& b;
    int p;
    int end;
    std::uint64_t tick = 0;
    bool ended = false;
    QString name{};

    bool varLength(std::uint32_t& v)
    {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            if (p >= end)
                return false;
            const int c = std::uint8_t(b[p++]);
            v = (v << 7) | (c & 0x7f);
            if (!(c & 0x80))
                return true;
        }
        return false;
    }

    bool read(MidiSummary& out, TempoMap& tempoAt)
    {
        int running = 0;
        std::set<std::pair<int, int>> sounding;
        while (p < end && !ended) {
            std::uint32_t delta = 0;
            if (!varLength(delta))
                return false;
            tick += delta;
            int status = std::uint8_t(b[p]);
            if (status & 0x80)
                ++p;
            else if (running)
                status = running;
            else
                return false;
            if (status == 0xff) {
                if (!meta(tempoAt))
                    return false;
            } else if (status == 0xf0 || status == 0xf7) {
                std::uint32_t length = 0;
                if (!varLength(length))
                    return false;
                p += int(length);
            } else {
                running = status;
                if (!channelEvent(status, out, sounding))
                    return false;
            }
        }
        out.tracksEndedProperly += ended && p == end;
        out.trackNames.push_back(name);
        out.hangingNotes += int(sounding.size());
        return true;
    }

    bool meta(TempoMap& tempoAt)
    {
        if (p >= end)
            return false;
        const int type = std::uint8_t(b[p++]);
        std::uint32_t length = 0;
        if (!varLength(length) || p + int(length) > end)
            return false;
        if (type == 0x51 && length == 3)
            tempoAt[tick] = big(b, p, 3);
        if (type == 0x03)
            name = QString::fromLatin1(b.mid(p, int(length)));
        if (type == 0x2f)
            ended = true;
        p += int(length);
        return true;
    }

    bool channelEvent(int status, MidiSummary& out, std::set<std::pair<int, int>>& sounding)
    {
        const int kind = status & 0xf0;
        const int channel = status & 0x0f;
        const int size = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
        if (p + size > end)
            return false;
        const int key = std::uint8_t(b[p]);
        const int velocity = size == 2 ? std::uint8_t(b[p + 1]) : 0;
        p += size;
        if (kind == 0x90 && velocity > 0) {
            ++out.notesOn;
            out.notes.push_back({out.trackCount, tick, channel, key});
            out.drumNotes += channel == 9;
            sounding.insert({channel, key});
        } else if (kind == 0x80 || kind == 0x90) {
            ++out.notesOff;
            sounding.erase({channel, key});
        } else if (kind == 0xc0) {
            ++out.programChanges;
        }
        return true;
    }
};

// Seconds up to `lastEnd`, walking the tempo map.
double secondsUpTo(const TempoMap& tempoAt, std::uint64_t lastEnd, int division)
{
    double seconds = 0;
    std::uint64_t from = 0;
    double tempo = 500000.0;
    for (const auto& [tick, microseconds] : tempoAt) {
        if (tick >= lastEnd)
            break;
        seconds += double(tick - from) * tempo / 1e6 / division;
        from = tick;
        tempo = microseconds;
    }
    return seconds + double(lastEnd - from) * tempo / 1e6 / division;
}

} // namespace

bool parseMidi(const QByteArray& b, MidiSummary& out)
{
    if (b.size() < 14 || b.left(4) != "MThd" || big(b, 4, 4) != 6)
        return false;
    out.format = int(big(b, 8, 2));
    const int declaredTracks = int(big(b, 10, 2));
    out.division = int(big(b, 12, 2));
    if (out.division <= 0 || out.division >= 0x8000)
        return false;
    TempoMap tempoAt{{0, 500000.0}};
    std::uint64_t lastEnd = 0;
    int at = 14;
    for (int t = 0; t < declaredTracks; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk")
            return false;
        const int end = at + 8 + int(big(b, at + 4, 4));
        if (end > b.size())
            return false;
        TrackReader track{b, at + 8, end};
        if (!track.read(out, tempoAt))
            return false;
        lastEnd = std::max(lastEnd, track.tick);
        at = end;
        ++out.trackCount;
    }
    out.seconds = secondsUpTo(tempoAt, lastEnd, out.division);
    out.openingTempo = 60e6 / tempoAt.begin()->second;
    return at == b.size();
}

} // namespace assettest
