// The shot pools: every record of a level's shots, made with its outline
// when the level is built, so that firing never allocates. The
// outlines write their spots side by side, for the hit tests' broad phase.
#include "core/Game.h"

#include "combat/bullet.h"
#include "world/Obb.h"

namespace {

template <std::size_t Count>
void fillPool(std::array<bullet*, Count>& records, std::array<Obb*, Count>& outlines, std::vector<ScreenSpot>& spots,
              Ogre::SceneManager* scene, std::uint8_t pool)
{
    spots.assign(Count, ScreenSpot{});
    for (std::size_t i = 0; i < Count; ++i) {
        auto* record = new bullet();
        records[i] = record;
        record->sceneManager = scene;
        record->index = static_cast<std::int32_t>(i);
        record->pool = pool;
        auto* outline = new Obb();
        outline->isAttached = 1;
        outline->size = Ogre::Vector3(1.0f, 1.0f, 0.0f);
        outlines[i] = outline;
        outline->spot = &spots[i];
        // No node: the shot steps project the outline from the record.
        outline->bindCamera(scene, nullptr);
        outline->init();
        record->obb = outline;
    }
}

template <std::size_t Count>
void emptyPool(std::array<bullet*, Count>& records, std::array<Obb*, Count>& outlines, std::vector<ScreenSpot>& spots)
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (records[i]) {
            records[i]->releaseEffects();
            delete records[i];
        }
        delete outlines[i];
        records[i] = nullptr;
        outlines[i] = nullptr;
    }
    spots.clear();
}

} // namespace

void Game::createBulletPools()
{
    // A level built again without being destroyed keeps no records of the last.
    destroyBulletPools();
    fillPool(enemyBullets, enemyBulletObbs, enemyBulletSpots, sceneManager, bullet::enemyPool);
    fillPool(playerBullets, playerBulletObbs, playerBulletSpots, sceneManager, bullet::playerPool);
}

void Game::destroyBulletPools()
{
    emptyPool(playerBullets, playerBulletObbs, playerBulletSpots);
    emptyPool(enemyBullets, enemyBulletObbs, enemyBulletSpots);
}
