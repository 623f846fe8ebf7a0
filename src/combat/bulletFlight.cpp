// One fixed step of a shot: its watch on the view and its time to live, its
// speed changes, its steering, facing and move, the corners its sprite is
// drawn with, the ray that stops it on the level's solid objects, and the
// fading of a dying shot until its record is free again.
//
// The record keeps its own place: a sprite shot has no node, and the batch
// draws it from the corners worked out here from the parent's world
// transform. A record whose node is in the scene (a trail, a beam) writes
// the node once per step, after the move: every write to an Ogre node queues
// it for an update.
#include "combat/bullet.h"

#include "combat/PlayPlane.h"
#include "combat/ShotMath.h"
#include "combat/ShotSteering.h"
#include "combat/ShotStep.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace shotMath;
using namespace shotSteering;

// The shot's ray is one of the shots' collision group and meets only the
// level's solid objects.
constexpr int shotRayGroup = 2;
constexpr int solidObjectMask = 1;
// A dying ribbon trail loses this share of its colour and length per
// second, and keeps at least this length.
constexpr float ribbonFadeRate = 10.0f;
constexpr float shortestDyingRibbon = 1.0f;
constexpr double ribbonWidthKept = 0.99;

float signOf(float value)
{
    return value > 0.0f ? 1.0f : (value < 0.0f ? -1.0f : 0.0f);
}

