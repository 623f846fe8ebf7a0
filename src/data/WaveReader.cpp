// Reads an "enemy" element: the element's own attributes and the wave's
// sections, then member 0 of the class they ask for and the sections that
// fill it, then (for a definition) the member's effects, weapon sets,
// outlines and rotors, and last the wave's waypoints and path curve.
//
// Sections with reader defaults write them when they are absent. The
// element's "meshName", "spriteName" and "isCastShadows", the "toybox"
// values, the explosion look of "Death" and all of "ANIMATION" change only
// what they carry: the wave's own values stand for the rest.
#include "data/WaveReader.h"

#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "data/AttributeValues.h"
#include "data/SectionValues.h"
#include "data/WaveMemberReader.h"
#include "data/WaypointReader.h"
#include "world/Waypoint.h"
#include "world/sfxManager.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

const char* const tankTypeName = "tank";
// The editor's words for an effect and an item left unset.
const char* const unsetEffectName = "none";
const char* const unsetItemName = "None";
const char* const waypointName = "waypoint";
// The orientation of a wave without "position": half a turn about y.
const Ogre::Quaternion unturnedWave{0.0f, 0.0f, -1.0f, 0.0f};

// Counts and kinds the format writes as signed numbers; a negative one
// counts as none.
std::uint32_t notBelowZero(std::int32_t value)
{
    return static_cast<std::uint32_t>(std::max(value, 0));
}

void readOwnAttributes(const XmlNode& element, Wave& wave, const Wave* definition)
{
    const SectionValues own(&element);
    wave.waveName = own.text("waveName", required, "");
    wave.meshName = own.text("meshName", optional, wave.meshName);
    wave.spriteName = own.text("spriteName", optional, wave.spriteName);
    if (!wave.spriteName.empty()) {
        wave.isLayered = 1;
        wave.meshName.clear();
    }
    const bool isTankText = own.text("type", optional, "") == tankTypeName;
    // An instance's members are of its definition's class.
    if (definition)
        wave.type = definition->type;
    else
        wave.type = isTankText ? Wave::typeTank : Wave::typeEnemy;
    wave.isHiddenEnemy = own.flag("isHiddenEnemy", optional, 0);
    wave.category = own.integer("category", optional, 0);
    wave.isCastShadows = own.flag("isCastShadows", optional, wave.isCastShadows);
}

void readLinks(const XmlNode& element, Wave& wave)
{
    wave.attachedToEntityName = SectionValues(element, "parenting").text("attachedToEntityName", required, "");
    // The play state links the child waves by name once the level is read.
    for (const XmlNode* child : childElements(element, "children"))
        wave.children[SectionValues(child).text("childrenName", required, "")] = nullptr;
}

void readToybox(const XmlNode& element, Wave& wave)
{
    const SectionValues toybox(element, "toybox");
    wave.name = toybox.text("parentName", required, wave.name);
    wave.thumbnail = toybox.text("thumbnail", optional, wave.thumbnail);
    wave.screenName = toybox.text("screenName", optional, wave.screenName);
    wave.layerId = static_cast<std::uint32_t>(toybox.integer("layer", optional, static_cast<int>(wave.layerId)));
    wave.priority = static_cast<std::uint16_t>(toybox.unsignedInteger("queuePriority", optional, wave.priority));
}

void readSpawner(const XmlNode& element, Wave& wave, Spawner& spawner, Enemy& member)
{
    const SectionValues layout(element, "Spawner");
    spawner.spawnType = notBelowZero(layout.integer("spawnType", required, spawnPoint));
    spawner.numberOfSpawns = notBelowZero(layout.count("numberOfSpawns", required, 1, Spawner::maxSpawns));
    spawner.timeBetweenSpawns = layout.real("timeBetweenSpawns", required, 0.2f);
    spawner.radius = layout.pair("radius", required, Ogre::Vector2(60.0f, 30.0f));
    wave.TimeBeforeSpawn = layout.real("TimeBeforeSpawn", required, 0.0f);
    spawner.planeNbs = layout.pair("planeNbs", required, Ogre::Vector2(5.0f, 4.0f));
    member.isGround = layout.flag("isGround", required, 1);
    spawner.offset = layout.real("offset", required, 0.0f);
    spawner.startAngle = layout.real("startAngle", required, 0.0f);
    spawner.endAngle = layout.real("endAngle", required, 360.0f);
    spawner.OrientationType = notBelowZero(layout.integer("OrientationType", required, orientNone));
    member.isKeepFormation = layout.flag("isKeepFormation", required, 0);
    wave.isHiddenWhenSleeping = layout.flag("isHiddenWhenSleeping", required, 1);
    wave.startSfxName = layout.text("startSfxName", required, "");
    if (wave.startSfxName == unsetEffectName)
        wave.startSfxName.clear();
}

