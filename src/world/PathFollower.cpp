#include "world/PathFollower.h"

#include "world/FiniteVector.h"
#include "world/PathMath.h"
#include "world/Waypoint.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// The table entry that marks the end of the path.
constexpr std::size_t pathEndEntry = 999;
// Travel per second at speed 1 and speed multiplier 1.
constexpr double distancePerSpeed = 5.0;
// A waypoint counts as reached this close to it in curve parameter.
constexpr double arrivalTolerance = 0.0001;
// Distance before a stopping point over which the mover slows down.
constexpr double approachMargin = 5.0;
constexpr double shortApproachMargin = 0.1;
constexpr float approachSpeed = 0.2f;
// A waypoint of speed 0 is approached at this speed so that the mover never stops for good.
constexpr float leastTargetSpeed = 0.05f;
// Speed toward a waypoint of speed 0 after a wait, and the start speed of special first waypoints.
constexpr float fallbackSpeed = 0.5f;
constexpr double resumeRate = 0.98;

float targetSpeedOf(const Waypoint& waypoint)
{
    return waypoint.speed == 0.0f ? leastTargetSpeed : waypoint.speed;
}

} // namespace

void PathFollower::init(Ogre::SceneManager* newSceneManager, Level* newLevel, Ogre::Camera* newCamera,
                        std::vector<Waypoint*>* newWaypoints, Ogre::SceneNode* newReferenceNode,
                        Ogre::SceneNode* newNode)
{
    sceneManager = newSceneManager;
    level = newLevel;
    camera = newCamera;
    waypoints = newWaypoints;
    referenceNode = newReferenceNode;
    node = newNode;
    speedMult = 1.0f;
    homingSource = nullptr;
    start();
}

void PathFollower::reset()
{
    currentIndex = nextIndex = 0;
    distance = curveParamNow = 0.0;
    waitLeft = 0.0;
    isEnded = isApproaching = 0;
    easingState = easingToTargetSpeed;
    startSpeed = 1.0f;
    targetSpeed = 0.0f;
    currentSpeed = 1.0f;
    segmentLength = speedChangeDistance = 1.0f;
    offset = curvePos = step = Ogre::Vector3::ZERO;
    fovMultStart = fovMultTarget = fovMult = 1.0f;
    isHomingActive = 0;
    homingSpeedNow = homingSpeedTarget = homingStrengthNow = homingStrengthTarget = 1.0f;
    homingFactor = homingXYNow = homingXYTarget = homingTransDurations = Ogre::Vector2(1.0f, 1.0f);
}

void PathFollower::start()
{
    reset();
    nodeScale = node->_getDerivedScale().x;
    const std::size_t count = waypointCount();
    if (count == 0)
        return;
    const Waypoint& first = waypointAt(0);
    rotRate = first.rotSpeed;
    const bool hasNext = static_cast<std::size_t>(currentIndex) + 1 < count;
    speedChangeDistance = hasNext ? static_cast<float>(waypointAt(currentIndex + 1).curveDistance) : 0.0f;
    const bool specialStart = first.speed == 0.0f || first.waitDuration > 0.0f || count == 1;
    currentSpeed = startSpeed = specialStart ? (count >= 2 ? fallbackSpeed : 0.0f) : first.speed;
    fovMultStart = fovMultTarget = fovMult = first.camShotFovMult;
    if (first.rotType == rotTypeFixed) {
        targetOrientation = waypointOrientation(first.rotation);
        node->setOrientation(targetOrientation);
    }
    if (count >= 2 && first.rotType == rotTypeFaceTravel) {
        direction = flattened(curvePointAt(*waypoints, 0.005));
        node->setOrientation(rotationFacing(direction));
    }
}

double PathFollower::paramFromDistance(const std::vector<CurveSample>& table, double d)
{
    if (d == 0.0 || table.empty())
        return 0.0;
    // A table shorter than a path's is a programming error: out_of_range here.
    static_cast<void>(table.at(pathEndEntry));
    // The first entry past 0 whose distance is not below d, at most the end entry;
    // the distances never fall, so a binary search finds it.
    const auto end = table.begin() + static_cast<std::ptrdiff_t>(pathEndEntry);
    const auto isBefore = [](const CurveSample& sample, double value) { return sample.distance < value; };
    const auto found = std::lower_bound(table.begin() + 1, end, d, isBefore);
    const auto i = static_cast<std::size_t>(found - table.begin()) - 1;
    const double from = table[i].distance;
    const double span = table[i + 1].distance - from;
    // Two samples at the same place (waypoints on top of each other) end the span.
    const double fraction = span > 0.0 ? (d - from) / span : 1.0;
    const double param = static_cast<double>(i) * 0.001;
    return param + fraction * (static_cast<double>(i + 1) * 0.001 - param);
}

