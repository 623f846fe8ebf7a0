// The tank's scene objects: the turret, cannon and muzzle nodes over the
// enemy's chain, and the turret and cannon meshes or sprite planes, found
// beside the hull's mesh or sprite by their suffixes.
#include "combat/Tank.h"

#include "app/Log.h"
#include "app/FileNameParts.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/RenderQueueGroups.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <initializer_list>

namespace {

const char* const missingMesh = "interro.mesh";
const char* const spritePlane = "plane1U.mesh";
const char* const turretSpritePlane = "plane1U_Turret.mesh";
constexpr float spriteUnitsPerPixel = 1.0f / 32.0f;
// A sprite tank's muzzle is ahead of the turret by its picture's pixels / 16.
constexpr float muzzlePixelsPerUnit = 16.0f;
// A sprite's priority sits above the level's item priorities.
constexpr std::uint16_t spritePriorityBase = 10000;

bool isSpriteTank(const Tank& tank)
{
    return tank.wave && !tank.wave->spriteName.empty();
}

void createTurretNodes(Tank& tank)
{
    if (!tank.offsetNode)
        return;
    tank.turretNode = tank.offsetNode->createChildSceneNode();
    tank.turretMeshNode = tank.turretNode->createChildSceneNode();
    tank.cannonNode = tank.turretNode->createChildSceneNode();
    tank.cannonMeshNode = tank.cannonNode->createChildSceneNode();
    tank.muzzleNode = tank.cannonNode->createChildSceneNode();
}

void destroyTurretEntities(Tank& tank)
{
    for (Ogre::Entity** part : {&tank.turretEntity, &tank.cannonEntity}) {
        if (!*part)
            continue;
        (*part)->detachFromParent();
        tank.sceneManager->destroyEntity(*part);
        *part = nullptr;
    }
}

void loadMeshParts(Tank& tank)
{
    const std::string base = splitFileName(tank.wave->meshName).base;
    const std::string turret = base + "_TURRET.mesh";
    std::string shown = turret;
    if (!loadMeshResource(turret)) {
        logLine("[ERROR] can't find turret mesh: " + turret);
        shown = missingMesh;
    }
    tank.turretEntity = tank.sceneManager->createEntity(shown);
    const std::string cannon = base + "_CANNON.mesh";
    if (loadMeshResource(cannon))
        tank.cannonEntity = tank.sceneManager->createEntity(cannon);
    else
        tank.hasCannon = 0;
}

void placeTurretNodes(Tank& tank)
{
    tank.turretNode->setPosition(finiteOr(tank.turOffset, 0.0f));
    tank.cannonNode->setPosition(finiteOr(tank.canOffset, 0.0f));
    tank.muzzleNode->setPosition(finiteOr(tank.canHoleOffset, 0.0f));
}

// A sprite plane of the texture; its node takes the picture's size, and y
// the tank's mirror.
Ogre::Entity* makeSpritePart(Tank& tank, const char* plane, const std::string& texture, Ogre::SceneNode* node)
{
    Ogre::Entity* part = tank.sceneManager->createEntity(plane);
    part->setCastShadows(tank.isCastShadows != 0);
    applySpriteMaterial(part, texture, false);
    const Ogre::Vector2 pixels = getDiffuseTextureSize(part);
    node->setScale(finiteOr(
        Ogre::Vector3(pixels.x * spriteUnitsPerPixel, static_cast<float>(tank.symmetry), pixels.y * spriteUnitsPerPixel),
        1.0f));
    return part;
}

void loadSpriteParts(Tank& tank)
{
    const FileNameParts sprite = splitFileName(tank.wave->spriteName);
    const char* plane = turretSpritePlane;
    if (!loadMeshResource(turretSpritePlane)) {
        logLine(std::string("[ERROR] can't find turret mesh: ") + turretSpritePlane);
        plane = spritePlane;
    }
    tank.turretEntity =
        makeSpritePart(tank, plane, sprite.base + "_TURRET" + sprite.extension, tank.turretMeshNode);
    // Ahead along the level's scrolling: by the picture's height where the
    // level scrolls on z, else by its width.
    const Ogre::Vector2 pixels = getDiffuseTextureSize(tank.turretEntity);
    const bool isAheadOnZ = tank.game && tank.game->levelTypePreference != 0;
    tank.canHoleOffset = {0.0f, 0.0f, -(isAheadOnZ ? pixels.y : pixels.x) / muzzlePixelsPerUnit};
    tank.muzzleNode->setPosition(finiteOr(tank.canHoleOffset, 0.0f));
    const std::string cannon = sprite.base + "_CANNON" + sprite.extension;
    if (resourceExists(cannon)) {
        tank.hasCannon = 1;
        tank.cannonEntity = makeSpritePart(tank, spritePlane, cannon, tank.cannonMeshNode);
        return;
    }
    tank.hasCannon = 0;
    tank.cannonNode->setPosition(Ogre::Vector3::ZERO);
}

} // namespace

void Tank::placeInScene(Ogre::SceneNode* parent, const Ogre::Quaternion& startOrientation, Level* newLevel,
                        Ogre::SceneManager* scene)
{
    sceneManager = scene ? scene : (newLevel ? newLevel->sceneManager : nullptr);
    Enemy::placeInScene(parent, startOrientation, newLevel, scene);
    createTurretNodes(*this);
    loadTurretMeshes();
    flashHit(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
    if (!isSpriteTank(*this)) {
        setLayer(layer);
        return;
    }
    const std::uint8_t group = renderQueueGroupOf(layer);
    for (Ogre::MovableObject* part : {movableObject, static_cast<Ogre::MovableObject*>(turretEntity),
                                      static_cast<Ogre::MovableObject*>(cannonEntity)})
        if (part && level)
            part->setRenderQueueGroupAndPriority(
                group, static_cast<std::uint16_t>(level->nextItemRenderPriority() + spritePriorityBase));
}

void Tank::loadMesh()
{
    if (isDisabled)
        return;
    createMesh();
    loadTurretMeshes();
}

// The enemy's placeInScene loads the meshes before the turret nodes exist:
// the parts wait for the nodes, so a missing one is reported once.
void Tank::loadTurretMeshes()
{
    if (!sceneManager || !wave || !turretNode)
        return;
    destroyTurretEntities(*this);
    hasCannon = 1;
    const bool isSprite = isSpriteTank(*this);
    if (!isSprite)
        loadMeshParts(*this);
    placeTurretNodes(*this);
    for (Ogre::Entity* part : {turretEntity, cannonEntity}) {
        if (!part)
            continue;
        part->setCastShadows(isCastShadows != 0);
        applyMeshMaterials(part);
    }
    if (isSprite)
        loadSpriteParts(*this);
    turretMeshNode->attachObject(turretEntity);
    if (cannonEntity)
        cannonMeshNode->attachObject(cannonEntity);
}

void Tank::destroyMesh()
{
    if (sceneManager) {
        for (Ogre::SceneNode** node : {&cannonMeshNode, &turretMeshNode, &muzzleNode, &turretNode, &cannonNode}) {
            if (!*node)
                continue;
            (*node)->detachAllObjects();
            sceneManager->destroySceneNode(*node);
            *node = nullptr;
        }
        destroyTurretEntities(*this);
    }
    Enemy::destroyMesh();
}
