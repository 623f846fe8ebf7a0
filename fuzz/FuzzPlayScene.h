// The level that the level element readers build their objects in, made once
// per process: a render-less scene with the play camera rig, a Level with its
// play state and a player, the sample game's meshes, particle templates and
// libraries. Objects read from an input are destroyed after it; the scene
// itself lives until the process ends, and the Game owns the player.
#pragma once

#include "world/WorldTestScene.h"

#include "combat/Player.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"

#include <map>
#include <string>

class Item;
class background;

class FuzzPlayScene {
public:
    FuzzPlayScene();
    FuzzPlayScene(const FuzzPlayScene&) = delete;
    FuzzPlayScene& operator=(const FuzzPlayScene&) = delete;

    // What rendering a frame does to the node transforms.
    void updateTransforms() { world.updateTransforms(); }

    WorldTestScene world;
    GameCamera camera;
    Level level;
    playState state;
    Player* player = nullptr;
    std::map<std::string, Item*> items;
    std::map<std::string, background*> backgrounds;
};

FuzzPlayScene& playScene();
