// The enemy's scene objects: the main mesh or sprite plane, the rotor
// meshes, the start particles and the physics body; its visibility, render
// queues, on-screen test and outlines.
#include "combat/Enemy.h"

#include "app/FileNameParts.h"
#include "app/Log.h"
#include "combat/EnemyGunList.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/ResourceAvailability.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "data/LibraryFile.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/PathFollower.h"
#include "world/RenderQueueGroups.h"
#include "world/sfxDefinition.h"

#include <BulletCollision/CollisionShapes/btCollisionShape.h>
#include <BulletDynamics/Dynamics/btDiscreteDynamicsWorld.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreFrustum.h>
#include <OgreParticleSystem.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <sstream>

namespace {

const char* const spritePlane = "plane1U.mesh";
const char* const missingMesh = "interro.mesh";
// A scratch entity that makes a snake part's materials before its segments need them.
const char* const materialWriterName = "writeMaterial";
constexpr float spriteUnitsPerPixel = 1.0f / 32.0f;
// A layered enemy without a priority of its own takes one above the items'.
constexpr std::uint16_t layeredPriorityBase = 10000;
constexpr std::uint16_t leastOwnPriority = 2;

// A name of this enemy's own: the address keeps two enemies' objects apart.
std::string ownName(const char* prefix, const Enemy* owner, std::size_t index = 0)
{
    std::ostringstream text;
    text << prefix << static_cast<const void*>(owner) << '_' << index;
    return text.str();
}

void destroyNode(Ogre::SceneManager* scene, Ogre::SceneNode*& node)
{
    if (!node)
        return;
    if (Ogre::SceneNode* parent = node->getParentSceneNode())
        parent->removeChild(node);
    scene->destroySceneNode(node);
    node = nullptr;
}

Ogre::Entity* mainEntityOf(const Enemy& enemy)
{
    return static_cast<Ogre::Entity*>(enemy.movableObject);
}

void destroyMainEntity(Enemy& enemy)
{
    Ogre::Entity* shown = mainEntityOf(enemy);
    if (!shown)
        return;
    shown->detachFromParent();
    enemy.sceneManager->destroyEntity(shown);
    enemy.movableObject = nullptr;
}

// The mesh shown: the sprite plane, the enemy's mesh, or a stand-in.
std::string shownMesh(const Enemy& enemy, bool hasSprite, const std::string& meshName)
{
    if (hasSprite)
        return spritePlane;
    if (loadMeshResource(meshName))
        return meshName;
    // Every copy of the wave asks again; its definition names the mesh.
    logLineOnce("[ERROR] can't find enemy mesh: " + meshName + namedBy("", wavesFileName));
    return enemy.isLayered ? spritePlane : missingMesh;
}

Ogre::Entity* makeMainEntity(Enemy& enemy, bool hasSprite, const std::string& meshName)
{
    Ogre::Entity* shown = enemy.sceneManager->createEntity(ownName("enemy", &enemy), shownMesh(enemy, hasSprite, meshName),
                                                           Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    enemy.movableObject = shown;
    if (enemy.pathFollower)
        enemy.pathFollower->owner = &enemy;
    enemy.meshNode->attachObject(shown);
    enemy.meshNode->setScale(Ogre::Vector3::UNIT_SCALE);
    if (!hasSprite)
        applyMeshMaterials(shown);
    return shown;
}

// A sprite snake's body or tail texture, when the game has one.
Ogre::MaterialPtr snakePartMaterial(const std::string& spriteName, const char* part)
{
    const std::string texture = partFileName(spriteName, part);
    return resourceExists(texture) ? createSpriteMaterial(texture, false) : Ogre::MaterialPtr();
}

void dressSprite(Enemy& enemy, Ogre::Entity* shown, const std::string& spriteName)
{
    applySpriteMaterial(shown, spriteName, false);
    const Ogre::Vector2 size = getDiffuseTextureSize(shown) * spriteUnitsPerPixel;
    enemy.meshNode->setScale(finiteIn(size.x, 0.0f, largestDataScale, 1.0f), 1.0f,
                             finiteIn(size.y, 0.0f, largestDataScale, 1.0f));
    if (!enemy.isSnake)
        return;
    enemy.bodySpriteMaterial = snakePartMaterial(spriteName, "_BODY");
    enemy.tailSpriteMaterial = snakePartMaterial(spriteName, "_TAIL");
}

void writeSnakePartMaterials(Enemy& enemy, const std::string& meshName)
{
    const std::string base = splitFileName(meshName).base;
    for (const char* part : {"_BODY.mesh", "_TAIL.mesh"}) {
        if (!loadMeshResource(base + part) || enemy.sceneManager->hasEntity(materialWriterName))
            continue;
        Ogre::Entity* writer = enemy.sceneManager->createEntity(materialWriterName, base + part,
                                                                Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        applyMeshMaterials(writer);
        enemy.sceneManager->destroyEntity(writer);
    }
}

} // namespace

void Enemy::loadMesh()
{
    createMesh();
}

// A sprite enemy keeps its plane and only takes its sprite again.
void Enemy::createMesh()
{
    if (!sceneManager || !meshNode)
        return;
    const std::string spriteName = wave ? wave->spriteName : std::string();
    const std::string meshName = wave ? wave->meshName : std::string();
    const bool hasSprite = !spriteName.empty();
    Ogre::Entity* shown = mainEntityOf(*this);
    if (!shown || !hasSprite) {
        destroyMainEntity(*this);
        shown = makeMainEntity(*this, hasSprite, meshName);
    }
    if (hasSprite)
        dressSprite(*this, shown, spriteName);
    else if (isSnake)
        writeSnakePartMaterials(*this, meshName);
}

void Enemy::destroyMesh()
{
    if (!sceneManager)
        return;
    for (Ogre::SceneNode* node : {offsetNode, spinNode, bodyNode, meshNode})
        if (node)
            node->detachAllObjects();
    destroyMainEntity(*this);
    for (Ogre::SceneNode** node : {&offsetNode, &headingNode, &bodyNode, &sceneNode, &spinNode, &meshNode, &rootNode})
        destroyNode(sceneManager, *node);
}

void Enemy::destroyGraphics()
{
    destroyPhysicsBody();
    destroyStartParticles();
    destroySnakeBody();
    for (Obb* outline : outlines)
        delete outline;
    outlines.clear();
    deleteGuns(*this);
    weaponSetNames.clear();
    for (sfxDefinition* effect : sfxs)
        delete effect;
    sfxs.clear();
    destroyRotorMeshes();
    for (rotor* part : rotors)
        delete part;
    rotors.clear();
    delete pathFollower;
    pathFollower = nullptr;
    die(true);
}

void Enemy::setVisible(bool visible)
{
    const bool shown = visible && !(isHidden && !(game && game->isRevealHiddenEnemies));
    if (offsetNode)
        offsetNode->setVisible(shown, false);
    if (movableObject)
        movableObject->setVisible(shown);
    for (rotor* part : rotors)
        if (part->node)
            part->node->setVisible(shown, true);
    // Segments join the track beside the main node.
    Ogre::SceneNode* track = sceneNode ? sceneNode->getParentSceneNode() : nullptr;
    if (shown && track)
        for (Ogre::SceneNode* segment : segmentNodes)
            if (!segment->getParent())
                track->addChild(segment);
    const bool hasSet = currentWeaponSet >= 0 && static_cast<std::size_t>(currentWeaponSet) < weaponSets.size();
    if (hasSet)
        for (Weapon* weapon : weaponSets[static_cast<std::size_t>(currentWeaponSet)])
            if (weapon->sceneNode)
                weapon->sceneNode->setVisible(shown, true);
}

// Effects drawn on top of the enemy sit just above it, the others just below.
void Enemy::setLayer(std::uint8_t layerIndex)
{
    layer = layerIndex;
    const std::uint8_t group = renderQueueGroupOf(layer);
    if (isLayered) {
        if (priority < leastOwnPriority && level)
            priority = static_cast<std::uint16_t>(level->nextItemRenderPriority() + layeredPriorityBase);
        if (movableObject)
            movableObject->setRenderQueueGroupAndPriority(group, priority);
        for (std::size_t i = 0; i < rotors.size(); ++i)
            if (rotors[i]->entity)
                rotors[i]->entity->setRenderQueueGroupAndPriority(group, static_cast<std::uint16_t>(priority + i));
    } else if (movableObject) {
        movableObject->setRenderQueueGroup(unlayeredRenderQueueGroup);
    }
    for (sfxDefinition* effect : sfxs)
        if (effect->particleSystem && effect->isEnable)
            effect->particleSystem->setRenderQueueGroupAndPriority(
                group, static_cast<std::uint16_t>(effect->isOnTop ? priority + 1 : priority - 1));
    if (startParticles)
        startParticles->setRenderQueueGroupAndPriority(group, static_cast<std::uint16_t>(priority + 1));
}

bool Enemy::testOnScreen()
{
    if (!movableObject)
        return false;
    Ogre::AxisAlignedBox box = movableObject->getWorldBoundingBox(true);
    for (std::size_t i = 1; i < partEntities.size(); ++i)
        box.merge(partEntities[i]->getWorldBoundingBox(true));
    isInPlayCamera = playCamera && playCamera->isVisible(box);
    const GameCamera* camera = level ? level->camera : nullptr;
    return camera && camera->wideFrustum && camera->wideFrustum->isVisible(box);
}

void Enemy::updateCollisionBoxes()
{
    for (Obb* outline : outlines)
        outline->updateScreenPolygon();
}

void Enemy::createRotorMeshes()
{
    if (!sceneManager || !bodyNode)
        return;
    for (std::size_t i = 0; i < rotors.size(); ++i) {
        rotor& part = *rotors[i];
        std::string shown = part.meshName;
        if (!loadMeshResource(part.meshName)) {
            logLineOnce("[ERROR] can't find rotor mesh: " + part.meshName + namedBy("", wavesFileName));
            shown = missingMesh;
        }
        part.entity = sceneManager->createEntity(ownName("enemyRotorMesh", this, i), shown,
                                                 Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        part.node = bodyNode->createChildSceneNode();
        part.node->attachObject(part.entity);
        part.node->setPosition(finiteOr(part.pos, 0.0f));
        part.node->setScale(Ogre::Vector3(finiteIn(part.sca, -largestDataScale, largestDataScale, 1.0f)));
        part.node->setOrientation(part.fixedOrientation());
        part.entity->setCastShadows(isCastShadows != 0);
    }
}

void Enemy::destroyRotorMeshes()
{
    if (!sceneManager)
        return;
    for (rotor* part : rotors) {
        if (!part->node)
            continue;
        part->node->detachAllObjects();
        destroyNode(sceneManager, part->node);
        if (part->entity)
            sceneManager->destroyEntity(part->entity);
        part->entity = nullptr;
    }
}

// The start particles wait, their first emitter off, until the enemy becomes alive.
void Enemy::createStartParticles()
{
    destroyStartParticles();
    if (!wave || !isEffectNameSet(wave->startSfxName) || !sceneManager)
        return;
    startParticles = createSpriteEffect(game, ownName("ParticlesStart", this), wave->startSfxName, sceneManager, false,
                                        false);
    setFirstEmitterEnabled(startParticles, false);
}

void Enemy::destroyStartParticles()
{
    if (!startParticles)
        return;
    startParticles->detachFromParent();
    startParticles->_getManager()->destroyParticleSystem(startParticles);
    startParticles = nullptr;
}

void Enemy::destroyPhysicsBody()
{
    if (!rigidBody)
        return;
    if (level && level->physicsWorld)
        level->physicsWorld->removeRigidBody(rigidBody);
    delete rigidBody->getMotionState();
    delete rigidBody;
    delete collisionShape;
    delete childShape;
    rigidBody = nullptr;
    collisionShape = childShape = nullptr;
}
