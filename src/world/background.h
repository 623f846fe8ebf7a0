// A piece of level scenery: a 3D mesh, or a flat sprite drawn on the unit
// plane, placed on one of the level's layers, with optional 2D collision
// outlines and an optional static Bullet body shaped like its mesh. Library
// backgrounds ("gamebox.background") are templates; the level's backgrounds
// are copies of them or are read from the level file and bound to them.
#pragma once

#include "world/entity.h"

#include <OgreVector.h>

#include <string>
#include <vector>

class Level;
class Obb;
class btCollisionShape;
class btCompoundShape;
class btDefaultMotionState;
class btRigidBody;

namespace Ogre {
class Entity;
}

// Values of background::collisionType: which body the background gets.
enum backgroundCollision : int {
    collisionNone = 0,
    collisionTrimesh = 1, // a box for sprites
    collisionConvex = 2,  // a box for sprites
    collisionSphere = 3,
    collisionBox = 4,
    collisionCapsule = 5,
    // No body; the play state tests the bounding sphere against the camera.
    collisionCameraSphere = 6,
};

class background : public entity {
public:
    background();
    // A copy for the level: bound to the source's template, named after the
    // level's next background number, and built at once unless keepUnbound.
    background(const background& source, bool keepUnbound);
    background& operator=(const background&) = delete;
    ~background() override;

    entity* clone() const override;

    // Makes the node under the root at the position, then the visual.
    void init(const Ogre::Vector3& at);
    void createMesh();
    // Play-start build: re-applies the sprite, or remakes a mesh whose
    // definition changed.
    void create();
    void createCollisionBody();
    // Puts the body where the node is and takes the bounding sphere.
    void syncCollisionBody();
    void destroyCollisionBody();
    void destroyMesh();
    void destroyNode();
    void updateObbPositions();
    void updateObbScreenPolygons();

    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    void setScale(const Ogre::Vector3& newScale) override;
    void setRotation(const Ogre::Vector3& degrees) override;
    void applyRotation(const Ogre::Vector3& degrees) override;
    void setVisible(bool visible) override;
    void rebuildGraphics() override;

    bool isSprite() const { return !spriteName.empty(); }
    Ogre::Entity* meshEntity() const;

    std::string meshName;
    // A picture name: the background is then a sprite on "plane1U.mesh".
    std::string spriteName;
    // The sprite's texture size in world units (one per 32 pixels); 1, 1 for meshes.
    Ogre::Vector2 spriteSize{1.0f, 1.0f};
    // The mesh the body is shaped from: "<meshName>Coll" when the game has it.
    std::string collisionMeshName;
    int collisionType = collisionNone;
    Level* level = nullptr;
    // The body and its parts, owned; all null without a body.
    btRigidBody* rigidBody = nullptr;
    btCollisionShape* collisionShape = nullptr;
    btCompoundShape* compoundShape = nullptr;
    btDefaultMotionState* motionState = nullptr;
    // The shape's offset inside the compound.
    Ogre::Vector3 bodyOffset = Ogre::Vector3::ZERO;
    float boundingRadius = 1.0f;
    Ogre::Vector3 boundingCentre = Ogre::Vector3::ZERO;
    std::vector<Obb*> obbs; // owned

private:
    void copyOutlinesOf(const background& source);
    void bindOutline(Obb* outline);
    void deleteOutlines();
    void takeSpriteSize();
    void applyShadowSettings();
    // Null when the entity's mesh has no triangle.
    btCollisionShape* buildShape(Ogre::Entity* source);
};
