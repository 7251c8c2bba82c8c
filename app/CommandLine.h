#pragma once
// The game's command line and the display it opens its windows on, settled before Qt starts.
#include <optional>
#include <string>

namespace tolvar {

/// What the command line asks for: an exit code when it is answered without a window
/// (--help, --version, or a word the game does not take), and the Qt platform named on it.
struct CommandLine {
    std::optional<int> exitCode;
    std::string platform;      // -platform NAME, or empty
    bool displayNamed = false;  // -display NAME names an X server
};

/// Reads the arguments; --help and --version are answered on standard output, anything
/// but Qt's own options gets the usage on standard error and exit code 2.
CommandLine ReadCommandLine(int argc, char* argv[], const char* version);

/// The desktop as the environment describes it.
struct DisplayEnvironment {
    std::string platformVariable;  // QT_QPA_PLATFORM
    bool x11 = false;              // DISPLAY is set (or -display names one)
    bool wayland = false;          // WAYLAND_DISPLAY is set
};
DisplayEnvironment ReadDisplayEnvironment(const CommandLine& line);

/// The Qt platform to start on when the player chose none: X11 where there is an X
/// server, XWayland included (windows can place themselves there), native Wayland
/// otherwise. Empty when the player chose one (`line.platform` or QT_QPA_PLATFORM), which
/// is then left to Qt. Nothing when there is no display at all.
std::optional<std::string> ChoosePlatform(const CommandLine& line, const DisplayEnvironment& desktop);

/// Stands by while Qt starts its platform (the QApplication made in its lifetime). Qt's
/// messages are held back meanwhile; a platform that cannot start ends the program with
/// one line on standard error and exit code 1 instead of an abort. `platform`, when not
/// empty, is the one Qt is to start, asked for without passing it on to the programs the
/// game starts (a browser, the help).
class PlatformStart {
public:
    explicit PlatformStart(const std::string& platform);
    /// The platform runs: the messages held back are let through.
    ~PlatformStart();
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;

private:
    bool setVariable_;
};

}  // namespace tolvar
