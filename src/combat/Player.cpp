#include "combat/Player.h"

#include "combat/Weapon.h"
#include "world/Obb.h"

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

Player::Player(const Player& source) : Player()
{
    (void)source;
}

void Player::setDefaults()
{
}

entity* Player::clone() const
{
    auto* copy = new Player();
    copy->name = name;
    copy->meshName = meshName;
    copy->spriteName = spriteName;
    copy->hitParticleName = hitParticleName;
    copy->templateObject = templateObject ? templateObject : const_cast<Player*>(this);
    return copy;
}

void Player::setPosition(const Ogre::Vector3& newPosition)
{
    entity::setPosition(newPosition);
}

void Player::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    entity::setWorldPosition(worldPosition);
}

void Player::setScale(const Ogre::Vector3& newScale)
{
    entity::setScale(newScale);
}

void Player::applyRotation(const Ogre::Vector3& degrees)
{
    entity::applyRotation(degrees);
}

void Player::setStatus(int newStatus)
{
    entity::setStatus(newStatus);
}

void Player::setVisible(bool visible)
{
    entity::setVisible(visible);
}

void Player::setLayer(std::uint8_t layerIndex)
{
    entity::setLayer(layerIndex);
}

void Player::rebuildGraphics()
{
    entity::rebuildGraphics();
}
