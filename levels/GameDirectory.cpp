#include "levels/GameDirectory.h"

#include <cstdlib>

namespace tolvar {

std::optional<std::string> PlayerGameDirectory(std::string* error)
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::string(dataHome) + "/tolvar";
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::string(home) + "/.local/share/tolvar";
    if (error)
        *error = "neither XDG_DATA_HOME nor HOME is set, so there is no game directory";
    return std::nullopt;
}

}  // namespace tolvar
