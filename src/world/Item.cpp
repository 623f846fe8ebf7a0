// Construction, copies, outlines and the entity operations of an item.
#include "world/Item.h"

#include "core/Game.h"
#include "core/materials/MeshMaterials.h"
#include "play/Level.h"
#include "world/Obb.h"

#include <OgreEntity.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const std::uint32_t shownQueryFlags = 64;
// World units per pixel of a sprite's texture.
const float spriteUnitsPerPixel = 0.03125f;

} // namespace

Item::Item()
{
    kind = kindItem;
    status = statusFree;
}

Item::Item(const Item& other) : Item()
{
    takeSettingsOf(other);
    name = other.level ? "Item" + std::to_string(other.level->nextItemNumber()) : other.name;
    parentName = other.parentName;
    thumbnail = other.thumbnail;
    layer = other.layer;
    priority = other.priority;
    layerId = other.layerId;
    isLibraryDefinition = other.isLibraryDefinition;
    isLayered = other.isLayered;
    templateObject = other.templateObject ? other.templateObject : const_cast<Item*>(&other);
    sceneManager = other.sceneManager;
    placedPosition = other.placedPosition;
    orientation = other.orientation;
    scale = other.scale;
    position = other.position;
    rotation = other.rotation;
    pos = other.pos;
    orient = other.orient;
    status = other.status;
    velocity = other.velocity;
    sinPhaseX = other.sinPhaseX;
    sinPhaseZ = other.sinPhaseZ;
    isAttracted = other.isAttracted;
    attractionBlend = other.attractionBlend;
    startTimer = other.startTimer;
    isSeenOnScreen = other.isSeenOnScreen;
    offScreenTime = other.offScreenTime;
    age = other.age;
    lifeTime = other.lifeTime;
    lastBlinkTime = other.lastBlinkTime;
    deathDuration = other.deathDuration;
    deathTime = other.deathTime;
    scaleInFactor = other.scaleInFactor;
    medalCounter = other.medalCounter;
    level = other.level;
    player = other.player;
    playCamera = other.playCamera;
    isStatic = other.isStatic;
    isFilled = other.isFilled;
    for (const Obb* outline : other.outlines)
        outlines.push_back(new Obb(*outline));
}

Item::~Item() { destroyGraphics(); }

entity* Item::clone() const { return new Item(*this); }

void Item::takeSettingsOf(const Item& source)
{
    itemName = source.itemName;
    screenName = source.screenName;
    isCastShadows = source.isCastShadows;
    meshName = source.meshName;
    spriteName = source.spriteName;
    category = source.category;
    meshOrient = source.meshOrient;
    startAngle = source.startAngle;
    startSpeed = source.startSpeed;
    secondaryDirectionType = source.secondaryDirectionType;
    secondaryAngle = source.secondaryAngle;
    isRebound = source.isRebound;
    rotationSpeed = source.rotationSpeed;
    SinSpeed = source.SinSpeed;
    SinDistance = source.SinDistance;
    isOnGround = source.isOnGround;
    acceleration = source.acceleration;
    timeBeforeAttraction = source.timeBeforeAttraction;
    attractionDistance = source.attractionDistance;
    startDelay = source.startDelay;
    isLifeDuration = source.isLifeDuration;
    lifeDuration = source.lifeDuration;
    itemKind = source.itemKind;
    Score = source.Score;
    energyGiven = source.energyGiven;
    multiplier = source.multiplier;
    weaponSlot = source.weaponSlot;
    ForceFielduseLife = source.ForceFielduseLife;
    isForceFieldUseRadius = source.isForceFieldUseRadius;
    forceFieldRadius = source.forceFieldRadius;
    ForceFieldLife = source.ForceFieldLife;
    ForceFieldDuration = source.ForceFieldDuration;
    gaugeAdd = source.gaugeAdd;
    powerUpAdd = source.powerUpAdd;
    ForceFieldSFX = source.ForceFieldSFX;
    playerSpeed = source.playerSpeed;
    ForceFieldEndSound = source.ForceFieldEndSound;
    ForceFieldEndSoundVolume = source.ForceFieldEndSoundVolume;
    ForceFieldHitSound = source.ForceFieldHitSound;
    ForceFieldHitSoundVolume = source.ForceFieldHitSoundVolume;
    ammoNumber = source.ammoNumber;
    ammoWeapon = source.ammoWeapon;
    isOnlyForCurrentWeaponSet = source.isOnlyForCurrentWeaponSet;
    variableType = source.variableType;
    customVariableName = source.customVariableName;
    internalVariableName = source.internalVariableName;
    variableValue = source.variableValue;
    customVariableOperation = source.customVariableOperation;
    medalType = source.medalType;
    sfxStartName = source.sfxStartName;
    sfxEndName = source.sfxEndName;
    soundName = source.soundName;
    sound_pitch = source.sound_pitch;
    volume = source.volume;
}

