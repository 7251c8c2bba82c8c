// The main window against a real game on fake desktop services: keys, clicks,
// menus and timers reach the game once each, and the widgets follow the game's state.
#include <QAction>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "app/BoardWidget.h"
#include "app/CounterBox.h"
#include "app/EditBar.h"
#include "app/GameMenus.h"
#include "app/MainWindow.h"
#include "app/WindowService.h"
#include "assist/Assist.h"
#include "fakes/TestGame.h"

using namespace tolvar;
using tolvar::testing::TestGame;
using tolvar::testing::WriteFile;

namespace {

// The man at (1, 1) with floor to his right; a spare box at (2, 2), and the box at
// (6, 3) next to the one goal at (7, 3).
const std::string Roomy = tolvar::testing::Level({  // not the type tolvar::Level
    "1111111111",
    "1622222221",
    "1242222221",
    "1222224321",
    "1111111111",
});
// Down, down, four steps right, then the push onto the goal.
const std::string RoomySolution = "0099999";

struct Fixture {
    TestGame game{{Roomy, Roomy}};
    Assist assist{*game, game.desktop.assistSettings, game.desktop.gui};
    MainWindow window{*game, assist};

    Fixture()
    {
        window.SyncFromState();
        window.show();
        window.activateWindow();
    }
    bool Active() { return QTest::qWaitForWindowActive(&window); }
    QAction* Item(MenuId id) const { return window.Menus()->Action(id); }
    int Count(const std::string& command) const
    {
        const auto& sent = game.desktop.mci.commands;
        return static_cast<int>(std::count(sent.begin(), sent.end(), command));
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The client area is the board exactly, below the menu bar, and the window cannot be resized.
    void layoutMatchesTheDesignedClientArea()
    {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("TOLVAR"));
        QCOMPARE(f.window.Board()->size(), QSize(640, 442));
        QCOMPARE(f.window.Board()->mapTo(&f.window, QPoint(0, 0)).y(), f.window.menuBar()->height());
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QCOMPARE(f.window.LevelCounter()->geometry(), QRect(8, 16, 52, 23));
        QCOMPARE(f.window.StepCounter()->geometry(), QRect(576, 16, 52, 23));
        QCOMPARE(f.window.TraceButton()->geometry(), QRect(544, 408, 89, 25));
        QCOMPARE(f.window.TraceButton()->text(), QStringLiteral("&Trace"));
        QVERIFY(f.window.TraceButton()->isHidden());

        WindowService service;
        service.Attach(&f.window);
        QCOMPARE(service.ClientWidth(), 640);
        QCOMPARE(service.ClientHeight(), 442);
        QVERIFY(!service.IsMinimized());
    }

    // Whichever of the board and the two counters holds the focus, an arrow moves the man one step.
    void anArrowReachesTheGameOnceFromEachWidget_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::newRow("board") << QStringLiteral("frm_Main_client");
        QTest::newRow("level counter") << QStringLiteral("pic_Level");
        QTest::newRow("step counter") << QStringLiteral("pic_Step");
    }
    void anArrowReachesTheGameOnceFromEachWidget()
    {
        QFETCH(QString, widget);
        Fixture f;
        QWidget* target = f.window.findChild<QWidget*>(widget);
        QVERIFY(target);
        target->setFocus();
        const int x = f.game->ManX();
        QTest::keyClick(target, Qt::Key_Right);
        QCOMPARE(f.game->StepCount(), 1);
        QCOMPARE(int(f.game->ManX()), x + 1);
        QCOMPARE(f.game->MoveHistory(), std::string("9"));
    }

