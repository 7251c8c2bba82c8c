#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "Commands.h"
#include "LevelSetFile.h"
#include "levels/LevelText.h"

namespace tolvar::levels {

namespace {

/// Reads a collection in the text format into `levels`; says why not and returns the exit code when it cannot.
int ReadCollection(const std::string& path, std::vector<TextLevel>& levels) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Complain(ExitFileError, path + ": no such file");
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) return Complain(ExitFileError, path + ": cannot be read");
    levels = SplitCollection(text);
    if (levels.empty()) return Complain(ExitFileError, path + ": holds no level in the text format");
    return ExitOk;
}

/// Writes the imported levels as one level set, never an empty one nor one larger than the game counts.
int WriteSet(const std::string& target, const std::string& set, bool force) {
    std::string error;
    std::error_code ec;
    if (set.empty()) return Complain(ExitFailed, "no level could be imported; " + target + " not written");
    if (set.size() / CellCount > MaxLevels) return Complain(ExitFailed, "more levels than the game counts (32767)");
    if (!force && std::filesystem::exists(target, ec)) return Complain(ExitFileError, target + ": exists (use --force to replace it)");
    if (!WriteFileBytes(target, set, &error)) return Complain(ExitFileError, error);
    return ExitOk;
}

}  // namespace

int RunImport(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::Parse(args, {"--dir", "--first", "--set"}, {"--force"}, &error);
    if (!parsed) return Complain(ExitUsage, error);
    if (parsed->positional().size() != 1) return Complain(ExitUsage, "import takes one FILE");
    if (parsed->has("--set") && (parsed->has("--dir") || parsed->has("--first")))
        return Complain(ExitUsage, "--set writes one level set; it does not go with --dir or --first");
    long first = 1;
    if (parsed->has("--first")) {
        const auto n = ParseNumber(parsed->value("--first"), 0, 999999999);
        if (!n) return Complain(ExitUsage, "--first needs a whole number from 0");
        first = *n;
    }
    const std::string dir = parsed->value("--dir", ".");
    const bool force = parsed->has("--force");
    const std::string& path = parsed->positional().front();
    std::vector<TextLevel> levels;
    if (const int code = ReadCollection(path, levels); code != ExitOk) return code;
    std::error_code ec;
    if (!parsed->has("--set") && !std::filesystem::is_directory(dir, ec))
        return Complain(ExitFileError, dir + ": no such directory");

    int refused = 0;
    long next = first;
    std::string set;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const auto& source = levels[i];
        std::cout << "level " << i + 1 << " (line " << source.firstLine
                  << (source.title.empty() ? "" : ", " + source.title) << "): ";
        std::string note;
        const auto level = LevelFromRows(source.rows, &error, &note);
        if (!level) {
            ++refused;
            std::cout << "refused: " << error << "\n";
            continue;
        }
        if (!note.empty()) note = " (" + note + ")";
        if (parsed->has("--set")) {
            set += level->ToText();
            std::cout << "level " << set.size() / CellCount << " of the set" << note << "\n";
            continue;
        }
        const std::string name = "other." + std::to_string(next);
        const std::string target = (std::filesystem::path(dir) / name).string();
        if (!force && std::filesystem::exists(target, ec)) return Complain(ExitFileError, target + ": exists (use --force to replace it)");
        if (!WriteFileBytes(target, level->ToText(), &error)) return Complain(ExitFileError, error);
        std::cout << name << note << "\n";
        ++next;
    }
    if (parsed->has("--set"))
        if (const int code = WriteSet(parsed->value("--set"), set, force); code != ExitOk) return code;
    std::cout << levels.size() - static_cast<std::size_t>(refused) << " imported, " << refused << " refused\n";
    return refused == 0 ? ExitOk : ExitFailed;
}

int RunExport(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::Parse(args, {}, {}, &error);
    if (!parsed) return Complain(ExitUsage, error);
    const auto& pos = parsed->positional();
    if (pos.empty() || pos.size() > 2) return Complain(ExitUsage, "export takes FILE and an optional LEVEL");
    const auto file = ReadLevels(pos[0], &error);
    if (!file) return Complain(ExitFileError, error);
    std::size_t from = 1, to = file->levels.size();
    if (pos.size() == 2) {
        const auto n = ParseNumber(pos[1], 1, static_cast<long>(file->levels.size()));
        if (!n) return Complain(ExitUsage, "LEVEL must be a number from 1 to " + std::to_string(file->levels.size()));
        from = to = static_cast<std::size_t>(*n);
    }
    std::ostringstream out;
    for (std::size_t n = from; n <= to; ++n) {
        const auto& level = file->levels[n - 1].level;
        if (!level) return Complain(ExitFileError, pos[0] + ": level " + std::to_string(n) + ": " + file->levels[n - 1].problem);
        out << "; Level " << n << "\n";
        for (const auto& row : LevelToRows(*level)) out << row << "\n";
        out << "\n";
    }
    std::cout << out.str();
    return ExitOk;
}

}  // namespace tolvar::levels
