// Solutions and their replay: the input is a level (its first 280 bytes) followed by a
// solution (the rest). The pair is replayed as a level of the set, as an other level and
// as a self-edited level, one press of "&Trace" at a time, until the replay ends or
// the presses run out: enough to use the solution up and then replay the moves it made
// once more (presses past the end read those), at most 1000 (100 for the other two).
#include <algorithm>

#include "FuzzGame.h"

using namespace tolvar;
using fuzzing::Require;

namespace {

void Trace(fuzzing::FuzzGame& g, int presses)
{
    if (g->GameMode != ModeTracing)
        return;
    Require(g->controls.btn_Trace_Visible && g->TraceIndex == 0 && g->StepCount() == 0,
            "a replay starts at the level's start with the button shown");
    for (int press = 1; press <= presses && g->controls.btn_Trace_Visible; ++press) {
        g->btn_Trace_Click();
        g.CheckBoard();
        Require(g->StepCount() <= press, "a press makes at most one step");
        Require(!g->menus.Enabled(MenuId::mnu_Undo), "a replayed push cannot be undone");
    }
    // The keys stay locked while a replay is on.
    const Grid before = g->Board();
    const std::int32_t steps = g->StepCount();
    g.Press("7890");
    Require(g->Board() == before && g->StepCount() == steps, "the arrow keys do nothing during a replay");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::GameDirectory& directory = fuzzing::GameDirectory::Get();
    directory.Clear();
    const std::string input = fuzzing::AsText(data, size);
    const std::string level = fuzzing::Record(input);
    const std::string solution = input.substr(std::min<std::size_t>(size, CellCount));
    directory.Write(LevelSetName, level + fuzzing::PlainLevel());
    directory.Write("boxsol.1", solution);
    directory.Write("other.1", level);
    directory.Write("othersol.1", solution);
    directory.Write("self.1", level);
    directory.Write("selfsol.1", solution);

    fuzzing::FuzzGame g;
    g.desktop.settings.values["SelfLevel"] = "1";
    Require(g.Start(), "a set of two levels starts");

    g->mnu_LoadOriginalSol_Click();
    Require(g->GameMode == ModeTracing || g->GameMode == ModeEditorLeft, "a stored solution of the set is replayed");
    // A level of the set without a man starts no replay: the presses must then do nothing.
    const int presses = static_cast<int>(std::min<std::size_t>(2 * solution.size() + 20, 1000));
    Trace(g, presses);

    g.desktop.dialogs.typed = {"1"};
    g->mnu_LoadOther_Click();
    if (g->GameMode == ModePlayOther) {
        g->mnu_LoadOtherSol_Click();
        Require(g->GameMode == ModeTracing, "a stored solution of an other level is replayed");
        Trace(g, std::min(presses, 100));  // the same moves as above; what differs is how the level was loaded
    }

    g.desktop.dialogs.typed = {"1"};
    g->mnu_LoadSelf_Click();
    if (g->GameMode == ModeEditStored) {
        g->mnu_LoadSelfSol_Click();
        Require(g->GameMode == ModeTracing, "a stored solution of a self-edited level is replayed");
        Trace(g, std::min(presses, 100));
    }
    return 0;
}
