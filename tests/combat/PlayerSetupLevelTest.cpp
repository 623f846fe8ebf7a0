#include "combat/PlayerScene.h"

#include <gtest/gtest.h>

namespace {

// Gives the ship that many sets of one gun each; a gun marked with a press
// buffer loses it when reset.
void giveSets(Player& ship, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        ship.weaponSets.push_back({new Weapon()});
}

void markGuns(Player& ship)
{
    for (std::vector<Weapon*>& set : ship.weaponSets)
        set[0]->pressBuffer = 1.0f;
}

bool gunsWereReset(const Player& ship)
{
    return !ship.weaponSets.empty() && ship.weaponSets[0][0]->pressBuffer == 0.0f;
}

} // namespace

TEST(PlayerSetupLevel, TheWeaponLevelPicksASetCappedAtTheLast)
{
    struct Case {
        std::size_t sets;
        int current;
        int requested;
        int expected;
        bool isReset;
    };
    const Case cases[] = {
        {3, 0, 1, 1, true},   // a set of the ship
        {3, 0, 7, 2, true},   // beyond the last
        {3, 0, -1, 2, true},  // negative: compared unsigned, the last too
        {3, 1, 1, 1, false},  // the same level again
        {0, 0, 2, 0, false},  // no sets at all
    };
    for (const Case& c : cases) {
        PlayerScene scene;
        giveSets(scene.player, c.sets);
        markGuns(scene.player);
        scene.game.weaponLevel = c.current;
        scene.player.setWeaponLevel(c.requested);
        EXPECT_EQ(scene.game.weaponLevel, c.expected) << c.requested;
        EXPECT_EQ(gunsWereReset(scene.player), c.isReset) << c.requested;
    }
}

TEST(PlayerSetupLevel, EnergyRaisesTheWeaponLevelUnlessTheGaugeOrAnOverrideHoldsIt)
{
    struct Case {
        float amount;
        bool isGaugeActive;
        bool isOverride;
        int expected;
    };
    const Case cases[] = {
        {1.7f, false, false, 1}, // the fraction dropped
        {9.0f, false, false, 2}, // power-ups capped at 5, the level at the last set
        {1.7f, true, false, 0},
        {1.7f, false, true, 0},
    };
    for (const Case& c : cases) {
        PlayerScene scene;
        giveSets(scene.player, 3);
        scene.game.maxPlayerPowerUps = 5;
        scene.game.powerUpLevel = 0.0f;
        scene.game.isGaugeActive = c.isGaugeActive;
        scene.player.isWeaponSetOverride = c.isOverride;
        scene.game.addEnergy(c.amount);
        EXPECT_EQ(scene.game.weaponLevel, c.expected) << c.amount;
    }
    Game& game = *Game::getSingletonPtr();
    game.maxPlayerPowerUps = 0;
    game.powerUpLevel = 0.0f;
    game.isGaugeActive = false;
}
