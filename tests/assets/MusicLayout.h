#pragma once
// Where each tune of the two pieces lies, which MIDI channels play it, and
// which earlier tune it brings back.

#include <set>
#include <vector>

namespace assettest {

struct Tune {
    const char* what;
    int fromBar; // counted from 0, the first bar not included
    int toBar;
    std::set<int> channels;        // the parts that play the tune
    const char* repeats = nullptr; // the tune it brings back, if any
};

struct Piece {
    const char* file;
    double beatsPerMinute; // steady over every bar below
    std::vector<Tune> tunes;
};

inline const std::vector<Piece> MusicPieces{
    {"TOLVAR2.MID", 76,
     {{"flute tune", 4, 12, {0}},
      {"vibraphone tune", 12, 20, {4, 5}},
      {"vibraphone interlude", 20, 24, {4, 5}},
      {"flute and celesta tune", 24, 32, {0, 5}, "flute tune"},
      {"vibraphone tune again", 32, 40, {4, 5}, "vibraphone tune"},
      {"flute outro", 40, 42, {0}}}},
    {"TOLVAR3.MID", 126,
     {{"glockenspiel call", 3, 4, {5, 10}},
      {"marimba tune", 4, 12, {0, 10}},
      {"marimba and glockenspiel tune", 12, 20, {0, 5, 10}, "marimba tune"},
      {"clarinet tune", 20, 28, {4, 8}},
      {"oboe tune", 28, 36, {4, 8}},
      {"clarinet tune raised", 36, 44, {4, 8}, "clarinet tune"},
      {"xylophone bridge", 44, 48, {6}},
      {"marimba tune again", 48, 56, {0, 5, 10}, "marimba tune"},
      {"marimba outro", 56, 58, {0, 5, 10}}}},
};

} // namespace assettest
