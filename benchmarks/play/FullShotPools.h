// Both shot pools of a level in play kept full: every free record of the
// 8000 enemy and 3000 player ones is launched as the guns launch theirs,
// with the look of one of the level's own guns, from points spread over the
// play camera's view of the ship's plane. Enemy shots fly in the world and
// the player's under the camera rig, as their guns place them; enemy shots
// fan out towards the bottom of the screen, the player's go up it. Records
// that ended since the last fill (out of the view too long) fly again after
// the next one.
#pragma once

#include <OgreVector.h>

class ShotLaunches;
class Weapon;
class bullet;
class playState;

namespace Ogre {
class Camera;
class SceneNode;
} // namespace Ogre

class FullShotPools {
public:
    explicit FullShotPools(playState& play);

    // Launches every free record of both pools; returns how many.
    int fill();
    // Whether the level has a gun on each side to lend its shots' look.
    bool hasGuns() const { return enemyGun && playerGun; }

private:
    void launchEnemyShot(ShotLaunches& launches, bullet& shot, int n);
    void launchPlayerShot(ShotLaunches& launches, bullet& shot, int n);
    // A point of the ship's plane seen at the n-th place of a grid over the view.
    Ogre::Vector3 pointInView(int n) const;

    playState& play;
    Ogre::Camera* camera = nullptr;
    Ogre::SceneNode* rig = nullptr;
    Weapon* enemyGun = nullptr;
    Weapon* playerGun = nullptr;
    float planeHeight = 0.0f;
};
