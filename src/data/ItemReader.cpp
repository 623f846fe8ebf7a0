// One "Item" element into an Item. Values with a reader default are parsed
// into working copies and always written, so that an element read over an
// earlier one resets them; the "kept" values (the element's own optional
// attributes and a few of "toybox" and "Gameplay") change only when given.
#include "data/ItemsReader.h"
#include "data/AttributeValues.h"

#include "app/AudioService.h"
#include "data/LibraryFile.h"
#include "data/ObbReader.h"
#include "data/SectionAttributes.h"
#include "world/Item.h"
#include "world/Obb.h"

#include <OgreStringConverter.h>

#include <cstdint>

namespace {

using Ogre::StringConverter;

void readOptionalFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    bool value = target != 0;
    readOptional(node, name, value);
    target = value ? 1 : 0;
}

void readOwnAttributes(const XmlNode& element, Item& item)
{
    item.itemName = reportedRequiredText(element, "itemName");
    readOptional(element, "isOnGround", item.isOnGround);
    readOptionalFlag(element, "isCastShadows", item.isCastShadows);
    readOptional(element, "meshName", item.meshName);
    readOptional(element, "spriteName", item.spriteName);
    readOptional(element, "category", item.category);
    if (attributeText(element, "acceleration"))
        item.acceleration = requiredTruncated(element, "acceleration");
    readOptional(element, "timeBeforeAttraction", item.timeBeforeAttraction);
    readOptional(element, "attractionDistance", item.attractionDistance);
}

void readToybox(const XmlNode& element, Item& item)
{
    std::string parentName;
    int layerId = 0;
    if (const XmlNode* toybox = element.first_node("toybox")) {
        parentName = reportedRequiredText(*toybox, "parentName");
        readOptional(*toybox, "thumbnail", item.thumbnail);
        readOptional(*toybox, "screenName", item.screenName);
        readOptional(*toybox, "layer", layerId);
    }
    item.parentName = parentName;
    item.layerId = static_cast<std::uint32_t>(layerId);
}

void readPosition(const XmlNode& element, Item& item)
{
    // Without "position" the orientation would be all zeros, which is no
    // turn at all: the item keeps its own orientation instead.
    Ogre::Vector3 pos = Ogre::Vector3::ZERO;
    Ogre::Quaternion orient = Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    // The mesh faces the other way round about Y unless told otherwise.
    Ogre::Quaternion meshOrient(0.0f, 0.0f, -1.0f, 0.0f);
    if (const XmlNode* position = element.first_node("position")) {
        pos = requiredVector3(*position, "pos");
        orient = usableTurn(StringConverter::parseQuaternion(reportedRequiredText(*position, "orient")), orient);
        if (attributeText(*position, "scale"))
            scale = requiredVector3(*position, "scale");
        if (const char* text = attributeText(*position, "meshOrient"))
            meshOrient = usableTurn(StringConverter::parseQuaternion(text), meshOrient);
    }
    item.pos = pos;
    item.orient = orient;
    item.scale = scale;
    item.meshOrient = meshOrient;
}

void readAnimation(const XmlNode& element, Item& item)
{
    Ogre::Vector3 rotationSpeed = Ogre::Vector3::ZERO;
    int secondaryDirectionType = 0, startAngle = 0, secondaryAngle = 0;
    float startSpeed = 0.0f;
    bool isRebound = false;
    if (const XmlNode* animation = element.first_node("ANIMATION")) {
        rotationSpeed = requiredVector3(*animation, "rotation");
        readOptional(*animation, "secondaryDirectionType", secondaryDirectionType);
        startAngle = requiredInt(*animation, "startAngle");
        readOptional(*animation, "secondaryAngle", secondaryAngle);
        startSpeed = requiredReal(*animation, "startSpeed");
        isRebound = requiredFlag(*animation, "isRebound");
    }
    item.rotationSpeed = rotationSpeed;
    item.secondaryDirectionType = secondaryDirectionType;
    item.startAngle = startAngle;
    item.secondaryAngle = secondaryAngle;
    item.startSpeed = startSpeed;
    item.isRebound = isRebound;
}

void readSineMovement(const XmlNode& element, Item& item)
{
    Ogre::Vector3 speed = Ogre::Vector3::ZERO, distance = Ogre::Vector3::ZERO;
    if (const XmlNode* sine = element.first_node("CosSin")) {
        speed = requiredVector3(*sine, "SinSpeed");
        distance = requiredVector3(*sine, "SinDistance");
    }
    item.SinSpeed = speed;
    item.SinDistance = distance;
}

