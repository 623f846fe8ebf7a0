// Reads the waves of a level file as instances of the library's wave
// definitions: the element gives the placement, spawner, path and the
// wave's own values, the definition the member's class, look and parts.
#include "data/LevelWavesReader.h"

#include "app/Log.h"
#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "data/SectionValues.h"
#include "data/WaveReader.h"

namespace {

constexpr Need optional = Need::optional;

// The definition of a wave whose own the library lacks.
const char* const standByWaveName = "Wave0";

Wave* findDefinition(const std::map<std::string, Wave*>& library, const std::string& name)
{
    auto named = library.find(name);
    if (named == library.end())
        named = library.find(standByWaveName);
    return named == library.end() ? nullptr : named->second;
}

// The level names the wave; its guns play their sounds from now on.
void finishWave(Wave& wave)
{
    wave.thumbnail.clear();
    Enemy& member = *wave.members.back();
    member.thumbnail.clear();
    for (const std::vector<Weapon*>& set : member.weaponSets)
        for (Weapon* gun : set)
            gun->loadSounds();
}

} // namespace

void readLevelWaves(const XmlNode& root, std::vector<Wave*>& waves, Level* level, Player* player,
                    const std::map<std::string, Wave*>& library)
{
    for (const XmlNode* element : childElements(root, "enemy")) {
        const std::size_t wavesBefore = waves.size();
        readLevelWave(*element, waves, level, player, library);
        if (waves.size() > wavesBefore)
            finishWave(*waves.back());
    }
}

void readLevelWave(const XmlNode& element, std::vector<Wave*>& waves, Level* level, Player* player,
                   const std::map<std::string, Wave*>& library)
{
    // readWave reports a missing "parentName"; here it only picks the definition.
    const SectionValues toybox(element, "toybox");
    const std::string parentName = toybox.text("parentName", optional, "");
    const std::string namer = namedBy("", xmlFileBeingRead());
    Wave* definition = findDefinition(library, parentName);
    if (!definition) {
        logLine("[ERROR] wave not found, nor " + std::string(standByWaveName) + ": " + parentName + namer);
        return;
    }
    if (!parentName.empty() && library.count(parentName) == 0)
        logLineOnce("[ERROR] can't find wave: " + parentName + namer);
    // Without a member there is no class or parts to copy.
    if (definition->members.empty()) {
        logLine("[ERROR] wave without a member: " + definition->waveName);
        return;
    }

    auto* wave = new Wave("");
    waves.push_back(wave);
    // Member 0 takes the wave's name and member list here.
    readWave(element, *wave, level, definition, WaveElementMode::instance);
    wave->spawner->createNodes(&wave->members, level, player);
    wave->name = parentName;
    wave->screenName = toybox.text("screenName", optional, "");
    wave->meshName = definition->meshName;
    wave->templateObject = definition;
    // Until the wave takes it in placeInstance.
    wave->members.front()->wave = definition;
    wave->copyFromTemplate();
    wave->bindToLevel();
    wave->placeInstance();
    wave->members.front()->setupFromDefinition(*definition->members.front(), false);
    wave->createMembers();
}
