// TOLVAR: the program starts here. The game directory is the current directory.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <malloc.h>

#include "app/AudioBackend.h"
#include "app/ChordFilter.h"
#include "app/CommandLine.h"
#include "app/DeferredAudio.h"
#include "app/DesktopClipboard.h"
#include "app/DesktopShell.h"
#include "app/HelpWindow.h"
#include "app/IniSettings.h"
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "app/QtCollectionsBrowser.h"
#include "app/QtDialogs.h"
#include "app/QtGuiThread.h"
#include "app/ScreenPlacement.h"
#include "app/WindowService.h"
#include "assist/Assist.h"
#include "core/Game.h"

namespace {
constexpr const char* ProgramName = "tolvar";

/// The program's name, desktop entry and icon, as the desktop shows them; the key chords' filter.
void IdentifyApplication(QApplication& app, const QString& gameDir)
{
    QApplication::setApplicationName(QString::fromLatin1(ProgramName));
    // Lets the desktop match the window to its installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quillon_studio.Tolvar"));
    QApplication::setWindowIcon(QIcon(gameDir + QStringLiteral("/tolvar.png")));
    tolvar::InstallChordFilter(app);
}
}  // namespace

int main(int argc, char* argv[])
{
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);  // the music's samples, mapped apart, go back to the system with their piece
    mallopt(M_ARENA_MAX, 1);  // one heap for all threads, which allocate little: a heap each held half a megabyte more
    const tolvar::CommandLine line = tolvar::ReadCommandLine(argc, argv, TOLVAR_VERSION);
    if (line.exitCode)
        return *line.exitCode;
    const std::optional<std::string> platform = tolvar::ChoosePlatform(line, tolvar::ReadDisplayEnvironment(line));
    if (!platform) {
        std::fputs("tolvar: no display to open the game's window on (set DISPLAY for X11 or WAYLAND_DISPLAY for Wayland)\n", stderr);
        return 1;
    }
    tolvar::NameAudioStreams(ProgramName);  // the icon is named after the program
    std::optional<tolvar::PlatformStart> starting(std::in_place, *platform);
    QApplication app(argc, argv);
    starting.reset();
    const QString gameDir = QDir::currentPath();
    IdentifyApplication(app, gameDir);

    tolvar::QtDialogs dialogs;
    tolvar::DeferredAudio audio([dir = gameDir.toStdString()] { return tolvar::MakeAudioBackend(dir); });
    tolvar::HelpViewer help(gameDir);
    tolvar::DesktopShell shell;
    tolvar::DesktopClipboard clipboard;
    tolvar::IniSettings settings(tolvar::IniSettings::DefaultPath());
    tolvar::IniSettings assistSettings(tolvar::IniSettings::DefaultPath(), "Assist");
    tolvar::IniSettings progressSettings(tolvar::IniSettings::DefaultPath(), tolvar::ProgressSection);
    tolvar::IniSettings collectionSettings(tolvar::IniSettings::DefaultPath(), "Collections");
    tolvar::QtCollectionsBrowser browser;
    tolvar::WindowService window;
    tolvar::InstanceLock instance(tolvar::InstanceLock::DefaultPath());

    const tolvar::Services services{.dialogs = &dialogs, .sound = &audio, .mci = &audio, .help = &help, .shell = &shell,
                                    .settings = &settings, .window = &window, .instance = &instance,
                                    .progress = &progressSettings, .browser = &browser, .collections = &collectionSettings,
                                    .clipboard = &clipboard};

    tolvar::Game game(services);
    tolvar::QtGuiThread guiThread;
    tolvar::Assist assist(game, assistSettings, guiThread);
    tolvar::MainWindow mainWindow(game, assist);
    guiThread.SetRunner([&mainWindow](const std::function<void()>& task) { mainWindow.RunPosted(task); });
    window.Attach(&mainWindow);
    dialogs.AttachWindow(&mainWindow);
    help.AttachWindow(&mainWindow);
    browser.Attach(&game, &mainWindow);
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
