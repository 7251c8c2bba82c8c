#include "audio/SoundFontCut.h"

#include <algorithm>
#include <exception>
#include <map>
#include <set>

namespace tolvar::audio {

namespace {

// Record sizes of the instrument tables, and the generators that matter here.
constexpr std::size_t PresetSize = 38, BagSize = 4, ModSize = 10, GenSize = 4, InstSize = 22, SampleSize = 46;
constexpr int GenInstrument = 41, GenKeyRange = 43, GenVelRange = 44, GenSampleId = 53;
// Zero points after every sample, which interpolation reads past its end.
constexpr std::uint32_t SamplePadding = 46;
constexpr int SampleMono = 1, SampleLinked = 2 | 4 | 8, SampleRom = 0x8000;

/// A little-endian number; 0 past the end (a broken table then leads nowhere).
std::uint32_t Get(const std::string& s, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    if (at + static_cast<std::size_t>(bytes) > s.size())
        return 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}
void Put(std::string& s, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i) & 0xff);
}
std::string Bytes(std::uint32_t v, int bytes)
{
    std::string s(static_cast<std::size_t>(bytes), '\0');
    Put(s, 0, v, bytes);
    return s;
}
std::string ChunkOf(const std::string& id, const std::string& data) { return id + Bytes(static_cast<std::uint32_t>(data.size()), 4) + data; }

struct Chunk {
    std::string id;
    std::uint64_t at = 0;  // of its data in the file
    std::uint32_t size = 0;
};

std::vector<Chunk> ChunksIn(std::ifstream& file, std::uint64_t from, std::uint64_t end)
{
    std::vector<Chunk> chunks;
    std::string header(8, '\0');
    while (from + 8 <= end && file.seekg(static_cast<std::streamoff>(from)) && file.read(header.data(), 8)) {
        Chunk c{header.substr(0, 4), from + 8, Get(header, 4, 4)};
        if (c.at + c.size > end)
            break;
        chunks.push_back(c);
        from = c.at + c.size + (c.size & 1);
    }
    return chunks;
}

std::string ReadAt(std::ifstream& file, std::uint64_t at, std::uint64_t size)
{
    std::string s(size, '\0');
    if (!file.seekg(static_cast<std::streamoff>(at)) || !file.read(s.data(), static_cast<std::streamsize>(size)))
        return {};
    return s;
}

/// A zone of a preset or instrument: its generators and modulators, key and velocity ranges, and
/// what it plays (an instrument or a sample), -1 for a global zone.
struct Zone {
    std::size_t gens[2], mods[2];
    int keys[2] = {0, 127}, velocities[2] = {0, 127};
    int target = -1;
    bool Reaches(const KeyVelocity& n) const
    {
        return n.first >= keys[0] && n.first <= keys[1] && n.second >= velocities[0] && n.second <= velocities[1];
    }
};

/// One level of the tables: headers ("phdr" or "inst"), bags, modulators, generators.
struct Level {
    std::string headers, bags, mods, gens;
    std::size_t headerSize;
    int targetGen;
    std::size_t Count() const { return headers.size() / headerSize - 1; }  // without the terminal record
    std::size_t FirstBag(std::size_t h) const { return Get(headers, h * headerSize + (headerSize == PresetSize ? 24 : 20), 2); }
    Zone ZoneAt(std::size_t bag) const
    {
        Zone z{{Get(bags, bag * BagSize, 2), Get(bags, (bag + 1) * BagSize, 2)},
               {Get(bags, bag * BagSize + 2, 2), Get(bags, (bag + 1) * BagSize + 2, 2)}};
        for (std::size_t g = z.gens[0]; g < z.gens[1] && (g + 1) * GenSize <= gens.size(); ++g) {
            const int oper = static_cast<int>(Get(gens, g * GenSize, 2));
            const std::uint32_t amount = Get(gens, g * GenSize + 2, 2);
            if (oper == GenKeyRange || oper == GenVelRange) {
                int* range = oper == GenKeyRange ? z.keys : z.velocities;
                range[0] = static_cast<int>(amount & 0xff);
                range[1] = static_cast<int>(amount >> 8);
            } else if (oper == targetGen) {
                z.target = static_cast<int>(amount);
            }
        }
        return z;
    }
};

