// The level set: the input is the whole "tolvar.box". Start-up opens and counts it, then
// each level (the first four) is shown, walked, pushed and undone on, and a level is
// chosen by typed number as the player would.
#include <algorithm>

#include "FuzzGame.h"

using namespace tolvar;
using fuzzing::Require;

namespace {
// Every direction twice, so pushes happen where the level allows them.
constexpr const char* Walk = "7788990077";
// Mostly a window smaller than the board, which is cheap to draw; one input in sixteen
// each the designed window and a larger one.
constexpr int WindowSizes[][2] = {{640, 442}, {1024, 700}};
constexpr std::size_t WindowChoices = 16;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::GameDirectory& directory = fuzzing::GameDirectory::Get();
    directory.Clear();
    const std::string set = fuzzing::AsText(data, size);
    directory.Write(LevelSetName, set);

    fuzzing::FuzzGame g;
    if (size % WindowChoices < std::size(WindowSizes)) {
        g.desktop.window.width = WindowSizes[size % WindowChoices][0];
        g.desktop.window.height = WindowSizes[size % WindowChoices][1];
    }
    g.desktop.settings.values["Level"] = std::to_string(size % 5);  // 0 is below any level
    const bool started = g.Start();
    Require(started == (size >= static_cast<std::size_t>(CellCount)), "start-up refuses only a set without a whole level");
    if (!started)
        return 0;
    Require(g->NumLevels == static_cast<std::int16_t>(std::min<std::size_t>(size / CellCount, 32767)),
            "the set holds its length divided by 280 levels");
    Require(g->LevelNo >= 1 && g->LevelNo <= g->NumLevels, "start-up begins on a level of the set");
    g.CheckBoard();

    const int levels = std::min<int>(g->NumLevels, 4);
    for (int n = 1; n <= levels; ++n) {
        g->LevelNo = n;
        g->mnu_NewGame_Click();
        const std::string record = set.substr(static_cast<std::size_t>(n - 1) * CellCount, CellCount);
        const std::size_t man = record.rfind('6');
        if (man == std::string::npos) {
            Require(g->GameMode != ModePlaySet, "a level without a man cannot be played");
            continue;
        }
        Require(g->GameMode == ModePlaySet, "a level with a man can be played");
        Require(g->ManX() - g->BoardLeft == static_cast<int>(man) % BoardWidth &&
                    g->ManY() - g->BoardTop == static_cast<int>(man) / BoardWidth,
                "the man starts at the level's last 6");
        Require(g->GoalCount == std::count(record.begin(), record.end(), '3') + std::count(record.begin(), record.end(), '5'),
                "every 3 and 5 counts as a goal");
        g.CheckBoard();
        g.Press(Walk);
        g->mnu_Undo_Click();
        g.CheckBoard();
        g.Press("9870");
    }

    g.desktop.dialogs.typed = {"2.5", "1"};
    g->mnu_Level_Click();
    g.CheckBoard();
    g->Form_Unload();
    return 0;
}
