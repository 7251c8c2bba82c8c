#include "session/Gate.h"

namespace tolvar {

bool Gate::Run(Aim aim, const std::function<void()>& command)
{
    for (const auto& finish : running_)
        finish();
    return Answer(aim, command);
}

bool Gate::Answer(Aim aim, const std::function<void()>& command)
{
    if (!StillThere(aim))
        return false;
    command();
    return true;
}

}  // namespace tolvar