// Without "position" the spawner has no size (scale zero): the scenes that
// divide by it guard themselves.
void readPosition(const XmlNode& element, Wave& wave, Spawner& spawner, Enemy& member)
{
    const SectionValues position(element, "position");
    spawner.position = placedPositionFromText(position.text("pos", required, ""));
    spawner.scale = position.scale("sca", required, Ogre::Vector3::ZERO);
    spawner.orientation = position.turn("orient", required, unturnedWave);
    wave.orientation = position.turn("waveOrient", required, unturnedWave);
    member.orientation = wave.orientation;
    member.symmetry = position.integer("symmetry", optional, 1);
}

void readPath(const XmlNode& element, Wave& wave, Enemy& member)
{
    const SectionValues path(element, "WP");
    wave.WP_GlobalSpeedMult = path.real("WP_GlobalSpeedMult", required, 1.0f);
    member.WP_GlobalSpeedMult = wave.WP_GlobalSpeedMult;
    wave.separation = path.real("separation", optional, 0.0f);
}

void readItems(const XmlNode& element, Wave& wave)
{
    const SectionValues items(element, "ITEMS");
    wave.itemSpawned = items.text("itemSpawned", required, "");
    if (wave.itemSpawned == unsetItemName)
        wave.itemSpawned.clear();
    wave.itemNumber = items.count("itemNumber", required, 1, Game::itemPoolCount);
    wave.itemRadius = items.integer("itemRadius", required, 0);
    wave.itemRandom = items.real("itemRandom", required, 0.5f);
    wave.isEachCopiesSpawnItem = items.flag("isEachCopiesSpawnItem", required, 0);
}

void readDeathLook(const XmlNode& element, Wave& wave)
{
    const SectionValues death(element, "Death");
    wave.explosionName = death.text("explosionName", optional, wave.explosionName);
    wave.explosionScale = death.real("explosionScale", optional, wave.explosionScale);
    wave.explosionNumber =
        death.count("explosionNumber", optional, wave.explosionNumber, sfxManager::mostExplosionsOfOneDeath);
    wave.explosionRadius = death.real("explosionRadius", optional, wave.explosionRadius);
    wave.isDeathCancelBullets = death.flag("isDeathCancelBullets", required, 0);
    wave.cancelBulletItemName = death.text("cancelBulletItemName", required, "");
}

void readSound(const XmlNode& element, Wave& wave)
{
    const SectionValues sound(element, "SOUND");
    wave.startSoundName = sound.text("startSoundName", required, "");
    wave.isStartSoundLooping = sound.flag("isStartSoundLooping", optional, 0);
    wave.startSoundVolume = sound.real("startSoundVolume", optional, 1.0f);
}

void readAnimation(const XmlNode& element, Wave& wave)
{
    const SectionValues animation(element, "ANIMATION");
    wave.isBanking = animation.flag("isBanking", optional, wave.isBanking);
    wave.isDontAnimate = animation.flag("isDontAnimate", optional, wave.isDontAnimate);
    wave.bankSpeed = animation.real("bankSpeed", optional, wave.bankSpeed);
    wave.animationDirectionWays = animation.integer("animationDirectionWays", optional, wave.animationDirectionWays);
    wave.isSnapToDirection = animation.flag("isSnapToDirection", optional, wave.isSnapToDirection);
}

// Member 0 of the wave's class, owned by the wave and sharing its name,
// layer, look and path.
Enemy& addMember(Wave& wave)
{
    auto* member = static_cast<Enemy*>(newEnemyByType(static_cast<int>(wave.type), wave.name));
    wave.members.push_back(member);
    member->wave = &wave;
    member->layerId = wave.layerId;
    member->priority = wave.priority;
    member->isCastShadows = wave.isCastShadows;
    member->isHidden = wave.isHiddenEnemy;
    member->category = wave.category;
    member->waypoints = &wave.waypoints;
    member->waveName = wave.waveName;
    member->members = &wave.members;
    return *member;
}

void readWaypoints(const XmlNode& element, Wave& wave)
{
    for (const XmlNode* point : childElements(element, "waypoint")) {
        wave.waypoints.push_back(new Waypoint(waypointName));
        readWaypoint(*point, *wave.waypoints.back());
    }
    wave.buildPathCurve();
}

} // namespace

void readWave(const XmlNode& element, Wave& wave, Level* level, const Wave* definition, WaveElementMode mode)
{
    readOwnAttributes(element, wave, definition);
    readLinks(element, wave);
    readToybox(element, wave);
    wave.level = level;
    wave.spawner = new Spawner();
    Enemy& member = addMember(wave);
    readSpawner(element, wave, *wave.spawner, member);
    readPosition(element, wave, *wave.spawner, member);
    readPath(element, wave, member);
    readItems(element, wave);
    readDeathLook(element, wave);
    readSound(element, wave);
    readAnimation(element, wave);
    readMemberSections(element, wave, member);
    if (mode == WaveElementMode::definition)
        readMemberParts(element, member, level);
    readWaypoints(element, wave);
}
