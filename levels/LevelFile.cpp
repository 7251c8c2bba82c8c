#include "levels/LevelFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "rules/Grid.h"

namespace tolvar {

LevelFileRead ReadLevelBytes(const std::string& path)
{
    LevelFileRead result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        result.status = LevelFileStatus::Missing;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.status = LevelFileStatus::Unreadable;
        return result;
    }
    result.cells.assign(CellCount, '0');
    in.read(result.cells.data(), CellCount);
    if (in.bad()) {
        result.status = LevelFileStatus::Unreadable;
        return result;
    }
    const auto men = std::count(result.cells.begin(), result.cells.end(), '6');
    result.status = men == 1 ? LevelFileStatus::Ok : men == 0 ? LevelFileStatus::NoMan : LevelFileStatus::SeveralMen;
    return result;
}

std::string LevelFileProblem(LevelFileStatus status, const std::string& name)
{
    switch (status) {
    case LevelFileStatus::Unreadable:
        return "The file \"" + name + "\" cannot be read.";
    case LevelFileStatus::NoMan:
        return "The level in \"" + name + "\" has no starting position for the man. It cannot be loaded.";
    case LevelFileStatus::SeveralMen:
        return "The level in \"" + name + "\" has more than one starting position for the man. It cannot be loaded.";
    default:
        return "The file \"" + name + "\" was not found.";
    }
}

}  // namespace tolvar
