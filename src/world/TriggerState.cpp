// The trigger's life: arming at reset and the per-frame state machine
// (0 waiting, 1 condition met, 2 active, 4 ending, 3 done).
#include "world/Trigger.h"

#include "app/OverlayWidget.h"
#include "platform/Random.h"
#include "world/Obb.h"

#include <algorithm>
#include <OgreSceneNode.h>

namespace {

bool anyLinkedIs(const std::vector<entity*>& objects, bool (*test)(const entity&))
{
    for (const entity* object : objects)
        if (object && test(*object))
            return true;
    return false;
}

} // namespace

void Trigger::reset()
{
    isOnce = type == 17 && !isSwitchOnly;
    resetState();
    stopSound();
    if (outline)
        outline->updateScreenPolygon();
    if (linkedObjects.empty())
        isStarted = type != 15;
    else
        isStarted = activation_type == 3 || activation_type == 12
                    || anyLinkedIs(linkedObjects, [](const entity& object) { return object.isDisabled != 0; });
}

void Trigger::resetState()
{
    status = statusWaiting;
    elapsed = 0.0;
    endCountdown = 0.0;
    startCameraSpeed = 0.0f;
    speedProgress = 0.0f;
    if (overlay) {
        overlay->setupAnimation();
        overlay->setVisible(false);
        duration = overlay->appearDuration + overlay->holdDuration;
        endCountdown = overlay->disappearDuration;
    }
    if (type == 5 && isCountDown)
        timeBeforeStart = duration;
    stopSound();
}

void Trigger::update(double seconds)
{
    if (status == statusDone) {
        if (isSwitchOnly && !isConditionMet())
            status = statusWaiting;
        return;
    }
    if (type == 15 && !isStarted && linkedObjects.empty() && (isAlwaysActivated || isInWideView()))
        isStarted = 1;
    stepWaiting(seconds);
    stepConditionMet(seconds);
    stepActive(seconds);
    stepEnding(seconds);
    if (overlay && (status == statusActive || status == statusEnding))
        overlay->update(seconds, overlay->isAnchored && sceneNode ? sceneNode->_getDerivedPosition()
                                                                  : Ogre::Vector3::ZERO);
}

void Trigger::stepWaiting(double seconds)
{
    if (!isStarted || status != statusWaiting)
        return;
    if (isConditionMet()) {
        status = statusConditionMet;
        elapsed = 0.0;
    } else if (isOnce && !isSwitchOnly && type != 18) {
        status = statusDone;
        elapsed = 0.0;
    }
    elapsed += seconds;
}

// A randomness below 1 would divide by zero: it counts as 1 (always fires).
void Trigger::stepConditionMet(double seconds)
{
    if (status != statusConditionMet)
        return;
    elapsed += seconds;
    bool activates = true;
    if (type == 11) {
        activates = platform::rand() % std::max(randomness, 1) == 0;
        if (!activates) {
            status = statusDone;
            elapsed = 0.0;
        }
    } else if (type == 9) {
        activates = elapsed >= timeBeforeStart;
    }
    if (activates) {
        status = statusActive;
        elapsed = 0.0;
        activate();
    }
    if (type == 9 && isSwitchOnly && !isConditionMet()) {
        status = statusWaiting;
        elapsed = 0.0;
    }
    if (isOnce && !isSwitchOnly) {
        status = statusDone;
        elapsed = 0.0;
    }
}

void Trigger::stepActive(double seconds)
{
    if (status != statusActive)
        return;
    elapsed += seconds;
    updateActive(seconds);
    if (isSwitchOnly && !isConditionMet() && switchOnlyEnds())
        status = statusEnding;
    if (status == statusActive && typeEnds())
        status = statusEnding;
}

// Whether an active switch-only trigger whose condition failed ends now.
bool Trigger::switchOnlyEnds()
{
    if (overlay) {
        if (elapsed <= overlay->appearDuration || isPlayUntilEnd)
            return false;
        overlay->transitionState = OverlayWidget::transitionDisappearing;
        return true;
    }
    if (type == 5)
        return !isPlayUntilEnd || elapsed > duration;
    if (type == 7)
        return !isPlayUntilEnd || !channel.isPlaying() || isSoundLooping;
    return true;
}

// The end rules by type. Without an overlay a type-1 trigger ends after its
// duration as a timer does.
bool Trigger::typeEnds()
{
    switch (type) {
    case 1:
        if (elapsed <= duration || (overlay && overlay->spareFlag))
            return false;
        if (overlay)
            overlay->transitionState = OverlayWidget::transitionDisappearing;
        return true;
    case 5:
        return elapsed > duration;
    case 9:
    case 11:
    case 15:
    case 19:
        return isSwitchOnly && !isConditionMet();
    case 3:
    case 4:
    case 10:
    case 12:
    case 13:
        return true;
    case 8:
        return !isCameraSpeed;
    case 7:
        return !soundName.empty() && !channel.isPlaying() && musicName.empty();
    default:
        return false;
    }
}

void Trigger::stepEnding(double seconds)
{
    if (status != statusEnding)
        return;
    endCountdown -= seconds;
    if (endCountdown > 0.0)
        return;
    resetState();
    startLinkedObjects(false);
    status = statusDone;
    if (anyLinkedIs(linkedObjects, [](const entity& object) { return object.status == entity::statusActive; }))
        isStarted = 1;
}
