// The two stored numbers: the input holds the texts stored under "Level" and "SelfLevel"
// and an answer the player types, separated by line ends. Start-up, choosing a level,
// loading a self-edited level, entering the editor and saving read them.
#include <algorithm>

#include "FuzzGame.h"

using namespace tolvar;
using fuzzing::Require;

namespace {

std::string NextLine(std::string& rest)
{
    const std::size_t end = rest.find('\n');
    std::string line = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    return line;
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::GameDirectory& directory = fuzzing::GameDirectory::Get();
    directory.Clear();
    std::string rest = fuzzing::AsText(data, size);
    const std::string level = NextLine(rest);
    const std::string self = NextLine(rest);
    const std::string typed = rest;
    const std::string plain = fuzzing::PlainLevel();
    directory.Write(LevelSetName, plain + plain + plain);
    directory.Write("self.1", plain);

    fuzzing::FuzzGame g;
    g.desktop.settings.values["Level"] = level;
    g.desktop.settings.values["SelfLevel"] = self;
    const std::int32_t stored = g->ReadSetting("Level", 1);
    Require(stored >= 0, "a stored number never reads as negative");
    if (AllDigits(level))
        Require(stored == std::stoi(level), "plain digits read as their number");
    Require(g->ReadSetting("SelfLevel", 0) >= 0, "a stored number never reads as negative");

    Require(g.Start(), "a set of three levels starts");
    Require(g->LevelNo >= 1 && g->LevelNo <= 3, "start-up begins on a level of the set");
    if (stored > 3)
        Require(g.desktop.settings.values["Level"] == "1", "a progress beyond the set is reset to 1");
    g.CheckBoard();

    g.desktop.dialogs.typed = {typed, ""};
    g->mnu_Level_Click();
    Require(g->LevelNo >= 1 && g->LevelNo <= 3, "the chosen level lies in the set");
    g.CheckBoard();

    g.desktop.dialogs.typed = {typed, ""};
    g->mnu_LoadSelf_Click();
    g->mnu_Edit_Click();
    g->Form_MouseDown(1, 0, 100, 100);
    g.desktop.dialogs.answers = {MsgAnswer::Yes};
    g->btn_Exit_Click();
    for (const auto& [key, value] : g.desktop.settings.values) {
        if (value != level && value != self)
            Require(AllDigits(value), "the game stores plain digits");
    }
    return 0;
}
