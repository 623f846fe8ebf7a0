// An enemy in a ship test scene with its node chain made by hand (root,
// main, heading, offset, spin, body and mesh under a parent node of its
// own), its wave, and a path follower of the rig's. Tests reach the nodes
// through the enemy's fields, which placeInScene may replace.
#pragma once

#include "combat/PlayerScene.h"
#include "support/TempFolder.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "world/PathFollower.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class MovingEnemyRig {
public:
    MovingEnemyRig(PlayerScene& scene, Enemy& enemy) : enemy(enemy)
    {
        parent = scene.world.addNode();
        enemy.parentNode = parent;
        enemy.rootNode = parent->createChildSceneNode();
        enemy.sceneNode = enemy.rootNode->createChildSceneNode();
        enemy.headingNode = enemy.sceneNode->createChildSceneNode();
        enemy.offsetNode = enemy.headingNode->createChildSceneNode();
        enemy.spinNode = enemy.offsetNode->createChildSceneNode();
        enemy.bodyNode = enemy.spinNode->createChildSceneNode();
        enemy.meshNode = enemy.bodyNode->createChildSceneNode();
        enemy.sceneManager = scene.world.scene;
        enemy.level = &scene.level;
        enemy.playCamera = scene.world.scene->getCamera("PlayCam");
        enemy.wave = &wave;
        scene.world.updateTransforms();
    }
    ~MovingEnemyRig() { enemy.pathFollower = nullptr; }
    MovingEnemyRig(const MovingEnemyRig&) = delete;
    MovingEnemyRig& operator=(const MovingEnemyRig&) = delete;

    // The enemy follows the path, as placeInScene binds a follower.
    void follow(std::vector<Waypoint*>& path)
    {
        follower.init(enemy.sceneManager, enemy.level, enemy.playCamera, &path, enemy.headingNode, enemy.sceneNode);
        enemy.pathFollower = &follower;
    }

    Wave wave{"MovingEnemyWave"};
    PathFollower follower;
    Ogre::SceneNode* parent = nullptr;

private:
    Enemy& enemy;
};

// Meshes of the sample game in "Media" under names of a test's choosing:
// pairs of the new name and the sample mesh ("crate.mesh", "rock.mesh",
// "pillar.mesh").
class RenamedMeshes {
public:
    RenamedMeshes(std::initializer_list<std::pair<std::string, std::string>> meshes)
    {
        for (const auto& [name, sample] : meshes)
            folder.write(name, sampleArchiveText("game.tzn", sample));
        ResourceGroupScope::addFolder(folder.path(), "Media");
    }

private:
    TempFolder folder;
};
