// Level files read into a render-less play scene: the files given for the
// game are in "GAMERSC", those given for the engine in "Media". What a read
// builds is released before the next read and with the scene.
#pragma once

#include "combat/PlayerScene.h"
#include "combat/Wave.h"
#include "data/LevelReader.h"
#include "support/TempFolder.h"
#include "world/Item.h"
#include "world/Trigger.h"
#include "world/Waypoint.h"
#include "world/background.h"
#include "world/sfx.h"

#include <map>
#include <string>
#include <vector>

using LevelFiles = std::map<std::string, std::string>;

class LevelFileScene {
public:
    explicit LevelFileScene(const LevelFiles& gameFiles = {}, const LevelFiles& engineFiles = {})
    {
        addFiles(gameFolder, gameFiles, "GAMERSC");
        addFiles(engineFolder, engineFiles, "Media");
    }
    ~LevelFileScene()
    {
        release();
        for (auto& [name, wave] : waveLibrary) {
            wave->destroyGraphics();
            delete wave;
        }
    }
    LevelFileScene(const LevelFileScene&) = delete;
    LevelFileScene& operator=(const LevelFileScene&) = delete;

    // With the scene's wave library and no other definitions.
    void read(const std::string& name) { read(name, waveLibrary, {}, {}); }
    void read(const std::string& name, const std::map<std::string, Wave*>& waves,
              const std::map<std::string, background*>& backgrounds, const std::map<std::string, Item*>& items)
    {
        release();
        const LevelFile file(name);
        fileName = file.name();
        readLevel(file, scene.level, scene.player, built.waves, built.items, built.triggers, built.effects,
                  waves, built.backgrounds, backgrounds, items);
    }
    void release()
    {
        for (Wave* wave : built.waves)
            wave->destroyGraphics();
        deleteAll(built.waves);
        deleteAll(built.items);
        deleteAll(built.triggers);
        deleteAll(built.effects);
        deleteAll(built.backgrounds);
        deleteAll(scene.camera.levelPath);
        scene.level.destroyLayers();
    }

    PlayerScene scene;
    std::map<std::string, Wave*> waveLibrary;
    std::string fileName;
    struct {
        std::vector<Wave*> waves;
        std::vector<Item*> items;
        std::vector<Trigger*> triggers;
        std::vector<sfx*> effects;
        std::vector<background*> backgrounds;
    } built;

private:
    static void addFiles(const TempFolder& folder, const LevelFiles& files, const std::string& group)
    {
        for (const auto& [name, text] : files)
            folder.write(name, text);
        if (!files.empty())
            ResourceGroupScope::addFolder(folder.path(), group);
    }
    template <typename Object>
    static void deleteAll(std::vector<Object*>& objects)
    {
        for (Object* object : objects)
            delete object;
        objects.clear();
    }

    TempFolder gameFolder;
    TempFolder engineFolder;
};
