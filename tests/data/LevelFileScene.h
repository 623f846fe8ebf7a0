// Level files read into a render-less play scene: the files given for the
// game are in "GAMERSC", those given for the engine in "Media". What the
// level builds goes into the lists of a LevelObjects and is released with
// them.
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

// The objects a level file builds, and the camera path and layers it gives.
class LevelObjects {
public:
    explicit LevelObjects(PlayerScene& scene) : scene(scene) {}
    ~LevelObjects() { release(); }
    LevelObjects(const LevelObjects&) = delete;
    LevelObjects& operator=(const LevelObjects&) = delete;

    // Reads the level with these libraries; `fileName` is the name read.
    void read(const std::string& name, const std::map<std::string, Wave*>& waveLibrary,
              const std::map<std::string, background*>& backgroundLibrary,
              const std::map<std::string, Item*>& itemLibrary)
    {
        fileName = name;
        readLevel(fileName, scene.level, scene.player, waves, items, triggers, effects, waveLibrary, backgrounds,
                  backgroundLibrary, itemLibrary);
    }
    void release()
    {
        for (Wave* wave : waves)
            wave->destroyGraphics();
        deleteAll(waves);
        deleteAll(items);
        deleteAll(triggers);
        deleteAll(effects);
        deleteAll(backgrounds);
        deleteAll(scene.camera.levelPath);
        scene.level.destroyLayers();
    }

    std::string fileName;
    std::vector<Wave*> waves;
    std::vector<Item*> items;
    std::vector<Trigger*> triggers;
    std::vector<sfx*> effects;
    std::vector<background*> backgrounds;

private:
    template <typename Object>
    static void deleteAll(std::vector<Object*>& objects)
    {
        for (Object* object : objects)
            delete object;
        objects.clear();
    }

    PlayerScene& scene;
};

// A scene with its own level files and libraries.
class LevelFileScene {
public:
    explicit LevelFileScene(const LevelFiles& gameFiles, const LevelFiles& engineFiles = {})
    {
        addFiles(gameFolder, gameFiles, "GAMERSC");
        addFiles(engineFolder, engineFiles, "Media");
    }
    ~LevelFileScene()
    {
        built.release();
        for (auto& entry : waveLibrary) {
            entry.second->destroyGraphics();
            delete entry.second;
        }
    }
    LevelFileScene(const LevelFileScene&) = delete;
    LevelFileScene& operator=(const LevelFileScene&) = delete;

    // Reads over what an earlier read built.
    void read(const std::string& name) { built.read(name, waveLibrary, backgroundLibrary, itemLibrary); }

    PlayerScene scene;
    std::map<std::string, Wave*> waveLibrary;
    std::map<std::string, Item*> itemLibrary;
    std::map<std::string, background*> backgroundLibrary;
    LevelObjects built{scene};

private:
    static void addFiles(const TempFolder& folder, const LevelFiles& files, const std::string& group)
    {
        if (files.empty())
            return;
        for (const auto& [name, text] : files)
            folder.write(name, text);
        ResourceGroupScope::addFolder(folder.path(), group);
    }

    TempFolder gameFolder;
    TempFolder engineFolder;
};
