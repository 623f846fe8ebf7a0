#include "data/OwnedPartsReader.h"

#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "data/WeaponReader.h"
#include "world/sfxDefinition.h"

#include <string>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

// The editor's word for an effect slot left empty.
const char* const unsetEffectName = "none";
const char* const effectDefinitionName = "SFXDefinition";

} // namespace

sfxDefinition* readOwnedEffect(const SectionValues& values)
{
    const std::string effectName = values.text("sfxName", required, "");
    if (effectName.empty() || effectName == unsetEffectName)
        return nullptr;
    auto* effect = new sfxDefinition(effectDefinitionName);
    effect->sfxName = effectName;
    effect->sfxBehavior = values.flag("sfxBehavior", required, 0) != 0;
    effect->isOnTop = values.flag("isOnTop", optional, 0) != 0;
    effect->position = values.vector("sfxPosition", required, Ogre::Vector3::ZERO);
    effect->orientation = values.turn("sfxOrientation", required);
    // The effect stretches along x only.
    effect->scale = Ogre::Vector3(values.real("sfxScale", required, 0.0f), 1.0f, 1.0f);
    return effect;
}

rotor* readOwnedRotor(const SectionValues& values, const char* orientationAttribute)
{
    auto* part = new rotor();
    part->meshName = values.text("meshName", required, "");
    part->rotationSpeed = values.real("rotationSpeed", required, 0.0f);
    part->pos = values.vector("pos", required, Ogre::Vector3::ZERO);
    part->rot = values.vector(orientationAttribute, required, Ogre::Vector3::ZERO);
    part->sca = values.real("sca", required, 0.0f);
    return part;
}

void readWeaponSets(const XmlNode& element, std::vector<std::vector<Weapon*>>& sets,
                    std::vector<std::string>& setNames, const std::function<void(Weapon& gun)>& bind)
{
    std::size_t setIndex = 0;
    for (const XmlNode* setElement : childElements(element, "WEAPONSET")) {
        setNames.push_back(SectionValues(setElement).text("name", required, ""));
        if (sets.size() <= setIndex)
            sets.resize(setIndex + 1);
        std::vector<Weapon*>& set = sets[setIndex++];
        for (const XmlNode* gunElement : childElements(*setElement, "weapon")) {
            auto* weapon = new Weapon();
            set.push_back(weapon);
            readWeapon(*gunElement, *weapon);
            bind(*weapon);
        }
    }
}