/// The kept records of one level written out again, targets renumbered.
struct Written {
    std::string headers, bags, mods, gens;
    void Zone(const Level& from, const Zone& z, const std::map<int, int>& targets)
    {
        bags += Bytes(static_cast<std::uint32_t>(gens.size() / GenSize), 2) + Bytes(static_cast<std::uint32_t>(mods.size() / ModSize), 2);
        mods += from.mods.substr(z.mods[0] * ModSize, (z.mods[1] - z.mods[0]) * ModSize);
        for (std::size_t g = z.gens[0]; g < z.gens[1]; ++g) {
            std::string gen = from.gens.substr(g * GenSize, GenSize);
            if (static_cast<int>(Get(gen, 0, 2)) == from.targetGen)
                Put(gen, 2, static_cast<std::uint32_t>(targets.at(static_cast<int>(Get(gen, 2, 2)))), 2);
            gens += gen;
        }
    }
    /// The header of a kept preset or instrument, pointing at the zones written next.
    void Header(const Level& from, std::size_t h)
    {
        std::string header = from.headers.substr(h * from.headerSize, from.headerSize);
        Put(header, from.headerSize == PresetSize ? 24 : 20, static_cast<std::uint32_t>(bags.size() / BagSize), 2);
        headers += header;
    }
    void End(const Level& from)
    {
        Header(from, from.Count());
        bags += Bytes(static_cast<std::uint32_t>(gens.size() / GenSize), 2) + Bytes(static_cast<std::uint32_t>(mods.size() / ModSize), 2);
        mods += std::string(ModSize, '\0');
        gens += std::string(GenSize, '\0');
    }
};

}  // namespace

class SoundFontCutter {
public:
    static std::optional<SoundFontCut> Cut(const std::string& path, const NotesPlayed& notes);

private:
    static std::optional<SoundFontCut> Write(const std::string& path, std::string info, const Chunk& smpl, const Level& presets,
                                             const Level& instruments, const std::string& samples, const NotesPlayed& notes);
    static bool PlaceSamples(const std::string& samples, const Chunk& smpl, std::set<int> kept, SoundFontCut& cut,
                             std::map<int, int>& index, std::string& headers);
};

std::optional<SoundFontCut> SoundFontCut::Make(const std::string& path, const NotesPlayed& notes)
{
    try {
        return SoundFontCutter::Cut(path, notes);
    } catch (const std::exception&) {
        return std::nullopt;  // tables that point outside themselves: not a SoundFont to cut
    }
}

std::optional<SoundFontCut> SoundFontCutter::Cut(const std::string& path, const NotesPlayed& notes)
{
    std::ifstream file(path, std::ios::binary);
    std::string riff(12, '\0');
    if (!file.read(riff.data(), 12) || riff.compare(0, 4, "RIFF") != 0 || riff.compare(8, 4, "sfbk") != 0)
        return std::nullopt;
    std::string info;
    Chunk smpl;
    std::map<std::string, std::string> pdta;
    for (const Chunk& list : ChunksIn(file, 12, 8 + static_cast<std::uint64_t>(Get(riff, 4, 4)))) {
        const std::string kind = list.id == "LIST" ? ReadAt(file, list.at, 4) : std::string();
        if (kind == "INFO")
            info = ChunkOf("LIST", ReadAt(file, list.at, list.size));
        for (const Chunk& c : kind == "sdta" || kind == "pdta" ? ChunksIn(file, list.at + 4, list.at + list.size) : std::vector<Chunk>{}) {
            if (c.id == "smpl")
                smpl = c;
            else if (kind == "pdta")
                pdta[c.id] = ReadAt(file, c.at, c.size);
        }
    }
    Level presets{pdta["phdr"], pdta["pbag"], pdta["pmod"], pdta["pgen"], PresetSize, GenInstrument};
    Level instruments{pdta["inst"], pdta["ibag"], pdta["imod"], pdta["igen"], InstSize, GenSampleId};
    const std::string& samples = pdta["shdr"];
    if (info.empty() || smpl.id.empty() || presets.headers.size() < 2 * PresetSize || instruments.headers.size() < 2 * InstSize ||
        samples.size() < 2 * SampleSize)
        return std::nullopt;
    return Write(path, info, smpl, presets, instruments, samples, notes);
}

