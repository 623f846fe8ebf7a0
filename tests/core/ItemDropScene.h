// A play scene for the item pool and drop tests, without a window: the
// Game's scene with the play camera "PlayCam" looking straight down from 100
// units above the origin, the camera rig's node "CamNode1", in-memory stand-ins
// for the meshes items are drawn with (the sample game's need shader programs,
// which a root without a render system lacks), a Level and a Player, and the
// item pool made for the test and freed before the scene goes.
#pragma once

#include "GameTestSupport.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/Item.h"
#include "support/ResourceGroupScope.h"
#include "world/TestMeshes.h"
#include "world/WorldTestScene.h"

#include <OgreMeshManager.h>
#include <OgreCamera.h>
#include <OgreMaterialManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <string>

namespace itemdroptest {

// A mesh definition of the items library, without sound or effects.
inline Item* addDefinition(Game& game, const std::string& key, const std::string& mesh = "interro.mesh")
{
    auto* definition = new Item();
    definition->itemName = key;
    definition->meshName = mesh;
    definition->soundName = "none";
    definition->sfxStartName = definition->sfxEndName = "none";
    definition->isStatic = true;
    definition->isLibraryDefinition = 1;
    game.itemLibrary[key] = definition;
    return definition;
}

class ItemDropFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.resourceAvailability.clear();
        // The missing mesh's material, which mesh items fall back to, and the
        // game's group, where sprite materials are made.
        createResourceGroupOnce("Media");
        createResourceGroupOnce("GAMERSC");
        Ogre::MaterialManager::getSingleton().create("BOX_notFound", "Media");
        for (const char* mesh : {"interro.mesh", "plane1U.mesh"}) {
            testmeshes::makeMesh(mesh, {testmeshes::box(Ogre::Vector3(2.0f, 1.0f, 2.0f))});
            game.resourceAvailability[mesh] = true;
        }
        camera = world.addCamera("PlayCam", Ogre::Vector3(0.0f, 100.0f, 0.0f), Ogre::Vector3::ZERO);
        world.addNode()->getParentSceneNode()->createChildSceneNode("CamNode1");
        game.sceneManager = world.scene;
        game.level = &level;
        game.player = &player;
        game.createItemPool();
    }
    void TearDown() override
    {
        game.destroyItemPool();
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.resourceAvailability.clear();
        // The stand-ins bear the sample game's names: later tests that load
        // the sample's own meshes must not find them in the global pool.
        for (const char* mesh : {"interro.mesh", "plane1U.mesh"})
            if (Ogre::MeshManager::getSingleton().resourceExists(mesh, "General"))
                Ogre::MeshManager::getSingleton().remove(mesh, "General");
        gametest::cleanGame();
    }

    // Items of the pool not free, in pool order.
    std::vector<Item*> takenItems() const
    {
        std::vector<Item*> taken;
        for (Item* item : game.itemPool)
            if (item->status != 3)
                taken.push_back(item);
        return taken;
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    Ogre::Camera* camera = nullptr;
    Level level;
    Player player;
};

} // namespace itemdroptest
