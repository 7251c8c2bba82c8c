#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <algorithm>
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

bool WindowsPlaceThemselves() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void PlaceBelow(QWidget* window, const QWidget* anchor)
{
    constexpr int Gap = 4;
    const QRect frame = anchor->frameGeometry();
    window->move(frame.x() + (frame.width() - OuterSize(window).width()) / 2, frame.bottom() + 1 + Gap);
}

QRect BesideGeometry(const QRect& area, const QRect& anchor, const QSize& outer, int narrowest)
{
    const int rightRoom = area.right() - anchor.right(), leftRoom = anchor.left() - area.left();
    QRect at(anchor.center() - QPoint(outer.width() / 2, outer.height() / 2), outer);  // over it
    if (rightRoom >= outer.width() || (leftRoom < outer.width() && rightRoom >= std::max(narrowest, leftRoom)))
        at = QRect(anchor.right() + 1, anchor.y(), std::min(outer.width(), rightRoom), outer.height());
    else if (leftRoom >= narrowest)
        at = QRect(anchor.left() - std::min(outer.width(), leftRoom), anchor.y(), std::min(outer.width(), leftRoom), outer.height());
    const auto keep = [](int value, int low, int length, int room) { return std::max(low, std::min(value, low + room - length)); };
    at.moveTo(keep(at.x(), area.x(), at.width(), area.width()), keep(at.y(), area.y(), at.height(), area.height()));
    return at;
}

void PlaceBeside(QWidget* window, const QWidget* anchor, int narrowest)
{
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    // The window manager's frame is not known before the window shows: the anchor's stands in for it.
    const QSize decoration = (anchor->frameGeometry().size() - anchor->size()).expandedTo(QSize(0, 0));
    const QRect outer = BesideGeometry(area, anchor->frameGeometry(), window->size() + decoration, narrowest + decoration.width());
    window->resize(outer.size() - decoration);
    window->move(outer.topLeft());
}

}  // namespace tolvar
