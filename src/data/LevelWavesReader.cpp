// Reads the waves of a level file as instances of the library's wave
// definitions.
#include "data/LevelWavesReader.h"

void readLevelWaves(const XmlNode&, std::vector<Wave*>&, Level*, Player*, const std::map<std::string, Wave*>&) {}

void readLevelWave(const XmlNode&, std::vector<Wave*>&, Level*, Player*, const std::map<std::string, Wave*>&) {}
