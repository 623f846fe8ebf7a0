#include "world/Waypoint.h"

Waypoint::Waypoint(std::string waypointName)
{
    name = std::move(waypointName);
    isLayered = 0;
    isDisabled = 0;
    screenName.clear();
    setDefaults();
}

Waypoint::Waypoint(const Waypoint& other)
    : entity(), tension(other.tension), curveWeight(other.curveWeight), rotType(other.rotType),
      camShotOrientation(other.camShotOrientation), camShotFovMult(other.camShotFovMult),
      isCameraWaypoint(other.isCameraWaypoint), speed(other.speed), waitDuration(other.waitDuration),
      rotSpeed(other.rotSpeed), rotAngleLimit(other.rotAngleLimit), isChangeWeaponSet(other.isChangeWeaponSet),
      weaponSetShoot(other.weaponSetShoot), isChangeAnimation(other.isChangeAnimation),
      isPlayPreviousAnimationAfter(other.isPlayPreviousAnimationAfter), animationName(other.animationName),
      soundName(other.soundName), soundVolume(other.soundVolume), soundPitch(other.soundPitch),
      curveParam(other.curveParam), curveDistance(other.curveDistance), isLoop(other.isLoop),
      isHoming(other.isHoming), homingStrength(other.homingStrength), homingSpeed(other.homingSpeed),
      homingXY(other.homingXY), homingTransDurations(other.homingTransDurations)
{
    kind = kindWaypoint;
    isDisabled = 0;
    name = other.name;
    screenName = other.screenName;
    position = other.position;
    placedPosition = other.placedPosition;
    rotation = other.rotation;
    isLayered = other.isLayered;
}

entity* Waypoint::clone() const
{
    return new Waypoint(*this);
}

void Waypoint::setDefaults()
{
    kind = kindWaypoint;
    position = Ogre::Vector3::ZERO;
    camShotOrientation = Ogre::Vector3(180.0f, 0.0f, 0.0f);
    tension = 0.5f;
    speed = 1.0f;
    rotType = rotTypeFixed;
    rotSpeed = 0.3f;
    isChangeWeaponSet = 0;
    weaponSetShoot = 0;
    isLoop = 0;
    rotation = Ogre::Vector3::ZERO;
    animationName.clear();
    soundName.clear();
}
