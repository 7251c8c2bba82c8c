#include "app/MenuTable.h"

#include <array>

namespace tolvar {

namespace {

using K = MenuRowKind;
using M = MenuId;

constexpr MenuRow Menu(M id, M parent, const char* name, const char* caption)
{
    return {K::Menu, id, parent, name, caption, "", false};
}
constexpr MenuRow Item(M id, M parent, const char* name, const char* caption, const char* shortcut = "", bool checkable = false)
{
    return {K::Item, id, parent, name, caption, shortcut, checkable};
}
constexpr MenuRow Check(M id, M parent, const char* name, const char* caption, const char* shortcut = "")
{
    return Item(id, parent, name, caption, shortcut, true);
}
constexpr MenuRow Separator(M parent, const char* name)
{
    return {K::Separator, NoMenuId, parent, name, "-", "", false};
}

constexpr auto Rows = std::to_array<MenuRow>({
    Menu(M::mnu_Game, NoMenuId, "mnu_Game", "&Game"),
    Item(M::mnu_NewGame, M::mnu_Game, "mnu_NewGame", "&New", "Ctrl+N"),
    Separator(M::mnu_Game, "mnu_ReplaySep"),
    Item(M::mnu_Level, M::mnu_Game, "mnu_Level", "&Replay Original Level", "Ctrl+R"),
    Separator(M::mnu_Game, "mnu_UndoSep"),
    Item(M::mnu_Undo, M::mnu_Game, "mnu_Undo", "&Undo", "Ctrl+U"),
    Separator(M::mnu_Game, "mnu_LevelSep"),
    Item(M::mnu_Edit, M::mnu_Game, "mnu_Edit", "&Edit New Level", "Ctrl+E"),
    Item(M::mnu_LoadSelf, M::mnu_Game, "mnu_LoadSelf", "&Load Self-Edit Level", "Ctrl+L"),
    Item(M::mnu_LoadOther, M::mnu_Game, "mnu_LoadOther", "Load &Other Level", "Ctrl+O"),
    Separator(M::mnu_Game, "mnu_SolutionSep"),
    Item(M::mnu_LoadOriginalSol, M::mnu_Game, "mnu_LoadOriginalSol", "Load Original &Solution", "Ctrl+S"),
    Item(M::mnu_LoadSelfSol, M::mnu_Game, "mnu_LoadSelfSol", "Load Sel&f-Edit Solution", "Ctrl+F"),
    Item(M::mnu_LoadOtherSol, M::mnu_Game, "mnu_LoadOtherSol", "Load Ot&her Solution", "Ctrl+H"),
    Item(M::mnu_WorldRecord, M::mnu_Game, "mnu_WorldRecord", "&World Records Online", "Ctrl+W"),
    Separator(M::mnu_Game, "mnu_ExitSep"),
    Item(M::mnu_Exit, M::mnu_Game, "mnu_Exit", "E&xit", "Ctrl+X"),

    Menu(M::mnu_Option, NoMenuId, "mnu_Option", "&Options"),
    Check(M::mnu_Music, M::mnu_Option, "mnu_Music", "Musi&c", "Ctrl+C"),
    Check(M::mnu_Sound, M::mnu_Option, "mnu_Sound", "Soun&d", "Ctrl+D"),
    Separator(M::mnu_Option, "mnu_SelectSep"),
    Menu(M::mnu_SelectMan, M::mnu_Option, "mnu_SelectMan", "&Select Character"),
    Check(M::mnu_Man0, M::mnu_SelectMan, "mnu_Man(0)", "&Zobzob"),
    Check(M::mnu_Man1, M::mnu_SelectMan, "mnu_Man(1)", "&Pimpim"),
    Menu(M::mnu_SelectBack, M::mnu_Option, "mnu_SelectBack", "Select &Background"),
    Check(M::mnu_Back0, M::mnu_SelectBack, "mnu_Back(0)", "&Night"),
    Check(M::mnu_Back1, M::mnu_SelectBack, "mnu_Back(1)", "&Blue"),
    Check(M::mnu_Back2, M::mnu_SelectBack, "mnu_Back(2)", "&Green"),
    Menu(M::mnu_SelectScenery, M::mnu_Option, "mnu_SelectScenery", "Select Scener&y"),
    Check(M::mnu_Scenery0, M::mnu_SelectScenery, "mnu_Scenery(0)", "&Orderly"),
    Check(M::mnu_Scenery1, M::mnu_SelectScenery, "mnu_Scenery(1)", "&Randomly"),
    Check(M::mnu_Scenery2, M::mnu_SelectScenery, "mnu_Scenery(2)", "Scenery&1"),
    Check(M::mnu_Scenery3, M::mnu_SelectScenery, "mnu_Scenery(3)", "Scenery&2"),
    Check(M::mnu_Scenery4, M::mnu_SelectScenery, "mnu_Scenery(4)", "Scenery&3"),
    Check(M::mnu_Scenery5, M::mnu_SelectScenery, "mnu_Scenery(5)", "Scenery&4"),
    Check(M::mnu_Scenery6, M::mnu_SelectScenery, "mnu_Scenery(6)", "Scenery&5"),
    Check(M::mnu_Scenery7, M::mnu_SelectScenery, "mnu_Scenery(7)", "Scenery&6"),
    Check(M::mnu_Scenery8, M::mnu_SelectScenery, "mnu_Scenery(8)", "Scenery&7"),
    Separator(M::mnu_Option, "mnu_BannerSep"),
    Check(M::mnu_DisBanner, M::mnu_Option, "mnu_DisBanner", "Display Edit &Bar", "Ctrl+B"),

    Menu(M::mnu_Assist, NoMenuId, "mnu_Assist", "&Assist"),
    Item(M::mnu_TakeBack, M::mnu_Assist, "mnu_TakeBack", "Take &Back", "Ctrl+Z"),
    Item(M::mnu_Redo, M::mnu_Assist, "mnu_Redo", "&Redo", "Ctrl+Y; Ctrl+Shift+Z"),
    Separator(M::mnu_Assist, "mnu_MouseSep"),
    Check(M::mnu_MouseWalking, M::mnu_Assist, "mnu_MouseWalking", "&Mouse Walking"),
    Separator(M::mnu_Assist, "mnu_SolverSep"),
    Item(M::mnu_Hint, M::mnu_Assist, "mnu_Hint", "&Hint", "Ctrl+I"),
    Item(M::mnu_ShowSolution, M::mnu_Assist, "mnu_ShowSolution", "Show &Solution", ""),
    Check(M::mnu_MarkDeadBoxes, M::mnu_Assist, "mnu_MarkDeadBoxes", "Mark &Dead Boxes"),
    Separator(M::mnu_Assist, "mnu_ReplaySep"),
    Check(M::mnu_PlayReplay, M::mnu_Assist, "mnu_PlayReplay", "&Play", "Ctrl+P"),
    Item(M::mnu_TakeOver, M::mnu_Assist, "mnu_TakeOver", "Take &Over"),
    Menu(M::mnu_ReplaySpeed, M::mnu_Assist, "mnu_ReplaySpeed", "Repla&y Speed"),
    Check(M::mnu_Speed0, M::mnu_ReplaySpeed, "mnu_Speed(0)", "&Slow"),
    Check(M::mnu_Speed1, M::mnu_ReplaySpeed, "mnu_Speed(1)", "&Normal"),
    Check(M::mnu_Speed2, M::mnu_ReplaySpeed, "mnu_Speed(2)", "&Fast"),
    Check(M::mnu_Speed3, M::mnu_ReplaySpeed, "mnu_Speed(3)", "Fast F&orward"),
    Separator(M::mnu_Assist, "mnu_ClipboardSep"),
    Item(M::mnu_CopyLevel, M::mnu_Assist, "mnu_CopyLevel", "Copy Lev&el", "Ctrl+Shift+C"),
    Item(M::mnu_Paste, M::mnu_Assist, "mnu_Paste", "P&aste", "Ctrl+V"),
    Separator(M::mnu_Assist, "mnu_SnapshotSep"),
    Item(M::mnu_KeepSnapshot, M::mnu_Assist, "mnu_KeepSnapshot", "&Keep Snapshot"),
    Item(M::mnu_BackToSnapshot, M::mnu_Assist, "mnu_BackToSnapshot", "Back to S&napshot"),
    Separator(M::mnu_Assist, "mnu_CollectionSep"),
    Item(M::mnu_OpenCollection, M::mnu_Assist, "mnu_OpenCollection", "Open Level &Collection...", ""),
    Item(M::mnu_Collections, M::mnu_Assist, "mnu_Collections", "Co&llections...", "Ctrl+K"),

    Menu(M::mnu_Help, NoMenuId, "mnu_Help", "&Help"),
    Item(M::mnu_Contents, M::mnu_Help, "mnu_Contents", "Con&tents", "F1"),
    Separator(M::mnu_Help, "mnu_WebSep"),
    Item(M::mnu_Web, M::mnu_Help, "mnu_Web", "&Quillon Studio Web Site", "Ctrl+M"),
    Item(M::mnu_Faq, M::mnu_Help, "mnu_Faq", "FA&Q Online", "Ctrl+Q"),
    Separator(M::mnu_Help, "mnu_AboutSep"),
    Item(M::mnu_About, M::mnu_Help, "mnu_About", "&About Tolvar", "Ctrl+A"),
});

}  // namespace

std::span<const MenuRow> MenuRows() { return Rows; }

const MenuRow* FindMenuRow(MenuId id)
{
    if (id == NoMenuId)
        return nullptr;
    for (const MenuRow& row : Rows)
        if (row.id == id)
            return &row;
    return nullptr;
}

}  // namespace tolvar
