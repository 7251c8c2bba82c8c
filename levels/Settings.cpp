// The two numbers the game keeps between runs, in section "Box" of the settings file.
#include <algorithm>
#include <climits>

#include "core/Game.h"
#include "levels/TypedNumber.h"

namespace tolvar {

std::int32_t Game::ReadSetting(const std::string& key, std::int32_t defaultValue)
{
    const std::optional<std::string> text = svc_.settings->Value(key);
    if (!text)
        return defaultValue;
    // Only the leading digits count; no digits, or a minus sign, reads as 0.
    std::size_t i = 0;
    while (i < text->size() && ((*text)[i] == ' ' || (*text)[i] == '\t'))
        ++i;
    long long value = 0;
    for (; i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9'; ++i) {
        value = value * 10 + ((*text)[i] - '0');
        if (value > INT32_MAX)
            return INT32_MAX;  // a huge number stays huge instead of wrapping round
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t Game::SelfLevelCount() { return std::min<std::int32_t>(ReadSetting(SelfLevelKey, 0), MaxShort); }

bool Game::WriteSetting(const std::string& key, std::int32_t value)
{
    return svc_.settings->SetValue(key, NumberText(value < 0 ? 0 : value));
}

}  // namespace tolvar
