// Entering a mode: the mode, the kind of level, and the menu and control states that go with them.
#include "core/Game.h"

namespace tolvar {

void Game::EnterMode(GameModeValue mode, LevelKindValue kind)
{
    const bool editing = mode == ModeEditNew || mode == ModeEditStored;
    if (kind != KindCollection)
        UseOwnBoardLayout();
    if (!editing)
        CloseEditBar();
    GameMode = mode;
    LevelKind = kind;
    if (mode != ModeTracing)
        Replayed.clear();
    BoardReplaced();
    menus.Enable(MenuId::mnu_DisBanner, editing);
    menus.Check(MenuId::mnu_DisBanner, editing);
    if (mode == ModeEditorLeft)
        return;  // the board keeps its last picture; nothing else changes
    controls.btn_Trace_Visible = mode == ModeTracing;
    EnableSolutionCommandFor(kind);
    // Character, background and scenery belong to the level set, also while one of its solutions plays.
    EnableAppearanceCommands(kind == KindSet);
    if (kind == KindSet)
        menus.Enable(MenuId::mnu_LoadOther);
    controls.tmr_Sprite_Enabled = true;
    if (editing) {
        OpenEditBarAfresh();
        drawing_.Choose(1);
        controls.btn_Edit_Enabled = false;
        controls.btn_Test_Enabled = true;
    }
}

void Game::EnableSolutionCommandFor(LevelKindValue kind)
{
    menus.Enable(MenuId::mnu_LoadOriginalSol, kind == KindSet);
    menus.Enable(MenuId::mnu_LoadSelfSol, kind == KindSelf);
    menus.Enable(MenuId::mnu_LoadOtherSol, kind == KindOther);
}

void Game::EnableAppearanceCommands(bool on)
{
    for (MenuId id : {MenuId::mnu_SelectScenery, MenuId::mnu_SelectMan, MenuId::mnu_SelectBack})
        menus.Enable(id, on);
}

}  // namespace tolvar
