// A play scene for item tests without a window: the camera rig above the
// ground looking down, a Level and play state bound to the Game, the sample
// game's meshes in the "Media" group, and a player in play whose one
// outline picks items up. Items are dropped as the pool drops them: placed,
// given their definition's outlines and settings, and reset.
#pragma once

#include "data/ItemsReader.h"
#include "data/SampleArchive.h"
#include "data/XmlFragment.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/WorldTestScene.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreCamera.h>
#include <OgreResourceGroupManager.h>

#include <memory>
#include <vector>

class ItemTestScene {
public:
    ItemTestScene()
    {
        // Only the meshes: the archive's scripts want a render system.
        for (const char* mesh : {"plane1U.mesh", "interro.mesh"})
            meshes.write(mesh, sampleArchiveText("data.tzn", mesh));
        ResourceGroupScope::addFolder(meshes.path(), "Media");
        // Sprite materials are made in the game's group.
        createResourceGroupOnce("GAMERSC");
        game.resourceAvailability.clear();
        game.sceneManager = world.scene;
        game.aspectRatio = 16.0f / 9.0f;
        camera.setupScene();
        camera.createDefaultWaypoints();
        world.updateTransforms();
        level.camera = &camera;
        // The level was made before the Game knew this scene.
        level.effects->sceneManager = world.scene;
        level.effects->camera = &camera;
        level.state = &state;
        game.level = &level;
        game.player = &player;
        ground = camera.playCamera->getDerivedPosition() * Ogre::Vector3(1.0f, 0.0f, 1.0f);
        placePlayer(ground + Ogre::Vector3(0.0f, 0.0f, 20.0f));
        // The definition as the items library reads it: what the element
        // leaves out keeps the item's own values.
        readItem(XmlFragment(R"(<Item itemName="testItem" meshName="interro.mesh">
            <SFX sfxStartName="none" sfxEndName="none" soundName="none"/>
            <OBB size="4 4 0" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/></Item>)")
                     .root(),
                 definition, nullptr);
        definition.isStatic = true;
    }
    ~ItemTestScene()
    {
        items.clear();
        game.level = nullptr;
        game.player = nullptr;
        game.sceneManager = nullptr;
        game.resourceAvailability.clear();
    }
    ItemTestScene(const ItemTestScene&) = delete;
    ItemTestScene& operator=(const ItemTestScene&) = delete;

    static Obb* squareOutline()
    {
        auto* outline = new Obb;
        outline->size = Ogre::Vector3(4.0f, 4.0f, 0.0f);
        return outline;
    }

    // The player on the ground at the position, in play.
    void placePlayer(const Ogre::Vector3& at)
    {
        if (!player.sceneNode) {
            player.sceneNode = world.addNode();
            player.outlines.push_back(squareOutline());
        }
        player.sceneNode->setPosition(at);
        player.status = 2;
        player.camera = camera.playCamera;
        world.updateTransforms();
        player.outlines.front()->bindCamera(world.scene, player.sceneNode);
        player.outlines.front()->init();
        player.outlines.front()->updateScreenPolygon();
    }

    // A started copy of the definition on the ground at the position.
    Item& drop(const Ogre::Vector3& at)
    {
        items.push_back(std::make_unique<Item>());
        Item& item = *items.back();
        item.sceneManager = world.scene;
        item.createNodes();
        item.templateObject = &definition;
        item.meshName = definition.meshName;
        item.spriteName = definition.spriteName;
        item.createVisual(at, &player);
        item.copyObbs();
        item.rebuildGraphics();
        item.reset();
        world.updateTransforms();
        return item;
    }

    // Frames of play with the transforms brought up to date after each.
    void run(Item& item, double seconds, double frame = 1.0 / 60.0)
    {
        for (double t = 0.0; t < seconds - 1e-9; t += frame) {
            item.update(frame);
            world.updateTransforms();
        }
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    TempFolder meshes;
    ResourceGroupScope groupScope{{"Media", "GAMERSC"}};
    GameCamera camera;
    Level level;
    playState state;
    Player player;
    Item definition;
    Ogre::Vector3 ground = Ogre::Vector3::ZERO;
    std::vector<std::unique_ptr<Item>> items;
};
