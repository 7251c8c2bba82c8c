#include "LevelSetFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "levels/LevelText.h"

namespace tolvar::levels {

namespace {

/// The bytes of FILE, or nothing with the reason when it cannot be read or is too large for a level set.
std::optional<std::string> ReadBytes(const std::string& path, std::string* error) {
    auto fail = [&](std::string why) -> std::optional<std::string> {
        if (error) *error = path + ": " + why;
        return std::nullopt;
    };
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return fail("no such file");
    if (std::filesystem::is_directory(path, ec)) return fail("is a directory, not a level file");
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return fail("cannot read its size (" + ec.message() + ")");
    if (size > MaxFileBytes)
        return fail("too big for a level set (" + std::to_string(size) + " bytes; at most " + std::to_string(MaxLevels) +
                    " levels of 280 bytes)");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("cannot be opened for reading");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return fail("read error");
    return bytes;
}

/// The 280-byte records of a level set or level file.
struct Records {
    std::vector<std::string> records;
    std::size_t strayBytes = 0;
};

std::optional<Records> ReadRecords(const std::string& path, const std::string& bytes, std::string* error) {
    auto fail = [&](std::string why) -> std::optional<Records> {
        if (error) *error = path + ": " + why;
        return std::nullopt;
    };
    if (bytes.size() < static_cast<std::size_t>(CellCount))
        return fail("truncated: " + std::to_string(bytes.size()) + " bytes, a level needs 280");
    Records file;
    const std::size_t count = bytes.size() / CellCount;
    if (count > MaxLevels) return fail("holds " + std::to_string(count) + " levels, the game counts at most 32767");
    for (std::size_t i = 0; i < count; ++i) file.records.push_back(bytes.substr(i * CellCount, CellCount));
    file.strayBytes = bytes.size() % CellCount;
    return file;
}

}  // namespace

std::optional<LevelsFile> ReadLevels(const std::string& path, std::string* error) {
    const auto bytes = ReadBytes(path, error);
    if (!bytes) return std::nullopt;
    LevelsFile file;
    // Level records hold digits only; a text level needs a wall.
    const auto text = bytes->find('#') == std::string::npos ? std::vector<TextLevel>{} : SplitCollection(*bytes);
    for (const TextLevel& source : text) {
        ReadLevelEntry& entry = file.levels.emplace_back();
        entry.level = ReadLevel(source.rows, &entry.problem);
    }
    if (!text.empty()) return file;
    const auto records = ReadRecords(path, *bytes, error);
    if (!records) return std::nullopt;
    for (const std::string& record : records->records) {
        ReadLevelEntry& entry = file.levels.emplace_back();
        entry.level = Level::FromText(record, &entry.problem);
    }
    file.strayBytes = records->strayBytes;
    return file;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
    // Written beside the target first, so a failed write never leaves half a file behind.
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            if (error) *error = path + ": cannot be opened for writing";
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            if (error) *error = path + ": write failed";
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        if (error) *error = path + ": cannot be written (" + ec.message() + ")";
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace tolvar::levels
