// The menu bar built from the table: the tree the player sees, and that it shows
// the game's menu state and nothing of its own.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/GameMenus.h"
#include "app/MenuTable.h"

using namespace tolvar;

namespace {

/// One line per entry: indentation by depth, the caption, the shortcut, the check mark.
void Describe(const QList<QAction*>& actions, int depth, QStringList& out)
{
    for (QAction* action : actions) {
        QString line = QString(depth * 2, QLatin1Char(' '));
        if (action->isSeparator()) {
            out << line + QStringLiteral("-");
            continue;
        }
        line += action->text();
        if (!action->shortcut().isEmpty())
            line += QStringLiteral(" [") + QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText) +
                    QStringLiteral("]");
        if (action->isChecked())
            line += QStringLiteral(" *");
        out << line;
        if (action->menu())
            Describe(action->menu()->actions(), depth + 1, out);
    }
}

QStringList DescribeBar(QMenuBar& bar)
{
    QStringList out;
    Describe(bar.actions(), 0, out);
    return out;
}

// The Game and Options menus as a player sees them on a fresh start: captions, shortcuts, check marks.
QStringList DesignedGameAndOptions()
{
    return {
        "&Game",
        "  &New [Ctrl+N]",
        "  -",
        "  &Replay Original Level [Ctrl+R]",
        "  -",
        "  &Undo [Ctrl+U]",
        "  -",
        "  &Edit New Level [Ctrl+E]",
        "  &Load Self-Edit Level [Ctrl+L]",
        "  Load &Other Level [Ctrl+O]",
        "  -",
        "  Load Original &Solution [Ctrl+S]",
        "  Load Sel&f-Edit Solution [Ctrl+F]",
        "  Load Ot&her Solution [Ctrl+H]",
        "  &World Records Online [Ctrl+W]",
        "  -",
        "  E&xit [Ctrl+X]",
        "&Options",
        "  Musi&c [Ctrl+C] *",
        "  Soun&d [Ctrl+D] *",
        "  -",
        "  &Select Character",
        "    &Zobzob *",
        "    &Pimpim",
        "  Select &Background",
        "    &Night *",
        "    &Blue",
        "    &Green",
        "  Select Scener&y",
        "    &Orderly *",
        "    &Randomly",
        "    Scenery&1",
        "    Scenery&2",
        "    Scenery&3",
        "    Scenery&4",
        "    Scenery&5",
        "    Scenery&6",
        "    Scenery&7",
        "  -",
        "  Display Edit &Bar [Ctrl+B]",
    };
}

// The Assist and Help menus on a fresh start.
QStringList DesignedAssistAndHelp()
{
    return {
        "&Assist",
        "  Take &Back [Ctrl+Z]",
        "  &Redo [Ctrl+Y; Ctrl+Shift+Z]",
        "  -",
        "  &Mouse Walking *",
        "  -",
        "  &Hint [Ctrl+I]",
        "  Show &Solution",
        "  Mark &Dead Boxes *",
        "  -",
        "  &Play [Ctrl+P]",
        "  Take &Over",
        "  Repla&y Speed",
        "    &Slow",
        "    &Normal",
        "    &Fast",
        "    Fast F&orward",
        "  -",
        "  Copy Lev&el [Ctrl+Shift+C]",
        "  P&aste [Ctrl+V]",
        "  -",
        "  &Keep Snapshot",
        "  Back to S&napshot",
        "  -",
        "  Open Level &Collection...",
        "  Co&llections... [Ctrl+K]",
        "&Help",
        "  Con&tents [F1]",
        "  -",
        "  &Quillon Studio Web Site [Ctrl+M]",
        "  FA&Q Online [Ctrl+Q]",
        "  -",
        "  &About Tolvar [Ctrl+A]",
    };
}

}  // namespace

class MenuBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The whole tree as the player sees it at a fresh start: order, access keys,
    // shortcuts, separators and the designed check marks.
    void freshMenuBarShowsTheDesignedTree()
    {
        QMenuBar bar;
        GameMenus menus(&bar, [](MenuId) {});
        menus.Show(MenuState());
        QCOMPARE(DescribeBar(bar), DesignedGameAndOptions() + DesignedAssistAndHelp());
    }

    // Every id of the game's menu state has exactly one row, so no item can be
    // missing from the bar or shown twice.
    void everyMenuIdHasOneRow()
    {
        for (int i = 0; i < static_cast<int>(MenuId::Count); ++i) {
            int rows = 0;
            for (const MenuRow& row : MenuRows())
                rows += row.kind != MenuRowKind::Separator && static_cast<int>(row.id) == i;
            QCOMPARE(rows, 1);
        }
    }

    // Choosing an item hands its own id to the game, the radio items included.
    void choosingAnItemPassesItsId_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("New") << int(MenuId::mnu_NewGame);
        QTest::newRow("Exit") << int(MenuId::mnu_Exit);
        QTest::newRow("Pimpim") << int(MenuId::mnu_Man1);
        QTest::newRow("Green") << int(MenuId::mnu_Back2);
        QTest::newRow("Scenery7") << int(MenuId::mnu_Scenery8);
        QTest::newRow("About") << int(MenuId::mnu_About);
    }
    void choosingAnItemPassesItsId()
    {
        QFETCH(int, id);
        QMenuBar bar;
        QList<int> chosen;
        GameMenus menus(&bar, [&](MenuId m) { chosen << int(m); });
        menus.Action(MenuId(id))->trigger();
        QCOMPARE(chosen, QList<int>{id});
    }

    // Qt flips a check mark by itself on a click; the next Show puts the game's mark back.
    void checkMarksFollowTheGameNotTheClick()
    {
        QMenuBar bar;
        MenuState state;
        GameMenus menus(&bar, [](MenuId) {});
        menus.Show(state);
        QAction* orderly = menus.Action(MenuId::mnu_Scenery0);
        orderly->trigger();  // the game keeps "&Orderly" checked
        QVERIFY(!orderly->isChecked());
        menus.Show(state);
        QVERIFY(orderly->isChecked());

        state.Uncheck(MenuId::mnu_Music);
        state.Check(MenuId::mnu_DisBanner);
        menus.Show(state);
        QVERIFY(!menus.Action(MenuId::mnu_Music)->isChecked());
        QVERIFY(menus.Action(MenuId::mnu_DisBanner)->isChecked());
    }

    // A disabled submenu silences the items inside it as well as itself.
    void disabledMenusDisableTheirItems()
    {
        QMenuBar bar;
        MenuState state;
        GameMenus menus(&bar, [](MenuId) {});
        state.Disable(MenuId::mnu_Undo);
        state.Disable(MenuId::mnu_SelectScenery);
        menus.Show(state);
        QVERIFY(!menus.Action(MenuId::mnu_Undo)->isEnabled());
        QVERIFY(!menus.Action(MenuId::mnu_SelectScenery)->isEnabled());
        QVERIFY(!menus.Action(MenuId::mnu_Scenery3)->isEnabled());
        QVERIFY(menus.Action(MenuId::mnu_SelectBack)->isEnabled());
        QVERIFY(menus.Action(MenuId::mnu_Back1)->isEnabled());

        state.Enable(MenuId::mnu_Undo);
        state.Enable(MenuId::mnu_SelectScenery);
        menus.Show(state);
        QVERIFY(menus.Action(MenuId::mnu_Undo)->isEnabled());
        QVERIFY(menus.Action(MenuId::mnu_Scenery3)->isEnabled());
    }
};

QTEST_MAIN(MenuBarTest)
#include "MenuBarTest.moc"
