#pragma once
// The menu bar of the main window as data: every menu, item and separator in
// display order, with its caption, shortcut and parent. The Qt menus are built
// from this table and nothing else.
#include <span>

#include "core/MenuState.h"

namespace tolvar {

enum class MenuRowKind { Menu, Item, Separator };

/// Parent of the three top-level menus, and the id of separators.
constexpr MenuId NoMenuId = MenuId::Count;

struct MenuRow {
    MenuRowKind kind;
    MenuId id;            // NoMenuId for a separator
    MenuId parent;        // NoMenuId for a menu of the menu bar
    const char* name;     // the control's name, for messages and tests
    const char* caption;  // "&" marks the access key
    const char* shortcut; // portable key text ("Ctrl+N", "F1"; several split by "; "), "" for none
    bool checkable;       // shows a check mark when MenuState says so
};

/// All rows in display order; a parent always comes before its children.
std::span<const MenuRow> MenuRows();

/// The row of a menu or item; nullptr for NoMenuId.
const MenuRow* FindMenuRow(MenuId id);

}  // namespace tolvar
