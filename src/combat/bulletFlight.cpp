// One fixed step of a shot: its watch on the view and its time to live, its
// speed changes, its steering, facing and move, the corners its sprite is
// drawn with, the ray that stops it on the level's solid objects, and the
// fading of a dying shot until its record is free again.
#include "combat/bullet.h"

#include "app/CameraProjection.h"
#include "combat/PlayPlane.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneNode.h>
#include <OgreSphere.h>

#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Steering modes.
constexpr std::int32_t homingFlight = 0;
constexpr std::int32_t straightFlight = 1;
constexpr std::int32_t aimPointFlight = 2;
constexpr std::int32_t turnNegativeFlight = 3;
constexpr std::int32_t turnPositiveFlight = 4;
constexpr std::int32_t turnDrawnSideFlight = 5;
constexpr std::int32_t graduallyTurnedFlight = 6;

// Squared speeds below which the velocity says nothing of where the shot
// heads, while flying, while steering, and for turning the model.
constexpr float headingSpeedSquared = 0.09f;
constexpr float steeringHeadingSpeedSquared = 0.01f;
constexpr float facingSpeedSquared = 0.001f;
// Turning modes: the angle turned toward is the steering gain times these
// two times the shot's pace, signed by its side and its speed's sign, and
// never more than a quarter turn.
constexpr float turnGain = 14.0f;
constexpr float turnFactor = 0.00033161333333333335f;
constexpr float aimPointGain = 90.0f;
// Within this squared distance of its point a homing shot's steering is
// scaled from nothing at the edge to twice on the point.
constexpr float homingCloseRangeSquared = 5.5f;
constexpr float homingCloseFactor = 0.18181819f;
constexpr float homingCloseGain = 2.0f;
// The model turns toward the heading faster for shots steering to a point.
constexpr float facingGain = 1.0f;
constexpr float aimPointFacingGain = 4.0f;
// The sprite quad in the shot node's own space.
const std::array<Ogre::Vector3, 4> spriteQuad{
    Ogre::Vector3(-2.0f, 0.0f, -2.0f), Ogre::Vector3(2.0f, 0.0f, -2.0f), Ogre::Vector3(2.0f, 0.0f, 2.0f),
    Ogre::Vector3(-2.0f, 0.0f, 2.0f)};
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

// Ogre aborts on a node position that is not a finite number: a move that
// would leave the finite range is not made.
void moveNode(Ogre::SceneNode& node, const Ogre::Vector3& step)
{
    if (isFinite(node.getPosition() + step))
        node.translate(step, Ogre::Node::TS_PARENT);
}

