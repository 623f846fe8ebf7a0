// One fixed step's hit tests of a crowded frame, apart from play: 8000 enemy
// shots against the player's outlines and 3000 player shots against 64
// enemies, each enemy shot with the swept test, each player shot with the
// contact test keeping the shortest contact, as the shot steps do. The
// outlines are projected once, as in play: the collision camera 180 units
// above the play plane, shots moved by one step between two projections at
// the sample game's common speeds (enemy shots 90 units a second, player
// shots 150). The pass runs through the screen grids, built afresh each
// time as each step builds them, or over every pair.
#pragma once

#include "combat/ScreenGrid.h"
#include "world/ScreenSpot.h"

#include <OgreVector.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace Ogre {
class SceneManager;
class SceneNode;
} // namespace Ogre

class Obb;

class CrowdedHitFrame {
public:
    // The outlines' nodes and the collision camera are made in the scene,
    // which must outlive the frame.
    explicit CrowdedHitFrame(Ogre::SceneManager& scene);
    ~CrowdedHitFrame();
    CrowdedHitFrame(const CrowdedHitFrame&) = delete;
    CrowdedHitFrame& operator=(const CrowdedHitFrame&) = delete;

    // The hits of the step, found through the screen grids.
    int hitsThroughGrids();
    // The same hits, every pair tested.
    int hitsOfEveryPair() const;

private:
    Obb* addOutline(const Ogre::Vector3& position, const Ogre::Vector3& size, float degrees, bool attached = false);
    Obb* addShot(const Ogre::Vector3& position, const Ogre::Vector3& step, ScreenSpot& spot);
    void projectAll();

    Ogre::SceneManager& scene;
    std::vector<std::unique_ptr<Obb>> outlines;
    std::vector<std::pair<Ogre::SceneNode*, Ogre::Vector3>> moves;
    std::vector<const Obb*> player, enemies, enemyShots, playerShots;
    std::vector<ScreenSpot> enemyShotSpots;
    std::vector<ScreenSpot> playerShotSpots;
    ScreenGrid playerGrid, enemyGrid;
    // Every target's number, for the pass over every pair.
    std::vector<std::int32_t> everyPlayerOutline, everyEnemy;
};

// CPU seconds of one pass through the grids, measured on first use in a
// scene of its own on the process's Ogre root (the median of five runs of
// a hundred passes) and kept for the process.
double isolatedHitPassSeconds();