bool isFinite(const Ogre::Vector3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The share of a change done at `elapsed`, at most all of it. A change
// without a positive length (none, or not a number from data) is done at
// once, so its end value holds from its start.
double progressOf(double elapsed, float start, float duration)
{
    if (!(duration > 0.0f))
        return 1.0;
    const double done = (elapsed - start) / duration;
    return done < 1.0 ? done : 1.0;
}

// The shot's own position and orientation during a step.
struct NodePlace {
    Ogre::Vector3 position;
    Ogre::Quaternion orientation;
};

// Ogre aborts on a node position that is not a finite number: a move that
// would leave the finite range is not made.
void moveBy(NodePlace& place, const Ogre::Vector3& step)
{
    const Ogre::Vector3 moved = sum(place.position, step);
    if (isFinite(moved))
        place.position = moved;
}

void watchView(bullet& b, double dt, ShotStep& step, const Ogre::Vector3& here)
{
    b.isVisible = !b.camera || step.sees(*b.camera, here, b.cullRadius);
    if (b.elapsed > b.offscreenDelay && !b.isVisible) {
        b.offscreenTime += dt;
        if (b.isLaser || b.offscreenTime > b.offscreenLimit || b.offscreenTime > b.offscreenDelay)
            b.die(false, false);
    } else {
        b.offscreenTime = 0.0;
    }
    if (b.state == bullet::stateFlying && b.elapsed > b.timeToLive)
        b.die(true, false);
}

void changeSpeedFirst(bullet& b)
{
    if (!b.isChangeSpeed1 || b.isSpeedChange1Done ||
        !(b.accelerationDuration >= 0.0f || b.acceleration1StartTime > 0.0f))
        return;
    const double end = b.acceleration1StartTime + b.accelerationDuration;
    if (b.elapsed > b.acceleration1StartTime && b.elapsed <= end) {
        if (!b.isSpeedChange1Started) {
            b.startSpeed = b.speed;
            b.isSpeedChange1Started = 1;
        }
        const double t = progressOf(b.elapsed, b.acceleration1StartTime, b.accelerationDuration);
        b.speed = static_cast<float>((1.0 - t) * b.startSpeed + t * b.acceleration);
    }
    if (b.elapsed >= end) {
        b.speed = b.acceleration;
        b.isSpeedChange1Done = 1;
    }
}

// Never before the first change is over; past its end the progress holds
// the second change's end speed.
void changeSpeedSecond(bullet& b)
{
    if (!b.isChangeSpeed2 || !b.isSpeedChange1Done ||
        !(b.acceleration2StartTime > 0.0f || b.accelerationDuration2 >= 0.0f) || b.elapsed < b.acceleration2StartTime)
        return;
    if (!b.isSpeedChange2Started) {
        b.startSpeed = b.speed;
        b.isSpeedChange2Started = 1;
    }
    const double t = progressOf(b.elapsed, b.acceleration2StartTime, b.accelerationDuration2);
    b.speed = static_cast<float>((1.0 - t) * b.startSpeed + t * b.acceleration2);
}

double directionChangeEnd(const bullet& b)
{
    return static_cast<double>(b.changeDirectionStartTime) + b.changeDirectionDuration;
}

bool startsChangingDirection(bullet& b)
{
    if (!b.isLaunched || !(b.elapsed >= b.changeDirectionStartTime) ||
        !(b.changeDirectionType == graduallyTurnedFlight || b.elapsed <= directionChangeEnd(b)))
        return false;
    b.isChangingDirection = 1;
    b.isDirectionChangeDone = 0;
    b.headingAtChange = b.heading;
    return true;
}

// The point a homing shot steers to: the target as the collision camera
// shows it, on the shot's own height.
Ogre::Vector3 homingPoint(const bullet& b, ShotStep& step)
{
    if (!b.camera)
        return {step.target.x, b.lastPosition.y, step.target.z};
    return step.homingPoint(*b.camera, b.lastPosition.y);
}

float turnAngle(const bullet& b)
{
    float side = -1.0f;
    if (b.changeDirectionType == turnPositiveFlight ||
        (b.changeDirectionType == turnDrawnSideFlight && b.turnSide))
        side = 1.0f;
    const float pace = std::sqrt(dot(b.velocity, b.velocity));
    const float angle = b.aimSpeed * turnGain * side * pace * turnFactor * signOf(b.speed);
    return std::min(angle, Ogre::Math::HALF_PI);
}

Ogre::Vector3 cappedAtSpeed(const Ogre::Vector3& velocity, float speed)
{
    if (dot(velocity, velocity) > speed * speed)
        return scaled(normalised(velocity), std::abs(speed));
    return velocity;
}

// The velocity after one step of steering by the mode.
Ogre::Vector3 steeredVelocity(const bullet& b, ShotStep& shots, double dt)
{
    const float step = static_cast<float>(dt);
    switch (b.changeDirectionType) {
    case homingFlight: {
        const Ogre::Vector3 point = homingPoint(b, shots);
        const Ogre::Vector3 toward = normalised({point.x - b.lastPosition.x, 0.0f, point.z - b.lastPosition.z});
        Ogre::Vector3 steering = scaled(difference(scaled(toward, b.speed), b.velocity), b.aimSpeed);
        const Ogre::Vector3 offset = difference(b.lastPosition, point);
        const float distanceSquared = dot(offset, offset);
        if (distanceSquared < homingCloseRangeSquared)
            steering = scaled(steering, homingCloseGain * (1.0f - distanceSquared * homingCloseFactor));
        return cappedAtSpeed(sum(b.velocity, scaled(steering, step)), b.speed);
    }
    case aimPointFlight:
        // The aim point is taken as a direction of its own, and the steering
        // is not held to the speed.
        return sum(b.velocity, scaled(normalised(b.aimPoint), aimPointGain * signOf(b.speed) * b.aimSpeed * step));
    case turnNegativeFlight:
    case turnPositiveFlight:
    case turnDrawnSideFlight: {
        const Ogre::Vector3 toward = normalised(turnedInPlayPlane(b.heading, turnAngle(b)));
        return cappedAtSpeed(sum(b.velocity, scaled(toward, b.speed * b.aimSpeed * step)), b.speed);
    }
    case graduallyTurnedFlight: {
        const float u = static_cast<float>(progressOf(b.elapsed, b.changeDirectionStartTime, b.changeDirectionDuration));
        const Ogre::Vector3 toward =
            normalised(sum(scaled(b.headingAtChange, 1.0f - u), scaled(b.turnedDirection, u)));
        return cappedAtSpeed(scaled(toward, b.speed), b.speed);
    }
    default:
        return cappedAtSpeed(b.velocity, b.speed);
    }
}

// While the change runs the shot moves along its velocity; the step that
// ends it moves only up to the end and shortens the rest of the step too.
// A gradual turn of no length never ends.
void moveWhileChangingDirection(bullet& b, double& dt, NodePlace& place)
{
    const bool endless = b.changeDirectionType == graduallyTurnedFlight && b.changeDirectionDuration == 0.0f;
    const double end = directionChangeEnd(b);
    if (!endless && !(b.elapsed < end)) {
        b.isChangingDirection = 0;
        b.isDirectionChangeDone = 1;
        dt = std::max(0.0, dt - (b.elapsed - end));
    }
    moveBy(place, scaled(b.velocity, signOf(b.speed) * static_cast<float>(dt)));
}

void changeDirection(bullet& b, double& dt, ShotStep& step, NodePlace& place)
{
    if (b.changeDirectionType == straightFlight || b.isDirectionChangeDone)
        return;
    if (!b.isChangingDirection && !startsChangingDirection(b))
        return;
    if (dot(b.velocity, b.velocity) > steeringHeadingSpeedSquared)
        b.heading = b.velocity;
    b.velocity = steeredVelocity(b, step, dt);
    moveWhileChangingDirection(b, dt, place);
}

// The model turns a little toward its heading each step, the more the
// faster it flies.
void face(const bullet& b, double dt, NodePlace& place)
{
    const float paceSquared = dot(b.velocity, b.velocity);
    if (b.changeDirectionType == straightFlight || !(paceSquared > facingSpeedSquared))
        return;
    // The model's forward is its -Z axis.
    const Ogre::Vector3 backward = turnedZ(place.orientation);
    const Ogre::Vector3 forward(-backward.x, 0.0f, -backward.z);
    Ogre::Vector3 heading = normalised({b.heading.x, 0.0f, b.heading.z});
    if (b.isSideAsset)
        heading = Ogre::Vector3(heading.z, 0.0f, -heading.x);
    const float gain = b.changeDirectionType == aimPointFlight ? aimPointFacingGain : facingGain;
    const Ogre::Quaternion turn =
        yawBetween(forward, sum(forward, scaled(heading, static_cast<float>(0.5 * dt * gain * paceSquared))));
    // Already facing its heading: nothing to turn, and the node stays clean.
    if (turn != Ogre::Quaternion::IDENTITY && !turn.isNaN())
        place.orientation = yawed(place.orientation, turn);
}

// Outside a change of direction a shot flies on at its speed; a beam moves
// by its velocity every step. True when the shot flew on at its speed.
bool moveStraight(const bullet& b, double dt, NodePlace& place)
{
    const float step = static_cast<float>(dt);
    if (b.isLaser) {
        moveBy(place, scaled(b.velocity, step));
        return false;
    }
    if (b.isChangingDirection)
        return false;
    moveBy(place, scaled(normalised(b.velocity), b.speed * step));
    return true;
}

// A sprite's quad lies in the node's X/Z plane: the node turns its up axis
// to the eye as Ogre's lookAt does, along the shortest arc, or half round
// that axis when the eye is straight behind it. The turn is worked out in
// the parent's axes, which `parentOrientation` turns into the world's.
void faceEye(NodePlace& place, const Ogre::Vector3& at, const Ogre::Vector3& eye,
             const Ogre::Quaternion& parentOrientation)
{
    const Ogre::Vector3 toEye = difference(eye, at);
    if (toEye == Ogre::Vector3::ZERO)
        return;
    const Ogre::Vector3 wanted = rotated(conjugate(parentOrientation), normalised(toEye));
    const Ogre::Quaternion now = place.orientation;
    const Ogre::Vector3 up = turnedY(now);
    const Ogre::Vector3 between = sum(up, wanted);
    if (dot(between, between) < halfTurnSquaredLength)
        place.orientation = Ogre::Quaternion(-now.y, -now.z, now.w, now.x);
    else
        place.orientation = product(turnBetween(up, wanted), now);
}

// The step's one write of each, to the record and to its node when that is
// in the scene.
void settle(bullet& b, const NodePlace& place)
{
    b.position = place.position;
    b.orientation = place.orientation;
    if (b.node && b.isNodePlaced())
        b.placeNode();
}

// The shot's world transform, as Ogre would derive it from the parent's,
// applied to the sprite quad.
void placeCorners(bullet& b, const Ogre::Vector3& at, const ParentSpace& space)
{
    if (!b.isVisible) {
        b.corners.fill(Ogre::Vector3::ZERO);
        return;
    }
    const Ogre::Quaternion orientation = product(space.orientation, b.orientation);
    const Ogre::Vector3 scale(space.scale.x * b.size.x, space.scale.y * b.size.y, space.scale.z * b.size.z);
    const Ogre::Vector3 alongX = scaled(turnedX(orientation), spriteHalfSize * scale.x);
    const Ogre::Vector3 alongZ = scaled(turnedZ(orientation), spriteHalfSize * scale.z);
    // From the corner at -X and -Z round to the one at -X and +Z.
    const Ogre::Vector3 back = difference(at, alongZ);
    const Ogre::Vector3 front = sum(at, alongZ);
    b.corners = {difference(back, alongX), sum(back, alongX), sum(front, alongX), difference(front, alongX)};
}

// The level's solid objects stop the shot on the path it flew this step.
void castPathRay(bullet& b, const Ogre::Vector3& now)
{
    const Game& game = *Game::getSingletonPtr();
    if (!game.isBulletPhysics || !game.level || !game.level->physicsWorld)
        return;
    if (now == b.lastPosition)
        return;
    const btVector3 from(b.lastPosition.x, b.lastPosition.y, b.lastPosition.z);
    const btVector3 to(now.x, now.y, now.z);
    btCollisionWorld::ClosestRayResultCallback hit(from, to);
    hit.m_collisionFilterGroup = shotRayGroup;
    hit.m_collisionFilterMask = solidObjectMask;
    game.level->physicsWorld->rayTest(from, to, hit);
    if (!hit.hasHit())
        return;
    if (game.level->effects)
        game.level->effects->emitParticleItem(now);
    b.die(true, false);
}

// `here` is the shot's world position at the start of the step.
void fly(bullet& b, double& dt, ShotStep& step, const ParentSpace& space, const Ogre::Vector3& here)
{
    b.lastPosition = here;
    NodePlace place{b.position, b.orientation};
    changeSpeedFirst(b);
    changeSpeedSecond(b);
    if (b.changeDirectionType != straightFlight && dot(b.velocity, b.velocity) > headingSpeedSquared)
        b.heading = b.velocity;
    changeDirection(b, dt, step, place);
    face(b, dt, place);
    const bool flewOn = moveStraight(b, dt, place);
    const Ogre::Vector3 now = space.worldPoint(place.position);
    if (flewOn && b.isSprite && b.camera)
        faceEye(place, now, step.eyeOf(*b.camera), space.orientation);
    settle(b, place);
    placeCorners(b, now, space);
    castPathRay(b, now);
}

void fadeRibbon(Ogre::RibbonTrail& ribbon, double dt)
{
    const float fade = static_cast<float>(1.0 - ribbonFadeRate * dt);
    ribbon.setInitialColour(0, ribbon.getInitialColour(0) * fade);
    ribbon.setTrailLength(std::max(ribbon.getTrailLength() * fade, shortestDyingRibbon));
    ribbon.setInitialWidth(0, static_cast<float>(ribbon.getInitialWidth(0) * (ribbonWidthKept - dt)));
}

// Only pool records have a free stack; a beam record belongs to its gun.
void returnToPool(const bullet& b)
{
    Level* level = Game::getSingletonPtr()->level;
    if (b.pool == bullet::noPool || !level)
        return;
    (b.pool == bullet::playerPool ? level->freePlayerBullets : level->freeEnemyBullets).push_back(b.index);
}

void release(bullet& b)
{
    returnToPool(b);
    b.resetState();
    b.isLaser = 0;
    if (b.node) {
        b.node->setVisible(false, true);
        if (Ogre::SceneNode* parent = b.node->getParentSceneNode())
            parent->removeChild(b.node);
    }
    if (b.trailParticles) {
        setFirstEmitterEnabled(b.trailParticles, false);
        b.trailParticles->setEmitting(false);
        b.trailParticles->clear();
    }
    if (b.ribbonTrail && b.ribbonTrail->isAttached())
        b.ribbonTrail->detachFromParent();
}

void fadeOut(bullet& b, double dt)
{
    b.dyingTime -= dt;
    if (b.ribbonTrail)
        fadeRibbon(*b.ribbonTrail, dt);
    if (b.dyingTime <= 0.0)
        release(b);
}

} // namespace

void ShotStep::advance(bullet& b, double& dt)
{
    b.elapsed += dt;
    if (b.state == bullet::stateFlying) {
        const ParentSpace& space = spaceOf(b.parent);
        const Ogre::Vector3 here = space.worldPoint(b.position);
        watchView(b, dt, *this, here);
        if (b.state == bullet::stateFlying)
            fly(b, dt, *this, space, here);
    }
    if (b.state == bullet::stateDying)
        fadeOut(b, dt);
}

void bullet::update(double& dt, const Ogre::Vector3& target)
{
    ShotStep(target).advance(*this, dt);
}
