// Level files read into a render-less play scene: the files given for the
// game are in "GAMERSC", those given for the engine in "Media". What the
// level builds goes into the lists here and is released with them.
#pragma once

#include "combat/PlayerScene.h"
#include "combat/Wave.h"
#include "data/LevelReader.h"
#include "support/TempFolder.h"
#include "world/Item.h"
#include "world/Trigger.h"
#include "world/background.h"
#include "world/sfx.h"

#include <map>
#include <string>
#include <vector>

using LevelFiles = std::map<std::string, std::string>;

class LevelFileScene {
public:
    explicit LevelFileScene(const LevelFiles& gameFiles, const LevelFiles& engineFiles = {})
    {
        addFiles(gameFolder, gameFiles, "GAMERSC");
        addFiles(engineFolder, engineFiles, "Media");
    }
    ~LevelFileScene()
    {
        for (Wave* wave : waves) {
            wave->destroyGraphics();
            delete wave;
        }
        deleteAll(items);
        deleteAll(triggers);
        deleteAll(effects);
        deleteAll(backgrounds);
        for (auto& entry : waveLibrary) {
            entry.second->destroyGraphics();
            delete entry.second;
        }
    }
    LevelFileScene(const LevelFileScene&) = delete;
    LevelFileScene& operator=(const LevelFileScene&) = delete;

    void read(const std::string& name)
    {
        fileName = name;
        readLevel(fileName, scene.level, scene.player, waves, items, triggers, effects, waveLibrary, backgrounds,
                  backgroundLibrary, itemLibrary);
    }

    PlayerScene scene;
    std::string fileName;
    std::vector<Wave*> waves;
    std::vector<Item*> items;
    std::vector<Trigger*> triggers;
    std::vector<sfx*> effects;
    std::vector<background*> backgrounds;
    std::map<std::string, Wave*> waveLibrary;
    std::map<std::string, Item*> itemLibrary;
    std::map<std::string, background*> backgroundLibrary;

private:
    static void addFiles(const TempFolder& folder, const LevelFiles& files, const std::string& group)
    {
        if (files.empty())
            return;
        for (const auto& [name, text] : files)
            folder.write(name, text);
        ResourceGroupScope::addFolder(folder.path(), group);
    }
    template <typename Object>
    static void deleteAll(std::vector<Object*>& objects)
    {
        for (Object* object : objects)
            delete object;
    }

    TempFolder gameFolder;
    TempFolder engineFolder;
};
