// The crowded frame of CrowdedHitFrame.h, its two passes and the isolated
// pass's time for the ratio of the hit pass in play.
#include "support/CrowdedHitFrame.h"

#include "support/ReferenceTime.h"

#include "world/Obb.h"

#include <OgreCamera.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

constexpr int enemyShotCount = 8000;
constexpr int playerShotCount = 3000;
constexpr int enemyCount = 64;
constexpr unsigned int layoutSeed = 11;
// The collision camera as in play.
const Ogre::Vector3 collisionEye(0.0f, 180.0f, 0.001f);
constexpr float collisionFovDegrees = 80.0f;
constexpr float nearClip = 1.0f;
constexpr float farClip = 5000.0f;
constexpr float aspectRatio = 16.0f / 9.0f;
// The view of the play plane the outlines are spread over.
constexpr float halfWidth = 260.0f;
constexpr float halfDepth = 145.0f;
// One step's move of a shot at the common speeds.
constexpr float stepSeconds = 1.0f / 60.0f;
constexpr float enemyShotSpeed = 90.0f;
constexpr float playerShotSpeed = 150.0f;
// No contact counts from this squared length on.
constexpr float contactBound = 100000.0f;
// Passes per timed run of the isolated measure.
constexpr int passesPerRun = 100;

std::vector<std::int32_t> numbersBelow(std::size_t count)
{
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < count; ++i)
        numbers.push_back(static_cast<std::int32_t>(i));
    return numbers;
}

} // namespace

CrowdedHitFrame::CrowdedHitFrame(Ogre::SceneManager& scene)
    : scene(scene), enemyShotSpots(enemyShotCount), playerShotSpots(playerShotCount)
{
    Ogre::Camera* camera = scene.createCamera("PlayCollisionCam");
    camera->setNearClipDistance(nearClip);
    camera->setFarClipDistance(farClip);
    camera->setAspectRatio(aspectRatio);
    camera->setFOVy(Ogre::Degree(collisionFovDegrees));
    Ogre::SceneNode* eye = scene.getRootSceneNode()->createChildSceneNode(collisionEye);
    eye->attachObject(camera);
    eye->lookAt(Ogre::Vector3::ZERO, Ogre::Node::TS_WORLD);

    std::mt19937 random(layoutSeed);
    std::uniform_real_distribution<float> across(-halfWidth, halfWidth), deep(-halfDepth, halfDepth), turn(0.0f, 90.0f);
    player.push_back(addOutline({0, 0, 100}, {6, 8, 3}, 0));
    player.push_back(addOutline({0, 0, 100}, {1, 1, 0}, 0));
    for (int i = 0; i < enemyCount; ++i)
        enemies.push_back(addOutline({across(random), 0, deep(random)}, {8, 6, 4}, turn(random)));
    for (ScreenSpot& spot : enemyShotSpots)
        enemyShots.push_back(addShot({across(random), 0, deep(random)}, {0, 0, enemyShotSpeed * stepSeconds}, spot));
    // Player shots climb the screen from the player's side of it.
    std::uniform_real_distribution<float> climb(-halfDepth, 120.0f);
    for (ScreenSpot& spot : playerShotSpots)
        playerShots.push_back(
            addShot({across(random) * 0.5f, 0, climb(random)}, {0, 0, -playerShotSpeed * stepSeconds}, spot));
    projectAll();
    for (auto& [node, step] : moves)
        node->translate(step);
    projectAll();
    everyPlayerOutline = numbersBelow(player.size());
    everyEnemy = numbersBelow(enemies.size());
}

CrowdedHitFrame::~CrowdedHitFrame() = default;

Obb* CrowdedHitFrame::addOutline(const Ogre::Vector3& position, const Ogre::Vector3& size, float degrees, bool attached)
{
    outlines.push_back(std::make_unique<Obb>());
    Obb& obb = *outlines.back();
    obb.size = size;
    obb.rotation = {0, degrees, 0};
    obb.isAttached = attached ? 1 : 0;
    obb.bindCamera(&scene, scene.getRootSceneNode()->createChildSceneNode(position));
    obb.init();
    return &obb;
}

Obb* CrowdedHitFrame::addShot(const Ogre::Vector3& position, const Ogre::Vector3& step, ScreenSpot& spot)
{
    Obb* obb = addOutline(position, {1, 1, 0}, 0, true);
    obb->spot = &spot;
    moves.emplace_back(obb->parentNode, step);
    return obb;
}

void CrowdedHitFrame::projectAll()
{
    scene.getRootSceneNode()->_update(true, false);
    for (auto& obb : outlines)
        obb->updateScreenPolygon();
}

namespace {

// The hits of the step: enemy shots that reach the player, and player shots
// with the enemy of shortest contact. The two callables give the candidates
// of the shot of a number.
template <typename PlayerTargets, typename EnemyTargets>
int stepHits(const std::vector<const Obb*>& enemyShots, const std::vector<const Obb*>& playerShots,
             const std::vector<const Obb*>& player, const std::vector<const Obb*>& enemies,
             PlayerTargets&& playerTargets, EnemyTargets&& enemyTargets)
{
    int hits = 0;
    CollisionResult result;
    for (std::size_t i = 0; i < enemyShots.size(); ++i)
        for (std::int32_t number : playerTargets(i)) {
            const Obb& shot = *enemyShots[i];
            const Obb& target = *player[static_cast<std::size_t>(number)];
            Obb::collides(shot, target, shot.movement - target.movement, result);
            if (result.willIntersect) {
                ++hits;
                break;
            }
        }
    for (std::size_t i = 0; i < playerShots.size(); ++i) {
        float shortest = contactBound;
        for (std::int32_t number : enemyTargets(i)) {
            const Obb& shot = *playerShots[i];
            const Obb& target = *enemies[static_cast<std::size_t>(number)];
            Obb::collidesWithContact(shot, target, shot.movement - target.movement, result);
            if (result.willIntersect && result.minimumTranslationVector.squaredLength() < shortest)
                shortest = result.minimumTranslationVector.squaredLength();
        }
        hits += shortest < contactBound;
    }
    return hits;
}

} // namespace

int CrowdedHitFrame::hitsThroughGrids()
{
    playerGrid.clear();
    enemyGrid.clear();
    for (const Obb* outline : player)
        playerGrid.add(*outline);
    for (const Obb* outline : enemies)
        enemyGrid.add(*outline);
    return stepHits(
        enemyShots, playerShots, player, enemies,
        [&](std::size_t shot) { return playerGrid.near(enemyShotSpots[shot], *enemyShots[shot]); },
        [&](std::size_t shot) { return enemyGrid.near(playerShotSpots[shot], *playerShots[shot]); });
}

int CrowdedHitFrame::hitsOfEveryPair() const
{
    return stepHits(
        enemyShots, playerShots, player, enemies,
        [&](std::size_t) -> const std::vector<std::int32_t>& { return everyPlayerOutline; },
        [&](std::size_t) -> const std::vector<std::int32_t>& { return everyEnemy; });
}

double isolatedHitPassSeconds()
{
    static const double seconds = [] {
        Ogre::Root& root = Ogre::Root::getSingleton();
        Ogre::SceneManager* scene = root.createSceneManager();
        double measured = 0.0;
        {
            CrowdedHitFrame frame(*scene);
            measured = referenceTime::medianSeconds([] {},
                                                    [&] {
                                                        for (int i = 0; i < passesPerRun; ++i)
                                                            benchmark::DoNotOptimize(frame.hitsThroughGrids());
                                                    },
                                                    passesPerRun);
        }
        root.destroySceneManager(scene);
        return measured;
    }();
    return seconds;
}
