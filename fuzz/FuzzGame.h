#pragma once
// What the fuzz targets share: one game directory per process holding synthetic picture
// sheets, a game on the recording fakes started in it, and the rules a board must keep
// whatever the files said.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "fakes/TestGame.h"

namespace tolvar::fuzzing {

/// Stops the run as a crash, naming the rule, when the game broke one.
inline void Require(bool condition, const char* rule)
{
    if (!condition) {
        std::fprintf(stderr, "\nBROKEN RULE: %s\n", rule);
        std::abort();
    }
}

/// The game directory of this process, in memory (/dev/shm) where the machine has it, so
/// that the files an input writes never reach a disk. Each input starts from the sheets alone.
class GameDirectory {
public:
    static GameDirectory& Get()
    {
        static GameDirectory directory;
        return directory;
    }
    const std::string& Path() const { return path_; }
    /// Removes every file an earlier input or game left behind.
    void Clear()
    {
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            if (sheets_.count(entry.path().filename().string()) != 0)
                continue;
            std::error_code notAFile;  // files are unlinked at once; a folder a game made goes as a whole
            if (!std::filesystem::remove(entry.path(), notAFile))
                std::filesystem::remove_all(entry.path());
        }
    }
    void Write(const std::string& name, const std::string& bytes) const { testing::WriteFile(path_ + "/" + name, bytes); }
    ~GameDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    GameDirectory()
    {
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base = std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
        path_ = (base / ("tolvar-fuzz-" + std::to_string(::getpid()))).string();
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        testing::WriteSheets(path_);
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            sheets_.insert(entry.path().filename().string());
    }
    std::string path_;
    std::set<std::string> sheets_;
};

/// A level every target can fall back on: one box next to its goal, the man beside it.
inline std::string PlainLevel()
{
    return testing::Level({
        "11111",
        "12221",
        "13462",
        "12221",
        "11111",
    });
}

inline std::string AsText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

/// A game on fakes, started (or not) in the process's game directory.
struct FuzzGame {
    fakes::FakeDesktop desktop;
    std::unique_ptr<Game> game;

    /// The window is smaller than the board unless a target says otherwise: every transfer
    /// is then clipped, and a move draws a tenth of the full window's pixels, in memory
    /// that the allocator keeps rather than maps anew for every game.
    static constexpr int SmallWidth = 192, SmallHeight = 160;
    FuzzGame()
    {
        ShrinkWindow(desktop);
        game = std::make_unique<Game>(desktop.services());
    }
    Game* operator->() { return game.get(); }

    bool Start()
    {
        const bool started = game->Form_Load(GameDirectory::Get().Path());
        game->SeedRandom(1);
        return started;
    }

    /// Presses arrow keys on the main window, one per character of a move history.
    void Press(const std::string& moves)
    {
        for (char c : moves) {
            game->Form_KeyDown(tolvar::testing::TestGame::KeyOfMove(c), 0);
            CheckBoard();
        }
    }

    /// The rules of a board in play: only the codes 0..5, the man on floor or a goal,
    /// as many boxes as when the level was put on the board.
    void CheckBoard()
    {
        const Game& g = *game;
        const bool inPlay = g.GameMode == ModePlaySet || g.GameMode == ModePlayOther || g.GameMode == ModeTracing ||
                            g.GameMode == ModeTestPlay;
        const Context now{g.GameMode, g.LevelKind, g.LevelNo, g.OtherLevelNumber};
        if (!inPlay) {
            context_.reset();
            return;
        }
        const Census census = Count(g.Board());
        Require(census.codesValid, "a board in play holds only the codes 0 to 5");
        Require(g.StepCount() >= 0 && g.StepCount() <= 9999, "the step count stays within 0..9999");
        const std::int16_t under = g.CellAtWindow(g.ManX(), g.ManY());
        Require(under == Floor || under == Goal, "the man stands on floor or a goal");
        if (!context_ || !(*context_ == now)) {
            context_ = now;
            boxes_ = census.boxes;
            return;
        }
        Require(census.boxes == boxes_, "pushing and undoing never make or lose a box");
    }

private:
    struct Census {
        bool codesValid = true;
        int boxes = 0;
    };
    /// One pass over the board after every step. It reads only the game's own fixed array,
    /// which cannot be overrun: left unchecked by the sanitizers, it costs a tenth as much.
    __attribute__((no_sanitize("address", "undefined"))) static Census Count(const Grid& board)
    {
        int invalid = 0, boxes = 0;  // summed without branches, so that the loop is vectorised
        for (std::int16_t code : board.cells) {
            invalid += static_cast<int>(code < Outside) + static_cast<int>(code > BoxOnGoal);
            boxes += static_cast<int>(code == Box) + static_cast<int>(code == BoxOnGoal);
        }
        return Census{invalid == 0, boxes};
    }
    static void ShrinkWindow(fakes::FakeDesktop& d)
    {
        d.window.width = SmallWidth;
        d.window.height = SmallHeight;
    }
    struct Context {
        std::int16_t mode, kind;
        std::int32_t levelNo;
        std::string other;
        bool operator==(const Context&) const = default;
    };
    std::optional<Context> context_;
    int boxes_ = 0;
};

/// The first 280 bytes of a level file as the game reads them: short files padded with "0".
inline std::string Record(const std::string& bytes)
{
    std::string record = bytes.substr(0, CellCount);
    record.resize(CellCount, '0');
    return record;
}

}  // namespace tolvar::fuzzing