// The effect values of "Gameplay" that have reader defaults: written whether
// the section or the attribute is there or not.
void readGameplayDefaults(const XmlNode* gameplay, Item& item)
{
    const SectionAttributes values(gameplay);
    item.itemKind = values.reported("itemKind", 1);
    item.Score = values.reported("Score", 10);
    item.energyGiven = values.reported("energyGiven", 1);
    item.multiplier = values.optional("multiplier", 1.0f);
    item.weaponSlot = values.reported("weaponSlot", 0);
    item.ForceFielduseLife = values.reported("ForceFielduseLife", false);
    item.ForceFieldLife = static_cast<float>(values.reported("ForceFieldLife", 5));
    item.ForceFieldDuration = values.reported("ForceFieldDuration", 0.0f);
    item.isLifeDuration = values.reported("isLifeDuration", false);
    item.lifeDuration = values.reported("lifeDuration", 5.0f);
    item.gaugeAdd = gameplay ? requiredTruncated(*gameplay, "gaugeAdd") : 1;
    item.powerUpAdd = values.optional("powerUpAdd", 1.0f);
    item.ForceFieldSFX = values.optional("ForceFieldSFX", std::string("forceField01"));
    item.playerSpeed = values.optional("playerSpeed", 45.0f);
    item.ForceFieldEndSound = values.optional("ForceFieldEndSound", std::string());
    item.ForceFieldEndSoundVolume = values.optional("ForceFieldEndSoundVolume", 1.0f);
    item.ForceFieldHitSound = values.optional("ForceFieldHitSound", std::string());
    item.ForceFieldHitSoundVolume = values.optional("ForceFieldHitSoundVolume", 1.0f);
}

void readGameplayKept(const XmlNode& gameplay, Item& item)
{
    readOptional(gameplay, "isForceFieldUseRadius", item.isForceFieldUseRadius);
    readOptional(gameplay, "forceFieldRadius", item.forceFieldRadius);
    readOptional(gameplay, "ammoNumber", item.ammoNumber);
    readOptional(gameplay, "ammoWeapon", item.ammoWeapon);
    readOptional(gameplay, "isOnlyForCurrentWeaponSet", item.isOnlyForCurrentWeaponSet);
    readOptional(gameplay, "variableType", item.variableType);
    readOptional(gameplay, "customVariableName", item.customVariableName);
    readOptional(gameplay, "internalVariableName", item.internalVariableName);
    if (attributeText(gameplay, "variableValue"))
        item.variableValue = requiredReal(gameplay, "variableValue");
    readOptional(gameplay, "customVariableOperation", item.customVariableOperation);
}

void readGameplay(const XmlNode& element, Item& item)
{
    const XmlNode* gameplay = element.first_node("Gameplay");
    readGameplayDefaults(gameplay, item);
    if (gameplay)
        readGameplayKept(*gameplay, item);
}

void readEffects(const XmlNode& element, Item& item)
{
    std::string start = "basic_item01", end = "basic_item01", sound;
    Ogre::Vector2 pitch = Ogre::Vector2::ZERO;
    float volume = 1.0f;
    if (const XmlNode* effects = element.first_node("SFX")) {
        start = reportedRequiredText(*effects, "sfxStartName");
        end = reportedRequiredText(*effects, "sfxEndName");
        sound = reportedRequiredText(*effects, "soundName");
        readOptional(*effects, "sound_pitch", pitch);
        readOptional(*effects, "volume", volume);
    }
    item.sfxStartName = start;
    item.sfxEndName = end;
    item.soundName = sound;
    item.sound_pitch = pitch;
    item.volume = volume;
}

void readOutlines(const XmlNode& element, Item& item)
{
    for (const XmlNode* child : childElements(element, "OBB")) {
        item.outlines.push_back(new Obb());
        readObb(*child, *item.outlines.back());
    }
}

} // namespace

void readItem(const XmlNode& element, Item& item, Level* level)
{
    readOwnAttributes(element, item);
    readToybox(element, item);
    readPosition(element, item);
    readAnimation(element, item);
    readSineMovement(element, item);
    readGameplay(element, item);
    readEffects(element, item);
    item.level = level;
    item.isFilled = true;
    if (!item.spriteName.empty())
        item.isLayered = 1;
    if (!item.soundName.empty() && item.soundName != "none")
        loadSound(item.soundName, false, false, false, false);
    readOutlines(element, item);
}
