// Reads a level file: the level's name followed by ".level" in the game's
// data, or "default.level" of the engine's own files when the game lacks
// it. The file is read and parsed once, and handed to both readers: one
// takes only the sun's switches that the shadows need before the level
// exists; the other reads the whole level: the play ship, the level's
// settings and every object placed in it.
#pragma once

#include "data/XmlFile.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Item;
class Level;
class Player;
class Trigger;
class Wave;
class background;
class sfx;

// One level file, read and parsed once for the readers below. A file that
// does not parse, or holds no element, is named in one "[ERROR] " line and
// nothing of it is used: the level plays with what it had, the camera on
// its default path.
class LevelFile {
public:
    // The name becomes "default.level" when the game lacks the file.
    explicit LevelFile(std::string fileName);

    const std::string& name() const { return fileName; }
    // Hands the root element to `walk`, the file named as the one being
    // read; false, walking nothing, when the file could not be used.
    bool walk(const std::function<void(XmlNode* root)>& walk) const;

private:
    std::string fileName;
    std::string baseName;
    std::unique_ptr<XmlText> xml;
};

// The "Sun" element's "isShadows" and "isSpriteLighting".
void readLevelLighting(const LevelFile& file, Level& level);

// The "player" element into the play ship; then, when the file has a
// "Level" element, the level's settings and the placed objects, built in a
// fixed order whatever the order of the file: waves, camera path, items,
// effects, backgrounds, triggers. Each object goes into its list; the four
// counts are logged at the end.
void readLevel(const LevelFile& file, Level& level, Player& player, std::vector<Wave*>& waves,
               std::vector<Item*>& items, std::vector<Trigger*>& triggers, std::vector<sfx*>& effects,
               const std::map<std::string, Wave*>& waveLibrary, std::vector<background*>& levelEntities,
               const std::map<std::string, background*>& backgroundLibrary,
               const std::map<std::string, Item*>& itemLibrary);
