#pragma once
// A solution file never holds moves that do not solve its level as stored. Test play writes
// the solution of the drawing under test; the file it replaces is kept here, as it was, until
// the drawing is saved or thrown away.
#include <optional>
#include <string>

namespace tolvar {

/// Plays `moves` from the start of the level text `levelCells` as a replay of them would (a
/// blocked move or another character does nothing) and says whether the level is won on the way.
bool SolvesLevel(const std::string& levelCells, const std::string& moves);

class KeptSolution {
public:
    /// Test play is about to write the solution file `path`: what it holds now (or that there
    /// is none) is kept, the first time in an edit.
    void Keep(const std::string& path);
    /// The drawing was saved as `levelCells`, whose solution file is `path`. The file stays
    /// when it solves the level; otherwise the one kept comes back when that one does, or the
    /// file goes.
    void Saved(const std::string& path, const std::string& levelCells);
    /// The drawing was thrown away; `storedLevel` is the level the file kept belongs to as it
    /// is stored (nothing when it has no level file). The file test play wrote stays when it
    /// solves that level, and otherwise returns to what it was (or goes, if there was none).
    void Discarded(const std::optional<std::string>& storedLevel);
    /// Test play wrote a solution file in this edit.
    bool Holds() const { return path_.has_value(); }

private:
    std::optional<std::string> path_;    // the file test play wrote in this edit
    std::optional<std::string> before_;  // what it held before; nothing when there was no file
};

}  // namespace tolvar
