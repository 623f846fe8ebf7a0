// The hit rules of the shot steps. A player shot meets destroyable enemy
// shots, backgrounds and enemies; an enemy shot stops on backgrounds and on
// enemies that block enemy fire, and hits the player or the force field.
// Each pass files its targets once per step (HitTargets) and then takes the
// records one at a time, in live-list order: flight, projection, hits.
#pragma once

#include "combat/ShotStep.h"
#include "combat/bullet.h"
#include "play/HitTargets.h"
#include "play/PlayerHitTest.h"

#include <OgreSceneNode.h>
#include <OgreVector.h>

#include <cstdint>
#include <vector>

namespace Ogre {
class Camera;
}

class Enemy;
class Game;
class Obb;
class Weapon;
class playState;

class PlayerShotHits {
public:
    // Files the targets of the step; `target` is the step's homing point.
    PlayerShotHits(playState& state, Game& game, double dt, const Ogre::Vector3& target);
    // The record's flight and hits for the whole step.
    void step(bullet& shot);

private:
    Ogre::Vector3 homingTarget(bullet& shot) const;
    void subStep(bullet& shot, double dt, ShotStep& shots);
    // Each returns whether the record's work in the sub-step is over.
    bool hitEnemyShots(bullet& shot);
    // The destroyable beams of the enemies' current guns the shot breaks;
    // the place in the enemy list of the enemy whose beam stopped the shot,
    // or noEnemy.
    std::size_t hitEnemyBeams(bullet& shot);
    void gatherEnemyBeams();
    void hitEnemies(bullet& shot);
    bool mayTest(const bullet& shot, Enemy& enemy) const;
    void applyEnemyContact(bullet& shot, const EnemyContact& candidate);
    void armourSpark(const bullet& shot);

    playState& state;
    Game& game;
    HitTargets& targets;
    const double dt;
    // The flight of the records that home on the step's point.
    ShotStep flight;
    std::vector<EnemyContact>& candidates;
    // A destroyable beam of an enemy on screen, with the enemy's place in
    // the list; gathered once per step, and nearly always none.
    struct EnemyBeam {
        std::size_t rank;
        const Weapon* gun;
        bullet* beam;
    };
    std::vector<EnemyBeam> enemyBeams;
    static constexpr std::size_t noEnemy = static_cast<std::size_t>(-1);
};

class EnemyShotHits {
public:
    // Files the targets of the step; `target` is where the player is.
    EnemyShotHits(playState& state, Game& game, double dt, const Ogre::Vector3& target);
    void step(bullet& shot);

private:
    bool stopOnEnemies(bullet& shot);
    // Whether the player's outlines took the shot.
    bool hitPlayer(bullet& shot);
    bool meets(const bullet& shot, const Obb& outline) const;
    void endShot(bullet& shot);

    playState& state;
    Game& game;
    HitTargets& targets;
    const double dt;
    ShotStep flight;
    const bool isPlayerOpen;
    const PlayerHitTest playerTest;
};

// The camera "PlayCam" whose rays bring screen points back to the world.
const Ogre::Camera* playCameraOf(const playState& state, const Game& game);
// The aspect ratio of the view, which scales screen x distances.
float viewAspectRatio(const playState& state, const Game& game);
// Only shots flying on screen are tested.
inline bool isFlyingOnScreen(const bullet& shot)
{
    return shot.state == bullet::stateFlying && shot.isVisible;
}
