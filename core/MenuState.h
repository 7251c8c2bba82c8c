#pragma once
// The enabled and checked state of every menu item: program state, kept here
// only. The Qt menu shows it and holds no copy of its own.
#include <array>
#include <cstddef>

namespace tolvar {

enum class MenuId : int {
    // Game
    mnu_Game, mnu_NewGame, mnu_Level, mnu_Undo, mnu_Edit, mnu_LoadSelf, mnu_LoadOther,
    mnu_LoadOriginalSol, mnu_LoadSelfSol, mnu_LoadOtherSol, mnu_WorldRecord, mnu_Exit,
    // Options
    mnu_Option, mnu_Music, mnu_Sound, mnu_SelectMan, mnu_Man0, mnu_Man1,
    mnu_SelectBack, mnu_Back0, mnu_Back1, mnu_Back2,
    mnu_SelectScenery, mnu_Scenery0, mnu_Scenery1, mnu_Scenery2, mnu_Scenery3, mnu_Scenery4,
    mnu_Scenery5, mnu_Scenery6, mnu_Scenery7, mnu_Scenery8,
    mnu_DisBanner,
    // Assist
    mnu_Assist, mnu_TakeBack, mnu_Redo, mnu_MouseWalking, mnu_Hint, mnu_ShowSolution, mnu_MarkDeadBoxes, mnu_OpenCollection,
    mnu_PlayReplay, mnu_TakeOver, mnu_ReplaySpeed, mnu_Speed0, mnu_Speed1, mnu_Speed2, mnu_Speed3,
    mnu_Collections,
    mnu_CopyLevel, mnu_Paste, mnu_KeepSnapshot, mnu_BackToSnapshot,
    // Help
    mnu_Help, mnu_Contents, mnu_Web, mnu_Faq, mnu_About,
    Count
};

constexpr MenuId mnu_Man(int index) { return static_cast<MenuId>(static_cast<int>(MenuId::mnu_Man0) + index); }
constexpr MenuId mnu_Back(int index) { return static_cast<MenuId>(static_cast<int>(MenuId::mnu_Back0) + index); }
constexpr MenuId mnu_Speed(int index) { return static_cast<MenuId>(static_cast<int>(MenuId::mnu_Speed0) + index); }
constexpr MenuId mnu_Scenery(int index) { return static_cast<MenuId>(static_cast<int>(MenuId::mnu_Scenery0) + index); }

class MenuState {
public:
    MenuState() { Reset(); }

    /// The designed initial state: everything enabled, the check marks of a fresh start.
    void Reset() {
        enabled_.fill(true);
        checked_.fill(false);
        for (MenuId id : {MenuId::mnu_Music, MenuId::mnu_Sound, MenuId::mnu_Man0, MenuId::mnu_Back0, MenuId::mnu_Scenery0,
                          MenuId::mnu_MouseWalking, MenuId::mnu_MarkDeadBoxes})
            checked_[idx(id)] = true;
    }

    bool Enabled(MenuId id) const { return enabled_[idx(id)]; }
    bool Checked(MenuId id) const { return checked_[idx(id)]; }
    void Enable(MenuId id, bool on = true) { enabled_[idx(id)] = on; }
    void Disable(MenuId id) { enabled_[idx(id)] = false; }
    void Check(MenuId id, bool on = true) { checked_[idx(id)] = on; }
    void Uncheck(MenuId id) { checked_[idx(id)] = false; }

private:
    static std::size_t idx(MenuId id) { return static_cast<std::size_t>(id); }
    static constexpr std::size_t N = static_cast<std::size_t>(MenuId::Count);
    std::array<bool, N> enabled_{};
    std::array<bool, N> checked_{};
};

}  // namespace tolvar
