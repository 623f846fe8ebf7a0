#include "data/SoundsReader.h"

#include "app/SoundDefinition.h"
#include "data/LibraryFile.h"

#include <memory>

namespace {

// Absent or unreadable values give 0 and false, never the record's own volume.
soundDefinition* readSound(const XmlNode& element)
{
    auto sound = std::make_unique<soundDefinition>();
    sound->soundName = requiredText(element, "soundName");
    sound->screenName = requiredText(element, "screenName");
    sound->volume = 0.0f;
    readOptional(element, "volume", sound->volume);
    readOptional(element, "isSFX", sound->isSFX);
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