void PathFollower::update(double dt, const Ogre::Vector3& aimPoint, const std::vector<CurveSample>& table,
                          bool frozen)
{
    const Ogre::Vector3 referenceWorld = referenceNode ? referenceNode->_getDerivedPosition() : Ogre::Vector3::ZERO;
    const std::size_t count = waypointCount();
    if (table.empty()) {
        // Without waypoints there is nothing to arrive at.
        if (!startedEmpty && count > 0) {
            startedEmpty = 1;
            onWaypointReached();
        }
    } else {
        if (waitLeft > 0.0) {
            waitLeft -= dt;
            if (waitLeft <= 0.0)
                waitLeft = resumeProgress = 0.0;
        }
        if (count < 2) {
            isEnded = 1;
            if (count > 0)
                rotTypeNow = waypointAt(currentIndex).rotType;
        } else {
            advance(dt, table, frozen);
            if (!isEnded && waitLeft <= 0.0 && !frozen &&
                waypointAt(nextIndex).curveParam - curveParamNow <= arrivalTolerance)
                arriveAtNext();
            approachStop();
            easeSpeed(dt);
            if (referenceNode)
                referenceOffset = referenceWorld - referenceNode->getPosition();
        }
    }
    turn(dt, aimPoint, referenceWorld, frozen);
}

void PathFollower::advance(double dt, const std::vector<CurveSample>& table, bool frozen)
{
    if (!isEnded && !frozen)
        distance += static_cast<double>(speedMult) * dt * static_cast<double>(currentSpeed) * distancePerSpeed;
    distance = std::min(distance, static_cast<double>(table.at(pathEndEntry).distance));
    if (!isEnded)
        curveParamNow = paramFromDistance(table, distance);
    const Ogre::Vector3 newPos = curvePointAt(*waypoints, curveParamNow);
    step = newPos - curvePos;
    curvePos = newPos;
    node->setPosition(finiteOr((curvePos + offset) / nodeScale, 0.0f));
    Ogre::Vector3 ahead = curveParamNow >= 0.999 ? curvePos - curvePointAt(*waypoints, curveParamNow - 0.001)
                                                 : curvePointAt(*waypoints, curveParamNow + 0.001) - curvePos;
    if (ahead.length() > 0.0f)
        ahead.normalise();
    direction = ahead;
}

void PathFollower::arriveAtNext()
{
    const auto count = static_cast<std::int32_t>(waypointCount());
    segmentStartOrientation = node->getOrientation();
    currentIndex = nextIndex;
    ++nextIndex;
    if (nextIndex == count) {
        if (waypointAt(0).isLoop == 0) {
            isEnded = 1;
            nextIndex = 0;
            currentIndex = count - 1;
        } else {
            currentIndex = 0;
            nextIndex = 1;
            distance = 0.0;
            curveParamNow -= 1.0;
        }
    }
    const Waypoint& current = waypointAt(currentIndex);
    const Waypoint& next = waypointAt(nextIndex);
    easingState = easingToTargetSpeed;
    resumeProgress = 0.0;
    segmentStartDistance = rotStartDistance = distance;
    waitLeft = current.waitDuration;
    speedChangeDistance = segmentLength = static_cast<float>(next.curveDistance - distance);
    startSpeed = currentSpeed;
    fovMultStart = fovMult;
    rotRate = current.rotSpeed;
    if (!isEnded) {
        targetSpeed = targetSpeedOf(next);
        fovMultTarget = next.camShotFovMult;
        rotTypeNow = next.rotType;
    }
    onWaypointReached();
}

// Slows down toward a waypoint where the mover will stand still: one that
// waits, or the end of a path that does not loop.
void PathFollower::approachStop()
{
    const Waypoint& next = waypointAt(nextIndex);
    const bool isLastOfOpenPath =
        static_cast<std::size_t>(nextIndex) + 1 == waypointCount() && waypointAt(0).isLoop == 0;
    if (isApproaching || !(next.waitDuration > 0.0f || isLastOfOpenPath))
        return;
    const double stopAt = next.curveDistance;
    const double margin = stopAt - segmentStartDistance < approachMargin ? shortApproachMargin : approachMargin;
    if (distance <= stopAt - margin)
        return;
    startSpeed = currentSpeed;
    segmentStartDistance = distance;
    easingState = easingToTargetSpeed;
    isApproaching = 1;
    targetSpeed = approachSpeed;
    speedChangeDistance = static_cast<float>(stopAt - distance);
    if (next.isHoming)
        startHoming(next, next);
}

void PathFollower::easeSpeed(double dt)
{
    if (waitLeft > 0.0) {
        const Waypoint& current = waypointAt(currentIndex);
        segmentStartDistance = distance;
        currentSpeed = 0.0f;
        easingState = easingResuming;
        isApproaching = 0;
        targetSpeed = current.speed == 0.0f ? fallbackSpeed : current.speed;
        return;
    }
    if (easingState == easingToTargetSpeed) {
        const double x = clampedProgress(distance - segmentStartDistance, speedChangeDistance);
        currentSpeed = startSpeed + static_cast<float>(x) * (targetSpeed - startSpeed);
        return;
    }
    resumeProgress += dt * resumeRate;
    currentSpeed = static_cast<float>(smoothstep(std::clamp(resumeProgress, 0.0, 1.0))) * targetSpeed;
    if (resumeProgress < 1.0)
        return;
    const Waypoint& next = waypointAt(nextIndex);
    resumeProgress = 1.0;
    easingState = easingToTargetSpeed;
    startSpeed = currentSpeed;
    segmentStartDistance = distance;
    // As on arrival, a waypoint of speed 0 is still approached, never stalled at.
    targetSpeed = targetSpeedOf(next);
    speedChangeDistance = static_cast<float>(next.curveDistance - distance);
}

std::size_t PathFollower::waypointCount() const
{
    return waypoints ? waypoints->size() : 0;
}

Waypoint& PathFollower::waypointAt(std::int32_t index) const
{
    return *waypoints->at(static_cast<std::size_t>(index));
}
