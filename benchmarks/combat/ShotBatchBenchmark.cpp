// Cost of drawing the shots of a bullet-hell moment: every pool record in
// flight (8000 enemy and 3000 player sprite shots of a few definitions), the
// sprite batch rebuilt from the live lists as a frame does, the shots moved
// between frames as flight moves them (and once more with that move
// counted). Beside it, the same number of billboards of one Ogre
// BillboardSet, moved the same way and built into their vertex buffer as
// rendering builds them: the batch must not cost more.
#include "world/WorldTestScene.h"

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "play/Level.h"
#include "support/ResourceGroupScope.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreMaterialManager.h>
#include <OgreRenderQueue.h>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int enemyShots = 8000;
constexpr int playerShots = 3000;
constexpr int allShots = enemyShots + playerShots;
// Shots stand on a grid of this many columns, a unit apart.
constexpr int gridColumns = 110;
// Each frame every shot moves this far along Z and back the next.
constexpr float step = 0.25f;

const std::array<const char*, 4> enemyTextures{"shotRed.png", "shotBlue.png", "shotRing.png", "shotStar.png"};
const std::array<const char*, 2> playerTextures{"shotBlue.png", "shotLaser.png"};

Ogre::Vector3 gridPlace(int i)
{
    return Ogre::Vector3(static_cast<float>(i % gridColumns), 0.0f, static_cast<float>(i / gridColumns));
}

// The move of a frame: forward on even frames, back on odd ones.
Ogre::Vector3 frameMove(long frame)
{
    return Ogre::Vector3(0.0f, 0.0f, frame % 2 == 0 ? step : -step);
}

// The Level's pools all in flight, launched from guns of a few definitions.
class ShotFrame {
public:
    ShotFrame()
    {
        createResourceGroupOnce("GAMERSC");
        game.sceneManager = world.scene;
        game.level = &level;
        level.create(world.scene);
        level.resetShotPools();
        level.bulletBatch->create(world.scene);
        for (int i = 0; i < allShots; ++i) {
            const bool isPlayer = i >= enemyShots;
            launch(isPlayer ? gunOf(playerTextures[i % playerTextures.size()])
                            : gunOf(enemyTextures[i % enemyTextures.size()]),
                   isPlayer, gridPlace(i));
        }
        world.updateTransforms();
    }
    ~ShotFrame()
    {
        level.destroy();
        for (const auto& definition : definitions)
            game.bulletLibrary.erase(definition->name);
        game.level = nullptr;
        game.sceneManager = nullptr;
    }
    ShotFrame(const ShotFrame&) = delete;
    ShotFrame& operator=(const ShotFrame&) = delete;

    // What flight does to the visible shots' quads in a frame.
    void move(long frame)
    {
        const Ogre::Vector3 offset = frameMove(frame);
        for (bullet* record : game.enemyBullets)
            moveQuad(*record, offset);
        for (bullet* record : game.playerBullets)
            moveQuad(*record, offset);
    }
    void redraw() { level.bulletBatch->update(game.enemyBullets.data(), game.playerBullets.data()); }

    std::size_t live() const { return level.liveEnemyBullets.size() + level.livePlayerBullets.size(); }

private:
    static void moveQuad(bullet& record, const Ogre::Vector3& offset)
    {
        for (Ogre::Vector3& corner : record.corners)
            corner += offset;
    }

    Weapon& gunOf(const std::string& texture)
    {
        for (const auto& gun : guns)
            if (gun->meshName == texture)
                return *gun;
        definitions.push_back(std::make_unique<bulletDefinition>());
        definitions.back()->name = definitions.back()->meshName = texture;
        game.bulletLibrary[texture] = definitions.back().get();
        if (!Ogre::MaterialManager::getSingleton().getByName("bullet_" + texture, "GAMERSC"))
            Ogre::MaterialManager::getSingleton().create("bullet_" + texture, "GAMERSC");
        guns.push_back(std::make_unique<Weapon>());
        guns.back()->meshName = texture;
        return *guns.back();
    }

