#pragma once
// The main window as the game sees it: its client size, whether it is minimized,
// and repainting from the game's images.
#include "core/Services.h"

namespace tolvar {

class MainWindow;

class WindowService : public WindowPort {
public:
    /// The window exists only after the game does; until then the designed size is reported.
    void Attach(MainWindow* window) { window_ = window; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    bool IsMinimized() const override;
    void Refresh(const QRegion& area) override;
    void RefreshCounter(Counter which) override;

private:
    MainWindow* window_ = nullptr;
};

}  // namespace tolvar
