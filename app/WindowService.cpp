#include "app/WindowService.h"

#include "app/BoardWidget.h"
#include "app/CounterBox.h"
#include "app/MainWindow.h"
#include "view/Screen.h"

namespace tolvar {

int WindowService::ClientWidth() const { return window_ ? window_->Board()->width() : ClientWidthDesigned; }

int WindowService::ClientHeight() const { return window_ ? window_->Board()->height() : ClientHeightDesigned; }

bool WindowService::IsMinimized() const { return window_ && window_->isMinimized(); }

void WindowService::Refresh(const QRegion& area)
{
    if (window_)
        window_->Board()->update(area);
}

void WindowService::RefreshCounter(Counter which)
{
    if (!window_)
        return;
    (which == Counter::Level ? window_->LevelCounter() : window_->StepCounter())->update();
    if (which == Counter::Step)
        window_->FollowCounts();  // with the step counter, also where a won level's window opens next
}

}  // namespace tolvar
