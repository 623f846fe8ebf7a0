// A scene for explosion and particle-effect tests without a window: Ogre's
// particle plug-in, the test templates and materials of tests/data/effects
// (parsed once per process: templates are process-wide), the camera rig's
// node "CamNode1" and the Game's scene manager pointing at this scene.
#pragma once

#include "core/Game.h"
#include "support/ResourceGroupScope.h"
#include "world/WorldTestScene.h"

#include <OgreResourceGroupManager.h>

class EffectsTestScene : public WorldTestScene {
public:
    EffectsTestScene()
    {
        static const bool loaded = [] {
            sharedTestRoot().loadPlugin(std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
            Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
            groups.createResourceGroup("EffectsTest");
            groups.addResourceLocation(std::string(ZARNITH_TEST_DATA_DIR) + "/effects", "FileSystem", "EffectsTest");
            groups.initialiseResourceGroup("EffectsTest");
            return true;
        }();
        (void)loaded;
        createResourceGroupOnce("GAMERSC");
        cameraNode = scene->getRootSceneNode()->createChildSceneNode("CamNode1", Ogre::Vector3(100.0f, 0.0f, 0.0f));
        game.sceneManager = scene;
        updateTransforms();
    }
    ~EffectsTestScene() { game.sceneManager = nullptr; }

    // The game's group, where effect materials are made; gone after the test.
    ResourceGroupScope gameGroup{{"GAMERSC"}};
    Game& game = *Game::getSingletonPtr();
    Ogre::SceneNode* cameraNode = nullptr;
};
