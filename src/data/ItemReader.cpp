// One "Item" element into an Item. Values with a reader default are parsed
// into working copies and always written, so that an element read over an
// earlier one resets them; the "kept" values (the element's own optional
// attributes and a few of "toybox" and "Gameplay") change only when given.
#include "data/ItemsReader.h"

#include "app/AudioService.h"
#include "data/LibraryFile.h"
#include "data/ObbReader.h"
#include "world/FiniteVector.h"
#include "world/Item.h"
#include "world/Obb.h"

#include <OgreStringConverter.h>

#include <cmath>
#include <cstdint>

namespace {

using Ogre::StringConverter;

float realOf(const XmlNode& node, const char* name) { return StringConverter::parseReal(requiredText(node, name), 0.0f); }

int intOf(const XmlNode& node, const char* name) { return StringConverter::parseInt(requiredText(node, name), 0); }

bool flagOf(const XmlNode& node, const char* name) { return StringConverter::parseBool(requiredText(node, name), false); }

Ogre::Vector3 vectorOf(const XmlNode& node, const char* name)
{
    return finiteOr(StringConverter::parseVector3(requiredText(node, name), Ogre::Vector3::ZERO), 0.0f);
}

// A number read as real and cut toward zero ("2.9" is 2, "-1.5" is -1).
std::int32_t truncated(float value) { return std::isfinite(value) ? static_cast<std::int32_t>(value) : 0; }

// A turn Ogre can use: a zero or non-finite quaternion becomes the fallback.
Ogre::Quaternion usableTurn(const Ogre::Quaternion& turn, const Ogre::Quaternion& fallback)
{
    const float norm = turn.Norm();
    return std::isfinite(norm) && norm > 0.0f ? turn : fallback;
}

void readOptionalFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    bool value = target != 0;
    readOptional(node, name, value);
    target = value ? 1 : 0;
}

void readOwnAttributes(const XmlNode& element, Item& item)
{
    item.itemName = requiredText(element, "itemName");
    readOptional(element, "isOnGround", item.isOnGround);
    readOptionalFlag(element, "isCastShadows", item.isCastShadows);
    readOptional(element, "meshName", item.meshName);
    readOptional(element, "spriteName", item.spriteName);
    readOptional(element, "category", item.category);
    if (attributeText(element, "acceleration"))
        item.acceleration = truncated(realOf(element, "acceleration"));
    readOptional(element, "timeBeforeAttraction", item.timeBeforeAttraction);
    readOptional(element, "attractionDistance", item.attractionDistance);
}

void readToybox(const XmlNode& element, Item& item)
{
    std::string parentName;
    int layerId = 0;
    if (const XmlNode* toybox = element.first_node("toybox")) {
        parentName = requiredText(*toybox, "parentName");
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
        pos = vectorOf(*position, "pos");
        orient = usableTurn(StringConverter::parseQuaternion(requiredText(*position, "orient")), orient);
        if (attributeText(*position, "scale"))
            scale = vectorOf(*position, "scale");
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
        rotationSpeed = vectorOf(*animation, "rotation");
        readOptional(*animation, "secondaryDirectionType", secondaryDirectionType);
        startAngle = intOf(*animation, "startAngle");
        readOptional(*animation, "secondaryAngle", secondaryAngle);
        startSpeed = realOf(*animation, "startSpeed");
        isRebound = flagOf(*animation, "isRebound");
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
        speed = vectorOf(*sine, "SinSpeed");
        distance = vectorOf(*sine, "SinDistance");
    }
    item.SinSpeed = speed;
    item.SinDistance = distance;
}

// The effect values of "Gameplay" that have reader defaults.
struct gameplayValues {
    int itemKind = 1;
    int Score = 10;
    int energyGiven = 1;
    double multiplier = 1.0;
    int weaponSlot = 0;
    bool ForceFielduseLife = false;
    float ForceFieldLife = 5.0f;
    float ForceFieldDuration = 0.0f;
    bool isLifeDuration = false;
    float lifeDuration = 5.0f;
    int gaugeAdd = 1;
    float powerUpAdd = 1.0f;
    std::string ForceFieldSFX = "forceField01";
    float playerSpeed = 45.0f;
    std::string ForceFieldEndSound;
    float ForceFieldEndSoundVolume = 1.0f;
    std::string ForceFieldHitSound;
    float ForceFieldHitSoundVolume = 1.0f;
};

