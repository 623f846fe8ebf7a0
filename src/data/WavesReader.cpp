// Reads "gamebox.waves" into the waves library.
#include "data/WavesReader.h"

#include "combat/Wave.h"
#include "data/LibraryFile.h"
#include "data/WaveReader.h"

#include <memory>

void loadWavesGamebox(const std::string& fileName, const std::string& group, std::map<std::string, Wave*>& library)
{
    readLibraryFile(fileName, group, "enemy", libraryFailureLine, [&library](const XmlNode& element) {
        auto definition = std::make_unique<Wave>("");
        readWave(element, *definition, nullptr, nullptr, WaveElementMode::definition);
        definition->isLibraryDefinition = 1;
        definition->bindToLevel();
        // A definition hides its members when its kill phase ends, whatever
        // its element says.
        definition->killedBehavior = Wave::killedHidesMembers;
        Wave*& slot = library[definition->waveName];
        if (slot) {
            slot->destroyGraphics();
            delete slot;
        }
        slot = definition.release();
    });
}
