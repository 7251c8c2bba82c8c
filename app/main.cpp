// TOLVAR: the program starts here. The game directory is the current directory.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "app/AudioBackend.h"
#include "app/ChordFilter.h"
#include "app/DeferredAudio.h"
#include "app/DesktopShell.h"
#include "app/HelpWindow.h"
#include "app/IniSettings.h"
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/QtGuiThread.h"
#include "app/ScreenPlacement.h"
#include "app/WindowService.h"
#include "assist/Assist.h"
#include "core/Game.h"

namespace {

constexpr const char* Usage = R"(Usage: tolvar [--help | --version]

TOLVAR, a box-pushing puzzle: walk the man with the arrow keys and push every
box onto a goal. The game reads its level set, pictures, sounds and help from
the current directory, its game directory, and keeps your solutions and levels
there. Installed, start it with the launcher of the same name, which gives you
a game directory of your own; see tolvar(6).

  --help     show this text
  --version  show the version
)";

/// Answers --help and --version without opening a window; -1 when the game should start.
int AnswerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tolvar %s\n", TOLVAR_VERSION);
            return 0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const int answered = AnswerCommandLine(argc, argv); answered >= 0)
        return answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvar"));
    // Lets the desktop match the window to its installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quillon_studio.Tolvar"));
    const QString gameDir = QDir::currentPath();
    QApplication::setWindowIcon(QIcon(gameDir + QStringLiteral("/tolvar.png")));
    tolvar::InstallChordFilter(app);

    tolvar::QtDialogs dialogs;
    tolvar::DeferredAudio audio([dir = gameDir.toStdString()] { return tolvar::MakeAudioBackend(dir); });
    tolvar::HelpViewer help(gameDir);
    tolvar::DesktopShell shell;
    tolvar::IniSettings settings(tolvar::IniSettings::DefaultPath());
    tolvar::IniSettings assistSettings(tolvar::IniSettings::DefaultPath(), "Assist");
    tolvar::IniSettings progressSettings(tolvar::IniSettings::DefaultPath(), tolvar::ProgressSection);
    tolvar::WindowService window;
    tolvar::InstanceLock instance(tolvar::InstanceLock::DefaultPath());

    tolvar::Services services;
    services.dialogs = &dialogs;
    services.sound = &audio;
    services.mci = &audio;
    services.help = &help;
    services.shell = &shell;
    services.settings = &settings;
    services.progress = &progressSettings;
    services.window = &window;
    services.instance = &instance;

    tolvar::Game game(services);
    tolvar::QtGuiThread guiThread;
    tolvar::Assist assist(game, assistSettings, guiThread);
    tolvar::MainWindow mainWindow(game, assist);
    guiThread.SetRunner([&mainWindow](const std::function<void()>& task) { mainWindow.RunPosted(task); });
    window.Attach(&mainWindow);
    dialogs.AttachWindow(&mainWindow);
    help.AttachWindow(&mainWindow);
    dialogs.SetAfterCall([&mainWindow] { mainWindow.SyncFromState(); });

    // Start-up shows the about box itself and ends early for a second copy or a missing level set.
    if (!game.Form_Load(gameDir.toStdString()))
        return 0;

    mainWindow.SyncFromState();
    mainWindow.adjustSize();
    tolvar::CentreOnScreen(&mainWindow);
    mainWindow.show();
    return QApplication::exec();
}