void readGameplayDefaults(const XmlNode& gameplay, gameplayValues& values)
{
    values.itemKind = intOf(gameplay, "itemKind");
    values.Score = intOf(gameplay, "Score");
    values.energyGiven = intOf(gameplay, "energyGiven");
    if (attributeText(gameplay, "multiplier"))
        values.multiplier = realOf(gameplay, "multiplier");
    values.weaponSlot = intOf(gameplay, "weaponSlot");
    values.ForceFielduseLife = flagOf(gameplay, "ForceFielduseLife");
    values.ForceFieldLife = static_cast<float>(intOf(gameplay, "ForceFieldLife"));
    values.ForceFieldDuration = realOf(gameplay, "ForceFieldDuration");
    values.isLifeDuration = flagOf(gameplay, "isLifeDuration");
    values.lifeDuration = realOf(gameplay, "lifeDuration");
    values.gaugeAdd = truncated(realOf(gameplay, "gaugeAdd"));
    readOptional(gameplay, "powerUpAdd", values.powerUpAdd);
    readOptional(gameplay, "ForceFieldSFX", values.ForceFieldSFX);
    readOptional(gameplay, "playerSpeed", values.playerSpeed);
    readOptional(gameplay, "ForceFieldEndSound", values.ForceFieldEndSound);
    readOptional(gameplay, "ForceFieldEndSoundVolume", values.ForceFieldEndSoundVolume);
    readOptional(gameplay, "ForceFieldHitSound", values.ForceFieldHitSound);
    readOptional(gameplay, "ForceFieldHitSoundVolume", values.ForceFieldHitSoundVolume);
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
        item.variableValue = realOf(gameplay, "variableValue");
    readOptional(gameplay, "customVariableOperation", item.customVariableOperation);
}

void writeGameplay(const gameplayValues& values, Item& item)
{
    item.itemKind = values.itemKind;
    item.Score = values.Score;
    item.energyGiven = values.energyGiven;
    item.multiplier = values.multiplier;
    item.weaponSlot = values.weaponSlot;
    item.ForceFielduseLife = values.ForceFielduseLife;
    item.ForceFieldLife = values.ForceFieldLife;
    item.ForceFieldDuration = values.ForceFieldDuration;
    item.isLifeDuration = values.isLifeDuration;
    item.lifeDuration = values.lifeDuration;
    item.gaugeAdd = values.gaugeAdd;
    item.powerUpAdd = values.powerUpAdd;
    item.ForceFieldSFX = values.ForceFieldSFX;
    item.playerSpeed = values.playerSpeed;
    item.ForceFieldEndSound = values.ForceFieldEndSound;
    item.ForceFieldEndSoundVolume = values.ForceFieldEndSoundVolume;
    item.ForceFieldHitSound = values.ForceFieldHitSound;
    item.ForceFieldHitSoundVolume = values.ForceFieldHitSoundVolume;
}

void readGameplay(const XmlNode& element, Item& item)
{
    gameplayValues values;
    if (const XmlNode* gameplay = element.first_node("Gameplay")) {
        readGameplayDefaults(*gameplay, values);
        readGameplayKept(*gameplay, item);
    }
    writeGameplay(values, item);
}

void readEffects(const XmlNode& element, Item& item)
{
    std::string start = "basic_item01", end = "basic_item01", sound;
    Ogre::Vector2 pitch = Ogre::Vector2::ZERO;
    float volume = 1.0f;
    if (const XmlNode* effects = element.first_node("SFX")) {
        start = requiredText(*effects, "sfxStartName");
        end = requiredText(*effects, "sfxEndName");
        sound = requiredText(*effects, "soundName");
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