void watchView(bullet& b, double dt)
{
    b.isVisible = !b.camera || b.camera->isVisible(Ogre::Sphere(b.node->_getDerivedPosition(), b.cullRadius));
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

// The last projection of a homing target. Every homing shot of a step
// homes in on the same target through the same camera, most at the same
// height, and the projection (a matrix inverse) is a function of these
// alone: it is made again only when one of them changes.
struct HomingProjection {
    Ogre::Affine3 view = Ogre::Affine3::ZERO;
    Ogre::Matrix4 projection = Ogre::Matrix4::ZERO;
    Ogre::Vector3 target = Ogre::Vector3::ZERO;
    float height = 0.0f;
    Ogre::Vector3 onPlane = Ogre::Vector3::ZERO;
};

// The point a homing shot steers to: the target as the collision camera
// shows it, on the shot's own height.
Ogre::Vector3 homingPoint(const bullet& b, const Ogre::Vector3& target)
{
    if (!b.camera)
        return {target.x, b.lastPosition.y, target.z};
    static HomingProjection last;
    const Ogre::Affine3& view = b.camera->getViewMatrix();
    const Ogre::Matrix4& projection = b.camera->getProjectionMatrix();
    const float height = b.lastPosition.y;
    if (view != last.view || projection != last.projection || target != last.target || height != last.height) {
        last = HomingProjection{view, projection, target, height, Ogre::Vector3::ZERO};
        projectToPlaneY(last.onPlane, target, height, *b.camera);
    }
    return last.onPlane;
}

float turnAngle(const bullet& b)
{
    float side = -1.0f;
    if (b.changeDirectionType == turnPositiveFlight ||
        (b.changeDirectionType == turnDrawnSideFlight && b.turnSide))
        side = 1.0f;
    const float angle = b.aimSpeed * turnGain * side * b.velocity.length() * turnFactor * signOf(b.speed);
    return std::min(angle, Ogre::Math::HALF_PI);
}

Ogre::Vector3 cappedAtSpeed(const Ogre::Vector3& velocity, float speed)
{
    if (velocity.squaredLength() > speed * speed)
        return velocity.normalisedCopy() * std::abs(speed);
    return velocity;
}

// The velocity after one step of steering by the mode.
Ogre::Vector3 steeredVelocity(const bullet& b, const Ogre::Vector3& target, double dt)
{
    const float step = static_cast<float>(dt);
    switch (b.changeDirectionType) {
    case homingFlight: {
        const Ogre::Vector3 point = homingPoint(b, target);
        const Ogre::Vector3 toward =
            Ogre::Vector3(point.x - b.lastPosition.x, 0.0f, point.z - b.lastPosition.z).normalisedCopy();
        Ogre::Vector3 steering = (toward * b.speed - b.velocity) * b.aimSpeed;
        const float distanceSquared = b.lastPosition.squaredDistance(point);
        if (distanceSquared < homingCloseRangeSquared)
            steering *= homingCloseGain * (1.0f - distanceSquared * homingCloseFactor);
        return cappedAtSpeed(b.velocity + steering * step, b.speed);
    }
    case aimPointFlight:
        // The aim point is taken as a direction of its own, and the steering
        // is not held to the speed.
        return b.velocity + b.aimPoint.normalisedCopy() * (aimPointGain * signOf(b.speed) * b.aimSpeed * step);
    case turnNegativeFlight:
    case turnPositiveFlight:
    case turnDrawnSideFlight: {
        const Ogre::Vector3 toward = turnedInPlayPlane(b.heading, turnAngle(b)).normalisedCopy();
        return cappedAtSpeed(b.velocity + toward * (b.speed * b.aimSpeed * step), b.speed);
    }
    case graduallyTurnedFlight: {
        const float u = static_cast<float>(progressOf(b.elapsed, b.changeDirectionStartTime, b.changeDirectionDuration));
        const Ogre::Vector3 toward = (b.headingAtChange * (1.0f - u) + b.turnedDirection * u).normalisedCopy();
        return cappedAtSpeed(toward * b.speed, b.speed);
    }
    default:
        return cappedAtSpeed(b.velocity, b.speed);
    }
}

// While the change runs the shot moves along its velocity; the step that
// ends it moves only up to the end and shortens the rest of the step too.
// A gradual turn of no length never ends.
void moveWhileChangingDirection(bullet& b, double& dt)
{
    const bool endless = b.changeDirectionType == graduallyTurnedFlight && b.changeDirectionDuration == 0.0f;
    const double end = directionChangeEnd(b);
    if (!endless && !(b.elapsed < end)) {
        b.isChangingDirection = 0;
        b.isDirectionChangeDone = 1;
        dt = std::max(0.0, dt - (b.elapsed - end));
    }
    moveNode(*b.node, b.velocity * (signOf(b.speed) * static_cast<float>(dt)));
}

void changeDirection(bullet& b, double& dt, const Ogre::Vector3& target)
{
    if (b.changeDirectionType == straightFlight || b.isDirectionChangeDone)
        return;
    if (!b.isChangingDirection && !startsChangingDirection(b))
        return;
    if (b.velocity.squaredLength() > steeringHeadingSpeedSquared)
        b.heading = b.velocity;
    b.velocity = steeredVelocity(b, target, dt);
    moveWhileChangingDirection(b, dt);
}

// The model turns a little toward its heading each step, the more the
// faster it flies.
void face(bullet& b, double dt)
{
    const float paceSquared = b.velocity.squaredLength();
    if (b.changeDirectionType == straightFlight || !(paceSquared > facingSpeedSquared))
        return;
    Ogre::Vector3 forward = b.node->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    forward.y = 0.0f;
    Ogre::Vector3 heading = Ogre::Vector3(b.heading.x, 0.0f, b.heading.z).normalisedCopy();
    if (b.isSideAsset)
        heading = Ogre::Vector3(heading.z, 0.0f, -heading.x);
    const float gain = b.changeDirectionType == aimPointFlight ? aimPointFacingGain : facingGain;
    const Ogre::Quaternion turn =
        forward.getRotationTo(forward + heading * static_cast<float>(0.5 * dt * gain * paceSquared));
    // Already facing its heading: nothing to turn, and the node stays clean.
    if (turn != Ogre::Quaternion::IDENTITY && !turn.isNaN())
        b.node->rotate(turn, Ogre::Node::TS_LOCAL);
}

// Outside a change of direction a shot flies on at its speed; a beam moves
// by its velocity every step.
void moveStraight(bullet& b, double dt)
{
    const float step = static_cast<float>(dt);
    if (b.isLaser) {
        moveNode(*b.node, b.velocity * step);
        return;
    }
    if (b.isChangingDirection)
        return;
    moveNode(*b.node, b.velocity.normalisedCopy() * (b.speed * step));
    // The quad lies in the node's X/Z plane: it faces the camera with its up axis.
    if (b.isSprite && b.camera)
        b.node->lookAt(b.camera->getRealPosition(), Ogre::Node::TS_WORLD, Ogre::Vector3::UNIT_Y);
}

void placeCorners(bullet& b)
{
    if (!b.isVisible) {
        b.corners.fill(Ogre::Vector3::ZERO);
        return;
    }
    const Ogre::Affine3& transform = b.node->_getFullTransform();
    for (std::size_t i = 0; i < spriteQuad.size(); ++i)
        b.corners[i] = transform * spriteQuad[i];
}

// The level's solid objects stop the shot on the path it flew this step.
void castPathRay(bullet& b)
{
    const Game& game = *Game::getSingletonPtr();
    if (!game.isBulletPhysics || !game.level || !game.level->physicsWorld)
        return;
    const Ogre::Vector3& now = b.node->_getDerivedPosition();
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

void fly(bullet& b, double& dt, const Ogre::Vector3& target)
{
    b.lastPosition = b.node->_getDerivedPosition();
    changeSpeedFirst(b);
    changeSpeedSecond(b);
    if (b.changeDirectionType != straightFlight && b.velocity.squaredLength() > headingSpeedSquared)
        b.heading = b.velocity;
    changeDirection(b, dt, target);
    face(b, dt);
    moveStraight(b, dt);
    placeCorners(b);
    castPathRay(b);
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

void silence(Ogre::ParticleSystem* system)
{
    if (!system)
        return;
    system->setEmitting(false);
    system->clear();
    if (system->isAttached())
        system->detachFromParent();
}

void release(bullet& b)
{
    returnToPool(b);
    b.resetState();
    b.isLaser = 0;
    b.node->setVisible(false, true);
    if (Ogre::SceneNode* parent = b.node->getParentSceneNode())
        parent->removeChild(b.node);
    silence(b.impactParticles);
    silence(b.cancelParticles);
    if (b.trailParticles) {
        if (b.trailParticles->getNumEmitters() > 0)
            b.trailParticles->getEmitter(0)->setEnabled(false);
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

void bullet::update(double& dt, const Ogre::Vector3& target)
{
    if (!node)
        return;
    elapsed += dt;
    if (state == stateFlying)
        watchView(*this, dt);
    if (state == stateFlying)
        fly(*this, dt, target);
    if (state == stateDying)
        fadeOut(*this, dt);
}
