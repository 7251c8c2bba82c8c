#include "audio/MciCommand.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace tolvar::audio {

namespace {

std::string Upper(std::string_view word)
{
    std::string result(word);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool IsKeyword(std::string_view word, std::string_view keyword)
{
    return Upper(word) == keyword;
}

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

/// Splits the line into words; a word in double quotes may hold blanks (a file
/// name such as "my music.mid"). Returns nothing for an unclosed quote.
std::optional<std::vector<std::string>> SplitWords(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            words.emplace_back(text.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i]) && text[i] != '"')
            ++i;
        words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<std::int64_t> ReadPosition(std::string_view word)
{
    std::int64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || value < 0)
        return std::nullopt;
    return value;
}

MciError ParseOpen(const std::vector<std::string>& words, MciCommand& command)
{
    if (words.size() < 2 || words[1].empty())
        return MciError::BadSyntax;
    command.fileName = words[1];
    command.alias = words[1];
    bool typeSeen = false;
    bool aliasSeen = false;
    for (std::size_t i = 2; i < words.size(); i += 2) {
        if (i + 1 >= words.size() || words[i + 1].empty())
            return MciError::BadSyntax;
        if (IsKeyword(words[i], "TYPE") && !typeSeen) {
            typeSeen = true;
            command.deviceType = words[i + 1];
        } else if (IsKeyword(words[i], "ALIAS") && !aliasSeen) {
            aliasSeen = true;
            command.alias = words[i + 1];
        } else {
            return MciError::BadSyntax;
        }
    }
    return MciError::None;
}

MciError ParsePlay(const std::vector<std::string>& words, MciCommand& command)
{
    if (words.size() == 2)
        return MciError::None;
    if (words.size() != 4 || !IsKeyword(words[2], "FROM"))
        return MciError::BadSyntax;
    command.from = ReadPosition(words[3]);
    return command.from ? MciError::None : MciError::BadSyntax;
}

}  // namespace

std::string AliasKey(std::string_view alias)
{
    return Upper(alias);
}

MciError ParseMciCommand(std::string_view text, MciCommand& out)
{
    const auto words = SplitWords(text);
    if (!words)
        return MciError::BadSyntax;
    if (words->empty())
        return MciError::UnknownCommand;

    MciCommand command;
    const std::string verb = Upper(words->front());
    if (verb == "OPEN")
        command.verb = MciVerb::Open;
    else if (verb == "PLAY")
        command.verb = MciVerb::Play;
    else if (verb == "STOP")
        command.verb = MciVerb::Stop;
    else if (verb == "STATUS")
        command.verb = MciVerb::Status;
    else if (verb == "CLOSE")
        command.verb = MciVerb::Close;
    else
        return MciError::UnknownCommand;

    MciError result = MciError::None;
    if (command.verb == MciVerb::Open) {
        result = ParseOpen(*words, command);
    } else {
        // Every other command names its device second.
        if (words->size() < 2 || (*words)[1].empty())
            return MciError::BadSyntax;
        command.alias = (*words)[1];
        switch (command.verb) {
        case MciVerb::Play:
            result = ParsePlay(*words, command);
            break;
        case MciVerb::Status:
            if (words->size() != 3)
                return MciError::BadSyntax;
            command.statusItem = Upper((*words)[2]);
            break;
        case MciVerb::Close:
            command.allDevices = IsKeyword(command.alias, "ALL");
            [[fallthrough]];
        default:
            if (words->size() != 2)
                return MciError::BadSyntax;
            break;
        }
    }
    if (result == MciError::None)
        out = std::move(command);
    return result;
}

}  // namespace tolvar::audio
