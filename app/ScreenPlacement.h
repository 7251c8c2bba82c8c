#pragma once
// Where the game's windows appear on the screen.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tolvar {

/// Left = (screen width - window width) \ 2, top likewise.
void CentreOnScreen(QWidget* window);

/// Centred horizontally, at the top edge of the screen.
void MoveToTopCentre(QWidget* window);

/// Windows can place themselves on the screen: not so on Wayland itself (XWayland is X11).
bool WindowsPlaceThemselves();

/// Centred horizontally just below `anchor`, a visible top-level window (its child popups are
/// placed relative to it where windows cannot place themselves).
void PlaceBelow(QWidget* window, const QWidget* anchor);

/// Where a window of outer size `outer` goes beside `anchor` (a frame) within `area`: to its
/// right or left where the full width has room, else narrowed to the wider side's room when that
/// is at least `narrowest`, else over the anchor, centred on it; always kept on the area.
QRect BesideGeometry(const QRect& area, const QRect& anchor, const QSize& outer, int narrowest);

/// Moves (and if need be narrows) `window` beside the visible `anchor`, on the anchor's screen.
void PlaceBeside(QWidget* window, const QWidget* anchor, int narrowest);

}  // namespace tolvar
