#include "app/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tolvar {

void DesktopShell::Open(const std::string& address)
{
    // The result is of no interest to the game: a missing browser shows whatever the desktop shows.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::TolerantMode));
}

}  // namespace tolvar
