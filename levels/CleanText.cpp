#include "levels/CleanText.h"

namespace tolvar {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view Ellipsis = "...";

/// The length of the valid UTF-8 character at the start of `text`, or 0 when none starts there.
std::size_t CharacterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80)
        return 1;
    const std::size_t length = first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
                               : first >= 0xF0 && first <= 0xF4                                  ? 4
                                                                                                  : 0;
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // No overlong form, no surrogate, nothing beyond U+10FFFF.
    const unsigned char second = byte(1);
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second > 0x9F) || (first == 0xF0 && second < 0x90) ||
        (first == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace

std::string CleanText(std::string_view text)
{
    std::string clean;
    std::size_t cut = 0;  // where a text too long is cut: after the last character that fits before "..."
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text.substr(i));
        const bool blank = text[i] == ' ' || (length == 1 && (static_cast<unsigned char>(text[i]) < 0x20 || text[i] == 0x7F));
        if (blank && !clean.empty())
            clean += ' ';
        else if (!blank)
            clean += length == 0 ? Replacement : text.substr(i, length);
        i += length == 0 ? 1 : length;
        if (clean.size() <= MaxCleanTextBytes - Ellipsis.size())
            cut = clean.size();
    }
    const auto withoutTrailingBlanks = [](std::string s) {
        s.erase(s.find_last_not_of(' ') + 1);
        return s;
    };
    clean = withoutTrailingBlanks(std::move(clean));
    if (clean.size() <= MaxCleanTextBytes)
        return clean;
    return withoutTrailingBlanks(clean.substr(0, cut)) + std::string(Ellipsis);
}

}  // namespace tolvar
