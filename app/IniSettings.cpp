#include "app/IniSettings.h"
#include "levels/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace tolvar {

namespace {

// Some editors begin a UTF-8 file with this mark; it belongs to no line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view MarkOf(std::string_view text)
{
    return text.starts_with(ByteOrderMark) ? ByteOrderMark : std::string_view();
}

// The lines are read as views into the text: a settings file is read on every lookup, and
// copying each line and each part of it would cost more than the lookup itself.
std::string_view Trim(std::string_view s)
{
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!s.empty() && space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && space(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

/// The text after a byte-order mark, if it has one.
std::string_view Body(std::string_view text)
{
    return text.substr(MarkOf(text).size());
}

/// The first line of `rest` (without its newline), taken off it.
std::string_view NextLine(std::string_view& rest)
{
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return line;
}

/// The lines of the text, a byte-order mark before the first left out.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::string_view rest = Body(text);
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 3);
    while (!rest.empty())
        lines.push_back(NextLine(rest));
    return lines;
}

std::string JoinLines(std::string_view mark, const std::vector<std::string_view>& lines)
{
    std::size_t size = mark.size();
    for (std::string_view line : lines)
        size += line.size() + 1;
    std::string text;
    text.reserve(size);
    text += mark;
    for (std::string_view line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

/// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    const std::string_view t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

/// The key of a "key=value" line; nothing for comments and other lines.
std::optional<std::string_view> KeyOf(std::string_view line)
{
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return std::nullopt;
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Trim(t.substr(0, eq));
}

}  // namespace

namespace ini {

std::optional<std::string> Find(const std::string& text, const std::string& section, const std::string& key)
{
    bool inSection = false;
    for (std::string_view rest = Body(text); !rest.empty();) {
        const std::string_view line = NextLine(rest);
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        auto lineKey = KeyOf(line);
        if (lineKey && SameName(*lineKey, key))
            return std::string(Trim(line.substr(line.find('=') + 1)));
    }
    return std::nullopt;
}

std::string Replace(const std::string& text, const std::string& section, const std::string& key, const std::string& value)
{
    std::vector<std::string_view> lines = SplitLines(text);
    const std::string entry = key + "=" + value;
    const std::string entryCrlf = entry + "\r";
    const std::string header = "[" + section + "]";
    // Only the first section of the name counts, as for reading.
    std::optional<std::size_t> sectionEnd;  // its last line that is not blank
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionOf(lines[i])) {
            if (inSection)
                break;
            if (SameName(*name, section)) {
                inSection = true;
                sectionEnd = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        auto lineKey = KeyOf(lines[i]);
        if (lineKey && SameName(*lineKey, key)) {
            const bool crlf = !lines[i].empty() && lines[i].back() == '\r';
            lines[i] = crlf ? entryCrlf : entry;
            return JoinLines(MarkOf(text), lines);
        }
        if (!Trim(lines[i]).empty())
            sectionEnd = i;
    }
    if (sectionEnd) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd) + 1, entry);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back(header);
        lines.push_back(entry);
    }
    return JoinLines(MarkOf(text), lines);
}

}  // namespace ini

QString IniSettings::DefaultPath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tolvar/tolvar.ini");
}

std::optional<std::string> IniSettings::Value(const std::string& key)
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ini::Find(file.readAll().toStdString(), section_, key);
}

bool IniSettings::SetValue(const std::string& key, const std::string& value)
{
    std::string text;
    QFile current(path_);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly))
            return false;  // never overwrite a file we could not read
        text = current.readAll().toStdString();
        current.close();
    }
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    // Written beside the old file and renamed over it: a reader sees the old or the new file, never half of one.
    return WriteFileAtomically(QFile::encodeName(path_).toStdString(), ini::Replace(text, section_, key, value));
}

}  // namespace tolvar
