#include "app/CommandLine.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace tolvar {

namespace {

constexpr const char* Usage = R"(Usage: tolvar [--help | --version]

TOLVAR, a box-pushing puzzle: walk the man with the arrow keys and push every
box onto a goal. The game reads its level set, pictures, sounds and help from
the current directory, its game directory, and keeps your solutions and levels
there. Installed, start it with the launcher of the same name, which gives you
a game directory of your own; see tolvar(6).

  --help     show this text
  --version  show the version

Qt's own options (-platform NAME, -display NAME, -style NAME, -reverse and the
like) are passed on to Qt. On a Wayland desktop the game opens its windows
through XWayland where it can, natively otherwise; QT_QPA_PLATFORM=wayland (or
-platform wayland) asks for the native way.
)";

/// "--platform" and "-platform" alike: Qt reads both.
const char* OptionName(const char* arg) { return std::strncmp(arg, "--", 2) == 0 ? arg + 1 : arg; }

bool OneOf(const char* name, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        if (std::strcmp(name, n) == 0)
            return true;
    return false;
}

CommandLine Refuse(const char* arg, const char* why)
{
    std::fprintf(stderr, "tolvar: %s: %s\n\n%s", arg, why, Usage);
    return CommandLine{2, {}, false};
}

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[], const char* version)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (OneOf(arg, {"--help", "-h"})) {
            std::fputs(Usage, stdout);
            return CommandLine{0, {}, false};
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("tolvar %s\n", version);
            return CommandLine{0, {}, false};
        }
        const char* name = OptionName(arg);
        if (OneOf(name, {"-reverse"}))
            continue;
        if (!OneOf(name, {"-platform", "-platformtheme", "-display", "-style", "-stylesheet", "-qwindowgeometry",
                          "-qwindowtitle"}))
            return Refuse(arg, name[0] == '-' ? "unknown option" : "the game takes no file or other word");
        if (i + 1 >= argc)
            return Refuse(arg, "needs a value");
        const char* value = argv[++i];
        if (std::strcmp(name, "-platform") == 0)
            line.platform = value;
        line.displayNamed = line.displayNamed || std::strcmp(name, "-display") == 0;
    }
    return line;
}

DisplayEnvironment ReadDisplayEnvironment(const CommandLine& line)
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return DisplayEnvironment{platform ? platform : "", line.displayNamed || set("DISPLAY"), set("WAYLAND_DISPLAY")};
}

std::optional<std::string> ChoosePlatform(const CommandLine& line, const DisplayEnvironment& desktop)
{
    const std::string& chosen = line.platform.empty() ? desktop.platformVariable : line.platform;
    if ((chosen == "xcb" && !desktop.x11) || (chosen == "wayland" && !desktop.wayland))
        return std::nullopt;
    if (!chosen.empty())
        return std::string();
    if (desktop.x11)
        return std::string("xcb");
    if (desktop.wayland)
        return std::string("wayland");
    return std::nullopt;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category ? context.category : "", text});
        return;
    }
    // Qt's first complaint says why ("could not connect to display :9"); its last words only
    // that no platform could start.
    const QString why = heldMessages.empty() ? text : heldMessages.front().text;
    std::fprintf(stderr, "tolvar: no display to open the game's window on (%s)\n",
                 why.section(QLatin1Char('\n'), 0, 0).toLocal8Bit().constData());
    std::_Exit(1);
}

}  // namespace

PlatformStart::PlatformStart(const std::string& platform) : setVariable_(!platform.empty())
{
    if (setVariable_)
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    heldMessages.clear();
    previousHandler = qInstallMessageHandler(HoldBack);
}

PlatformStart::~PlatformStart()
{
    qInstallMessageHandler(previousHandler);
    if (setVariable_)
        qunsetenv("QT_QPA_PLATFORM");
    for (const HeldMessage& m : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
        if (previousHandler)
            previousHandler(m.type, context, m.text);
        else
            std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
    }
    heldMessages.clear();
}

}  // namespace tolvar
