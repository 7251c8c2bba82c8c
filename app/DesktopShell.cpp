#include "app/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "app/AudioBackend.h"

namespace tolvar {

QProcessEnvironment DesktopShell::ProgramEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const std::string& variable : AudioStreamNamingVariables())
        environment.remove(QString::fromStdString(variable));
    return environment;
}

void DesktopShell::Open(const std::string& address)
{
    // The result is of no interest to the game: a missing browser shows whatever the desktop shows.
    // The desktop's opener is started without the game's sound names, so a browser it starts shows
    // its own sounds under its own name; without the opener, Qt finds a handler its own way.
    const QUrl url(QString::fromStdString(address), QUrl::TolerantMode);
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({url.toString(QUrl::FullyEncoded)});
    opener.setProcessEnvironment(ProgramEnvironment());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    if (!opener.startDetached())
        QDesktopServices::openUrl(url);
}

}  // namespace tolvar
