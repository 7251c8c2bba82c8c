#include "levels/CollectionImport.h"

#include <filesystem>
#include <string_view>
#include <unistd.h>

#include "levels/AtomicFile.h"
#include "levels/CollectionText.h"
#include "levels/LevelNames.h"
#include "levels/LevelText.h"

namespace tolvar {

namespace {

namespace fs = std::filesystem;

// The name a level is written under before it takes its number N, followed by "<process>.N": two
// programs importing at once never write the same file.
constexpr std::string_view ImportTemporary = ".other.import.";

/// Removes what imports killed part-way left behind in `dir`, once it is stale.
void SweepLeftovers(const fs::path& dir)
{
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with(ImportTemporary))
            RemoveWhenStale(it->path());
}

bool Taken(const fs::path& dir, int number)
{
    std::error_code ec;
    const std::string n = std::to_string(number);
    return fs::exists(dir / LevelFileName(KindOther, n), ec) || fs::exists(dir / SolutionFileName(KindOther, n), ec) ||
           fs::is_symlink(dir / LevelFileName(KindOther, n), ec);
}

/// Puts `bytes` at dir/other.N for the first free N from *next on; never over an existing file,
/// even one that appears meanwhile. Returns N, 0 when no number is left, -1 when it cannot write.
int WriteNextFree(const fs::path& dir, const std::string& bytes, int* next)
{
    for (; *next <= LastOtherNumber; ++*next) {
        if (Taken(dir, *next))
            continue;
        const fs::path target = dir / LevelFileName(KindOther, std::to_string(*next));
        const fs::path temporary = dir / (std::string(ImportTemporary) + std::to_string(::getpid()) + "." + std::to_string(*next));
        if (!WriteFileAtomically(temporary.string(), bytes))
            return -1;
        std::error_code ec, ignored;
        fs::create_hard_link(temporary, target, ec);  // fails rather than replace
        if (ec && ec != std::errc::file_exists && !fs::exists(target, ignored))
            fs::rename(temporary, target, ec);  // a file system without hard links
        fs::remove(temporary, ignored);
        if (ec == std::errc::file_exists)
            continue;  // taken meanwhile: try the next number
        if (ec)
            return -1;
        return (*next)++;
    }
    return 0;
}

std::string LevelName(std::size_t index, const TextLevel& level)
{
    return "level " + std::to_string(index + 1) + " (line " + std::to_string(level.firstLine) +
           (level.title.empty() ? "" : ", " + level.title) + ")";
}

/// Adds the first lines of a list, one sentence each, and how many more there are.
void AppendLines(std::string& text, const std::vector<std::string>& lines)
{
    constexpr std::size_t Shown = 10;
    for (std::size_t i = 0; i < lines.size() && i < Shown; ++i) text += "\n" + lines[i] + ".";
    if (lines.size() > Shown) text += "\n... and " + std::to_string(lines.size() - Shown) + " more.";
}

}  // namespace

bool IsCollectionFileName(const std::string& name)
{
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const std::string suffix : CollectionSuffixes)
        if (lower.size() > suffix.size() && lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
            return true;
    return false;
}

CollectionImport ImportCollectionText(const std::string& text, const std::string& gameDir)
{
    CollectionImport result;
    const auto levels = SplitCollection(text);
    if (levels.empty()) {
        result.problem = "The file holds no level in the text format.";
        return result;
    }
    SweepLeftovers(gameDir);
    int next = 1;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        std::string error, note;
        const auto level = LevelFromRows(levels[i].rows, &error, &note);
        if (!level) {
            result.refusals.push_back(LevelName(i, levels[i]) + ": " + error);
            continue;
        }
        const int number = WriteNextFree(gameDir, level->ToText(), &next);
        if (number < 0) {
            result.problem = "The level files cannot be written in " + gameDir + ".";
            return result;
        }
        if (number == 0) {
            result.refusals.push_back(LevelName(i, levels[i]) + ": no free number up to " +
                                      std::to_string(LastOtherNumber) + " is left");
            continue;
        }
        result.numbers.push_back(number);
        if (!note.empty())
            result.notes.push_back(LevelName(i, levels[i]) + ", other." + std::to_string(number) + ": " + note);
    }
    return result;
}

CollectionImport ImportCollectionFile(const std::string& path, const std::string& gameDir)
{
    CollectionImport result;
    const auto text = ReadCollectionBytes(path, &result.problem);
    if (!text) {
        result.problem += ".";
        return result;
    }
    return ImportCollectionText(*text, gameDir);
}

std::string DescribeImport(const CollectionImport& result)
{
    const std::size_t count = result.numbers.size();
    // A failure part-way still names the levels written before it.
    if (!result.problem.empty() && count == 0)
        return result.problem;
    std::string text = !result.problem.empty() ? result.problem + "\nWritten before it: "
                       : count == 0            ? std::string("No level was imported.")
                                               : std::string();
    if (count > 0)
        text += std::to_string(count) + (count == 1 ? " level" : " levels") + " imported as other.";
    // Runs of numbers are written "3-7".
    for (std::size_t i = 0; i < count;) {
        std::size_t j = i;
        while (j + 1 < count && result.numbers[j + 1] == result.numbers[j] + 1) ++j;
        text += (i == 0 ? "" : ", ") + std::to_string(result.numbers[i]) +
                (j > i ? "-" + std::to_string(result.numbers[j]) : "");
        i = j + 1;
    }
    if (count > 0) text += ".";
    AppendLines(text, result.notes);
    if (!result.refusals.empty())
        text += "\n" + std::to_string(result.refusals.size()) + " refused:";
    AppendLines(text, result.refusals);
    return text;
}

}  // namespace tolvar
