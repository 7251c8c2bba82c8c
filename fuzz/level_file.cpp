// A single-level file: the input is "other.1" and "self.1". It is read directly, loaded
// for play and walked on, opened in the editor, drawn on, test-played and saved again.
#include <algorithm>

#include "FuzzGame.h"
#include "levels/LevelFile.h"

using namespace tolvar;
using fuzzing::Require;

namespace {
constexpr const char* Walk = "7788990077";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::GameDirectory& directory = fuzzing::GameDirectory::Get();
    directory.Clear();
    const std::string bytes = fuzzing::AsText(data, size);
    directory.Write(LevelSetName, fuzzing::PlainLevel());
    directory.Write("other.1", bytes);
    directory.Write("self.1", bytes);

    const std::string record = fuzzing::Record(bytes);
    const auto men = std::count(record.begin(), record.end(), '6');
    const LevelFileRead read = ReadLevelBytes(directory.Path() + "/other.1");
    const LevelFileStatus expected =
        men == 1 ? LevelFileStatus::Ok : men == 0 ? LevelFileStatus::NoMan : LevelFileStatus::SeveralMen;
    Require(read.status == expected, "a level file is usable exactly when it holds one man");
    if (read.status == LevelFileStatus::Ok)
        Require(read.cells == record, "the cells are the first 280 bytes, a short file padded with 0");

    fuzzing::FuzzGame g;
    g.desktop.settings.values["SelfLevel"] = "1";
    Require(g.Start(), "the plain level set starts");

    // For play.
    g.desktop.dialogs.typed = {" 1 "};
    g->mnu_LoadOther_Click();
    Require((g->GameMode == ModePlayOther) == (read.status == LevelFileStatus::Ok),
            "an other level is played exactly when its file is usable");
    if (g->GameMode == ModePlayOther) {
        for (int k = 0; k < CellCount; ++k)
            Require(g->EditBoard().cells[static_cast<std::size_t>(k)] == CodeOfChar(record[static_cast<std::size_t>(k)]),
                    "the loaded level is the file's cells");
        g.CheckBoard();
        g.Press(Walk);
        g->mnu_Undo_Click();
        g.CheckBoard();
    }

    // In the editor: a few objects placed where the input says, then test play and saving.
    g.desktop.dialogs.typed = {"1"};
    g->mnu_LoadSelf_Click();
    if (g->GameMode != ModeEditStored)
        return 0;
    for (std::size_t i = 0; i + 2 < std::min<std::size_t>(size, 24); i += 3) {
        g->ssr_Object_Click(data[i] % 7);
        g->Form_MouseDown(1, 0, data[i + 1] * 3 - 64, data[i + 2] * 2 - 32);
    }
    g->btn_Test_Click();
    if (g->GameMode == ModeTestPlay) {
        g.CheckBoard();
        g.Press(Walk);
        g->btn_Edit_Click();
    }
    g.desktop.dialogs.answers = {MsgAnswer::Yes};
    g->btn_Exit_Click();
    if (g->GameMode == ModeEditorLeft) {  // saved
        const LevelFileRead saved = ReadLevelBytes(directory.Path() + "/self.1");
        Require(saved.status == LevelFileStatus::Ok, "a level the editor saves can be loaded again");
    }
    return 0;
}
