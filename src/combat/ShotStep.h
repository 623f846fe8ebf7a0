// One fixed step of many shots. Every shot of a step sees the same world:
// the collision camera's view, the homing point that view gives, and the
// transform of the node the shots fly under. Nothing of these moves while
// the shots step, so they are asked of Ogre once per camera and per parent
// node instead of once per shot; the shot's place and outline are worked
// out from them.
#pragma once

#include "combat/ShotSpace.h"

#include <OgreMatrix4.h>
#include <OgreVector.h>

#include <array>
#include <cstddef>

namespace Ogre {
class Camera;
class Node;
} // namespace Ogre

class bullet;

class ShotStep {
public:
    // `target` is the homing point of the step.
    explicit ShotStep(const Ogre::Vector3& target) : target(target) {}

    // One fixed step of flight or of dying of the shot (bullet::update).
    void advance(bullet& shot, double& dt);

    // Whether the camera sees the sphere, as Ogre's sphere test decides: not
    // when the centre lies farther than the radius behind one of the planes.
    bool sees(const Ogre::Camera& camera, const Ogre::Vector3& centre, float radius)
    {
        const CameraView& seen = viewOf(camera);
        int culling = 0;
        for (std::size_t i = 0; i < CameraView::planeSlots; ++i) {
            const float distance = seen.normalX[i] * centre.x + seen.normalY[i] * centre.y +
                                   seen.normalZ[i] * centre.z + seen.offset[i];
            culling += distance < -radius ? 1 : 0;
        }
        return culling == 0;
    }
    // The shot's outline projected where the shot is now, through its
    // camera's view and projection taken once for the step.
    void project(bullet& shot);
    // Where the shot is in the world now.
    Ogre::Vector3 worldPositionOf(const bullet& shot);
    // The camera's real position in the world.
    const Ogre::Vector3& eyeOf(const Ogre::Camera& camera) { return viewOf(camera).eye; }
    // The step's target as the camera shows it, on the plane y = height.
    const Ogre::Vector3& homingPoint(const Ogre::Camera& camera, float height);
    // The space of the parent; a node without one is in the world.
    const ParentSpace& spaceOf(Ogre::Node* parent)
    {
        if (space.parent != parent)
            space = takeParentSpace(parent);
        return space;
    }

    const Ogre::Vector3 target;

private:
    // The planes of the camera that cull, all six or five when the far plane
    // is at infinity, component by component and filled up with planes that
    // never cull: the test then runs over all slots at once, without a branch.
    struct CameraView {
        static constexpr std::size_t planeSlots = 8;
        const Ogre::Camera* camera = nullptr;
        std::array<float, planeSlots> normalX{};
        std::array<float, planeSlots> normalY{};
        std::array<float, planeSlots> normalZ{};
        std::array<float, planeSlots> offset{};
        Ogre::Vector3 eye = Ogre::Vector3::ZERO;
        Ogre::Affine3 view = Ogre::Affine3::IDENTITY;
        Ogre::Matrix4 projection = Ogre::Matrix4::IDENTITY;
    };
    struct HomingProjection {
        const Ogre::Camera* camera = nullptr;
        float height = 0.0f;
        Ogre::Vector3 onPlane = Ogre::Vector3::ZERO;
    };

    const CameraView& viewOf(const Ogre::Camera& camera) { return view.camera == &camera ? view : takeView(camera); }
    const CameraView& takeView(const Ogre::Camera& camera);

    CameraView view;
    HomingProjection homing;
    ParentSpace space;
};
