// Character, background and scenery choices, and the scenery dice: the view shows what is chosen.
#include "core/Game.h"

namespace tolvar {

void Game::mnu_Man_Click(int Index)
{
    if (Index < 0 || Index >= CharacterCount)
        return;
    for (int i = 0; i < CharacterCount; ++i)
        menus.Uncheck(mnu_Man(i));
    menus.Check(mnu_Man(Index));
    view.appearance.Character = static_cast<std::int16_t>(Index);
    mnu_NewGame_Click();
}

void Game::mnu_Back_Click(int Index)
{
    if (Index < 0 || Index >= BackgroundCount)
        return;
    for (int i = 0; i < BackgroundCount; ++i)
        menus.Uncheck(mnu_Back(i));
    menus.Check(mnu_Back(Index));
    view.appearance.Background = static_cast<std::int16_t>(Index);
    mnu_NewGame_Click();
}

void Game::mnu_Scenery_Click(int Index)
{
    if (Index < 0 || Index > SceneryCount + 1)
        return;
    for (int i = 0; i <= SceneryCount + 1; ++i)
        menus.Uncheck(mnu_Scenery(i));
    menus.Check(mnu_Scenery(Index));
    if (Index < 2)
        return;  // a mode: the scenery on screen stays until the next level
    view.appearance.Scenery = static_cast<std::int16_t>(Index - 2);
    mnu_NewGame_Click();
}

void Game::SeedRandom(std::uint32_t seed) { rng_.seed(seed); }

std::int16_t Game::RandomInt(std::int16_t n)
{
    // r is uniform in [0, 1) with 24 bits, exact in single precision, so r * n < n.
    const float r = static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
    return static_cast<std::int16_t>(static_cast<int>(r * static_cast<float>(n)));
}

void Game::NextScenery()
{
    std::int16_t& scenery = view.appearance.Scenery;
    if (menus.Checked(mnu_Scenery(0))) {
        scenery = static_cast<std::int16_t>(scenery + 1);
        if (scenery == SceneryCount)
            scenery = 0;
    } else if (menus.Checked(mnu_Scenery(1))) {
        scenery = RandomInt(SceneryCount);
    }
}

}  // namespace tolvar
