// A snake's body: its segments' nodes, meshes or sprites, outlines and the
// seeded track, built once and destroyed with the enemy's graphics.
#include "combat/Enemy.h"

#include "app/FileNameParts.h"
#include "combat/Wave.h"
#include "core/MeshAvailability.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "world/AutoOutline.h"
#include "world/Obb.h"
#include "world/RenderQueueGroups.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <algorithm>
#include <cstdint>

namespace {

const char* const missingMesh = "interro.mesh";
const char* const spritePlane = "plane1U.mesh";
constexpr float spriteUnitsPerPixel = 1.0f / 32.0f;
// Each segment starts turned (2i + 1) x AnimRot x this many degrees.
constexpr float startSpinDegreesPerUnit = 0.3f;

// Segment entity names must not meet in the scene, whatever the enemy.
std::uint64_t snakeBodiesMade = 0;

// What the segments are made of: a mesh snake's body and tail meshes (empty
// when absent) and its head mesh; a sprite snake's parts are the enemy's
// body and tail sprite materials, drawn from the body and tail textures.
struct SnakeParts {
    bool isSprite = false;
    std::string bodyMesh;
    std::string tailMesh;
    std::string headMesh;
    std::string bodyTexture;
    std::string tailTexture;
};

std::string existingMesh(const std::string& name)
{
    return loadMeshResource(name) ? name : std::string();
}

SnakeParts findParts(const Wave& wave)
{
    SnakeParts parts;
    parts.isSprite = !wave.spriteName.empty();
    if (parts.isSprite) {
        parts.bodyTexture = partFileName(wave.spriteName, "_BODY");
        parts.tailTexture = partFileName(wave.spriteName, "_TAIL");
        return parts;
    }
    const std::string base = splitFileName(wave.meshName).base;
    parts.bodyMesh = existingMesh(base + "_BODY.mesh");
    parts.tailMesh = existingMesh(base + "_TAIL.mesh");
    // The head's own missing mesh was reported when the head was made.
    parts.headMesh = loadMeshResource(wave.meshName) ? wave.meshName : missingMesh;
    return parts;
}

bool isMissingMesh(const Ogre::MovableObject* object)
{
    const auto* shown = dynamic_cast<const Ogre::Entity*>(object);
    return shown && shown->getMesh()->getName() == missingMesh;
}

class SegmentBuilder {
public:
    SegmentBuilder(Enemy& snake, const SnakeParts& parts, std::size_t ownOutlineCount)
        : snake(snake), parts(parts), ownOutlineCount(ownOutlineCount), bodyNumber(snakeBodiesMade++)
    {
    }

    void build(int index)
    {
        const bool isLast = index == snake.snakeNumber - 1;
        Ogre::SceneNode* node = snake.sceneNode->getParentSceneNode()->createChildSceneNode();
        Ogre::SceneNode* offset = node->createChildSceneNode();
        Ogre::SceneNode* spin = offset->createChildSceneNode();
        snake.segmentNodes.push_back(node);
        snake.segmentOffsetNodes.push_back(offset);
        snake.segmentSpinNodes.push_back(spin);
        const bool hasOwnPart = parts.isSprite ? hasOwnSprite(isLast) : !partMesh(isLast).empty();
        Ogre::Entity* shown = makeEntity(index, isLast);
        node->setPosition(snake.sceneNode->getPosition());
        node->setOrientation(snake.sceneNode->getOrientation());
        spin->attachObject(shown);
        spin->setScale(spinScale(shown));
        spin->setOrientation(snake.orientation);
        turnAtStart(*spin, index);
        addOutlines(*spin, shown, hasOwnPart, isLast);
    }

private:
    std::string partMesh(bool isLast) const
    {
        return isLast && !parts.tailMesh.empty() ? parts.tailMesh : parts.bodyMesh;
    }
    bool hasOwnSprite(bool isLast) const
    {
        return snake.bodySpriteMaterial || (isLast && snake.tailSpriteMaterial);
    }
    // The texture a sprite segment of its own part shows: the tail's wins on
    // the last segment, as its material goes on last.
    const std::string& ownTexture(bool isLast) const
    {
        return isLast && snake.tailSpriteMaterial ? parts.tailTexture : parts.bodyTexture;
    }

    Ogre::Entity* makeEntity(int index, bool isLast)
    {
        const std::string name = "snake" + std::to_string(bodyNumber) + "worm" + std::to_string(index);
        const std::string mesh = parts.isSprite ? spritePlane : partMesh(isLast);
        Ogre::Entity* shown = snake.sceneManager->createEntity(name, mesh.empty() ? parts.headMesh : mesh);
        snake.partEntities.push_back(shown);
        shown->setCastShadows(snake.isCastShadows != 0);
        if (parts.isSprite)
            dressSprite(*shown, index, isLast);
        else
            applyMeshMaterials(shown);
        return shown;
    }

    // Each segment is drawn under the one before it.
    void dressSprite(Ogre::Entity& shown, int index, bool isLast)
    {
        applySpriteMaterial(&shown, snake.wave->spriteName, false);
        if (shown.getNumSubEntities() > 0) {
            if (snake.bodySpriteMaterial)
                shown.getSubEntity(0)->setMaterial(snake.bodySpriteMaterial);
            if (isLast && snake.tailSpriteMaterial)
                shown.getSubEntity(0)->setMaterial(snake.tailSpriteMaterial);
        }
        const auto segmentPriority = static_cast<std::uint16_t>(snake.priority - 1 - index);
        shown.setRenderQueueGroupAndPriority(renderQueueGroupOf(snake.layer), segmentPriority);
        updateSpriteAnimationParameters(&shown, true, false);
    }

