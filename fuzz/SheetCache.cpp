// The picture sheets depend on no input: each fuzz process decodes them once, from the
// first directory asked for, and hands every later game a shared copy.
#include <map>

#include "view/Sheets.h"

namespace tolvar {

// The game's own loader, compiled under this name for the fuzz targets.
bool LoadSheetsFromFiles(const std::string& dir, Sheets& sheets, std::string& error);

bool LoadSheets(const std::string& dir, Sheets& sheets, std::string& error)
{
    static std::map<std::string, Sheets> loaded;
    if (const auto found = loaded.find(dir); found != loaded.end()) {
        sheets = found->second;
        return true;
    }
    if (!LoadSheetsFromFiles(dir, sheets, error))
        return false;
    loaded.emplace(dir, sheets);
    return true;
}

}  // namespace tolvar
