// The player's ship, an entity of kind 3. This is its least form: the state
// the play flow, items and triggers read and write of it, and the operations
// they call. Its controls, shooting, scene nodes and physics arrive with the
// combat actors.
#pragma once

#include "world/entity.h"

#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
}

class Obb;
class Weapon;

class Player : public entity {
public:
    Player();
    ~Player() override;
    entity* clone() const override;

    // The Game's life, capped at the Game's maxEnergy; at 0 or below the
    // ship is dying (status 4).
    void setLife(int newLife);
    // The Game's weapon level: the set of the index, capped at the last set
    // (a negative index too); every weapon is reset. The same level again
    // changes nothing.
    void setWeaponLevel(int level);
    // A force field lasting the duration, or absorbing that many hits when
    // the life is above 0.
    void startForceField(float duration, int fieldLife, const std::string& particleName, const std::string& endSound,
                         float endVolume, const std::string& hitSound, float hitVolume);
    // The no-shooting switch; nothing when it does not change.
    void updateSound(bool noShooting);

    // 1 intro, 2 in play, 4 dying.
    int state = 0;
    std::string meshName;
    // Index 0..7 into directionTable: the direction the ship's sprite shows.
    std::uint32_t directionCode = 0;
    // Set at respawn; switches the two-way quantiser to the up/down pair.
    bool isAlternativeDirection = false;
    std::string spriteName;
    std::string hitParticleName;

    // Weapon sets: each an ordered list of owned weapons.
    std::vector<std::vector<Weapon*>> weaponSets;
    // An overriding weapon set is held while the flag is set.
    bool isWeaponSetOverride = false;
    int overrideWeaponSet = -1;
    bool isMouseFire = false;
    // Collision outlines, owned; isCollideWithItems lets one pick items up.
    std::vector<Obb*> outlines;
    bool isFocusMode = false;
    int focusWeaponSet = -1;
    // A trigger is moving the ship: contact triggers ignore it meanwhile.
    bool isBeingMoved = false;
    bool isFrozen = false;
    bool isNoSmartBomb = false;
    bool isNoShooting = false;
    float invincibilityTime = 0.0f;
    // A trigger's move: duration, time left, start and target in the local
    // space of "CamNode1".
    float moveDuration = 0.0f;
    float moveTimer = 0.0f;
    Ogre::Vector3 moveStart = Ogre::Vector3::ZERO;
    Ogre::Vector3 moveTarget = Ogre::Vector3::ZERO;
    Ogre::Vector3 respawnPosition = Ogre::Vector3::ZERO;
    Ogre::Vector3 restartPosition = Ogre::Vector3::ZERO;
    // Height of the plane the ship flies in, and the camera that sees it.
    float playHeight = 0.0f;
    Ogre::Camera* camera = nullptr;
    // Items of kind 1 picked up.
    int itemCount = 0;
    // While set, items that take life away do nothing.
    bool isLifeLossBlocked = false;

    // The running force field.
    struct ForceField {
        bool isActive = false;
        int life = 0;
        float duration = 0.0f;
        double durationLeft = 0.0;
        std::string particleName;
        std::string endSound;
        float endVolume = 1.0f;
        std::string hitSound;
        float hitVolume = 1.0f;
    };
    ForceField forceField;
};
