#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tolvar {

namespace {

QRect ScreenArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

// The frame's size once a window manager has decorated the window; the client size before.
QSize OuterSize(const QWidget* window)
{
    const QSize frame = window->frameGeometry().size();
    return frame.isValid() && frame.width() >= window->width() ? frame : window->size();
}

}  // namespace

void CentreOnScreen(QWidget* window)
{
    const QRect area = ScreenArea(window);
    const QSize outer = OuterSize(window);
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void MoveToTopCentre(QWidget* window)
{
    const QRect area = ScreenArea(window);
    window->move(area.x() + (area.width() - OuterSize(window).width()) / 2, area.y());
}

}  // namespace tolvar
