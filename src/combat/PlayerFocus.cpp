// Focus mode, and the gauge: its release by the gauge button and the drain
// of the gauge weapon while it runs.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "combat/PlayerControl.h"
#include "combat/Weapon.h"
#include "core/ContainsValue.h"
#include "core/Game.h"
#include "data/AttributeValues.h"
#include "play/Level.h"
#include "play/playState.h"

#include <OgreSceneNode.h>

namespace {

int baseWeaponLevelOf(const Game& game)
{
    return truncatedInto<int>(game.baseWeaponLevel, 0);
}

void refreshGaugeDisplay(Game& game)
{
    if (game.level)
        game.level->updateGaugeDisplay(game.gaugeValue);
}

bool isGaugeButtonCalling(const Game& game)
{
    const std::int32_t button = game.gaugeButtonNumber;
    return isShootButtonPressed(game, button) || containsValue(game.heldShootButtons, button);
}

} // namespace

void Player::updateFocus(double dt)
{
    Game& current = *Game::getSingletonPtr();
    const bool hasFocusSet = focusWeaponSet != noFocusSet;
    if (isFocus) {
        const bool isHeld = isShootButtonHeld(current, focusButton);
        if (!isFocusMode && isHeld) {
            integerSpeed = truncatedInto<std::int32_t>(currentSpeed, integerSpeed);
            isFocusMode = true;
            currentSpeed = static_cast<float>(focusPlayerSpeed);
            if (hasFocusSet && !current.isGaugeActive) {
                setWeaponLevel(focusWeaponSet);
                savedWeaponLevel = focusWeaponSet;
            }
        } else if (isFocusMode && !isHeld) {
            currentSpeed = static_cast<float>(integerSpeed);
            isFocusMode = false;
            if (hasFocusSet && !current.isGaugeActive)
                setWeaponLevel(baseWeaponLevelOf(current));
        }
    }

    // Silenced guns leave the scene until the triggers let them shoot again.
    if (std::vector<Weapon*>* set = activeWeaponSet(); set && isNoShooting)
        for (Weapon* weapon : *set)
            if (weapon->sceneNode && weapon->sceneNode->getParent())
                weapon->sceneNode->getParent()->removeChild(weapon->sceneNode);

    if (current.isGauge && current.isGaugeReady && !current.isGaugeActive && current.gaugeValue >= current.maxGauge &&
        isGaugeButtonCalling(current) && current.level)
        current.level->useGauge();
    if (!current.isGaugeActive)
        return;
    current.gaugeValue -= current.gaugeDrainSpeed * static_cast<float>(dt);
    if (current.gaugeValue <= 0.0f) {
        current.gaugeValue = 0.0f;
        current.isGaugeActive = false;
        setWeaponLevel(isFocusMode && hasFocusSet ? savedWeaponLevel : baseWeaponLevelOf(current));
    }
    refreshGaugeDisplay(current);
}
