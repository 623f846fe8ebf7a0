#include "data/WaypointReader.h"
#include "data/AttributeValues.h"

#include "data/LibraryFile.h"
#include "world/FiniteVector.h"
#include "world/Waypoint.h"

#include <OgreStringConverter.h>


namespace {

using Ogre::StringConverter;

void readPosition(const XmlNode& element, Waypoint& waypoint)
{
    waypoint.position = Ogre::Vector3::ZERO;
    waypoint.tension = 0.5f;
    if (const XmlNode* child = element.first_node("position")) {
        waypoint.position = requiredVector3(*child, "pos");
        waypoint.tension = requiredReal(*child, "Tension");
    }
}

void readRotation(const XmlNode& element, Waypoint& waypoint)
{
    waypoint.rotation = Ogre::Vector3::ZERO;
    waypoint.rotType = 0;
    waypoint.rotSpeed = 1.0f;
    waypoint.rotAngleLimit = 360.0f;
    if (const XmlNode* child = element.first_node("rotation")) {
        waypoint.rotation = requiredVector3(*child, "rot");
        waypoint.rotType = static_cast<std::uint32_t>(requiredTruncated(*child, "rotType"));
        waypoint.rotSpeed = requiredReal(*child, "RotAimSpeed");
        readOptional(*child, "rotAngleLimit", waypoint.rotAngleLimit);
    }
}

void readFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    bool value = target != 0;
    readOptional(node, name, value);
    target = value ? 1 : 0;
}

void setBehaviourDefaults(Waypoint& waypoint)
{
    waypoint.waitDuration = 0.0f;
    waypoint.isLoop = 0;
    waypoint.isChangeWeaponSet = 1;
    waypoint.weaponSetShoot = 0;
    waypoint.soundVolume = 0.7f;
    waypoint.soundName.clear();
    waypoint.soundPitch = Ogre::Vector2(0.0f, 0.1f);
    waypoint.isChangeAnimation = 0;
    waypoint.isPlayPreviousAnimationAfter = 0;
    waypoint.animationName.clear();
    waypoint.isHoming = 0;
    waypoint.homingStrength = 0.0f;
    waypoint.homingSpeed = 0.0f;
    waypoint.homingXY = Ogre::Vector2(1.0f, 1.0f);
    waypoint.homingTransDurations = Ogre::Vector2(1.0f, 1.0f);
}

void readBehaviours(const XmlNode& element, Waypoint& waypoint)
{
    setBehaviourDefaults(waypoint);
    const XmlNode* child = element.first_node("behaviors");
    if (!child)
        return;
    waypoint.waitDuration = requiredReal(*child, "wait");
    waypoint.isLoop = requiredFlag(*child, "loop") ? 1 : 0;
    waypoint.isChangeWeaponSet = requiredFlag(*child, "isChangeWeaponSet") ? 1 : 0;
    int weaponSet = 0;
    readOptional(*child, "weaponSetShoot", weaponSet);
    waypoint.weaponSetShoot = static_cast<std::uint32_t>(weaponSet);
    readOptional(*child, "soundVolume", waypoint.soundVolume);
    readOptional(*child, "soundName", waypoint.soundName);
    readOptional(*child, "soundPitch", waypoint.soundPitch);
    readFlag(*child, "isChangeAnimation", waypoint.isChangeAnimation);
    readFlag(*child, "isPlayPreviousAnimationAfter", waypoint.isPlayPreviousAnimationAfter);
    readOptional(*child, "animationName", waypoint.animationName);
    readFlag(*child, "isHoming", waypoint.isHoming);
    readOptional(*child, "homingStrength", waypoint.homingStrength);
    readOptional(*child, "homingSpeed", waypoint.homingSpeed);
    readOptional(*child, "homingXY", waypoint.homingXY);
    readOptional(*child, "homingTransDurations", waypoint.homingTransDurations);
}

} // namespace

void readWaypoint(const XmlNode& element, Waypoint& waypoint)
{
    waypoint.speed = requiredReal(element, "speed");
    readPosition(element, waypoint);
    readRotation(element, waypoint);
    readBehaviours(element, waypoint);
    // Data must not carry a non-finite number into a scene node.
    waypoint.position = finiteOr(waypoint.position, 0.0f);
    waypoint.rotation = finiteOr(waypoint.rotation, 0.0f);
}
