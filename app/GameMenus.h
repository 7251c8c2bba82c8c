#pragma once
// The Qt menus of the main window, built from the menu table. They hold no state
// of their own: Show() makes them follow MenuState after every call into the game.
#include <QObject>
#include <array>
#include <functional>

#include "app/MenuTable.h"

class QAction;
class QMenuBar;

namespace tolvar {

class GameMenus : public QObject {
    Q_OBJECT
public:
    using Command = std::function<void(MenuId)>;

    /// Fills `bar` with every menu of the table; a chosen item calls `command` with its id.
    GameMenus(QMenuBar* bar, Command command);

    /// Enabled and checked as in `state`. An item inside a disabled menu counts as
    /// disabled too, so its shortcut stays silent like the menu it sits in.
    void Show(const MenuState& state);

    /// The QAction of an item, or the menu action of a menu.
    QAction* Action(MenuId id) const;

private:
    std::array<QAction*, static_cast<std::size_t>(MenuId::Count)> actions_{};
};

}  // namespace tolvar
