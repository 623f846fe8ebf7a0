#include "world/Obb.h"

#include "app/CameraProjection.h"
#include "app/EulerAngles.h"
#include "world/FiniteVector.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

const std::array<Ogre::Vector2, 8> defaultCustomPoints{{{0, -2}, {0, 2}, {-2, 0}, {2, 0}, {-2, -2}, {2, -2}, {2, 2}, {-2, 2}}};

// Screen points in the order of the hull walk: by x, ties by y.
bool comesBefore(const Ogre::Vector2& a, const Ogre::Vector2& b)
{
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

// Twice the signed area of the triangle a, b, c; 0 when they lie on one line.
float turnOf(const Ogre::Vector2& a, const Ogre::Vector2& b, const Ogre::Vector2& c)
{
    return (a.x - c.x) * (b.y - c.y) - (a.y - c.y) * (b.x - c.x);
}

} // namespace

Obb::Obb() : customPoints(defaultCustomPoints)
{
    kind = kindObb;
    edges.fill(Ogre::Vector2::ZERO);
    screenPoints.fill(Ogre::Vector2::ZERO);
    localCorners.fill(Ogre::Vector3::ZERO);
    worldCorners.fill(Ogre::Vector3::ZERO);
}

Obb::Obb(const Obb& other) : Obb()
{
    sceneManager = other.sceneManager;
    parentNode = other.parentNode;
    collisionCamera = other.collisionCamera;
    placedPosition = other.placedPosition;
    size = other.size;
    isLayered = other.isLayered;
    isAttached = other.isAttached;
    isInvicible = other.isInvicible;
    isHitBox = other.isHitBox;
    isCamLimits = other.isCamLimits;
    isCollideWithEnemies = other.isCollideWithEnemies;
    isCollideWithBackgrounds = other.isCollideWithBackgrounds;
    isCollideWithItems = other.isCollideWithItems;
    rotation = other.rotation;
    customPoints = other.customPoints;
}

Obb::~Obb()
{
    // An attached or custom outline borrows its owner's node.
    if (sceneManager && sceneNode && !isAttached && !isLayered)
        sceneManager->destroySceneNode(sceneNode);
}

entity* Obb::clone() const
{
    return new Obb(*this);
}

void Obb::bindCamera(Ogre::SceneManager* scene, Ogre::SceneNode* ownerNode)
{
    parentNode = ownerNode;
    sceneManager = scene;
    if (sceneManager)
        takeCollisionCamera();
}

void Obb::takeCollisionCamera()
{
    if (sceneManager->hasCamera("PlayCollisionCam"))
        collisionCamera = sceneManager->getCamera("PlayCollisionCam");
    else if (sceneManager->hasCamera("PlayCam"))
        collisionCamera = sceneManager->getCamera("PlayCam");
    else
        collisionCamera = nullptr; // a scene without play cameras: nothing to project through
}

void Obb::init()
{
    if (isAttached || isLayered)
        sceneNode = parentNode;
    else if (parentNode)
        sceneNode = parentNode->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    setPosition();
    setOrientationFromAxes();
    rebuild();
}

bool Obb::isFlat() const
{
    return !(size.z > 0.0f) && !isLayered;
}

void Obb::setPosition()
{
    if (isLayered) {
        for (std::size_t i = 0; i < localCorners.size(); ++i)
            localCorners[i] = {customPoints[i].x, 0.0f, customPoints[i].y};
    } else {
        const Ogre::Vector3 half = size * 0.5f;
        // The bottom face walked round, then the top face above it.
        localCorners[0] = {-half.x, -half.z, -half.y};
        localCorners[1] = {half.x, -half.z, -half.y};
        localCorners[2] = {half.x, -half.z, half.y};
        localCorners[3] = {-half.x, -half.z, half.y};
        if (!isFlat())
            for (std::size_t i = 0; i < 4; ++i)
                localCorners[i + 4] = {localCorners[i].x, half.z, localCorners[i].z};
    }
    if (sceneNode && !isAttached)
        sceneNode->setPosition(finiteOr(placedPosition, 0.0f));
}

void Obb::setOrientationFromAxes()
{
    if (sceneNode && !isLayered && !isAttached)
        sceneNode->setOrientation(orientationFromDegreesYXZ(finiteOr(rotation, 0.0f)));
}

void Obb::localToWorld()
{
    if (!sceneNode)
        return;
    const std::size_t count = isFlat() ? 4 : 8;
    for (std::size_t i = 0; i < count; ++i)
        worldCorners[i] = sceneNode->convertLocalToWorldPosition(localCorners[i]);
}

void Obb::rebuild()
{
    if (sceneManager)
        takeCollisionCamera();
    centre = Ogre::Vector2::ZERO;
    previousCentre = Ogre::Vector2::ZERO;
    localToWorld();
    movement = Ogre::Vector2::ZERO;
    sortedPoints.clear();
    sideBCandidates.clear();
    sideACandidates.clear();
    sideAChain.clear();
    sideBChain.clear();
    outline.clear();
    if (isFlat())
        outline.assign(5, Ogre::Vector2::ZERO);
    else
        sortedPoints.assign(8, Ogre::Vector2::ZERO);
    if (spot)
        *spot = screenSpot();
}

void Obb::updateScreenPolygon()
{
    if (!collisionCamera || !sceneNode)
        return;
    // Ogre turns a local point into the world through the node's full
    // transform, whose translation is the derived position.
    updateScreenPolygon(sceneNode->_getFullTransform(), collisionCamera->getViewMatrix(true),
                        collisionCamera->getProjectionMatrix());
}

