#include "app/IniSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace tolvar {

namespace {

// Some editors begin a UTF-8 file with this mark; it belongs to no line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view MarkOf(const std::string& text)
{
    return text.starts_with(ByteOrderMark) ? ByteOrderMark : std::string_view();
}

std::string Trim(const std::string& s)
{
    const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    auto begin = std::find_if(s.begin(), s.end(), notSpace);
    auto end = std::find_if(s.rbegin(), s.rend(), notSpace).base();
    return begin < end ? std::string(begin, end) : std::string();
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

/// The lines of the text, a byte-order mark before the first left out.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = MarkOf(text).size();
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(std::string_view mark, const std::vector<std::string>& lines)
{
    std::string text(mark);
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

/// The section name of a "[name]" line.
std::optional<std::string> SectionOf(const std::string& line)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

/// The key of a "key=value" line; nothing for comments and other lines.
std::optional<std::string> KeyOf(const std::string& line)
{
    const std::string t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return std::nullopt;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(0, eq));
}

}  // namespace

namespace ini {

std::optional<std::string> Find(const std::string& text, const std::string& section, const std::string& key)
{
    bool inSection = false;
    for (const std::string& line : SplitLines(text)) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        auto lineKey = KeyOf(line);
        if (lineKey && SameName(*lineKey, key))
            return Trim(line.substr(line.find('=') + 1));
    }
    return std::nullopt;
}

std::string Replace(const std::string& text, const std::string& section, const std::string& key, const std::string& value)
{
    std::vector<std::string> lines = SplitLines(text);
    const std::string entry = key + "=" + value;
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
            lines[i] = entry + (crlf ? "\r" : "");
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
        lines.push_back("[" + section + "]");
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
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string updated = ini::Replace(text, section_, key, value);
    if (file.write(updated.data(), static_cast<qint64>(updated.size())) != static_cast<qint64>(updated.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tolvar
