#include "combat/Player.h"

#include "combat/Weapon.h"
#include "core/Game.h"
#include "world/Obb.h"

namespace {
constexpr std::uint32_t dying = 4;
}

Player::Player()
{
    kind = kindPlayer;
}

Player::~Player()
{
    for (Obb* outline : outlines)
        delete outline;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            delete weapon;
}

entity* Player::clone() const
{
    auto* copy = new Player();
    copy->name = name;
    copy->meshName = meshName;
    copy->spriteName = spriteName;
    copy->hitParticleName = hitParticleName;
    copy->templateObject = templateObject ? templateObject : const_cast<Player*>(this);
    // Weapon sets and outlines are copied here once the player is built from its definition.
    return copy;
}

void Player::setLife(int newLife)
{
    Game& game = *Game::getSingletonPtr();
    game.currentLife = newLife < game.maxEnergy ? newLife : game.maxEnergy;
    if (game.currentLife > 0)
        return;
    game.currentLife = 0;
    if (status != dying)
        status = dying;
    state = dying;
    // The death sequence and the physics body's deactivation follow here with the combat actors.
}

void Player::setWeaponLevel(int level)
{
    Game& game = *Game::getSingletonPtr();
    if (game.weaponLevel == level)
        return;
    const auto last = weaponSets.empty() ? 0u : static_cast<unsigned>(weaponSets.size() - 1);
    game.weaponLevel = static_cast<unsigned>(level) > last ? static_cast<int>(last) : level;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            weapon->reset();
}

void Player::startForceField(float duration, int fieldLife, const std::string& particleName,
                             const std::string& endSound, float endVolume, const std::string& hitSound,
                             float hitVolume)
{
    forceField.isActive = true;
    forceField.life = fieldLife;
    forceField.duration = duration;
    forceField.durationLeft = duration;
    forceField.particleName = particleName;
    forceField.endSound = endSound;
    forceField.endVolume = endVolume;
    forceField.hitSound = hitSound;
    forceField.hitVolume = hitVolume;
    // The field's particle system "ParticleFF01" is made here once the player has its nodes.
}

void Player::updateSound(bool noShooting)
{
    if (isNoShooting == noShooting)
        return;
    isNoShooting = noShooting;
    // The weapons' channel volumes are restored here once weapons play sounds.
}
