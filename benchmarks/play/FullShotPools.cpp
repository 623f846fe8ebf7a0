#include "play/FullShotPools.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/ShotLaunches.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "play/playState.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreRay.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <vector>

namespace {

// The launch points: a grid of 100 x 80 places over the view, kept a little
// inside its edges.
constexpr int gridColumns = 100;
constexpr int gridRows = 80;
constexpr float viewMargin = 0.05f;
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

Weapon* firstShotGun(const std::vector<std::vector<Weapon*>>& sets)
{
    for (const std::vector<Weapon*>& set : sets)
        for (Weapon* gun : set)
            if (gun && !gun->isLaser)
                return gun;
    return nullptr;
}

Weapon* firstEnemyGun(const std::vector<Wave*>& waves)
{
    for (const Wave* wave : waves)
        for (const Enemy* member : wave->members)
            if (Weapon* gun = member ? firstShotGun(member->weaponSets) : nullptr)
                return gun;
    return nullptr;
}

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
    : play(play), camera(play.playCamera), enemyGun(firstEnemyGun(play.waves))
{
    if (play.sceneManager && play.sceneManager->hasSceneNode("CamNode1"))
        rig = play.sceneManager->getSceneNode("CamNode1");
    if (play.player) {
        playerGun = firstShotGun(play.player->weaponSets);
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
    const float span = 1.0f - 2.0f * viewMargin;
    const float x = viewMargin + span * static_cast<float>(n % gridColumns) / (gridColumns - 1);
    const float y = viewMargin + span * static_cast<float>(n / gridColumns % gridRows) / (gridRows - 1);
    const Ogre::Ray ray = camera->getCameraToViewportRay(x, y);
    const std::pair<bool, Ogre::Real> hit = ray.intersects(Ogre::Plane(Ogre::Vector3::UNIT_Y, planeHeight));
    return hit.first ? ray.getPoint(hit.second) : ray.getPoint(camera->getNearClipDistance());
}
