// Menu commands reach their handlers here, and only while their item is enabled.
#include "core/Game.h"

namespace tolvar {

namespace {
/// The submenu an indexed item sits in; a disabled submenu makes its items unreachable.
MenuId ParentOf(MenuId id)
{
    const int i = static_cast<int>(id);
    if (i >= static_cast<int>(MenuId::mnu_Man0) && i <= static_cast<int>(mnu_Man(CharacterCount - 1)))
        return MenuId::mnu_SelectMan;
    if (i >= static_cast<int>(MenuId::mnu_Back0) && i <= static_cast<int>(mnu_Back(BackgroundCount - 1)))
        return MenuId::mnu_SelectBack;
    if (i >= static_cast<int>(MenuId::mnu_Scenery0) && i <= static_cast<int>(mnu_Scenery(SceneryCount + 1)))
        return MenuId::mnu_SelectScenery;
    return id;
}
}  // namespace

void Game::MenuCommand(MenuId id)
{
    if (!menus.Enabled(id) || !menus.Enabled(ParentOf(id)))
        return;
    const int i = static_cast<int>(id);
    const MenuId group = ParentOf(id);
    if (group != id) {
        // An indexed item: its place in its submenu.
        if (group == MenuId::mnu_SelectMan)
            mnu_Man_Click(i - static_cast<int>(MenuId::mnu_Man0));
        else if (group == MenuId::mnu_SelectBack)
            mnu_Back_Click(i - static_cast<int>(MenuId::mnu_Back0));
        else
            mnu_Scenery_Click(i - static_cast<int>(MenuId::mnu_Scenery0));
        return;
    }
    switch (id) {
    case MenuId::mnu_NewGame: mnu_NewGame_Click(); break;
    case MenuId::mnu_Level: mnu_Level_Click(); break;
    case MenuId::mnu_Undo: mnu_Undo_Click(); break;
    case MenuId::mnu_Edit: mnu_Edit_Click(); break;
    case MenuId::mnu_LoadSelf: mnu_LoadSelf_Click(); break;
    case MenuId::mnu_LoadOther: mnu_LoadOther_Click(); break;
    case MenuId::mnu_OpenCollection: mnu_OpenCollection_Click(); break;
    case MenuId::mnu_Collections: collection.Browse(); break;
    case MenuId::mnu_LoadOriginalSol: mnu_LoadOriginalSol_Click(); break;
    case MenuId::mnu_LoadSelfSol: mnu_LoadSelfSol_Click(); break;
    case MenuId::mnu_LoadOtherSol: mnu_LoadOtherSol_Click(); break;
    case MenuId::mnu_WorldRecord: mnu_WorldRecord_Click(); break;
    case MenuId::mnu_Exit: mnu_Exit_Click(); break;
    case MenuId::mnu_Music: mnu_Music_Click(); break;
    case MenuId::mnu_Sound: mnu_Sound_Click(); break;
    case MenuId::mnu_DisBanner: mnu_DisBanner_Click(); break;
    case MenuId::mnu_Contents: mnu_Contents_Click(); break;
    case MenuId::mnu_Web: mnu_Web_Click(); break;
    case MenuId::mnu_Faq: mnu_Faq_Click(); break;
    case MenuId::mnu_About: mnu_About_Click(); break;
    default: break;  // menu titles and submenus run nothing
    }
}

}  // namespace tolvar
