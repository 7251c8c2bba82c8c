#include "app/QtGuiThread.h"

namespace tolvar {

void QtGuiThread::Post(std::function<void()> task)
{
    QMetaObject::invokeMethod(
        this,
        [this, task = std::move(task)] {
            if (run_)
                run_(task);
            else
                task();
        },
        Qt::QueuedConnection);
}

}  // namespace tolvar
