// The notes a MIDI file plays, by instrument: what the SoundFont is cut down to.
#include <gtest/gtest.h>

#include "AudioTestFiles.h"
#include "audio/MidiNotes.h"

namespace tolvar::audio {
namespace {

TEST(MidiNotes, areListedByTheInstrumentThatPlaysThemAndABrokenFileAddsNone)
{
    NotesPlayed notes;
    ASSERT_TRUE(AddNotesPlayed(test::ShortMidi(4), notes));
    const NotesPlayed organ{{{0, 16}, {{60, 100}, {64, 100}, {67, 100}, {72, 100}}}};
    EXPECT_EQ(notes, organ);

    // A drum on channel 10, then the organ's notes again with running status.
    std::string file = test::ShortMidi(1);
    const std::string drums("\x00\x99\x24\x50\x00\x25\x51", 7);
    file.insert(file.size() - 4, drums);
    file[21] = static_cast<char>(file[21] + static_cast<char>(drums.size()));  // the track's length
    ASSERT_TRUE(AddNotesPlayed(file, notes));
    EXPECT_EQ(notes.at({128, 0}), (std::set<KeyVelocity>{{36, 80}, {37, 81}}));

    NotesPlayed none;
    EXPECT_FALSE(AddNotesPlayed(test::ShortMidi(4).substr(0, 30), none));
    EXPECT_FALSE(AddNotesPlayed("RIFF", none));
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace tolvar::audio
