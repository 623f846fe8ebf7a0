// The ship as an object: made, copied, freed, and moved as an entity with
// its physics body kept in step.
#include "combat/Player.h"

#include "combat/PlayerSettings.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>

Player::Player()
{
    setDefaults();
}

Player::Player(const Player& source) : Player()
{
    takeDefinitionSettings(*this, source);
    // What the level's "player" element places: kept by a copy, not by a rebuild.
    pos = source.pos;
    savedPosition = source.savedPosition;
    scale = source.scale;
    orient = source.orient;
    layerId = source.layerId;

    for (const Obb* outline : source.outlines)
        outlines.push_back(new Obb(*outline));
    for (const rotor* part : source.rotors)
        rotors.push_back(new rotor(*part));
    for (const sfxDefinition* effect : source.sfxDefinitions)
        sfxDefinitions.push_back(new sfxDefinition(*effect));
    weaponSetNames = source.weaponSetNames;
    for (const std::vector<Weapon*>& sourceSet : source.weaponSets) {
        std::vector<Weapon*>& set = weaponSets.emplace_back();
        for (const Weapon* sourceGun : sourceSet) {
            auto* gun = new Weapon(*sourceGun);
            // Library definitions are never bound. A new copy has no nodes
            // yet: its guns get their owner, level and scene, and no node.
            if (!source.isLibraryDefinition)
                gun->init(this, source.level, nullptr, source.sceneManager);
            set.push_back(gun);
        }
    }
}

Player::~Player()
{
    // Guns, rotors, outlines and effects hang nodes under the ship's tree:
    // they go before it.
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* gun : set)
            delete gun;
    destroyRotors();
    for (rotor* part : rotors)
        delete part;
    for (Obb* outline : outlines)
        delete outline;
    for (sfxDefinition* effect : sfxDefinitions)
        delete effect;
    destroyPhysicsBody();
    if (forceField.particles && sceneManager)
        sceneManager->destroyParticleSystem(forceField.particles);
    forceField.particles = nullptr;
    destroyMeshEntity();
    if (gameCamera && sceneNode && gameCamera->targetNode == sceneNode)
        gameCamera->targetNode = nullptr;
    destroySceneNodes();
}

entity* Player::clone() const
{
    auto* copy = new Player(*this);
    copy->templateObject = templateObject ? templateObject : const_cast<Player*>(this);
    return copy;
}

void Player::setDefaults()
{
    // The fields' own initialisers hold the ship's defaults; the entity base
    // gets the ship's here.
    kind = kindPlayer;
    resetRuntimeState();
}

void Player::setPosition(const Ogre::Vector3& newPosition)
{
    entity::setPosition(newPosition);
    syncPhysicsTransform();
}

void Player::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    entity::setWorldPosition(worldPosition);
    syncPhysicsTransform();
}

void Player::setScale(const Ogre::Vector3& newScale)
{
    entity::setScale(newScale);
    syncScale();
}

void Player::applyRotation(const Ogre::Vector3& degrees)
{
    entity::applyRotation(degrees);
    syncPhysicsTransform();
}

void Player::setStatus(int newStatus)
{
    for (auto& child : children)
        if (child.second)
            child.second->setStatus(newStatus);
}