    // A held arrow moves once per repeated press.
    void autoRepeatMovesOncePerEvent()
    {
        Fixture f;
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(f.window.Board(), &repeat);
        }
        QCOMPARE(f.game->StepCount(), 3);
    }

    // The level-skip chord needs Ctrl and Alt; Shift may be held too.
    void theSkipChordNeedsCtrlAndAlt_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("level");
        QTest::newRow("ctrl+alt") << int(Qt::ControlModifier | Qt::AltModifier) << 2;
        QTest::newRow("ctrl+alt+shift") << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier) << 2;
        QTest::newRow("ctrl") << int(Qt::ControlModifier) << 1;
        QTest::newRow("alone") << 0 << 1;
    }
    void theSkipChordNeedsCtrlAndAlt()
    {
        QFETCH(int, modifiers);
        QFETCH(int, level);
        Fixture f;
        f.window.Board()->setFocus();
        QTest::keyClick(f.window.Board(), Qt::Key_F9, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(int(f.game->LevelNo), level);
    }

    // A menu shortcut runs its command; the same shortcut of a disabled item does nothing.
    void aDisabledItemsShortcutDoesNothing()
    {
        Fixture f;
        QVERIFY(f.Active());
        f.window.Board()->setFocus();
        QTest::keyClick(f.window.Board(), Qt::Key_Right);
        QTest::keyClick(f.window.Board(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.game->StepCount(), 0);  // "&New" put the level back to its start

        QTest::keyClick(f.window.Board(), Qt::Key_Right);
        f.game->menus.Disable(MenuId::mnu_NewGame);
        f.window.SyncFromState();
        QVERIFY(!f.Item(MenuId::mnu_NewGame)->isEnabled());
        QTest::keyClick(f.window.Board(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.game->StepCount(), 1);
    }

    // Undo becomes available with a push and the menu shows it at once; its shortcut takes the push back.
    void theMenuFollowsTheGameAfterAKey()
    {
        Fixture f;
        QVERIFY(f.Active());
        f.window.Board()->setFocus();
        QVERIFY(!f.Item(MenuId::mnu_Undo)->isEnabled());
        QTest::keyClick(f.window.Board(), Qt::Key_Down);
        QTest::keyClick(f.window.Board(), Qt::Key_Right);  // pushes the box at (2, 2)
        QCOMPARE(f.game->Board()(3, 2), std::int16_t(Box));
        QVERIFY(f.Item(MenuId::mnu_Undo)->isEnabled());
        QTest::keyClick(f.window.Board(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(f.game->Board()(2, 2), std::int16_t(Box));
        QVERIFY(!f.Item(MenuId::mnu_Undo)->isEnabled());
    }

    // Loading a solution shows "&Trace" with the focus; each press replays one move
    // and the button goes when the replay wins the level.
    void theTraceButtonFollowsTheReplay()
    {
        Fixture f;
        QVERIFY(f.Active());
        WriteFile(f.game.dir.file("boxsol.1"), RoomySolution);
        f.Item(MenuId::mnu_LoadOriginalSol)->trigger();
        QVERIFY(f.window.TraceButton()->isVisible());
        QVERIFY(f.window.TraceButton()->hasFocus());
        QCOMPARE(f.game->controls.focus, FocusRequest::None);
        // An arrow leaves the focus on the button, and Space replays the first move.
        QTest::keyClick(f.window.TraceButton(), Qt::Key_Right);
        QVERIFY(f.window.TraceButton()->hasFocus());
        QCOMPARE(f.game->StepCount(), 0);
        QTest::keyClick(f.window.TraceButton(), Qt::Key_Space);
        QCOMPARE(f.game->StepCount(), 1);
        for (std::size_t i = 1; i < RoomySolution.size(); ++i)
            QTest::mouseClick(f.window.TraceButton(), Qt::LeftButton);
        QCOMPARE(f.game->StepCount(), int(RoomySolution.size()));
        QVERIFY(!f.window.TraceButton()->isVisible());
        QCOMPARE(f.game.desktop.dialogs.texts().back(), std::string("Tracing over!"));
    }

    // The edit bar opens with the editor, shows the palette and the button states,
    // closes and reopens with "Display Edit &Bar", and tells the game when the player closes it.
    void theEditBarFollowsTheGame()
    {
        Fixture f;
        f.Item(MenuId::mnu_Edit)->trigger();
        EditBar* bar = f.window.EditBarWindow();
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->windowTitle(), QStringLiteral("EDIT BAR"));
        QCOMPARE(bar->size(), QSize(401, 38));
        QVERIFY(bar->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(bar->windowType(), Qt::Tool);
        for (int i = 0; i < EditBar::PaletteSize; ++i) {
            QCOMPARE(bar->PaletteButton(i)->geometry(), QRect(i * 40, 0, 41, 38));
            QVERIFY(!bar->PaletteButton(i)->icon().isNull());
        }
        QCOMPARE(bar->EditButton()->text(), QStringLiteral("&Edit"));
        QCOMPARE(bar->TestButton()->text(), QStringLiteral("&Test"));
        QCOMPARE(bar->ExitButton()->text(), QStringLiteral("E&xit"));
        QCOMPARE(bar->ExitButton()->geometry(), QRect(360, 0, 41, 38));
        QVERIFY(!bar->EditButton()->isEnabled());
        QVERIFY(bar->TestButton()->isEnabled());
        QVERIFY(f.Item(MenuId::mnu_DisBanner)->isChecked());

        f.Item(MenuId::mnu_DisBanner)->trigger();
        QVERIFY(!f.window.EditBarWindow());
        QVERIFY(!f.Item(MenuId::mnu_DisBanner)->isChecked());
        f.Item(MenuId::mnu_DisBanner)->trigger();
        QPointer<EditBar> reopened = f.window.EditBarWindow();
        QVERIFY(reopened);

        f.Item(MenuId::mnu_Edit)->trigger();  // a new level while the bar is open: a new bar
        QPointer<EditBar> fresh = f.window.EditBarWindow();
        QVERIFY(fresh && fresh != reopened);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!reopened);
        reopened = fresh;

        reopened->close();  // the close box
        QVERIFY(!f.window.EditBarWindow());
        QVERIFY(!f.game->menus.Checked(MenuId::mnu_DisBanner));
        QVERIFY(!f.Item(MenuId::mnu_DisBanner)->isChecked());
        QVERIFY(!f.game->controls.frm_Edit_Open);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!reopened);
    }

    // The palette and the board clicks reach the game; every mouse button places.
    void clicksOnTheBoardPlaceThePaletteObject()
    {
        Fixture f;
        f.Item(MenuId::mnu_Edit)->trigger();
        QTest::mouseClick(f.window.Board(), Qt::LeftButton, {}, QPoint(3 * 32 + 5, 2 * 32 + 30));
        QCOMPARE(f.game->Board()(3, 2), std::int16_t(Wall));
        QTest::mouseClick(f.window.EditBarWindow()->PaletteButton(4), Qt::LeftButton);
        QCOMPARE(f.game->EditObject(), std::int16_t(4));
        QTest::mouseClick(f.window.Board(), Qt::RightButton, {}, QPoint(5 * 32, 4 * 32));
        QCOMPARE(f.game->Board()(5, 4), std::int16_t(Box));
        QCOMPARE(f.game->EditBoard()(5, 4), std::int16_t(Box));
    }

    // After "&Test" an arrow that reaches the bar (a desktop kept the keyboard there) moves the man.
    void anArrowOnTheEditBarMovesTheManInTestPlay()
    {
        Fixture f;
        f.Item(MenuId::mnu_Edit)->trigger();
        f.game->ssr_Object_Click(Floor);
        QTest::mouseClick(f.window.Board(), Qt::LeftButton, {}, QPoint(10 * 32 + 16, 6 * 32 + 16));
        QTest::mouseClick(f.window.EditBarWindow()->TestButton(), Qt::LeftButton);
        QCOMPARE(f.game->GameMode, std::int16_t(ModeTestPlay));
        QTest::keyClick(f.window.EditBarWindow()->EditButton(), Qt::Key_Right);
        QCOMPARE(f.game->StepCount(), 1);
        QCOMPARE(f.game->ManX(), 10);
    }

    // "E&xit" on the edit bar leaves the editor from inside the bar's own button.
    void theEditBarsExitButtonClosesIt()
    {
        Fixture f;
        f.Item(MenuId::mnu_Edit)->trigger();
        QTest::mouseClick(f.window.EditBarWindow()->ExitButton(), Qt::LeftButton);
        QCOMPARE(f.game->GameMode, std::int16_t(ModeEditorLeft));
        QVERIFY(!f.window.EditBarWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The Qt timers run exactly when and as fast as the game's controls say.
    void theTimersFollowTheGame()
    {
        Fixture f;
        QVERIFY(f.window.GoalTimer()->isActive());
        QCOMPARE(f.window.GoalTimer()->interval(), 100);
        QVERIFY(f.window.IconTimer()->isActive());  // the first show started the music watchdog
        QCOMPARE(f.window.IconTimer()->interval(), 5000);

        f.game->controls.tmr_Goal_Enabled = false;
        f.game->controls.tmr_Sprite_Enabled = true;
        f.game->controls.tmr_Sprite_Interval = 250;
        f.game->controls.tmr_Icon_Interval = 100;
        f.window.SyncFromState();
        QVERIFY(!f.window.GoalTimer()->isActive());
        QVERIFY(f.window.SpriteTimer()->isActive());
        QCOMPARE(f.window.SpriteTimer()->interval(), 250);
        QCOMPARE(f.window.IconTimer()->interval(), 100);

        f.game->controls.tmr_Sprite_Enabled = false;
        f.window.SyncFromState();
        QVERIFY(!f.window.SpriteTimer()->isActive());
    }

    // The goal timer's ticks reach the game's animation.
    void aGoalTimerTickReachesTheGame()
    {
        Fixture f;
        const auto frame = f.game->GoalFrame;
        QTRY_VERIFY_WITH_TIMEOUT(f.game->GoalFrame != frame, 1000);
    }

    // A focus request of the game is honoured once and then cleared.
    void focusRequestsAreHonouredOnce()
    {
        Fixture f;
        QVERIFY(f.Active());
        f.window.StepCounter()->setFocus();
        f.game->controls.focus = FocusRequest::MainWindow;
        f.window.SyncFromState();
        QVERIFY(f.window.Board()->hasFocus());
        QCOMPARE(f.game->controls.focus, FocusRequest::None);
        f.window.StepCounter()->setFocus();
        f.window.SyncFromState();
        QVERIFY(f.window.StepCounter()->hasFocus());
    }

    // Minimizing and restoring reach the game's resize handler: the music stops and
    // starts again and the watchdog changes its pace.
    void minimizingAndRestoringReachTheGame()
    {
        Fixture f;
        QCOMPARE(f.Count("PLAY SQ1 FROM 0"), 1);  // the first show
        f.game.desktop.window.minimized = true;
        f.window.showMinimized();
        QTRY_COMPARE(f.window.IconTimer()->interval(), 100);
        QCOMPARE(f.Count("STOP SQ1"), 1);
        f.game.desktop.window.minimized = false;
        f.window.showNormal();
        QTRY_COMPARE(f.window.IconTimer()->interval(), 5000);
        QCOMPARE(f.Count("PLAY SQ2 FROM 0"), 1);
    }

    // "E&xit" and the close box end the same way: the game unloads once.
    // A collection file dropped onto the window goes to the library and the browser opens on
    // it; any other file is not taken.
    void aDroppedCollectionIsOpened()
    {
        Fixture f;
        WriteFile(f.game.dir.file("Pack.SOK"), "#####\n#@$.#\n#####\n");
        WriteFile(f.game.dir.file("pack.png"), "#####\n#@$.#\n#####\n");
        auto send = [&f](QEvent::Type type, const std::string& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
            QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier, type);
            event.ignore();
            QApplication::sendEvent(&f.window, &event);
            return event.isAccepted();
        };
        QVERIFY(!send(QEvent::DragEnter, f.game.dir.file("pack.png")));
        QVERIFY(send(QEvent::DragEnter, f.game.dir.file("Pack.SOK")));
        QVERIFY(send(QEvent::Drop, f.game.dir.file("Pack.SOK")));
        QTRY_COMPARE(f.game.desktop.browser.starts.size(), std::size_t{1});
        QVERIFY(!f.game.desktop.browser.starts.front().collection.empty());
        QVERIFY(!std::filesystem::exists(f.game.dir.file("other.1")));
    }

    void exitUnloadsTheGameOnce_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("E&xit") << true;
        QTest::newRow("close box") << false;
    }
    void exitUnloadsTheGameOnce()
    {
        QFETCH(bool, fromMenu);
        Fixture f;
        if (fromMenu)
            f.Item(MenuId::mnu_Exit)->trigger();
        else
            f.window.close();
        QTRY_VERIFY(!f.window.isVisible());
        QVERIFY(f.window.Unloaded());
        f.window.close();
        QCOMPARE(f.Count("CLOSE SQ1"), 1);
        QCOMPARE(f.Count("CLOSE SQ2"), 1);
        QCOMPARE(f.game.desktop.help.quits, 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
