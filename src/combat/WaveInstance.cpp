// A level's wave made from a library definition: the values the definition
// decides, member 0 of the definition's class, and its place in the scene.
#include "combat/Wave.h"

#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "core/materials/MeshMaterials.h"
#include "play/Level.h"
#include "world/FiniteVector.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

namespace {

// The mesh of a wave whose mesh was not found: it casts no shadow of its own.
const char* const standInMeshName = "interro.mesh";
// Sprite pixels per world unit of a turret plane, and of the muzzle's distance.
constexpr float spritePixelsPerUnit = 32.0f;
constexpr float muzzlePixelsPerUnit = 16.0f;

const Wave* definitionOf(const Wave& wave)
{
    return dynamic_cast<const Wave*>(wave.templateObject);
}

const Enemy* definitionMember(const Wave& wave)
{
    const Wave* definition = definitionOf(wave);
    return definition && !definition->members.empty() ? definition->members.front() : nullptr;
}

void copyTurretValues(Tank& tank, const Tank& source)
{
    tank.turOffset = source.turOffset;
    tank.canOffset = source.canOffset;
    tank.canHoleOffset = source.canHoleOffset;
    tank.canLimitS = source.canLimitS;
    tank.canLimitE = source.canLimitE;
    tank.turretLimits = source.turretLimits;
    tank.turSpeed = source.turSpeed;
    tank.canSpeed = source.canSpeed;
}

// The values of member 0 that its definition decides.
void copyMemberFromDefinition(Enemy& member, const Enemy& source)
{
    member.isCastShadows = source.isCastShadows;
    member.name = source.waveName;
    member.life = member.currentLife = source.life;
    member.score = source.score;
    member.scoreWhenHit = source.scoreWhenHit;
    member.isDontFireIfNearPlayer = source.isDontFireIfNearPlayer;
    member.dontFireRadius = source.dontFireRadius;
    member.damage = source.damage;
    member.isCollideWPlayer = source.isCollideWPlayer;
    member.isCollideWBullets = source.isCollideWBullets;
    member.isCollideWEnemyBullets = source.isCollideWEnemyBullets;
    member.destructionTime = source.destructionTime;
    member.segmentDeathInterval = source.segmentDeathInterval;
    member.extraDeathTime = source.extraDeathTime;
    member.isBigLifebar = source.isBigLifebar;
    member.deathTranslation = source.deathTranslation;
    member.deathRotation = source.deathRotation;
    member.orientation = source.orientation;
    member.symmetry = source.symmetry;
    member.isSnake = source.isSnake;
    member.snakeNumber = source.snakeNumber;
    member.snakeDistance = source.snakeDistance;
    member.isSnakeHeadInvincible = source.isSnakeHeadInvincible;
    member.isSnakeTailInvincible = source.isSnakeTailInvincible;
    member.isSnakeBodyInvincible = source.isSnakeBodyInvincible;
    member.category = source.category;
    member.isTank = source.isTank;
    auto* tank = dynamic_cast<Tank*>(&member);
    const auto* sourceTank = dynamic_cast<const Tank*>(&source);
    if (tank && sourceTank)
        copyTurretValues(*tank, *sourceTank);
}

// Places the turret, cannon and muzzle nodes of member 0 of a tank wave.
void placeTurret(const Wave& wave, Tank& tank, const Wave& definition)
{
    const bool isSprite = !definition.spriteName.empty();
    if (tank.turretNode)
        tank.turretNode->setPosition(finiteOr(tank.turOffset, 0.0f));
    if (tank.cannonNode) {
        const bool isFlatCannon = isSprite && !tank.hasCannon;
        tank.cannonNode->setPosition(
            finiteOr(isFlatCannon ? Ogre::Vector3(0.0f, tank.canOffset.y, 0.0f) : tank.canOffset, 0.0f));
    }
    if (tank.muzzleNode)
        tank.muzzleNode->setPosition(finiteOr(tank.canHoleOffset, 0.0f));
    if (!wave.isLibraryDefinition) {
        if (tank.turretEntity)
            tank.turretEntity->setCastShadows(tank.isCastShadows);
        if (tank.cannonEntity)
            tank.cannonEntity->setCastShadows(tank.isCastShadows);
    }
    if (wave.spriteName.empty() || !tank.turretEntity || !tank.turretMeshNode)
        return;
    const Ogre::Vector2 size = getDiffuseTextureSize(tank.turretEntity);
    tank.turretMeshNode->setScale(finiteOr(Ogre::Vector3(size.x / spritePixelsPerUnit, float(tank.symmetry),
                                                         size.y / spritePixelsPerUnit),
                                           1.0f));
    const bool isSideView = Game::getSingletonPtr()->levelTypePreference == 0;
    if (tank.muzzleNode)
        tank.muzzleNode->setPosition(0.0f, 0.0f, -(isSideView ? size.x : size.y) / muzzlePixelsPerUnit);
}

// A sprite member's shadow follows its cast-shadows flag, and the level's
// sprite lighting.
void applySpriteShadow(const Wave& wave, Enemy& member)
{
    if (wave.spriteName.empty() || wave.meshName == standInMeshName || !member.movableObject)
        return;
    member.movableObject->setCastShadows(member.isCastShadows);
    if (wave.level && !wave.level->isSpriteLighting)
        member.movableObject->setCastShadows(false);
}

// Member 0 replaced by a new member of the other class, filled from it. The
// definition owns the new member while it is filled, as it owned member 0
// while the instance was read; the instance owns it in play, so that its
// own kill settings hold for it.
void replaceMember(Wave& wave, bool asTank)
{
    Enemy* old = wave.members.front();
    Enemy* fresh = asTank ? new Tank() : new Enemy();
    wave.members.push_back(fresh);
    wave.copyMembers();
    fresh->isTank = asTank ? 1 : 0;
    if (asTank) {
        const auto* source = dynamic_cast<const Tank*>(old);
        if (!source)
            source = dynamic_cast<const Tank*>(definitionMember(wave));
        if (source)
            copyTurretValues(static_cast<Tank&>(*fresh), *source);
    }
    Ogre::SceneNode* parent = wave.spawner ? wave.spawner->spawnerNode : nullptr;
    fresh->placeInScene(parent, old->orientation, wave.level, wave.sceneManager);
    fresh->setupFromDefinition(*old, false);
    wave.sceneNode = fresh->sceneNode;
    old->destroyGraphics();
    delete old;
    wave.members.erase(wave.members.begin());
    fresh->wave = &wave;
}

} // namespace

