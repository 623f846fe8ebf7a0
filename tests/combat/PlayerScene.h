// A play scene for ship tests without a window: the game camera's rig
// ("CamNode1", "PlayCam") above the ground, a Level with its effects manager
// and a real Bullet world bound to the Game, the sample game's meshes in
// "Media", and the play ship in the Game with its node tree built.
#pragma once

#include "data/SampleArchive.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/WorldTestScene.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <btBulletDynamicsCommon.h>

#include <initializer_list>
#include <string>

class PlayerScene {
public:
    explicit PlayerScene(std::initializer_list<const char*> sampleMeshes = {"plane1U.mesh", "interro.mesh"})
    {
        // Only the meshes: the archive's scripts want a render system.
        for (const char* mesh : sampleMeshes)
            meshes.write(mesh, sampleArchiveText("data.tzn", mesh));
        ResourceGroupScope::addFolder(meshes.path(), "Media");
        createResourceGroupOnce("GAMERSC");
        game.resourceAvailability.clear();
        game.sceneManager = world.scene;
        game.aspectRatio = 16.0f / 9.0f;
        camera.setupScene();
        camera.createDefaultWaypoints();
        world.updateTransforms();
        level.camera = &camera;
        level.effects->sceneManager = world.scene;
        level.effects->camera = &camera;
        level.state = &state;
        level.physicsWorld = &physics;
        game.level = &level;
        game.player = &player;
        player.createSceneNodes(world.scene);
        world.updateTransforms();
    }
    ~PlayerScene()
    {
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.resourceAvailability.clear();
    }
    PlayerScene(const PlayerScene&) = delete;
    PlayerScene& operator=(const PlayerScene&) = delete;

    // The camera rig's world position: the ship's play position is relative to it.
    Ogre::Vector3 rigPosition() const { return world.scene->getSceneNode("CamNode1")->_getDerivedPosition(); }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    TempFolder meshes;
    ResourceGroupScope groupScope{{"Media", "GAMERSC"}};
    GameCamera camera;
    Level level;
    playState state;
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld physics{&dispatcher, &broadphase, &solver, &configuration};
    Player player;
};
