#include "data/PlayerPartsReader.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "data/ObbReader.h"
#include "data/SectionValues.h"
#include "data/WeaponReader.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

// The editor's word for an effect slot left empty.
const char* const unsetEffectName = "none";
const char* const effectDefinitionName = "SFXDefinition";

void readEffect(const SectionValues& values, const std::string& effectName, Player& player)
{
    auto* effect = new sfxDefinition(effectDefinitionName);
    player.sfxDefinitions.push_back(effect);
    effect->sfxName = effectName;
    effect->sfxBehavior = values.flag("sfxBehavior", required, 0) != 0;
    effect->isOnTop = values.flag("isOnTop", optional, 0) != 0;
    effect->isEnable = values.flag("isEnable", optional, 0) != 0;
    effect->position = values.vector("sfxPosition", required, Ogre::Vector3::ZERO);
    effect->orientation = values.turn("sfxOrientation", required);
    // The effect stretches along x only.
    effect->scale = Ogre::Vector3(values.real("sfxScale", required, 0.0f), 1.0f, 1.0f);
}

} // namespace

void readPlayerEffects(const XmlNode& element, Player& player)
{
    for (const XmlNode* child : childElements(element, "SFX")) {
        const SectionValues values(child);
        const std::string effectName = values.text("sfxName", required, "");
        if (!effectName.empty() && effectName != unsetEffectName)
            readEffect(values, effectName, player);
    }
}

void readPlayerOutlines(const XmlNode& element, Player& player)
{
    for (const XmlNode* child : childElements(element, "OBB")) {
        auto* outline = new Obb();
        player.outlines.push_back(outline);
        readObb(*child, *outline);
        if (outline->isHitBox)
            player.hitBoxIndex = static_cast<std::int32_t>(player.outlines.size() - 1);
    }
    if (!player.outlines.empty())
        player.outlines.front()->isHitBox = 1;
}

void readPlayerRotors(const XmlNode& element, Player& player)
{
    for (const XmlNode* child : childElements(element, "ROTOR")) {
        const SectionValues values(child);
        auto* part = new rotor();
        player.rotors.push_back(part);
        part->meshName = values.text("meshName", required, "");
        part->rotationSpeed = values.real("rotationSpeed", required, 0.0f);
        part->pos = values.vector("pos", required, Ogre::Vector3::ZERO);
        part->rot = values.vector("rot", required, Ogre::Vector3::ZERO);
        part->sca = values.real("sca", required, 0.0f);
    }
}

void readPlayerWeaponSets(const XmlNode& element, Player& player, Level* level, PlayerElementMode mode)
{
    std::size_t setIndex = 0;
    for (const XmlNode* setElement : childElements(element, "WEAPONSET")) {
        player.weaponSetNames.push_back(SectionValues(setElement).text("name", required, ""));
        if (player.weaponSets.size() <= setIndex)
            player.weaponSets.resize(setIndex + 1);
        std::vector<Weapon*>& set = player.weaponSets[setIndex++];
        for (const XmlNode* gunElement : childElements(*setElement, "weapon")) {
            auto* weapon = new Weapon();
            set.push_back(weapon);
            readWeapon(*gunElement, *weapon);
            if (mode == PlayerElementMode::instance)
                weapon->init(&player, level, player.meshNode, nullptr);
        }
    }
}
