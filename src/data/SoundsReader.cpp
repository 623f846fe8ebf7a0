#include "data/SoundsReader.h"

#include "app/SoundDefinition.h"
#include "data/LibraryFile.h"

#include <memory>

namespace {

// A volume that does not convert is 0; one that is missing keeps the
// record's full volume.
soundDefinition* readSound(const XmlNode& element)
{
    auto sound = std::make_unique<soundDefinition>();
    readRequired(element, "soundName", sound->soundName);
    readRequired(element, "screenName", sound->screenName);
    readRequired(element, "volume", sound->volume);
    readRequired(element, "isSFX", sound->isSFX);
    readOptional(element, "isMUSIC", sound->isMUSIC);
    return sound.release();
}

} // namespace

void loadSoundsGamebox(const std::string& fileName, const std::string& group,
                       std::map<std::string, soundDefinition*>& library)
{
    readLibraryFile(fileName, group, "SOUND", libraryFailureLine, [&library](const XmlNode& element) {
        soundDefinition* sound = readSound(element);
        soundDefinition*& slot = library[sound->soundName];
        delete slot;
        slot = sound;
    });
}