    void launch(Weapon& gun, bool isPlayer, const Ogre::Vector3& at)
    {
        bullet* record = level.takeBullet(isPlayer);
        record->isPlayerBullet = isPlayer;
        record->phase = 0.5f;
        Ogre::Vector3 direction = Ogre::Vector3::NEGATIVE_UNIT_Z;
        record->launch(&gun, at, 0.1f, direction, nullptr, game.bulletLibrary.at(gun.meshName));
        const float half = 0.2f;
        record->corners = {at + Ogre::Vector3(-half, 0.0f, -half), at + Ogre::Vector3(half, 0.0f, -half),
                           at + Ogre::Vector3(half, 0.0f, half), at + Ogre::Vector3(-half, 0.0f, half)};
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    ResourceGroupScope groups{{"GAMERSC"}};
    Level level;
    std::vector<std::unique_ptr<bulletDefinition>> definitions;
    std::vector<std::unique_ptr<Weapon>> guns;
};

// The batch's own work: the shots move between frames, as flight moves them.
void BM_ShotBatchRebuildOf11000Shots(benchmark::State& state)
{
    ShotFrame shots;
    long frame = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shots.move(frame++);
        state.ResumeTiming();
        shots.redraw();
    }
    state.counters["shots"] = static_cast<double>(shots.live());
}
BENCHMARK(BM_ShotBatchRebuildOf11000Shots)->Unit(benchmark::kMicrosecond);

// The same with the move of the shots' quads counted: what writing into the
// shot records costs on top.
void BM_ShotMoveAndBatchRebuildOf11000Shots(benchmark::State& state)
{
    ShotFrame shots;
    long frame = 0;
    for (auto _ : state) {
        shots.move(frame++);
        shots.redraw();
    }
}
BENCHMARK(BM_ShotMoveAndBatchRebuildOf11000Shots)->Unit(benchmark::kMicrosecond);

// Keeps the queue empty: only the building of the vertex buffer is measured.
class DropEverything : public Ogre::RenderQueue::RenderableListener {
public:
    bool renderableQueued(Ogre::Renderable*, Ogre::uint8, Ogre::ushort, Ogre::Technique**, Ogre::RenderQueue*) override
    {
        return false;
    }
};

void BM_BillboardSetFrameOf11000Billboards(benchmark::State& state)
{
    WorldTestScene world;
    // Above the middle of the shots' grid, looking down on it.
    const Ogre::Vector3 middle(55.0f, 0.0f, 50.0f);
    Ogre::Camera* camera = world.addCamera("PlayCam", middle + Ogre::Vector3(0.0f, 400.0f, 0.0f), middle);
    Ogre::BillboardSet* billboards = world.scene->createBillboardSet(allShots);
    billboards->setDefaultDimensions(0.4f, 0.4f);
    world.addNode()->attachObject(billboards);
    // Held by pointer, as a game would: the set finds one by walking its list.
    std::vector<Ogre::Billboard*> placed;
    for (int i = 0; i < allShots; ++i)
        placed.push_back(billboards->createBillboard(gridPlace(i), Ogre::ColourValue(1.0f, 1.0f, 1.0f, 0.5f)));
    world.updateTransforms();
    DropEverything drop;
    Ogre::RenderQueue queue;
    queue.setRenderableListener(&drop);
    long frame = 0;
    for (auto _ : state) {
        const Ogre::Vector3 offset = frameMove(frame++);
        for (Ogre::Billboard* billboard : placed)
            billboard->setPosition(billboard->getPosition() + offset);
        billboards->_notifyCurrentCamera(camera);
        billboards->_updateRenderQueue(&queue);
    }
    state.counters["shots"] = billboards->getNumBillboards();
    Ogre::RenderOperation built;
    billboards->getRenderOperation(built);
    state.counters["vertices"] = static_cast<double>(built.vertexData->vertexCount);
    world.scene->destroyBillboardSet(billboards);
}
BENCHMARK(BM_BillboardSetFrameOf11000Billboards)->Unit(benchmark::kMicrosecond);

} // namespace