void Obb::updateScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Matrix4& viewProjection)
{
    previousCentre = centre;
    const std::size_t count = isFlat() ? 4 : 8;
    for (std::size_t i = 0; i < count; ++i)
        worldCorners[i] = nodeWorld * localCorners[i];
    centre = screenPositionOf(viewProjection, nodeWorld.getTrans());
    for (std::size_t i = 0; i < count; ++i)
        screenPoints[i] = screenPositionOf(viewProjection, worldCorners[i]);
    outlineScreenPoints();
}

void Obb::updateScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Affine3& view,
                              const Ogre::Matrix4& projection)
{
    previousCentre = centre;
    const std::size_t count = isFlat() ? 4 : 8;
    for (std::size_t i = 0; i < count; ++i)
        worldCorners[i] = nodeWorld * localCorners[i];
    centre = screenPositionOf(view, projection, nodeWorld.getTrans());
    for (std::size_t i = 0; i < count; ++i)
        screenPoints[i] = screenPositionOf(view, projection, worldCorners[i]);
    outlineScreenPoints();
}

void Obb::updateFlatScreenPolygon(const Ogre::Affine3& nodeWorld, const Ogre::Affine3& view,
                                  const Ogre::Matrix4& projection)
{
    if (!isFlat()) {
        updateScreenPolygon(nodeWorld, view, projection);
        return;
    }
    previousCentre = centre;
    // The corners setPosition() makes: the bottom face walked round.
    const Ogre::Vector3 half = size * 0.5f;
    const float alongX[4] = {-half.x, half.x, half.x, -half.x};
    const float alongZ[4] = {-half.y, -half.y, half.y, half.y};
    outline.resize(5);
    for (std::size_t i = 0; i < 4; ++i)
        outline[i] = screenPositionOf(view, projection, nodeWorld * Ogre::Vector3(alongX[i], -half.z, alongZ[i]));
    outline[4] = outline[0];
    for (std::size_t i = 0; i < 4; ++i)
        edges[i] = outline[i] - outline[i + 1];
    centre = screenPositionOf(view, projection, nodeWorld.getTrans());
    movement = centre - previousCentre;
    updateRadius();
    if (spot)
        *spot = screenSpot();
}

void Obb::outlineScreenPoints()
{
    if (isFlat())
        projectFlatQuad();
    else
        projectHull();
    movement = centre - previousCentre;
    updateRadius();
    if (spot)
        *spot = screenSpot();
}

ScreenSpot Obb::screenSpot() const
{
    ScreenSpot taken;
    taken.centre = centre;
    taken.radius = radius;
    taken.movement = movement;
    taken.hasEdges = outline.size() >= 2;
    if (!taken.hasEdges)
        return taken;
    // The last point repeats the first.
    taken.low = taken.high = outline.front();
    for (std::size_t i = 1; i + 1 < outline.size(); ++i) {
        taken.low.makeFloor(outline[i]);
        taken.high.makeCeil(outline[i]);
    }
    return taken;
}

void Obb::projectFlatQuad()
{
    // Sized here as well, for an outline that was never rebuilt.
    outline.resize(5);
    for (std::size_t i = 0; i < 4; ++i)
        outline[i] = screenPoints[i];
    outline[4] = screenPoints[0];
    for (std::size_t i = 0; i < 4; ++i)
        edges[i] = outline[i] - outline[i + 1];
}

// Monotone chain: the points are split by the line from the leftmost to the
// rightmost point, each side is walked into a convex chain, and the two chains
// make the outline from the leftmost point round and back to it.
void Obb::projectHull()
{
    sideBCandidates.clear();
    sideACandidates.clear();
    sideAChain.clear();
    sideBChain.clear();
    outline.clear();
    sortedPoints.assign(screenPoints.begin(), screenPoints.end());
    std::sort(sortedPoints.begin(), sortedPoints.end(), comesBefore);
    leftmost = sortedPoints.front();
    rightmost = sortedPoints.back();
    for (std::size_t i = 1; i + 1 < sortedPoints.size(); ++i) {
        const Ogre::Vector2& point = sortedPoints[i];
        (turnOf(leftmost, point, rightmost) >= 0.0f ? sideACandidates : sideBCandidates).push_back(point);
    }
    buildChain(sideACandidates, sideAChain, 1.0f);
    buildChain(sideBCandidates, sideBChain, -1.0f);
    outline.assign(sideBChain.begin(), sideBChain.end() - 1);
    outline.insert(outline.end(), sideAChain.rbegin(), sideAChain.rend());
    for (std::size_t i = 0; i + 1 < outline.size() && i < edges.size(); ++i)
        edges[i] = outline[i] - outline[i + 1];
}

// Points that make no turn of the chain's sign (collinear ones too) are dropped.
void Obb::buildChain(std::vector<Ogre::Vector2>& candidates, std::vector<Ogre::Vector2>& chain, float side)
{
    candidates.push_back(rightmost);
    chain.push_back(leftmost);
    for (const Ogre::Vector2& point : candidates) {
        chain.push_back(point);
        while (chain.size() >= 3 && side * turnOf(chain[chain.size() - 3], chain[chain.size() - 2], chain.back()) <= 0.0f)
            chain.erase(chain.end() - 2);
    }
}

void Obb::updateRadius()
{
    float reach = 0.0f;
    if (isAttached) {
        if (!outline.empty())
            reach = outline.front().distance(centre);
    } else {
        for (const Ogre::Vector2& point : outline)
            reach = std::max(reach, point.distance(centre));
    }
    radius = 2.0f * (reach + movement.length());
}
