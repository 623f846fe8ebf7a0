// Reads a level file: the level's name followed by ".level" in the game's
// data, or "default.level" of the engine's own files when the game lacks
// it. One reader takes only the sun's switches that the shadows need before
// the level exists; the other reads the whole level: the play ship, the
// level's settings and every object placed in it.
#pragma once

#include <map>
#include <string>
#include <vector>

class Item;
class Level;
class Player;
class Trigger;
class Wave;
class background;
class sfx;

// The "Sun" element's "isShadows" and "isSpriteLighting". `fileName`
// becomes "default.level" when the game lacks the file.
void readLevelLighting(std::string& fileName, Level& level);

// The "player" element into the play ship; then, when the file has a
// "Level" element, the level's settings and the placed objects, built in a
// fixed order whatever the order of the file: waves, camera path, items,
// effects, backgrounds, triggers. Each object goes into its list; the four
// counts are logged at the end. `fileName` as for readLevelLighting. A file
// that does not parse is named in one "[ERROR] " line and builds nothing.
void readLevel(std::string& fileName, Level& level, Player& player, std::vector<Wave*>& waves,
               std::vector<Item*>& items, std::vector<Trigger*>& triggers, std::vector<sfx*>& effects,
               const std::map<std::string, Wave*>& waveLibrary, std::vector<background*>& levelEntities,
               const std::map<std::string, background*>& backgroundLibrary,
               const std::map<std::string, Item*>& itemLibrary);
