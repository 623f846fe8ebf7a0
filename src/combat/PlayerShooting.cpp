// Firing the active weapon set by the held shoot buttons, and the triggers'
// switch that silences the guns.
#include "combat/Player.h"

#include "combat/PlayerControl.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "platform/sound/SoundMode.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Input button 8 fires the guns set to it on ships of rotation type 2.
constexpr std::int32_t button8 = 8;
// Each call of shoot is one fixed step of the play state's firing loop.
constexpr double shootStep = 1.0 / 60.0;

// A lock-on gun answers to the game's lock button instead of its own.
std::int32_t firingButton(const Weapon& weapon, const Game& game)
{
    return weapon.isLockOn ? game.lockButton : weapon.button;
}

bool isLooping(const platform::Channel& channel)
{
    return (channel.getMode() & platform::soundLoopNormal) != 0;
}

// The held list keeps one entry per gun a press starts, so two guns on one
// button push it twice; a release takes one entry away per step.
void updateHeldButtons(Game& game, const std::vector<Weapon*>& set)
{
    std::vector<std::int32_t>& held = game.heldShootButtons;
    for (std::int32_t button = 0; button < shootButtonCount; ++button) {
        const auto lastMatch = std::find(held.rbegin(), held.rend(), button);
        const bool isListed = lastMatch != held.rend();
        const bool isHeld = isShootButtonHeld(game, button);
        if (!isHeld && isListed) {
            held.erase(std::next(lastMatch).base());
        } else if (isHeld && !isListed) {
            for (const Weapon* weapon : set)
                if (weapon->button == button || (weapon->isLockOn && button == game.lockButton))
                    held.push_back(button);
        }
    }
}

bool isFireInput(const Weapon& weapon, const Game& game, const Player& ship)
{
    const std::int32_t button = firingButton(weapon, game);
    const std::vector<std::int32_t>& held = game.heldShootButtons;
    bool fire = !held.empty() && held.back() == button;
    if (game.isCanPressSeveralButtonsForWeapons)
        fire = fire || isShootButtonHeld(game, button);
    if (game.isGaugeActive && game.isGaugeWeaponOverride)
        fire = true;
    if (ship.type == Player::rotationButton8Fires && game.button8Held && button == button8)
        fire = true;
    return fire;
}

} // namespace

std::vector<Weapon*>* Player::activeWeaponSet()
{
    const Game& current = *Game::getSingletonPtr();
    if (current.weaponLevel < 0 || static_cast<std::size_t>(current.weaponLevel) >= weaponSets.size())
        return nullptr;
    return &weaponSets[static_cast<std::size_t>(current.weaponLevel)];
}

void Player::shoot(double)
{
    Game& current = *Game::getSingletonPtr();
    std::vector<Weapon*>* set = activeWeaponSet();
    if (isNoShooting || !set || current.gameMode != gameModePlaying || !sceneNode)
        return;
    updateHeldButtons(current, *set);
    const Ogre::Vector3 forward = sceneNode->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    const Ogre::Vector3 target = sceneNode->_getDerivedPosition();
    for (Weapon* weapon : *set) {
        weapon->aimDirection = forward;
        const bool fire = isFireInput(*weapon, current, *this);
        if (isLockStarting(*weapon, fire))
            lockOn(*weapon);
        double step = shootStep;
        weapon->update(step, target, fire);
    }
}

// Every gun shares one channel for its looping sounds (shot loop, warm-up,
// beam): silencing pauses it and mutes a loop; a later loop starts afresh.
void Player::setShootingDisabled(bool disabled)
{
    if (isNoShooting == disabled)
        return;
    isNoShooting = disabled;
    for (std::vector<Weapon*>& set : weaponSets) {
        for (Weapon* weapon : set) {
            platform::Channel& channel = weapon->shotChannel;
            if (disabled) {
                if (channel.isPlaying()) {
                    channel.setPaused(true);
                    channel.setPosition(0);
                    weapon->isLaserSoundPlaying = weapon->isWarmUpSoundPlaying = 0;
                }
                if (isLooping(channel))
                    channel.setVolume(0.0f);
            } else {
                if (isLooping(channel))
                    channel.setVolume(weapon->shotSound_Volume);
                if (weapon->sceneNode && weapon->parentNode && !weapon->sceneNode->getParent())
                    weapon->parentNode->addChild(weapon->sceneNode);
            }
        }
    }
}
