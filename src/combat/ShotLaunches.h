// The start of shots' flights. The shots a gun fires in one step share the
// camera rig "CamNode1" they hang under, the collision camera with its view
// and projection, and the world transform of their parent: these are asked
// of Ogre once for all of them instead of once per shot. A new shot's world
// transform (its facing, cull radius and first screen outline) is then
// worked out from its parent's (ShotSpace.h) instead of making Ogre derive
// it again after each change the launch makes to the node.
#pragma once

#include "combat/ShotSpace.h"

#include <OgreMatrix4.h>
#include <OgreVector.h>

namespace Ogre {
class Camera;
class SceneManager;
class SceneNode;
} // namespace Ogre

class Weapon;
class bullet;
class bulletDefinition;

class ShotLaunches {
public:
    // Starts the shot's flight as bullet::launch says.
    void launch(bullet& shot, Weapon* gun, const Ogre::Vector3& position, float shotScale, Ogre::Vector3& direction,
                Ogre::SceneNode* parent, const bulletDefinition* definition);
    // The scene's camera rig "CamNode1"; null when it has none.
    Ogre::SceneNode* rigOf(Ogre::SceneManager* scene) { return sceneOf(scene).rig; }
    // Where the node is in the space of the scene's rig (in the world's when
    // it has none), taken once per node: all the shots a gun fires in a step
    // start from it.
    Ogre::Vector3 placeInRig(const Ogre::SceneNode& node, Ogre::SceneManager* scene);

private:
    // What the scene's shots hang under and are seen by.
    struct SceneView {
        Ogre::SceneManager* scene = nullptr;
        Ogre::SceneNode* rig = nullptr;
        // The rig, else the root.
        Ogre::SceneNode* home = nullptr;
        Ogre::Camera* collisionCamera = nullptr;
    };
    struct NodePlace {
        const Ogre::SceneNode* node = nullptr;
        Ogre::Vector3 inRig = Ogre::Vector3::ZERO;
    };
    struct CameraMatrices {
        const Ogre::Camera* camera = nullptr;
        Ogre::Matrix4 viewProjection = Ogre::Matrix4::IDENTITY;
    };

    const SceneView& sceneOf(Ogre::SceneManager* scene);
    const ParentSpace& spaceOf(Ogre::Node* parent);
    const CameraMatrices& matricesOf(const Ogre::Camera& camera);
    // The shot's node under its parent: a free node under `home`, then under
    // the given parent, if any.
    void attach(bullet& shot, Ogre::SceneNode* home, Ogre::SceneNode* parent);
    // Taking the parent's space first tells it that its children change (see
    // takeParentSpace): the node adds no entry to its set of children to
    // update.
    void adopt(Ogre::SceneNode& parent, Ogre::SceneNode& node);
    // The outline's size and its first projection, from the shot's world
    // transform.
    void placeOutline(bullet& shot, const Ogre::Vector2& size, const NodeWorld& world);

    SceneView view;
    NodePlace place;
    ParentSpace space;
    CameraMatrices matrices;
};
