// The ship's scene for the control tests: the ship 100 units below the
// camera, in play, and the Game's control fields these tests write put back
// afterwards. Guns fire no shots here (a salvo of 0): their fire input is
// what the tests read.
#pragma once

#include "combat/PlayerScene.h"
#include "combat/Weapon.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>

// A field of the shared Game, restored when the test ends.
template <typename T>
struct Kept {
    explicit Kept(T& field) : field(field), saved(field) {}
    ~Kept() { field = saved; }
    Kept(const Kept&) = delete;
    Kept& operator=(const Kept&) = delete;
    T& field;
    T saved;
};

class PlayerControlScene : public PlayerScene {
public:
    PlayerControlScene()
    {
        game.gameMode = 1;
        game.weaponLevel = 0;
        game.baseWeaponLevel = 0.0f;
        game.shootHeld.fill(false);
        game.shootPressed.fill(false);
        game.heldShootButtons.clear();
        player.pos = Ogre::Vector3(0.0f, -100.0f, 0.0f);
        player.followCameraNode(false);
        player.status = Player::statusPlaying;
        world.updateTransforms();
    }

    // A gun of set `set` on the button; its fire input shows in isFiring.
    Weapon& addGun(std::size_t set, std::int32_t button, bool isLockOn = false)
    {
        if (player.weaponSets.size() <= set)
            player.weaponSets.resize(set + 1);
        auto* gun = new Weapon;
        gun->init(&player, &level, player.canonNode, world.scene);
        gun->NumberOfShoots = 0;
        gun->button = button;
        gun->isLockOn = isLockOn;
        player.weaponSets[set].push_back(gun);
        return *gun;
    }

    // The ship's mesh, made by hand: the mesh loader is not under test here.
    void giveMesh()
    {
        player.meshEntity = world.scene->createEntity("shipMesh", "plane1U.mesh");
        player.entityNode->attachObject(player.meshEntity);
        world.updateTransforms();
    }

    Kept<int> gameMode{game.gameMode};
    Kept<int> weaponLevel{game.weaponLevel};
    Kept<float> baseWeaponLevel{game.baseWeaponLevel};
    Kept<std::array<bool, 8>> shootHeld{game.shootHeld};
    Kept<std::array<bool, 8>> shootPressed{game.shootPressed};
    Kept<bool> button8Held{game.button8Held};
    Kept<std::vector<std::int32_t>> heldShootButtons{game.heldShootButtons};
    Kept<bool> isCanPressSeveralButtonsForWeapons{game.isCanPressSeveralButtonsForWeapons};
    Kept<int> lockButton{game.lockButton};
    Kept<bool> isGauge{game.isGauge};
    Kept<bool> isGaugeReady{game.isGaugeReady};
    Kept<bool> isGaugeActive{game.isGaugeActive};
    Kept<bool> isGaugeWeaponOverride{game.isGaugeWeaponOverride};
    Kept<float> gaugeValue{game.gaugeValue};
    Kept<float> maxGauge{game.maxGauge};
    Kept<float> gaugeDrainSpeed{game.gaugeDrainSpeed};
    Kept<int> gaugeButtonNumber{game.gaugeButtonNumber};
    Kept<double> gaugeInvincibleTime{game.gaugeInvincibleTime};
    Kept<float> enemyFirePause{game.enemyFirePause};
    Kept<float> playClock{game.playClock};
    Kept<bool> isPlayerOffScreenAllowed{game.isPlayerOffScreenAllowed};
};
