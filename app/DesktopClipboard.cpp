#include "app/DesktopClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tolvar {

std::string DesktopClipboard::Text() { return QGuiApplication::clipboard()->text().toStdString(); }

void DesktopClipboard::SetText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace tolvar