    Ogre::Vector3 spinScale(Ogre::Entity* shown) const
    {
        if (!parts.isSprite)
            return snake.meshNode ? snake.meshNode->getScale() : Ogre::Vector3::UNIT_SCALE;
        const Ogre::Vector2 size = getDiffuseTextureSize(shown) * spriteUnitsPerPixel;
        return {size.x, 1.0f, size.y};
    }

    void turnAtStart(Ogre::SceneNode& spin, int index) const
    {
        const float yawSign = snake.symmetry == -1 ? -1.0f : 1.0f;
        const float turns = static_cast<float>(2 * index + 1) * startSpinDegreesPerUnit;
        spin.pitch(Ogre::Degree(turns * snake.AnimRot.x), Ogre::Node::TS_LOCAL);
        spin.yaw(Ogre::Degree(turns * snake.AnimRot.y * yawSign), Ogre::Node::TS_LOCAL);
        spin.roll(Ogre::Degree(turns * snake.AnimRot.z), Ogre::Node::TS_LOCAL);
    }

    // A segment of its own part gets one outline around it; the others wear
    // copies of the head's.
    void addOutlines(Ogre::SceneNode& spin, Ogre::Entity* shown, bool hasOwnPart, bool isLast)
    {
        const std::uint8_t invincible = isLast ? snake.isSnakeTailInvincible : snake.isSnakeBodyInvincible;
        if (hasOwnPart) {
            auto* outline = new Obb();
            if (parts.isSprite)
                computeAutoOBB(outline, ownTexture(isLast));
            addOutline(outline, spin, invincible, shown->getBoundingBox());
            return;
        }
        for (std::size_t i = 0; i < ownOutlineCount; ++i)
            addOutline(new Obb(*snake.outlines[i]), spin, invincible, Ogre::AxisAlignedBox::BOX_NULL);
    }

    // A sprite's outline is the layered octagon traced round its picture; a
    // mesh's is its box, x and z across and y up.
    void addOutline(Obb* outline, Ogre::SceneNode& spin, std::uint8_t invincible, const Ogre::AxisAlignedBox& box)
    {
        if (!box.isNull()) {
            outline->isLayered = parts.isSprite ? 1 : 0;
            const Ogre::Vector3 extent = box.getSize();
            if (!parts.isSprite)
                outline->size = isMissingMesh(snake.movableObject) ? Ogre::Vector3::UNIT_SCALE
                                                                    : Ogre::Vector3(extent.x, extent.z, extent.y);
            outline->placedPosition = box.getCenter();
        }
        outline->bindCamera(snake.sceneManager, &spin);
        outline->init();
        outline->isInvicible = invincible;
        snake.outlines.push_back(outline);
        ++snake.segmentOutlineCount;
    }

    Enemy& snake;
    const SnakeParts& parts;
    std::size_t ownOutlineCount;
    std::uint64_t bodyNumber;
};

} // namespace

void Enemy::createVisuals()
{
    if (!isSnake || !segmentNodes.empty() || snakeNumber <= 0 || !wave || !sceneManager || !sceneNode ||
        !sceneNode->getParentSceneNode())
        return;
    segmentOutlineCount = 0;
    const SnakeParts parts = findParts(*wave);
    SegmentBuilder builder(*this, parts, outlines.size());
    for (int i = 0; i < snakeNumber; ++i)
        builder.build(i);
    bodyLength = 0.0f;
    for (Ogre::Entity* part : partEntities) {
        segmentLengths.push_back(part->getBoundingBox().getSize().z);
        bodyLength += segmentLengths.back();
    }
    const Ogre::Quaternion trackOrientation = offsetNode ? offsetNode->getOrientation() : Ogre::Quaternion::IDENTITY;
    history.clear();
    history.push_back({sceneNode->getPosition(), trackOrientation});
    history.push_back({sceneNode->getPosition(), trackOrientation});
    trackDistance = 0.0f;
    // The segments join the scene when the enemy is shown.
    for (Ogre::SceneNode* node : segmentNodes)
        node->getParentSceneNode()->removeChild(node);
}

void Enemy::destroySnakeBody()
{
    if (segmentNodes.empty() || !sceneManager)
        return;
    const std::size_t bodyOutlines = std::min<std::size_t>(segmentOutlineCount, outlines.size());
    for (std::size_t i = outlines.size() - bodyOutlines; i < outlines.size(); ++i)
        delete outlines[i];
    outlines.resize(outlines.size() - bodyOutlines);
    segmentOutlineCount = 0;
    for (const std::vector<Ogre::SceneNode*>* nodes : {&segmentSpinNodes, &segmentOffsetNodes, &segmentNodes})
        for (Ogre::SceneNode* node : *nodes) {
            node->detachAllObjects();
            sceneManager->destroySceneNode(node);
        }
    for (Ogre::Entity* part : partEntities)
        sceneManager->destroyEntity(part);
    segmentNodes.clear();
    segmentOffsetNodes.clear();
    segmentSpinNodes.clear();
    partEntities.clear();
    segmentLengths.clear();
}