void Wave::copyFromTemplate()
{
    const Wave* definition = definitionOf(*this);
    if (!definition)
        return;
    type = definition->type;
    category = definition->category;
    isDeferred = definition->isDeferred;
    meshName = definition->meshName;
    spriteName = definition->spriteName;
    animationDirectionWays = definition->animationDirectionWays;
    isBanking = definition->isBanking;
    bankSpeed = definition->bankSpeed;
    isSnapToDirection = definition->isSnapToDirection;
    isDontAnimate = definition->isDontAnimate;
    isCastShadows = definition->isCastShadows;
    explosionName = definition->explosionName;
    startSoundName = definition->startSoundName;
    isStartSoundLooping = definition->isStartSoundLooping;
    startSoundVolume = definition->startSoundVolume;
    explosionNumber = definition->explosionNumber;
    explosionRadius = definition->explosionRadius;
    explosionScale = definition->explosionScale;
    const Enemy* source = definitionMember(*this);
    if (source && !members.empty())
        copyMemberFromDefinition(*members.front(), *source);
}

void Wave::createMembers()
{
    if (members.empty())
        return;
    const bool wasTank = dynamic_cast<const Tank*>(members.front()) != nullptr;
    copyFromTemplate();
    const Wave* definition = definitionOf(*this);
    if (!definition)
        return;
    if (auto* shown = dynamic_cast<Ogre::Entity*>(members.front()->movableObject))
        setLightingParameters(shown, isCastShadows != 0);
    const bool isDefinitionTank = dynamic_cast<const Tank*>(definitionMember(*this)) != nullptr;
    if (isDefinitionTank && !wasTank)
        replaceMemberWithTank();
    else if (wasTank && !isDefinitionTank)
        replaceMemberWithEnemy();
    Enemy& first = *members.front();
    first.destroySnakeBody();
    if (!isLibraryDefinition)
        for (rotor* part : first.rotors)
            if (part->entity)
                part->entity->setCastShadows(first.isCastShadows);
    auto* tank = dynamic_cast<Tank*>(&first);
    if (definition->type == typeTank && tank)
        placeTurret(*this, *tank, *definition);
    if (!isLibraryDefinition)
        applySpriteShadow(*this, first);
}

void Wave::placeInstance()
{
    aliveCount = 1;
    if (members.empty())
        return;
    Enemy& first = *members.front();
    first.members = &members;
    first.waveName = waveName;
    first.templateObject = &first;
    first.wave = this;
    first.waypoints = &waypoints;
    first.layer = layer;
    first.placeInScene(spawner ? spawner->spawnerNode : nullptr, first.orientation, level, sceneManager);
    sceneNode = first.sceneNode;
    if (spawner)
        spawner->reset();
    startDelayLeft = TimeBeforeSpawn;
}

void Wave::replaceMemberWithEnemy()
{
    if (!members.empty())
        replaceMember(*this, false);
}

void Wave::replaceMemberWithTank()
{
    if (!members.empty())
        replaceMember(*this, true);
}

void Wave::copyMembers()
{
    if (members.size() < 2)
        return;
    Enemy& fresh = *members.back();
    const Enemy& first = *members.front();
    fresh.setDefaults();
    fresh.wave = const_cast<Wave*>(definitionOf(*this));
    fresh.isTank = 0;
    fresh.layer = layer;
    fresh.members = &members;
    fresh.waypoints = &waypoints;
    fresh.waveName = waveName;
    fresh.copyDefinitionFields(first);
    fresh.name = first.name;
    fresh.category = first.category;
    fresh.isCastShadows = first.isCastShadows;
    fresh.orientation = first.orientation;
    fresh.startInvincibility = first.startInvincibility;
    fresh.parentNode = first.parentNode;
    fresh.layerId = first.layerId;
    fresh.priority = first.priority;
    fresh.isLayered = first.isLayered;
    fresh.currentLife = fresh.previousLife = fresh.life;
    fresh.resetRuntimeState();
}
