#pragma once
// The music command strings the game sends to its MIDI sequencer, taken apart
// into words. Reading them is kept apart from playing them so the grammar can
// be checked without a synthesiser.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvar::audio {

/// Answers of the sequencer: 0 is success, anything else a failure. The numbers
/// are our own; the game only ever tells 0 from the rest.
enum class MciError : int {
    None = 0,
    UnknownCommand = 1,  // the first word is no command we know, or the line is empty
    BadSyntax = 2,       // a word is missing, repeated or unexpected
    UnknownAlias = 3,    // nothing is open under that name (a failed OPEN included)
    FileNotFound = 4,    // OPEN: the file is missing or cannot be read
    NotMidi = 5,         // OPEN: the file is no standard MIDI file
    AliasInUse = 6,      // OPEN: another piece is open under that name
    Unsupported = 7,     // a well-formed request this sequencer does not offer
    AnswerTooLong = 8,   // the answer does not fit in the caller's length
    NoSynthesiser = 9,   // the synthesiser could not be made
};

enum class MciVerb { Open, Play, Stop, Status, Close };

/// One command line, its keywords recognised without regard to case.
struct MciCommand {
    MciVerb verb = MciVerb::Stop;
    /// The device name the command is for; OPEN without ALIAS names the piece by its file.
    std::string alias;
    /// OPEN: the file as written (quotes removed), relative to the current directory.
    std::string fileName;
    /// OPEN: the TYPE word as written, empty when none was given.
    std::string deviceType;
    /// PLAY: the FROM position, when given.
    std::optional<std::int64_t> from;
    /// STATUS: the item asked for, upper-cased ("MODE").
    std::string statusItem;
    /// CLOSE ALL.
    bool allDevices = false;
};

/// Reads one command line. On success fills `out` and returns MciError::None;
/// otherwise returns UnknownCommand or BadSyntax and leaves `out` alone.
MciError ParseMciCommand(std::string_view text, MciCommand& out);

/// The key an alias is filed under: aliases match without regard to case.
std::string AliasKey(std::string_view alias);

}  // namespace tolvar::audio
