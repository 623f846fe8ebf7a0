// A shot record's launch: its parent, size, place, facing, speeds, first
// screen outline and trail.
#include "combat/ShotLaunches.h"

#include "app/CameraProjection.h"
#include "combat/PlayPlane.h"
#include "combat/ShotMath.h"
#include "combat/ShotSteering.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using namespace shotMath;

constexpr float smallestScale = 0.1f;
// The outline of a shot launched without a definition, and a beam's height.
constexpr float standInOutlineWidth = 4.0f;
constexpr float standInOutlineHeight = 2.0f;
constexpr float laserOutlineHeight = 2.5f;
// The radius of a shot's cull sphere per unit of its world scale.
constexpr float cullRadiusPerScale = 2.5f;
// Speed factors of a shot launched with speed 0: it still has a heading.
constexpr float stillHeadingFactor = 0.01f;
constexpr float stillVelocityFactor = 0.001f;
constexpr float degreesToRadians = 0.017453292f;
// Seconds a beam may go unseen, by whether it is a straight beam.
constexpr float straightBeamOffscreenDelay = 0.1f;
constexpr float beamOffscreenDelay = 0.2f;
constexpr float destructibleOffscreenLimit = 1.0f;
// Below this squared length of the sum of the node's forward and the wanted
// direction they are opposite: Ogre then turns the node half round its up
// axis.
constexpr float halfTurnSquaredLength = 0.00005f;

// Made once: the names are looked up for every step's shots.
const std::string rigName = "CamNode1";
const std::string collisionCameraName = "PlayCollisionCam";
const std::string playCameraName = "PlayCam";
// The sprite of a shot launched without a definition.
const std::string standInSprite = "notFound.jpg";

// A node's forward before any turn: its model faces -Z.
const Ogre::Vector3 restForward = scaled(turnedZ(Ogre::Quaternion::IDENTITY), -1.0f);

Ogre::Vector3 flat(Ogre::Vector3 v)
{
    v.y = 0.0f;
    return v;
}

// The shot's speeds and directions as they come from the gun, kept where a
// step of flight stays finite: data can hold "nan" or "inf".
void keepFlightFinite(bullet& b, Ogre::Vector3& direction)
{
    b.speed = finiteIn(b.speed, -largestDataReach, largestDataReach, 0.0f);
    b.acceleration = finiteIn(b.acceleration, -largestDataReach, largestDataReach, 0.0f);
    b.acceleration2 = finiteIn(b.acceleration2, -largestDataReach, largestDataReach, 0.0f);
    b.aimSpeed = finiteIn(b.aimSpeed, -largestDataReach, largestDataReach, 0.0f);
    b.changeDirectionAngle = finiteIn(b.changeDirectionAngle, -largestDataReach, largestDataReach, 0.0f);
    b.velocity = finiteOr(b.velocity, 0.0f);
    direction = finiteOr(direction, 0.0f);
}

// Whether a node facing `forward` must turn half round its up axis to face
// the wanted direction: the two are (close to) opposite.
bool isHalfTurn(const Ogre::Vector3& forward, const Ogre::Vector3& wanted)
{
    const Ogre::Vector3 between = sum(forward, wanted);
    return dot(between, between) < halfTurnSquaredLength;
}

// The orientation turned half round its up axis, as Ogre turns it.
Ogre::Quaternion halfTurned(const Ogre::Quaternion& now)
{
    return {-now.y, -now.z, now.w, now.x};
}

// The orientation Ogre's setDirection in the parent's space gives a node
// facing `now` whose model faces -Z and whose yaw axis is free, as a shot
// node's is: turned along the shortest arc from its forward to the
// direction, or half round its up axis when they are opposite. Ogre finds
// the turn in the world and brings it back into the parent's space; the
// parent's orientation cancels out, so the turn is found in the parent's
// space without deriving the node's world orientation.
Ogre::Quaternion faced(const Ogre::Quaternion& now, const Ogre::Vector3& direction)
{
    const Ogre::Vector3 wanted = normalised(direction);
    const Ogre::Vector3 forward = scaled(turnedZ(now), -1.0f);
    if (isHalfTurn(forward, wanted))
        return halfTurned(now);
    return product(turnBetween(forward, wanted), now);
}