namespace {

struct Kept {
    std::size_t header;
    std::vector<Zone> zones;
};

/// The presets the notes ask for, with the zones the notes reach; the notes each instrument then plays.
std::vector<Kept> KeepPresets(const Level& presets, std::size_t instrumentCount, const NotesPlayed& notes,
                              std::map<int, std::set<KeyVelocity>>& instrumentNotes)
{
    std::vector<Kept> kept;
    for (std::size_t p = 0; p < presets.Count(); ++p) {
        const auto played = notes.find({static_cast<int>(Get(presets.headers, p * PresetSize + 22, 2)),
                                        static_cast<int>(Get(presets.headers, p * PresetSize + 20, 2))});
        if (played == notes.end())
            continue;
        Kept preset{p, {}};
        for (std::size_t b = presets.FirstBag(p); b < presets.FirstBag(p + 1); ++b) {
            const Zone z = presets.ZoneAt(b);
            if (z.target < 0 || z.target >= static_cast<int>(instrumentCount)) {
                if (z.target < 0 && b == presets.FirstBag(p))
                    preset.zones.push_back(z);  // the global zone
                continue;
            }
            bool reached = false;
            for (const KeyVelocity& n : played->second)
                if (z.Reaches(n)) {
                    reached = true;
                    instrumentNotes[z.target].insert(n);
                }
            if (reached)
                preset.zones.push_back(z);
        }
        kept.push_back(std::move(preset));
    }
    return kept;
}

/// The instruments the kept preset zones play, with the zones their notes reach; the samples those play.
std::vector<Kept> KeepInstruments(const Level& instruments, std::size_t sampleCount,
                                  const std::map<int, std::set<KeyVelocity>>& instrumentNotes, std::set<int>& samples)
{
    std::vector<Kept> kept;
    for (const auto& [i, played] : instrumentNotes) {
        Kept instrument{static_cast<std::size_t>(i), {}};
        const std::size_t first = instruments.FirstBag(instrument.header);
        for (std::size_t b = first; b < instruments.FirstBag(instrument.header + 1); ++b) {
            const Zone z = instruments.ZoneAt(b);
            const bool valid = z.target >= 0 && z.target < static_cast<int>(sampleCount);
            if ((z.target < 0 && b == first) ||
                (valid && std::any_of(played.begin(), played.end(), [&z](const KeyVelocity& n) { return z.Reaches(n); }))) {
                instrument.zones.push_back(z);
                if (valid)
                    samples.insert(z.target);
            }
        }
        kept.push_back(std::move(instrument));
    }
    return kept;
}

}  // namespace

std::optional<SoundFontCut> SoundFontCutter::Write(const std::string& path, std::string info, const Chunk& smpl,
                                                   const Level& presets, const Level& instruments, const std::string& samples,
                                                   const NotesPlayed& notes)
{
    std::map<int, std::set<KeyVelocity>> instrumentNotes;
    const std::vector<Kept> keptPresets = KeepPresets(presets, instruments.Count(), notes, instrumentNotes);
    std::set<int> keptSamples;
    const std::vector<Kept> keptInstruments =
        KeepInstruments(instruments, samples.size() / SampleSize - 1, instrumentNotes, keptSamples);
    SoundFontCut cut;
    cut.path_ = path;
    std::map<int, int> instrumentIndex, sampleIndex;
    std::string sampleHeaders;
    if (keptPresets.empty() || !PlaceSamples(samples, smpl, keptSamples, cut, sampleIndex, sampleHeaders))
        return std::nullopt;
    Written p, i;
    for (const Kept& k : keptInstruments) {
        instrumentIndex[static_cast<int>(k.header)] = static_cast<int>(i.headers.size() / InstSize);
        i.Header(instruments, k.header);
        for (const Zone& z : k.zones) i.Zone(instruments, z, sampleIndex);
    }
    i.End(instruments);
    for (const Kept& k : keptPresets) {
        p.Header(presets, k.header);
        for (const Zone& z : k.zones) p.Zone(presets, z, instrumentIndex);
    }
    p.End(presets);
    cut.tail_ = ChunkOf("LIST", "pdta" + ChunkOf("phdr", p.headers) + ChunkOf("pbag", p.bags) + ChunkOf("pmod", p.mods) +
                                    ChunkOf("pgen", p.gens) + ChunkOf("inst", i.headers) + ChunkOf("ibag", i.bags) +
                                    ChunkOf("imod", i.mods) + ChunkOf("igen", i.gens) + ChunkOf("shdr", sampleHeaders));
    if (info.size() & 1)
        info += '\0';
    const auto sampleList = static_cast<std::uint32_t>(4 + 8 + cut.sampleBytes_);
    cut.head_ = "RIFF" + Bytes(static_cast<std::uint32_t>(4 + info.size() + 8 + sampleList + cut.tail_.size()), 4) + "sfbk" +
                info + "LIST" + Bytes(sampleList, 4) + "sdta" + "smpl" + Bytes(static_cast<std::uint32_t>(cut.sampleBytes_), 4);
    return cut;
}

