// Cost of the items' frame in a busy moment of play: all 8000 pool items
// updated with 300 of them live on screen (still, their outlines projected
// and tested against the player's) and the other 7700 free.
#include "world/WorldTestScene.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "support/ResourceGroupScope.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Obb.h"
#include "world/TestMeshes.h"

#include <OgreCamera.h>
#include <OgreMaterialManager.h>
#include <OgreMath.h>
#include <OgreResourceGroupManager.h>

#include <benchmark/benchmark.h>

namespace {

constexpr double frame = 1.0 / 60.0;
constexpr int liveItems = 300;

Obb* squareOutline(float side)
{
    auto* outline = new Obb;
    outline->size = Ogre::Vector3(side, side, 0.0f);
    return outline;
}

class ItemPlay {
public:
    ItemPlay()
    {
        // The sine tables of the wobble, made at start-up in the program.
        static Ogre::Math tables(4096);
        Ogre::ResourceGroupManager::getSingleton().createResourceGroup("Media");
        Ogre::ResourceGroupManager::getSingleton().createResourceGroup("GAMERSC");
        Ogre::MaterialManager::getSingleton().create("BOX_notFound", "Media");
        testmeshes::makeMesh("interro.mesh", {testmeshes::box(Ogre::Vector3(2.0f, 1.0f, 2.0f))});
        game.resourceAvailability["interro.mesh"] = true;
        game.sceneManager = world.scene;
        game.aspectRatio = 16.0f / 9.0f;
        camera.setupScene();
        camera.createDefaultWaypoints();
        world.updateTransforms();
        level.camera = &camera;
        level.state = &state;
        game.level = &level;
        game.player = &player;
        game.itemLifeOutsideScreenTime = 100.0f;
        const Ogre::Vector3 ground = camera.playCamera->getDerivedPosition() * Ogre::Vector3(1.0f, 0.0f, 1.0f);
        placePlayer(ground + Ogre::Vector3(0.0f, 0.0f, 30.0f));
        defineCoin();
        game.createItemPool();
        game.spawnItem("Coin", ground, liveItems, 25, 0.5f);
        world.updateTransforms();
        state.updateItems(frame); // all start: on screen, no start delay
        world.updateTransforms();
    }
    ~ItemPlay()
    {
        game.destroyItemPool();
        game.clearLibraries();
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.resourceAvailability.clear();
    }
    ItemPlay(const ItemPlay&) = delete;
    ItemPlay& operator=(const ItemPlay&) = delete;

    int countLive(bool onScreenOnly) const
    {
        int live = 0;
        for (const Item* item : game.itemPool)
            live += item->status == 2 && (item->isOnScreen || !onScreenOnly) ? 1 : 0;
        return live;
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    GameCamera camera;
    Level level;
    playState state;
    Player player;

private:
    void placePlayer(const Ogre::Vector3& at)
    {
        player.sceneNode = world.addNode(at);
        player.outlines.push_back(squareOutline(4.0f));
        player.status = 2;
        player.camera = camera.playCamera;
        world.updateTransforms();
        player.outlines.front()->bindCamera(world.scene, player.sceneNode);
        player.outlines.front()->init();
        player.outlines.front()->updateScreenPolygon();
    }
    // A still, spinning coin with one outline that never homes in or expires.
    void defineCoin()
    {
        auto* coin = new Item();
        coin->meshName = "interro.mesh";
        coin->soundName = "none";
        coin->sfxStartName = coin->sfxEndName = "none";
        coin->rotationSpeed = Ogre::Vector3(0.0f, 4.0f, 0.0f);
        coin->SinSpeed = Ogre::Vector3(2.0f, 0.0f, 2.0f);
        coin->SinDistance = Ogre::Vector3(1.0f, 0.0f, 1.0f);
        coin->isStatic = true;
        coin->isLibraryDefinition = 1;
        coin->outlines.push_back(squareOutline(2.0f));
        game.itemLibrary["Coin"] = coin;
    }
};

void BM_ItemPoolFrameWith300Live(benchmark::State& state)
{
    ItemPlay play;
    for (auto _ : state)
        play.state.updateItems(frame);
    state.counters["live"] = play.countLive(false);
    state.counters["onScreen"] = play.countLive(true);
}
BENCHMARK(BM_ItemPoolFrameWith300Live)->Unit(benchmark::kMicrosecond);

} // namespace
