// The ship's weapon sets: which one is active, and resetting them.
#include "combat/Player.h"

#include "combat/Weapon.h"
#include "core/Game.h"

void Player::setWeaponLevel(int level)
{
    Game& game = *Game::getSingletonPtr();
    if (game.weaponLevel == level || weaponSets.empty())
        return;
    const auto last = static_cast<unsigned>(weaponSets.size() - 1);
    game.weaponLevel = static_cast<unsigned>(level) > last ? static_cast<int>(last) : level;
    resetWeapons();
}

void Player::resetWeapons()
{
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            weapon->reset();
}