// Each kept sample's points, with the padding after them, one after the other; its header
// moved with them, and its stereo partner kept too (or it plays alone).
bool SoundFontCutter::PlaceSamples(const std::string& samples, const Chunk& smpl, std::set<int> kept, SoundFontCut& cut,
                                   std::map<int, int>& index, std::string& headers)
{
    const auto count = static_cast<int>(samples.size() / SampleSize - 1);
    for (int s : std::set<int>(kept))
        if (Get(samples, static_cast<std::size_t>(s) * SampleSize + 44, 2) & SampleLinked)
            if (const auto link = static_cast<int>(Get(samples, static_cast<std::size_t>(s) * SampleSize + 42, 2)); link < count)
                kept.insert(link);
    const std::uint64_t points = smpl.size / 2;
    std::uint64_t cursor = 0;
    for (int s : kept) {
        std::string header = samples.substr(static_cast<std::size_t>(s) * SampleSize, SampleSize);
        const std::uint32_t start = Get(header, 20, 4), end = Get(header, 24, 4);
        if (start > end || end > points || cursor + points > 0xffffffffULL)
            return false;
        const std::uint64_t length = std::min<std::uint64_t>(end + SamplePadding, points) - start;
        cut.segments_.push_back({cursor * 2, length * 2, smpl.at + std::uint64_t{start} * 2});
        for (std::size_t at : {20, 24, 28, 32}) {
            const std::uint32_t point = Get(header, at, 4);
            Put(header, at, static_cast<std::uint32_t>(cursor + (point >= start ? point - start : 0)), 4);
        }
        index[s] = static_cast<int>(headers.size() / SampleSize);
        headers += header;
        cursor += length;
    }
    for (std::size_t h = 0; h < headers.size(); h += SampleSize) {
        const std::uint32_t type = Get(headers, h + 44, 2);
        const auto link = index.find(static_cast<int>(Get(headers, h + 42, 2)));
        if (!(type & SampleLinked))
            continue;
        if (link != index.end())
            Put(headers, h + 42, static_cast<std::uint32_t>(link->second), 2);
        else
            Put(headers, h + 44, SampleMono | (type & SampleRom), 2);
    }
    headers += samples.substr(static_cast<std::size_t>(count) * SampleSize, SampleSize);  // the terminal record
    cut.sampleBytes_ = cursor * 2;
    return true;
}

bool SoundFontCut::Read(std::uint64_t offset, char* out, std::uint64_t count, std::ifstream& original) const
{
    if (offset > Size() || count > Size() - offset)
        return false;
    while (count > 0) {
        std::uint64_t n = 0;
        if (offset < head_.size()) {
            n = std::min<std::uint64_t>(count, head_.size() - offset);
            std::copy_n(head_.data() + offset, n, out);
        } else if (offset < head_.size() + sampleBytes_) {
            const std::uint64_t at = offset - head_.size();
            const auto s = std::upper_bound(segments_.begin(), segments_.end(), at, [](std::uint64_t v, const Segment& g) { return v < g.at; }) - 1;
            n = std::min<std::uint64_t>(count, s->at + s->length - at);
            if (!original.seekg(static_cast<std::streamoff>(s->from + at - s->at)) || !original.read(out, static_cast<std::streamsize>(n)))
                return false;
        } else {
            const std::uint64_t at = offset - head_.size() - sampleBytes_;
            n = std::min<std::uint64_t>(count, tail_.size() - at);
            std::copy_n(tail_.data() + at, n, out);
        }
        out += n;
        offset += n;
        count -= n;
    }
    return true;
}

}  // namespace tolvar::audio
