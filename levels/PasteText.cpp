#include "levels/PasteText.h"

#include <algorithm>

#include "levels/CollectionText.h"
#include "levels/LevelText.h"
#include "levels/Records.h"
#include "rules/Direction.h"

namespace tolvar {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool Alphanumeric(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

/// Binary data: a control character other than a tab or a line break.
bool Binary(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && !Blank(c)) || u == 0x7f;
    });
}

std::string WithoutBlanks(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (!Blank(c))
            kept += c;
    return kept;
}

/// `text` (letters, digits and blanks only) as moves, or why they are none.
PastedText ReadMoves(std::string_view text)
{
    PastedText read;
    std::size_t count = 0;
    for (char c : text) {
        if (Blank(c))
            continue;
        if (++count > MaxSolutionMoves)
            break;  // too many, whatever follows
        if (DirectionOfLetter(c) < 0) {
            read.problem = "the moves hold \"" + std::string(1, c) + "\" at move " + std::to_string(count) +
                           ", which is no move: a move is l, u, r or d, in either case";
            return read;
        }
    }
    if (count > MaxSolutionMoves) {
        read.problem = "the moves are too many to be a solution: more than " + std::to_string(MaxSolutionMoves);
        return read;
    }
    read.kind = PasteKind::Moves;
    read.moves = WithoutBlanks(text);
    return read;
}

/// The moves written on the lines after the rows of the last level, when they are moves only.
std::string MovesAfter(std::string_view text, const TextLevel& level)
{
    std::size_t at = 0;
    for (int line = 1; line < level.firstLine + level.height && at < text.size(); ++line)
        at = std::min(text.find('\n', at), text.size()) + 1;
    const std::string rest = at < text.size() ? WithoutBlanks(text.substr(at)) : std::string();
    const bool moves = !rest.empty() && rest.size() <= MaxSolutionMoves &&
                       std::all_of(rest.begin(), rest.end(), [](char c) { return DirectionOfLetter(c) >= 0; });
    return moves ? rest : std::string();
}

}  // namespace

PastedText ReadPaste(std::string_view text)
{
    PastedText read;
    if (text.size() > MaxCollectionBytes) {
        read.problem = "the text is too large: " + std::to_string(text.size() >> 20) + " MB, and at most " +
                       std::to_string(MaxCollectionBytes >> 20) + " MB of levels is read";
        return read;
    }
    if (Binary(text)) {
        read.problem = "the clipboard holds binary data, not a level or moves";
        return read;
    }
    // Looked at without a copy: most texts show at once that they are no moves.
    const auto solid = std::find_if(text.begin(), text.end(), [](char c) { return !Blank(c); });
    if (solid == text.end()) {
        read.problem = "the clipboard holds no text";
        return read;
    }
    if (std::all_of(solid, text.end(), [](char c) { return Blank(c) || Alphanumeric(c); }))
        return ReadMoves(text);
    const std::vector<TextLevel> levels = SplitCollection(text, nullptr, 2);
    if (levels.empty()) {
        read.problem = "the text is neither a level (rows of \"#\" walls, \"$\" boxes, \".\" goals and the man \"@\") "
                       "nor moves (l, u, r, d)";
        return read;
    }
    read.kind = PasteKind::Levels;
    if (levels.size() == 1)
        read.moves = MovesAfter(text, levels.front());
    return read;
}

}  // namespace tolvar
