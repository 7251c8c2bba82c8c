#include "assist/AutoReplay.h"

namespace tolvar {

void AutoReplay::SetSpeed(int index)
{
    if (index >= 0 && index < static_cast<int>(StepsPerSecond.size()))
        speed_ = index;
}

int AutoReplay::SpeedOf(const std::optional<std::string>& stored)
{
    for (std::size_t i = 0; i < StepsPerSecond.size(); ++i)
        if (stored && *stored == std::to_string(StepsPerSecond[i]))
            return static_cast<int>(i);
    return DefaultSpeed;
}

}  // namespace tolvar
