// What happens when a waypoint becomes the current one: its sound, its
// animation change and the start or end of homing.
#include "world/PathFollower.h"

#include "app/AudioService.h"
#include "core/materials/SpriteMaterials.h"
#include "world/Waypoint.h"
#include "world/entity.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

void PathFollower::onWaypointReached()
{
    if (waypointCount() == 0)
        return;
    const Waypoint& current = waypointAt(currentIndex);
    if (!current.soundName.empty()) {
        loadSound(current.soundName, false, false, false, false);
        const platform::Channel channel = playSound(current.soundName, current.soundVolume, noSoundPosition, false);
        const float pitch[2] = {current.soundPitch.x, current.soundPitch.y};
        randomizePitch(channel, pitch);
    }
    if (!current.animationName.empty() && current.isChangeAnimation && owner) {
        if (auto* sprite = dynamic_cast<Ogre::Entity*>(owner->movableObject))
            updateSpriteAnimationParameters(sprite, true, false);
    }
    if (!current.isHoming) {
        isHomingActive = 0;
        return;
    }
    const Waypoint& next = waypointAt(nextIndex);
    startHoming(current, next.isHoming ? next : current);
}

void PathFollower::startHoming(const Waypoint& first, const Waypoint& second)
{
    homingSpeedNow = first.homingSpeed;
    homingSpeedTarget = second.homingSpeed;
    homingStrengthNow = first.homingStrength;
    homingStrengthTarget = second.homingStrength;
    homingXYNow = first.homingXY;
    homingXYTarget = second.homingXY;
    // The factor pair would come from a homing source; no object sets one,
    // so it keeps its value.
    if (isHomingActive) {
        homingTransDurations.y = first.homingTransDurations.y;
        return;
    }
    isHomingActive = 1;
    homingStartPos = node->_getDerivedPosition();
    if (homingBlend > 0.0)
        homingBlend = 1.0;
    homingTransDurations = first.homingTransDurations;
}