// faced() from no turn at all. The product with the identity is the turn
// itself, but for a zero part, which it makes positive (the turn's real
// part is never negative): adding a positive zero does the same.
Ogre::Quaternion facedFromRest(const Ogre::Vector3& direction)
{
    const Ogre::Vector3 wanted = normalised(direction);
    if (isHalfTurn(restForward, wanted))
        return halfTurned(Ogre::Quaternion::IDENTITY);
    const Ogre::Quaternion turn = turnBetween(restForward, wanted);
    return {turn.w + 0.0f, turn.x + 0.0f, turn.y + 0.0f, turn.z + 0.0f};
}

// A launch in a direction faces it from no turn at all; without one the
// shot keeps its facing and turns to its velocity.
void face(bullet& b, const Ogre::Vector3& direction)
{
    const bool keepsFacing = direction == Ogre::Vector3::ZERO;
    const Ogre::Vector3 toward = flat(keepsFacing ? b.velocity : direction);
    if (toward != Ogre::Vector3::ZERO)
        b.orientation = keepsFacing ? faced(b.orientation, toward) : facedFromRest(toward);
    else if (!keepsFacing)
        b.orientation = Ogre::Quaternion::IDENTITY;
}

void setSpeeds(bullet& b)
{
    const float pace = std::abs(b.speed);
    if (b.speed == 0.0f) {
        b.heading = b.velocity * stillHeadingFactor;
        b.velocity *= stillVelocityFactor;
    } else {
        b.heading = b.velocity * pace;
        b.velocity *= pace;
    }
    b.startSpeed = b.speed;
    b.turnedDirection = turnedInPlayPlane(b.velocity, b.changeDirectionAngle * degreesToRadians);
    if (b.changeDirectionType == shotSteering::graduallyTurnedFlight && b.changeDirectionDuration == 0.0f) {
        b.velocity = b.turnedDirection.normalisedCopy();
        b.heading = b.velocity * (b.speed == 0.0f ? stillHeadingFactor : pace);
    }
}

} // namespace

void ShotLaunches::launch(bullet& b, Weapon* gun, const Ogre::Vector3& position, float shotScale,
                          Ogre::Vector3& direction, Ogre::SceneNode* parent, const bulletDefinition* definition)
{
    b.resetState();
    if (!b.sceneManager)
        return;
    keepFlightFinite(b, direction);
    const SceneView& seen = sceneOf(b.sceneManager);
    b.camera = seen.collisionCamera;
    b.weapon = gun;
    b.scale = shotScale >= smallestScale ? std::min(shotScale, largestDataScale) : smallestScale;
    b.state = bullet::stateFlying;

    b.parent = parent ? parent : seen.home;
    const ParentSpace& placed = spaceOf(b.parent);
    if (parent && b.isLaser) {
        const float parentScale = placed.scale.x;
        if (parentScale != 0.0f && std::isfinite(parentScale))
            b.speed /= parentScale;
    }
    const Ogre::Vector2 outline = takeShape(b, definition);
    const Ogre::Vector3 start = finiteOr(position, 0.0f);
    b.position = start;
    b.lastPosition = start;
    if (b.isSideAsset)
        direction = Ogre::Vector3(direction.z, direction.y, -direction.x);
    face(b, direction);
    const NodeWorld world = worldOf(b.position, b.orientation, b.size, placed);
    b.cullRadius = world.scale.x * cullRadiusPerScale;
    setSpeeds(b);

    b.isLaunched = 1;
    if (b.isDestructible)
        b.offscreenLimit = destructibleOffscreenLimit;
    if (b.obb)
        placeOutline(b, outline, world);

    showThroughNode(b);
    b.createTrail();
    restartFirstEmitter(b.trailParticles);
    b.turnSide = platform::rand() % 2 != 0;

    const Game* game = Game::getSingletonPtr();
    b.offscreenDelay = std::min(game ? game->bulletOutsideScreenTime : 0.0f, b.timeInvisibleIndividual);
    if (b.isLaser)
        b.offscreenDelay = b.changeDirectionType == shotSteering::straightFlight ? straightBeamOffscreenDelay : beamOffscreenDelay;
}

void ShotLaunches::showThroughNode(bullet& b)
{
    if (b.isLaser || b.wantsTrail()) {
        b.createNode();
        b.placeNode();
        // A record comes back from its pool hidden: a shot shows its effects
        // again, a beam's record stays unseen.
        b.node->setVisible(!b.isLaser, true);
        return;
    }
    // Nothing of this flight is placed by Ogre: a node kept from an earlier
    // flight leaves the scene.
    if (b.isNodePlaced())
        b.node->getParentSceneNode()->removeChild(b.node);
}

