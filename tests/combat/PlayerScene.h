// A play scene for ship tests without a window: the game camera's rig
// ("CamNode1", "PlayCam") above the ground, a Level with its effects manager
// and a real Bullet world bound to the Game, the sample game's meshes in
// "Media", and the play ship in the Game with its node tree built. Library
// guns and ships a test adds are taken out of the Game's libraries again.
#pragma once

#include "data/SampleArchive.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/WorldTestScene.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <btBulletDynamicsCommon.h>

#include <initializer_list>
#include <string>
#include <vector>

class PlayerScene {
public:
    explicit PlayerScene(std::initializer_list<const char*> sampleMeshes = {"plane1U.mesh", "interro.mesh"})
    {
        // Only the meshes: the archive's scripts want a render system. The
        // stand-ins are in "data.tzn", the game's own meshes in "game.tzn".
        for (const char* mesh : sampleMeshes) {
            const bool isStandIn = std::string(mesh) == "plane1U.mesh" || std::string(mesh) == "interro.mesh";
            meshes.write(mesh, sampleArchiveText(isStandIn ? "data.tzn" : "game.tzn", mesh));
        }
        ResourceGroupScope::addFolder(meshes.path(), "Media");
        createResourceGroupOnce("GAMERSC");
        // Where 3D ships' materials are cloned, as start-up makes it.
        createResourceGroupOnce("GAMERSC_materials");
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
        for (const std::string& name : libraryGuns) {
            delete game.weaponLibrary[name];
            game.weaponLibrary.erase(name);
        }
        for (const std::string& name : libraryShips) {
            delete game.playerLibrary[name];
            game.playerLibrary.erase(name);
        }
        game.weaponLevel = 0;
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.resourceAvailability.clear();
    }
    PlayerScene(const PlayerScene&) = delete;
    PlayerScene& operator=(const PlayerScene&) = delete;

    // The camera rig's world position: the ship's play position is relative to it.
    Ogre::Vector3 rigPosition() const { return world.scene->getSceneNode("CamNode1")->_getDerivedPosition(); }

    Weapon& addLibraryGun(const std::string& name)
    {
        auto* gun = new Weapon();
        gun->name = name;
        gun->isLibraryDefinition = 1;
        game.weaponLibrary[name] = gun;
        libraryGuns.push_back(name);
        return *gun;
    }
    Player& addLibraryShip(const std::string& name)
    {
        auto* ship = new Player();
        ship->name = name;
        ship->isLibraryDefinition = 1;
        game.playerLibrary[name] = ship;
        libraryShips.push_back(name);
        return *ship;
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    TempFolder meshes;
    ResourceGroupScope groupScope{{"Media", "GAMERSC", "GAMERSC_materials"}};
    GameCamera camera;
    Level level;
    playState state;
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld physics{&dispatcher, &broadphase, &solver, &configuration};
    Player player;

private:
    std::vector<std::string> libraryGuns;
    std::vector<std::string> libraryShips;
};
