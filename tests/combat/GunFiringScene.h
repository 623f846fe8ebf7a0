// A gun bound to a ship or an enemy node at the origin of the shot test
// scene, facing -Z, with both shot pools ready, and the directions and
// start positions of the shots it has put in flight.
#pragma once

#include "ShotFlightScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Weapon.h"

#include <vector>

class GunFiringScene {
public:
    static constexpr double step = 1.0 / 60.0;

    GunFiringScene()
    {
        shots.level.create(shots.world.scene);
        shots.level.resetShotPools();
        shots.game.enemyShotFactor = 1.0f;
        shots.game.enemyFirePause = 0.0f;
        ownerNode = shots.world.addNode();
    }
    ~GunFiringScene() { shots.game.enemyShotFactor = 1.0f; }

    // A gun of the player or of an enemy, with the gun's own values set by
    // `setUp` before it is placed.
    template <typename SetUp>
    Weapon& gun(bool isPlayer, SetUp setUp)
    {
        Weapon& made = guns.emplace_back();
        made.TimeBetweenShoots = 0.0f;
        setUp(made);
        made.init(isPlayer ? static_cast<entity*>(&player) : &enemy, &shots.level, ownerNode, shots.world.scene);
        made.reset();
        shots.world.updateTransforms();
        return made;
    }

    // Steps the gun for the seconds with the fire input held or not.
    static void run(Weapon& gun, double seconds, bool fire, const Ogre::Vector3& target = Ogre::Vector3::ZERO)
    {
        for (double done = 0.0; done < seconds - 1e-9; done += step) {
            double dt = step;
            gun.update(dt, target, fire);
        }
    }

    std::vector<const bullet*> live(bool isPlayerPool) const
    {
        std::vector<const bullet*> found;
        for (std::int32_t index : isPlayerPool ? shots.level.livePlayerBullets : shots.level.liveEnemyBullets)
            found.push_back(isPlayerPool ? shots.game.playerBullets[index] : shots.game.enemyBullets[index]);
        return found;
    }

    ShotFlightScene shots;
    Player player;
    Enemy enemy;
    Ogre::SceneNode* ownerNode = nullptr;
    std::deque<Weapon> guns;
};
