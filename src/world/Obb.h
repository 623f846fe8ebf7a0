// The 2D collision outline of one part of an object. Every collision in play
// is tested on the screen of the collision camera: the outline is a box (flat
// or with height) or eight given points, fixed to its owner's node at an
// offset and a rotation, and projected each frame into a closed convex outline
// in screen coordinates (0 to 1 from the top left, y down) with its edges, its
// centre, the centre's movement since the last projection and a broad-phase
// radius. The separating-axis tests compare two such outlines.
#pragma once

#include "app/CollisionResult.h"
#include "world/ScreenSpot.h"
#include "world/entity.h"

#include <OgreMatrix4.h>

#include <array>
#include <cmath>
#include <vector>

namespace Ogre {
class Camera;
}

class Obb : public entity {
public:
    Obb();
    // Copies the settings and bindings, not the node or the projection: a copy
    // is bound, initialised and rebuilt before use.
    Obb(const Obb& other);
    Obb& operator=(const Obb&) = delete;
    ~Obb() override;

    entity* clone() const override;

    // Whether two outlines, A moving by the velocity, intersect now and will
    // intersect; neither when their centres are too far apart for it. Inline,
    // since most pairs of a frame end at that test on the centres.
    static void collides(const Obb& a, const Obb& b, const Ogre::Vector2& velocity, CollisionResult& result)
    {
        AxisVerdict verdict;
        if (__builtin_expect(centresAreNear(a, b), 0))
            verdict = separateOnAxes(a, b, velocity);
        result.willIntersect = verdict.willIntersect;
        result.intersect = verdict.intersect;
    }
    // As collides, with the velocity added the other way round, and the
    // minimum translation vector that pushes A out of B.
    static void collidesWithContact(const Obb& a, const Obb& b, const Ogre::Vector2& velocity,
                                    CollisionResult& result);

    // Takes the owner's node and the camera "PlayCollisionCam" of the scene,
    // else "PlayCam"; the owner calls it before init.
    void bindCamera(Ogre::SceneManager* scene, Ogre::SceneNode* ownerNode);
    void init();
    using entity::setPosition;
    // Builds the corners from the size or the custom points and moves the node
    // to the offset; owners call it again after changing either.
    void setPosition();
    void setOrientationFromAxes();
    void localToWorld();
    // Starts the projection afresh; owners call it after a reset or a respawn.
    void rebuild();
    // The projection of this frame; owners call it before the collision tests.
    void updateScreenPolygon();
    // The same for an owner that has its node's world transform at hand
    // already, through the collision camera's projection times its view.
    void updateScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Matrix4& viewProjection);
    // The same through the camera's view and projection apart, as the
    // projection from the node does: an owner without a node (a flying shot)
    // gets the very outline its node would have given.
    void updateScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Affine3& view,
                             const Ogre::Matrix4& projection);
    // The same for a flat outline whose owner reads only its screen outline,
    // centre and spot (a flying shot): the corners are worked out on the way
    // and neither they nor their world places are kept. Thousands of shots
    // are projected each step, and the outlines they do not keep are most
    // of the memory a projection would touch. An outline that is not flat
    // is projected whole.
    void updateFlatScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Affine3& view,
                                 const Ogre::Matrix4& projection);
    // The broad phase's numbers of the outline as it stands.
    ScreenSpot screenSpot() const;

    // What the collision tests read comes first, to share as few cache lines
    // as it can: the screen centre, the broad-phase radius, the closed screen
    // outline (its last point repeats its first) and its edges (edge i =
    // outline point i minus outline point i + 1).
    Ogre::Vector2 centre = Ogre::Vector2::ZERO;
    float radius = 0.0f;
    std::vector<Ogre::Vector2> outline;
    std::array<Ogre::Vector2, 8> edges;
    // An outline in the node's X-Z plane, used while isLayered is set.
    std::array<Ogre::Vector2, 8> customPoints;
    std::array<Ogre::Vector2, 8> screenPoints;
    std::array<Ogre::Vector3, 8> localCorners;
    // Work lists of the convex outline; they keep their storage between frames.
    std::vector<Ogre::Vector2> sortedPoints;
    std::vector<Ogre::Vector2> sideBCandidates;
    std::vector<Ogre::Vector2> sideACandidates;
    std::vector<Ogre::Vector2> sideAChain;
    std::vector<Ogre::Vector2> sideBChain;
    std::array<Ogre::Vector3, 8> worldCorners;
    // x along the node's X axis, y along its Z axis, z the height along its Y
    // axis; a height of 0 or less makes a flat quad.
    Ogre::Vector3 size{10.0f, 10.0f, 0.0f};
    Ogre::Vector2 leftmost = Ogre::Vector2::ZERO;
    Ogre::Vector2 rightmost = Ogre::Vector2::ZERO;
    Ogre::Vector2 previousCentre = Ogre::Vector2::ZERO;
    Ogre::Vector2 movement = Ogre::Vector2::ZERO;
    // Read by the collision steps of the objects that own outlines.
    std::uint8_t isInvicible = 0;
    std::uint8_t isHitBox = 0;
    std::uint8_t isCamLimits = 1;
    std::uint8_t isCollideWithEnemies = 1;
    std::uint8_t isCollideWithBackgrounds = 1;
    std::uint8_t isCollideWithItems = 1;
    // The owner's node itself serves as the node (pooled shots, screen bounds).
    std::uint8_t isAttached = 0;
    Ogre::SceneNode* parentNode = nullptr;
    Ogre::Camera* collisionCamera = nullptr;
    // Where each projection (and rebuild) also writes screenSpot(), for an
    // owner that keeps its outlines' spots side by side; not copied.
    ScreenSpot* spot = nullptr;

private:
    // Outlines whose centres are further apart in x or in y than the sum of
    // their radii cannot meet. One comparison of the larger distance: in a
    // frame most pairs fail, and a single branch is the cheapest to predict.
    static bool centresAreNear(const Obb& a, const Obb& b)
    {
        // Squares instead of absolute values: no sign masks to load in the
        // loops that test thousands of shots. A NaN centre fails the test.
        const float apartX = a.centre.x - b.centre.x;
        const float apartY = a.centre.y - b.centre.y;
        const float reach = a.radius + b.radius;
        const float squareX = apartX * apartX;
        const float squareY = apartY * apartY;
        // Radii are lengths, never negative, so comparing squares is exact.
        return (squareY < squareX ? squareX : squareY) < reach * reach;
    }
    struct AxisVerdict {
        bool willIntersect = false;
        bool intersect = false;
    };
    // The separating-axis part of collides. It only reads: declared pure so
    // that the caller's loop keeps its outline's centre in registers.
    static AxisVerdict separateOnAxes(const Obb& a, const Obb& b, const Ogre::Vector2& velocity)
        __attribute__((pure));
    bool isFlat() const;
    void takeCollisionCamera();
    // The outline, its edges, the movement and the radius from the screen points.
    void outlineScreenPoints();
    void projectFlatQuad();
    void projectHull();
    void buildChain(std::vector<Ogre::Vector2>& candidates, std::vector<Ogre::Vector2>& chain, float side);
    void updateRadius();
};
