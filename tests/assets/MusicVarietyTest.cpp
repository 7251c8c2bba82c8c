// The music does not go round in circles: no accompaniment part plays one
// rhythm in most of its bars, and a tune that comes back is ornamented rather
// than repeated note for note.

#include "AssetTestFiles.h"
#include "MusicLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

using namespace assettest;

namespace {

struct Accompaniment {
    const char* file;
    std::vector<const char*> parts; // by track name
};

const Accompaniment Accompaniments[] = {
    {"TOLVAR2.MID", {"Harp", "Fretless Bass"}},
    {"TOLVAR3.MID", {"Guitar", "Pizzicato", "Bass"}},
};

MidiSummary pieceNamed(const char* file)
{
    MidiSummary m;
    EXPECT_TRUE(parseMidi(loadBytes(QString("game/") + file), m)) << file;
    return m;
}

TEST(MusicVariety, noAccompanimentPlaysOneRhythmInMostOfItsBars)
{
    for (const Accompaniment& a : Accompaniments) {
        const MidiSummary m = pieceNamed(a.file);
        const std::uint64_t bar = 4 * std::uint64_t(m.division);
        for (const char* part : a.parts) {
            const auto named = std::find(m.trackNames.begin(), m.trackNames.end(), QString(part));
            ASSERT_NE(named, m.trackNames.end()) << a.file << " has no " << part;
            std::map<std::uint64_t, std::set<std::uint64_t>> onsetsInBar;
            for (const MidiNote& n : m.notes)
                if (n.track == int(named - m.trackNames.begin()))
                    onsetsInBar[n.tick / bar].insert(n.tick % bar);
            std::map<std::set<std::uint64_t>, int> bars;
            for (const auto& [index, onsets] : onsetsInBar)
                ++bars[onsets];
            int most = 0;
            for (const auto& [onsets, count] : bars)
                most = std::max(most, count);
            EXPECT_LE(most, 0.6 * double(onsetsInBar.size()))
                << a.file << " " << part << ": one rhythm in " << most << " of " << onsetsInBar.size() << " bars";
        }
    }
}

// The notes of a tune's first part over its bars: where each starts, from the
// tune's first bar, and its step from the note before, so that a repeat in
// another key looks the same.
std::vector<std::pair<std::uint64_t, int>> shapeOf(const MidiSummary& m, const Tune& tune)
{
    const std::uint64_t bar = 4 * std::uint64_t(m.division);
    std::vector<std::pair<std::uint64_t, int>> shape;
    int before = -1;
    for (const MidiNote& n : m.notes)
        if (n.channel == *tune.channels.begin() && n.tick >= tune.fromBar * bar && n.tick < tune.toBar * bar) {
            shape.push_back({n.tick - tune.fromBar * bar, before < 0 ? 0 : n.key - before});
            before = n.key;
        }
    return shape;
}

TEST(MusicVariety, everyPassOfATuneIsOrnamentedItsOwnWay)
{
    for (const Piece& piece : MusicPieces) {
        const MidiSummary m = pieceNamed(piece.file);
        for (const Tune& first : piece.tunes) {
            std::set<std::vector<std::pair<std::uint64_t, int>>> shapes{shapeOf(m, first)};
            int passes = 1;
            for (const Tune& again : piece.tunes)
                if (again.repeats && std::string(again.repeats) == first.what) {
                    shapes.insert(shapeOf(m, again));
                    ++passes;
                }
            EXPECT_EQ(int(shapes.size()), passes) << piece.file << " " << first.what << " comes back unchanged";
        }
    }
}

} // namespace
