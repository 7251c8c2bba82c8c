#include "app/QtCollectionsBrowser.h"

#include "app/CollectionsWindow.h"

namespace tolvar {

std::optional<LevelChoice> QtCollectionsBrowser::Browse(const LevelChoice& start)
{
    if (!game_)
        return std::nullopt;
    CollectionsWindow window(*game_, start, window_ && window_->isVisible() ? window_.data() : nullptr);
    window.exec();
    return window.Chosen();
}

}  // namespace tolvar
