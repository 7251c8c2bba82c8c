// The longest time the GUI thread stays busy in one go over a scripted game: start-up
// with the about box, the first music, 100 moves, a level change and the editor. A
// timer on the GUI thread asks to run every millisecond; the longest wait between two
// of its runs, less the millisecond, is the longest stretch in which the game could
// not have answered the player. A frame lasts 16 ms. Loading the pictures and opening
// the sound stream, before any window shows, is reported on its own.
//
// Runs the real program's parts in the current directory, which must be a game
// directory (build/game), with the desktop's sound:
//   cd build/game
//   XDG_CONFIG_HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen ../bench/gui/gui_busy_bench
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/AudioBackend.h"
#include "app/BoardWidget.h"
#include "app/DeferredAudio.h"
#include "app/DesktopShell.h"
#include "app/GameMenus.h"
#include "app/HelpWindow.h"
#include "assist/Assist.h"
#include "app/IniSettings.h"
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/QtGuiThread.h"
#include "app/WindowService.h"
#include "core/Game.h"

namespace {

/// The longest gap between two runs of a 1 ms timer, per phase of the script.
class Heartbeat {
public:
    Heartbeat()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Beat(); });
        clock_.start();
        timer_.start();
    }
    void Enter(const std::string& phase)
    {
        Beat();
        phase_ = phase;
        order_.push_back(phase);
    }
    void Report() const
    {
        double worst = 0;
        for (const std::string& phase : order_) {
            const double ms = longest_.count(phase) ? longest_.at(phase) : 0.0;
            worst = std::max(worst, ms);
            std::printf("%-28s longest busy %6.1f ms\n", phase.c_str(), ms);
        }
        std::printf("%-28s longest busy %6.1f ms\n", "whole run", worst);
    }

private:
    void Beat()
    {
        const qint64 now = clock_.nsecsElapsed();
        const double busy = static_cast<double>(now - last_) / 1e6 - 1.0;
        double& longest = longest_[phase_];
        longest = std::max(longest, busy);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    std::string phase_ = "loading, before any window";
    std::vector<std::string> order_{phase_};
    std::map<std::string, double> longest_;
};

/// Answers every modal window a moment after it opens: the number 2 for a question,
/// a close for the about box and the messages.
void AnswerModals(QTimer& timer, Heartbeat& heartbeat)
{
    timer.setInterval(300);
    QObject::connect(&timer, &QTimer::timeout, [&heartbeat] {
        static bool aboutBoxSeen = false;
        static QWidget* seen = nullptr;  // answered on the tick after the one that saw it
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !aboutBoxSeen) {
            aboutBoxSeen = true;
            heartbeat.Enter("about box");
        }
        std::swap(seen, modal);
        if (seen != modal)
            return;
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(QStringLiteral("2"));
            input->accept();
        } else if (modal) {
            modal->close();
        }
    });
    timer.start();
}

void Press(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

/// Runs the steps one after the other, each `pause` ms after the last.
void Script(std::vector<std::pair<int, std::function<void()>>> steps)
{
    int at = 0;
    for (auto& [pause, step] : steps) {
        at += pause;
        QTimer::singleShot(at, step);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvar"));
    const std::string gameDir = QDir::currentPath().toStdString();
    tolvar::IniSettings settings(tolvar::IniSettings::DefaultPath());
    settings.SetValue("Level", "3");  // so level 2 may be chosen

    Heartbeat heartbeat;
    QTimer modals;
    AnswerModals(modals, heartbeat);

    tolvar::QtDialogs dialogs;
    tolvar::DeferredAudio audio([gameDir] { return tolvar::MakeAudioBackend(gameDir); });
    tolvar::HelpViewer help(QString::fromStdString(gameDir));
    tolvar::DesktopShell shell;
    tolvar::WindowService window;
    tolvar::InstanceLock instance(tolvar::InstanceLock::DefaultPath());
    tolvar::Services services{&dialogs, &audio, &audio, &help, &shell, &settings, &window, &instance};
    tolvar::Game game(services);
    tolvar::IniSettings assistSettings(tolvar::IniSettings::DefaultPath(), "Assist");
    tolvar::QtGuiThread guiThread;
    tolvar::Assist assist(game, assistSettings, guiThread);
    tolvar::MainWindow mainWindow(game, assist);
    window.Attach(&mainWindow);
    dialogs.AttachWindow(&mainWindow);
    dialogs.SetAfterCall([&mainWindow] { mainWindow.SyncFromState(); });

    if (!game.Form_Load(gameDir)) {
        std::fprintf(stderr, "the game did not start: run in a game directory, alone\n");
        return 1;
    }
    mainWindow.SyncFromState();
    heartbeat.Enter("first music");
    mainWindow.show();

    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    std::vector<std::pair<int, std::function<void()>>> steps;
    steps.emplace_back(2000, [&] { heartbeat.Enter("100 moves"); });
    for (int move = 0; move < 100; ++move)
        steps.emplace_back(30, [&, move] { Press(mainWindow.Board(), keys[(move / 3) % 4]); });
    steps.emplace_back(500, [&] {
        heartbeat.Enter("level change");
        mainWindow.Menus()->Action(tolvar::MenuId::mnu_Level)->trigger();
    });
    steps.emplace_back(1000, [&] {
        heartbeat.Enter("editor");
        mainWindow.Menus()->Action(tolvar::MenuId::mnu_Edit)->trigger();
    });
    steps.emplace_back(1000, [&] {
        heartbeat.Enter("exit");
        mainWindow.close();
    });
    steps.emplace_back(500, [] { QApplication::quit(); });
    Script(std::move(steps));
    QApplication::exec();
    heartbeat.Report();
    return 0;
}
