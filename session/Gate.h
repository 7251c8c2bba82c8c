#pragma once
// The one way in for every command: a menu item, a shortcut, a key, a click on the board, a
// button of the edit bar, "&Trace", a dropped file, the solver's answer. Whatever still runs
// from an earlier command (a walk being shown, a search) is finished or stopped first, and a
// command meant for a level that has since been replaced is dropped.
#include <cstdint>
#include <functional>
#include <vector>

#include "session/PlaySession.h"

namespace tolvar {

class Gate {
public:
    /// What a command is meant for: the level in play when it was given, or any level at all
    /// (the music, the help, choosing another level).
    struct Aim {
        std::uint64_t level = 0;
        bool anyLevel = false;
    };

    explicit Gate(const PlaySession& session) : session_(session) {}

    /// `finish` runs before every command: it finishes or stops what runs across commands.
    void AddRunning(std::function<void()> finish) { running_.push_back(std::move(finish)); }

    /// A command meant for the level in play now.
    Aim Here() const { return {session_.level(), false}; }
    static Aim Anywhere() { return {0, true}; }

    /// Finishes what runs, then runs `command` if what it is meant for is still there; false
    /// when it was dropped.
    bool Run(Aim aim, const std::function<void()>& command);
    /// A worker's answer: it ends what ran, so nothing is finished first; dropped when the level
    /// it was asked for has been replaced since.
    bool Answer(Aim aim, const std::function<void()>& command);

private:
    bool StillThere(Aim aim) const { return aim.anyLevel || aim.level == session_.level(); }

    const PlaySession& session_;
    std::vector<std::function<void()>> running_;
};

}  // namespace tolvar
