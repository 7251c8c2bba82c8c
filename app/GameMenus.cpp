#include "app/GameMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tolvar {

namespace {

std::size_t Slot(MenuId id) { return static_cast<std::size_t>(id); }

bool EnabledWithParents(const MenuState& state, MenuId id)
{
    for (const MenuRow* row = FindMenuRow(id); row; row = FindMenuRow(row->parent))
        if (!state.Enabled(row->id))
            return false;
    return true;
}

}  // namespace

GameMenus::GameMenus(QMenuBar* bar, Command command) : QObject(bar)
{
    std::array<QMenu*, static_cast<std::size_t>(MenuId::Count)> menus{};
    for (const MenuRow& row : MenuRows()) {
        QMenu* parent = row.parent == NoMenuId ? nullptr : menus[Slot(row.parent)];
        const QString caption = QString::fromUtf8(row.caption);
        switch (row.kind) {
        case MenuRowKind::Menu: {
            QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            menus[Slot(row.id)] = menu;
            actions_[Slot(row.id)] = menu->menuAction();
            break;
        }
        case MenuRowKind::Separator:
            parent->addSeparator()->setObjectName(QString::fromLatin1(row.name));
            break;
        case MenuRowKind::Item: {
            QAction* action = parent->addAction(caption);
            action->setObjectName(QString::fromLatin1(row.name));
            action->setCheckable(row.checkable);
            if (*row.shortcut)
                action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcut), QKeySequence::PortableText));
            const MenuId id = row.id;
            connect(action, &QAction::triggered, this, [command, id] { command(id); });
            actions_[Slot(row.id)] = action;
            break;
        }
        }
    }
}

void GameMenus::Show(const MenuState& state)
{
    for (const MenuRow& row : MenuRows()) {
        if (row.kind == MenuRowKind::Separator)
            continue;
        QAction* action = actions_[Slot(row.id)];
        action->setEnabled(EnabledWithParents(state, row.id));
        // Qt flips a checkable action before it reports the click; this puts the
        // mark back where the game keeps it.
        if (row.checkable)
            action->setChecked(state.Checked(row.id));
    }
}

QAction* GameMenus::Action(MenuId id) const { return id == NoMenuId ? nullptr : actions_[Slot(id)]; }

}  // namespace tolvar
