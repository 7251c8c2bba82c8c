// The numbers the game keeps between runs: its own two in section "Box" of the settings file,
// and beside them, in a section of its own, whether the whole set has been completed.
#include <algorithm>
#include <climits>

#include "core/Game.h"
#include "levels/TypedNumber.h"

namespace tolvar {

namespace {

std::int32_t SettingNumber(const std::optional<std::string>& text, std::int32_t defaultValue)
{
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

}  // namespace

std::int32_t Game::ReadSetting(const std::string& key, std::int32_t defaultValue)
{
    return SettingNumber(svc_.settings->Value(key), defaultValue);
}

bool Game::SetCompleted() { return svc_.progress && SettingNumber(svc_.progress->Value(SetCompletedKey), 0) > 0; }

void Game::RememberSetCompleted()
{
    if (svc_.progress)
        svc_.progress->SetValue(SetCompletedKey, "1");
}

std::int32_t Game::SelfLevelCount() { return std::min<std::int32_t>(ReadSetting(SelfLevelKey, 0), MaxShort); }

bool Game::WriteSetting(const std::string& key, std::int32_t value)
{
    return svc_.settings->SetValue(key, NumberText(value < 0 ? 0 : value));
}

}  // namespace tolvar
