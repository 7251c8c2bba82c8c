#pragma once
// Where the game's windows appear on the screen.
class QWidget;

namespace tolvar {

/// Left = (screen width - window width) \ 2, top likewise.
void CentreOnScreen(QWidget* window);

/// Centred horizontally, at the top edge of the screen.
void MoveToTopCentre(QWidget* window);

}  // namespace tolvar
