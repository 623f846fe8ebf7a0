// The hit rules of laser beams. Each fixed step moves the beams of the
// player's current guns and of the guns of the enemies on screen, record by
// record from the front of each beam, and cuts a beam where it meets
// something: the cut record and every record behind it are released, and
// the gun draws its beam up to the cut point. Both passes test against the
// targets their shot pass has filed for the step.
#pragma once

#include "play/PlayerHitTest.h"

#include <OgreVector.h>

#include <cstddef>
#include <vector>

class Enemy;
class Game;
class Obb;
class Weapon;
class bullet;
class playState;
struct HitTargets;

class PlayerLaserHits {
public:
    // The targets must be filed as the player shots' pass files them.
    PlayerLaserHits(playState& state, Game& game, double dt);
    // Every laser gun of the set that holds beams.
    void step(const std::vector<Weapon*>& guns);

private:
    void stepGun(Weapon& gun);
    // Where the beams steer to: the nearest enemy on screen, else the last
    // beam's own target point.
    Ogre::Vector3 aimOf(const Weapon& gun) const;
    // Each returns whether the beam hit something.
    bool hitBackground(Weapon& gun, int k);
    bool hitEnemyShots(Weapon& gun, int k);
    bool hitEnemy(Weapon& gun, int k);
    void applyEnemyHit(Weapon& gun, int k, Enemy& enemy, const Obb& outline);

    playState& state;
    Game& game;
    HitTargets& targets;
    const double dt;
};

class EnemyLaserHits {
public:
    // The targets must be filed as the enemy shots' pass files them;
    // `target` is where the player is.
    EnemyLaserHits(playState& state, Game& game, double dt, const Ogre::Vector3& target);
    // The laser guns of the current set of every enemy on screen.
    void step();

private:
    void stepGun(Weapon& gun);
    bool stopOnEnemies(Weapon& gun, int k);
    bool stopOnBackground(Weapon& gun, int k);
    bool hitPlayer(Weapon& gun, int k);

    playState& state;
    Game& game;
    HitTargets& targets;
    const double dt;
    const Ogre::Vector3 playerTarget;
    const bool isPlayerOpen;
    const PlayerHitTest playerTest;
};

// What both passes do to a gun around its beams' tests.
namespace laserBeams {
// The hold time runs down and the end point goes to the last beam.
void beginStep(Weapon& gun, double dt);
// When beam k is finished it and every beam behind it are released; whether they were.
bool releaseFinished(Weapon& gun, std::size_t k);
// The impact effect starts anew where the beam stops.
void flashImpact(Weapon& gun);
} // namespace laserBeams

// The current gun set of an enemy; none when it has no set in range.
const std::vector<Weapon*>* currentGuns(const Enemy& enemy);