Item* Item::definition()
{
    return templateObject ? static_cast<Item*>(templateObject) : this;
}

void Item::deleteOutlines()
{
    for (Obb* outline : outlines)
        delete outline;
    outlines.clear();
}

// Outlines ride the inner node, so that they follow the wobble.
void Item::bindOutlines()
{
    Ogre::SceneNode* owner = innerNode ? innerNode : sceneNode;
    for (Obb* outline : outlines) {
        outline->bindCamera(sceneManager, owner);
        outline->init();
    }
}

void Item::reprojectOutlines()
{
    for (Obb* outline : outlines)
        outline->updateScreenPolygon();
}

void Item::copyObbs()
{
    deleteOutlines();
    const Item* source = templateObject ? static_cast<const Item*>(templateObject) : nullptr;
    if (!source)
        return;
    for (const Obb* outline : source->outlines)
        outlines.push_back(new Obb(*outline));
    if (sceneManager && sceneNode)
        bindOutlines();
}

void Item::setPosition(const Ogre::Vector3& newPosition) { entity::setPosition(newPosition); }

void Item::setWorldPosition(const Ogre::Vector3& worldPosition) { entity::setWorldPosition(worldPosition); }

void Item::setVisible(bool visible)
{
    const levelLayer* ownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    if (isDisabled || (ownLayer && !ownLayer->isVisible))
        return;
    showEntity(visible);
    if (sceneNode)
        sceneNode->setVisible(visible, true);
}

void Item::showEntity(bool shown)
{
    if (!meshEntity)
        return;
    meshEntity->setVisible(shown);
    meshEntity->setQueryFlags(shown ? shownQueryFlags : 0);
}

void Item::rebuildGraphics()
{
    if (!templateObject)
        return;
    const Item& source = *static_cast<const Item*>(templateObject);
    takeSettingsOf(source);
    applyOutlineSettingsOf(source);
    if (meshNode)
        meshNode->setOrientation(meshOrient);
    if (isLibraryDefinition || !meshEntity)
        return;
    meshEntity->setCastShadows(isCastShadows != 0);
    setLightingParameters(meshEntity, isCastShadows != 0);
    if (isSprite() && meshNode) {
        const Ogre::Vector2 size = getDiffuseTextureSize(meshEntity) * spriteUnitsPerPixel;
        meshNode->setScale(size.x, 1.0f, size.y);
    }
}

void Item::applyOutlineSettingsOf(const Item& source)
{
    const std::size_t count = std::min(outlines.size(), source.outlines.size());
    for (std::size_t i = 0; i < count; ++i) {
        Obb& outline = *outlines[i];
        const Obb& model = *source.outlines[i];
        outline.placedPosition = model.placedPosition;
        outline.size = model.size;
        outline.isLayered = model.isLayered;
        outline.rotation = model.rotation;
        if (isLibraryDefinition)
            continue;
        outline.setPosition();
        outline.setOrientationFromAxes();
    }
}

void Item::destroyGraphics()
{
    status = statusFree;
    destroyEffect(startParticles);
    destroyEffect(endParticles);
    if (meshEntity && sceneManager) {
        meshEntity->detachFromParent();
        sceneManager->destroyEntity(meshEntity);
    }
    meshEntity = nullptr;
    movableObject = nullptr;
    // The outlines own child nodes of the inner node: they go first.
    deleteOutlines();
    for (Ogre::SceneNode** node : {&meshNode, &innerNode, &sceneNode}) {
        if (*node && sceneManager) {
            if (Ogre::SceneNode* parent = (*node)->getParentSceneNode())
                parent->removeChild(*node);
            sceneManager->destroySceneNode(*node);
        }
        *node = nullptr;
    }
}

void Item::destroyEffect(Ogre::ParticleSystem*& system)
{
    if (system && sceneManager) {
        system->detachFromParent();
        sceneManager->destroyParticleSystem(system);
    }
    system = nullptr;
}
