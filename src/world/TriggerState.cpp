// The trigger's life: arming at reset and the per-frame state machine
// (0 waiting, 1 condition met, 2 active, 4 ending, 3 done).
#include "world/Trigger.h"

#include "app/OverlayWidget.h"
#include "platform/Random.h"
#include "world/Obb.h"
#include "world/TriggerKinds.h"

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
    isOnce = type == triggerTestOnce && !isSwitchOnly;
    resetState();
    stopSound();
    if (outline)
        outline->updateScreenPolygon();
    if (linkedObjects.empty())
        isStarted = type != triggerButton;
    else
        isStarted = activation_type == activationAllLinkedDone || activation_type == activationAnyLinkedDone
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
    if (type == triggerTimer && isCountDown)
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
    if (type == triggerButton && !isStarted && linkedObjects.empty() && (isAlwaysActivated || isInWideView()))
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
    } else if (isOnce && !isSwitchOnly && type != triggerPlainRepeating) {
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
    if (type == triggerRandom) {
        activates = platform::rand() % std::max(randomness, 1) == 0;
        if (!activates) {
            status = statusDone;
            elapsed = 0.0;
        }
    } else if (type == triggerDelayedStart) {
        activates = elapsed >= timeBeforeStart;
    }
    if (activates) {
        status = statusActive;
        elapsed = 0.0;
        activate();
    }
    if (type == triggerDelayedStart && isSwitchOnly && !isConditionMet()) {
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
    if (type == triggerTimer)
        return !isPlayUntilEnd || elapsed > duration;
    if (type == triggerSound)
        return !isPlayUntilEnd || !channel.isPlaying() || isSoundLooping;
    return true;
}

// The end rules by type. Without an overlay a type-1 trigger ends after its
// duration as a timer does.
bool Trigger::typeEnds()
{
    switch (type) {
    case triggerOverlay:
        if (elapsed <= duration || (overlay && overlay->spareFlag))
            return false;
        if (overlay)
            overlay->transitionState = OverlayWidget::transitionDisappearing;
        return true;
    case triggerTimer:
        return elapsed > duration;
    case triggerDelayedStart:
    case triggerRandom:
    case triggerButton:
    case triggerNoStopLinked:
        return isSwitchOnly && !isConditionMet();
    case triggerEndOfLevel:
    case triggerCheckpoint:
    case triggerSmartBomb:
    case triggerScoreAndItems:
    case triggerWeaponSet:
        return true;
    case triggerCamera:
        return !isCameraSpeed;
    case triggerSound:
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
