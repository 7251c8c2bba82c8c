#pragma once
// The notes a standard MIDI file plays, by the instrument that plays them: what a
// synthesiser needs of its SoundFont for the piece.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace tolvar::audio {

/// The game's pieces are a few kilobytes; a MIDI file this large is not one of them.
constexpr std::uintmax_t kMaxMidiBytes = 4u << 20;

/// A General MIDI instrument: its bank (128 for the drum kits of channel 10) and program.
using Instrument = std::pair<int, int>;
/// A note as the synthesiser chooses its samples: key and velocity.
using KeyVelocity = std::pair<int, int>;
using NotesPlayed = std::map<Instrument, std::set<KeyVelocity>>;

/// Adds the notes of the MIDI file `data` to `notes`; false (nothing added) when it is not a
/// MIDI file that can be read to its end: a header of six bytes, then as many track chunks as
/// it names, each read to its end.
bool AddNotesPlayed(const std::string& data, NotesPlayed& notes);

}  // namespace tolvar::audio
