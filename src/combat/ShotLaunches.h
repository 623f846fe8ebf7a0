// The start of shots' flights. Launches share what does not change while
// the guns of a fixed step fire: the camera rig "CamNode1" the shots fly
// under, the collision camera with its view and projection, and the world
// transforms of the nodes shots hang under. These are asked of Ogre once for
// all of them instead of once per shot: for one gun's shots, or for every
// shot of the step while a ShotLaunchStep is open. A new shot's world
// transform (its facing, cull radius and first screen outline) is then
// worked out from its parent's (ShotSpace.h) and kept in the record.
#pragma once

#include "combat/ShotSpace.h"

#include <OgreMatrix4.h>
#include <OgreVector.h>

#include <array>
#include <cstddef>

namespace Ogre {
class Camera;
class ManualObject;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Weapon;
class bullet;
class bulletDefinition;
class bulletSpriteBatch;

class ShotLaunches {
public:
    // Starts the shot's flight as bullet::launch says.
    void launch(bullet& shot, Weapon* gun, const Ogre::Vector3& position, float shotScale, Ogre::Vector3& direction,
                Ogre::SceneNode* parent, const bulletDefinition* definition);
    // The scene's camera rig "CamNode1"; null when it has none.
    Ogre::SceneNode* rigOf(Ogre::SceneManager* scene) { return sceneOf(scene).rig; }
    // Where the node is in the space of the scene's rig (in the world's when
    // it has none).
    Ogre::Vector3 placeInRig(const Ogre::SceneNode& node, Ogre::SceneManager* scene);
    // Where the camera shows the world point, as worldToScreen gives it.
    Ogre::Vector2 screenPosition(const Ogre::Camera& camera, const Ogre::Vector3& point);

private:
    // What the scene's shots hang under and are seen by.
    struct SceneView {
        Ogre::SceneManager* scene = nullptr;
        Ogre::SceneNode* rig = nullptr;
        // The rig, else the root.
        Ogre::SceneNode* home = nullptr;
        Ogre::Camera* collisionCamera = nullptr;
    };
    struct CameraMatrices {
        const Ogre::Camera* camera = nullptr;
        // The camera's view (its cull frustum's when it has one), and the
        // projection times its own view.
        Ogre::Affine3 view = Ogre::Affine3::IDENTITY;
        Ogre::Matrix4 projection = Ogre::Matrix4::IDENTITY;
        Ogre::Matrix4 viewProjection = Ogre::Matrix4::IDENTITY;
    };
    // The batch object of the shots of a definition (none: the stand-in)
    // and side last launched: a gun's shots, and a step's, share a few.
    struct SpriteChoice {
        const bulletSpriteBatch* batch = nullptr;
        const bulletDefinition* definition = nullptr;
        bool isPlayer = false;
        Ogre::ManualObject* object = nullptr;
    };
    // The parents' spaces kept: the rig's and the root's, as guns that hang
    // their shots under either may take turns in a step.
    static constexpr std::size_t keptSpaces = 2;

    const SceneView& sceneOf(Ogre::SceneManager* scene);
    const ParentSpace& spaceOf(Ogre::Node* parent);
    const CameraMatrices& matricesOf(const Ogre::Camera& camera);
    Ogre::ManualObject* spriteOf(const bulletDefinition* definition, bool isPlayer);
    // The shot's size, its effects' scale and the sprite, from
    // the definition or the stand-in; the outline's width and height.
    Ogre::Vector2 takeShape(bullet& shot, const bulletDefinition* definition);
    // A flight that shows a trail or a beam places the record's node (made
    // once for the record) in the scene; any other keeps it out.
    void showThroughNode(bullet& shot);
    // The outline's size and its first projection, from the shot's world
    // transform.
    void placeOutline(bullet& shot, const Ogre::Vector2& size, const NodeWorld& world);

    SceneView view;
    std::array<ParentSpace, keptSpaces> spaces;
    std::size_t nextSpace = 0;
    CameraMatrices matrices;
    SpriteChoice sprite;
};
