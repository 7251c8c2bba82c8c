#pragma once
// What a text pasted from the clipboard is: moves in the common notation (l u r d in either
// case, spaces and line breaks anywhere), or a level or a whole collection in the common text
// format, or neither, with the reason in a sentence the player reads.
#include <string>
#include <string_view>

namespace tolvar {

enum class PasteKind { Moves, Levels, Refused };

struct PastedText {
    PasteKind kind = PasteKind::Refused;
    /// Moves: the moves, without spaces. Levels: the moves written after a single level (as
    /// "Copy Level" writes its best solution), or empty.
    std::string moves;
    std::string problem;  // Refused: why, without a full stop
};

/// Decides what `text` is. Refused: an empty text, one larger than a collection file may be,
/// binary data, a run of letters with one that is no move (which and where), moves too many to
/// be a solution, and a text that holds neither a level nor moves.
PastedText ReadPaste(std::string_view text);

}  // namespace tolvar
