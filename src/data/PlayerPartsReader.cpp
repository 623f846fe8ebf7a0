#include "data/PlayerPartsReader.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "data/ObbReader.h"
#include "data/OwnedPartsReader.h"
#include "data/SectionValues.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

#include <cstdint>

namespace {

constexpr Need optional = Need::optional;

const char* const rotorOrientationAttribute = "rot";

} // namespace

void readPlayerEffects(const XmlNode& element, Player& player)
{
    for (const XmlNode* child : childElements(element, "SFX")) {
        const SectionValues values(child);
        if (sfxDefinition* effect = readOwnedEffect(values)) {
            effect->isEnable = values.flag("isEnable", optional, 0) != 0;
            player.sfxDefinitions.push_back(effect);
        }
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
    for (const XmlNode* child : childElements(element, "ROTOR"))
        player.rotors.push_back(readOwnedRotor(SectionValues(child), rotorOrientationAttribute));
}

void readPlayerWeaponSets(const XmlNode& element, Player& player, Level* level, PlayerElementMode mode)
{
    readWeaponSets(element, player.weaponSets, player.weaponSetNames, [&](Weapon& gun) {
        if (mode == PlayerElementMode::instance)
            gun.init(&player, level, player.meshNode, nullptr);
    });
}