void ShotLaunches::placeOutline(bullet& b, const Ogre::Vector2& size, const NodeWorld& world)
{
    Obb& outline = *b.obb;
    outline.size.x = size.x;
    outline.size.y = size.y;
    outline.setPosition();
    if (!outline.collisionCamera)
        return;
    // A beam's outline follows the beam's node.
    if (outline.sceneNode) {
        b.placeNode();
        outline.updateScreenPolygon();
        return;
    }
    outline.updateScreenPolygon(world.transform(), matricesOf(*outline.collisionCamera).viewProjection);
}

const ShotLaunches::SceneView& ShotLaunches::sceneOf(Ogre::SceneManager* scene)
{
    if (view.scene == scene)
        return view;
    view = SceneView{};
    view.scene = scene;
    view.rig = scene->getSceneNode(rigName, false);
    view.home = view.rig ? view.rig : scene->getRootSceneNode();
    const Ogre::SceneManager::CameraList& cameras = scene->getCameras();
    auto found = cameras.find(collisionCameraName);
    if (found == cameras.end())
        found = cameras.find(playCameraName);
    if (found != cameras.end())
        view.collisionCamera = found->second;
    return view;
}

Ogre::Vector2 ShotLaunches::takeShape(bullet& b, const bulletDefinition* definition)
{
    float width = 1.0f;
    float height = 1.0f;
    Ogre::Vector2 outline(standInOutlineWidth, standInOutlineHeight);
    if (definition) {
        width = finiteIn(definition->width, 0.0f, largestDataScale, 1.0f);
        height = finiteIn(definition->heigth, 0.0f, largestDataScale, 1.0f);
        outline = Ogre::Vector2(definition->obbwidth, definition->obbheigth);
        if (!b.isLaser) {
            b.isSprite = definition->isSprite;
            b.spriteObject = spriteOf(definition, b.isPlayerBullet);
        }
        b.effectScale = (width + height) * 0.5f * b.scale;
    } else {
        b.spriteObject = spriteOf(nullptr, b.isPlayerBullet);
    }
    if (b.isLaser) {
        width = height = 1.0f;
        outline.y = laserOutlineHeight;
    }
    b.size = Ogre::Vector3(b.scale * width, 1.0f, b.scale * height);
    return outline;
}

Ogre::ManualObject* ShotLaunches::spriteOf(const bulletDefinition* definition, bool isPlayer)
{
    const Game* game = Game::getSingletonPtr();
    const Level* level = game ? game->level : nullptr;
    bulletSpriteBatch* batch = level ? level->bulletBatch : nullptr;
    if (!batch)
        return nullptr;
    if (sprite.batch != batch || sprite.definition != definition || sprite.isPlayer != isPlayer)
        sprite = {batch, definition, isPlayer,
                  batch->objectFor(definition ? definition->meshName : standInSprite, isPlayer)};
    return sprite.object;
}

Ogre::Vector3 ShotLaunches::placeInRig(const Ogre::SceneNode& node, Ogre::SceneManager* scene)
{
    const Ogre::Vector3 inWorld = node._getDerivedPosition();
    Ogre::SceneNode* rig = rigOf(scene);
    return rig ? spaceOf(rig).localPoint(inWorld) : inWorld;
}

Ogre::Vector2 ShotLaunches::screenPosition(const Ogre::Camera& camera, const Ogre::Vector3& point)
{
    const CameraMatrices& seen = matricesOf(camera);
    return screenPositionOf(seen.view, seen.projection, point);
}

const ParentSpace& ShotLaunches::spaceOf(Ogre::Node* parent)
{
    for (const ParentSpace& kept : spaces)
        if (kept.parent == parent)
            return kept;
    ParentSpace& taken = spaces[nextSpace];
    nextSpace = (nextSpace + 1) % keptSpaces;
    taken = takeParentSpace(parent);
    return taken;
}

const ShotLaunches::CameraMatrices& ShotLaunches::matricesOf(const Ogre::Camera& camera)
{
    if (matrices.camera != &camera) {
        matrices.camera = &camera;
        matrices.view = camera.getViewMatrix();
        matrices.projection = camera.getProjectionMatrix();
        matrices.viewProjection = matrices.projection * camera.getViewMatrix(true);
    }
    return matrices;
}
