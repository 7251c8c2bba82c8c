#pragma once
// Where a player's game directory is: the game runs in it (the launcher starts it there), and the
// level tool finds it here. The launcher, a shell script, writes the same rule out once more.
#include <optional>
#include <string>

namespace tolvar {

/// $XDG_DATA_HOME/tolvar when XDG_DATA_HOME is an absolute path, else $HOME/.local/share/tolvar;
/// nothing, with the reason in *error, when neither is set.
std::optional<std::string> PlayerGameDirectory(std::string* error);

}  // namespace tolvar
