#include "play/FullShotPools.h"
#include "support/ShotLaunchAids.h"

#include "combat/Player.h"
#include "combat/ShotLaunches.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "play/playState.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

// The launch points: a grid of 100 x 80 places over the view.
constexpr int gridColumns = 100;
constexpr int gridRows = 80;
// Enemy shots fan out over this many degrees around the bottom of the screen.
constexpr float fanDegrees = 120.0f;
constexpr int fanSteps = 31;
// The seven steering modes of a shot; each record takes one in turn.
constexpr int steeringModes = 7;
constexpr float steeringStart = 0.3f;
constexpr float steeringDuration = 1.5f;
constexpr float steeringAngle = 90.0f;
// Long enough that a shot ends by leaving the view, not by age.
constexpr double shotLifetime = 60.0;

// The flight a gun gives its shot, in one of the steering modes.
void aim(bullet& shot, const Weapon& gun, const Ogre::Vector3& direction, const Ogre::Vector3& goal, int n)
{
    shot.velocity = direction;
    shot.speed = gun.currentSpeed;
    shot.timeToLive = shotLifetime;
    shot.damage = gun.damage;
    shot.changeDirectionType = n % steeringModes;
    shot.changeDirectionStartTime = steeringStart;
    shot.changeDirectionDuration = steeringDuration;
    shot.changeDirectionAngle = steeringAngle;
    shot.aimSpeed = gun.aimSpeed;
    shot.aimPoint = goal;
}

} // namespace

FullShotPools::FullShotPools(playState& play)
    : play(play), camera(play.playCamera), enemyGun(shotlaunchaids::firstEnemyGun(play.waves))
{
    if (play.sceneManager && play.sceneManager->hasSceneNode("CamNode1"))
        rig = play.sceneManager->getSceneNode("CamNode1");
    if (play.player) {
        playerGun = shotlaunchaids::firstShotGun(play.player->weaponSets);
        planeHeight = playerPosition(*play.player).y;
    }
}

int FullShotPools::fill()
{
    if (!play.level || !camera || !rig || !hasGuns())
        return 0;
    Level& level = *play.level;
    // As in a fixed step of the guns, the launches share one view of the
    // camera rig and the collision camera.
    ShotLaunches launches;
    int launched = 0;
    while (bullet* shot = level.takeBullet(false))
        launchEnemyShot(launches, *shot, launched++);
    while (bullet* shot = level.takeBullet(true))
        launchPlayerShot(launches, *shot, launched++);
    return launched;
}

void FullShotPools::launchEnemyShot(ShotLaunches& launches, bullet& shot, int n)
{
    const Ogre::Vector3 down = -camera->getDerivedUp();
    const float turn = fanDegrees * (static_cast<float>(n % fanSteps) / (fanSteps - 1) - 0.5f);
    Ogre::Vector3 direction = Ogre::Quaternion(Ogre::Degree(turn), Ogre::Vector3::UNIT_Y) * down;
    direction.y = 0.0f;
    direction.normalise();
    const Ogre::Vector3 at = pointInView(n);
    aim(shot, *enemyGun, direction, playerPosition(*play.player), n);
    // Guns that do not ride the camera launch into the world.
    launches.launch(shot, enemyGun, at, enemyGun->bulletScale, direction, play.sceneManager->getRootSceneNode(),
                    enemyGun->bulletDefinition);
}

void FullShotPools::launchPlayerShot(ShotLaunches& launches, bullet& shot, int n)
{
    // The player's guns ride the camera rig: place and heading in its space.
    const Ogre::Quaternion toRig = rig->_getDerivedOrientation().Inverse();
    Ogre::Vector3 up = camera->getDerivedUp();
    up.y = 0.0f;
    Ogre::Vector3 direction = toRig * up.normalisedCopy();
    const Ogre::Vector3 at = rig->convertWorldToLocalPosition(pointInView(n));
    aim(shot, *playerGun, direction, at + direction * 1000.0f, n);
    launches.launch(shot, playerGun, at, playerGun->bulletScale, direction, nullptr, playerGun->bulletDefinition);
}

Ogre::Vector3 FullShotPools::pointInView(int n) const
{
    const float x = static_cast<float>(n % gridColumns) / (gridColumns - 1);
    const float y = static_cast<float>(n / gridColumns % gridRows) / (gridRows - 1);
    return shotlaunchaids::pointInView(*camera, x, y, planeHeight);
}
