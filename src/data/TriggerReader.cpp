#include "data/TriggerReader.h"
#include "data/AttributeValues.h"

#include "data/SectionAttributes.h"
#include "data/TriggerOverlayReader.h"
#include "core/Game.h"
#include "world/Trigger.h"
#include "world/TriggerKinds.h"
#include "world/link.h"

#include <cstdint>
#include <string>

namespace {

using Ogre::StringConverter;

// "None" and "none" name no sound.
std::string soundNameOf(const std::string& name) { return name == "None" || name == "none" ? std::string() : name; }

void readOwnAttributes(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes own(&element);
    trigger.screenName = reportedRequiredText(element, "screenName");
    trigger.layerId = static_cast<std::uint32_t>(own.optional("layer", 0));
    trigger.activation_type = static_cast<std::uint32_t>(requiredTruncated(element, "activation_type"));
    trigger.isSwitchOnly = own.reported("isSwitchOnly", false);
    trigger.isAlwaysOn = own.optional("isAlwaysOn", false);
    trigger.isAlwaysActivated = own.optional("isAlwaysActivated", false);
    trigger.isPlayUntilEnd = own.optional("isPlayUntilEnd", false);
    trigger.isKilledAddCount = own.optional("isKilledAddCount", true);
    trigger.isKilledExplode = own.optional("isKilledExplode", true);
}

// The trigger's size and turn; its position is returned for the scene set-up.
Ogre::Vector3 readPosition(const XmlNode& element, Trigger& trigger)
{
    const XmlNode* node = element.first_node("position");
    const SectionAttributes position(node);
    trigger.size = position.reported("scale", Ogre::Vector3::UNIT_SCALE);
    Ogre::Quaternion turn(1.0f, 1.0f, 1.0f, 0.0f);
    if (!node) {
        trigger.orientation = turn;
        return Ogre::Vector3::ZERO;
    }
    // A zero or non-finite turn would put NaN into the scene nodes.
    trigger.orientation = usableTurn(StringConverter::parseQuaternion(reportedRequiredText(*node, "orient")),
                                     Ogre::Quaternion::IDENTITY);
    return placedPositionOf(*node);
}

void readTimersAndCamera(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes timers = SectionAttributes::child(element, "timers");
    trigger.duration = timers.reported("duration", 1.0f);
    trigger.isCountDown = timers.reported("isCountDown", false);
    trigger.timeBeforeStart = timers.reported("timeBeforeStart", 0.0f);
    const SectionAttributes camera = SectionAttributes::child(element, "cameraShake");
    trigger.isCameraShake = camera.reported("isCameraShake", false);
    trigger.CameraShakeDuration = camera.reported("CameraShakeDuration", 0.0f);
    trigger.newCameraSpeedDuration = camera.reported("newCameraSpeedDuration", 0.0f);
    trigger.CameraShakeIntensity = camera.optional("CameraShakeIntensity", 4.0f);
    trigger.newCameraSpeed = camera.reported("newCameraSpeed", 0.0f);
    trigger.isCameraSpeed = camera.reported("isCameraSpeed", false);
}

void readActivations(const XmlNode& element, Trigger& trigger)
{
    const XmlNode* node = element.first_node("activations");
    const SectionAttributes activations(node);
    trigger.playerScore = node ? StringConverter::parseUnsignedInt(reportedRequiredText(*node, "playerScore"), 0) : 10000;
    trigger.playerKills = activations.reported("playerKills", 10);
    trigger.entityLifeLess = activations.reported("entityLifeLess", 1);
    trigger.continues = activations.optional("continues", 0);
    trigger.button = activations.optional("button", 0);
    trigger.button_activation = activations.optional("button_activation", 1);
}

void readSmartBomb(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes bomb = SectionAttributes::child(element, "smartBomb");
    trigger.smartBombItem = bomb.reported("smartBombItem", std::string());
    trigger.isCancelling = bomb.reported("isCancelling", false);
    trigger.smartBombPower = bomb.reported("smartBombPower", 20);
    trigger.isExplosion = bomb.optional("isExplosion", true);
    trigger.isCancellingAllBullets = bomb.optional("isCancellingAllBullets", false);
}

// "checkpoint" is read after "playerControl" and shares the move flag and
// the target position with it: its values win when both are given.
void readPlayerControl(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes control = SectionAttributes::child(element, "playerControl");
    trigger.isFreezePlayer = control.reported("isFreezePlayer", false);
    trigger.isHidePlayer = control.reported("isHidePlayer", false);
    trigger.isMovePlayer = control.reported("isMovePlayer", false);
    trigger.playerCantShoot = control.reported("playerCantShoot", false);
    trigger.isInvincible = control.reported("isInvincible", false);
    trigger.movePlayerToPosition = control.reported("movePlayerToPosition", Ogre::Vector2(0.5f, 0.5f));
    trigger.movePlayerDuration = control.optional("movePlayerDuration", 2.0f);
    trigger.invincibilityDuration = control.optional("invincibilityDuration", 0.0f);
    trigger.isNoSmartBombs = control.optional("isNoSmartBombs", false);
    const SectionAttributes checkpoint = SectionAttributes::child(element, "checkpoint");
    trigger.isSaveCameraPosition = checkpoint.reported("isSaveCameraPosition", true);
    trigger.isMovePlayer = checkpoint.reported("isUseRespawnPosition", trigger.isMovePlayer);
    trigger.movePlayerToPosition = checkpoint.reported("respawnPosition", trigger.movePlayerToPosition);
}

void readSound(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes sound = SectionAttributes::child(element, "sound");
    trigger.soundName = soundNameOf(sound.reported("soundName", std::string()));
    trigger.musicName = soundNameOf(sound.reported("musicName", std::string()));
    trigger.isSoundLooping = sound.reported("isSoundLooping", false);
    trigger.isSound3D = sound.reported("isSound3D", false);
    trigger.soundMaxDistance = sound.reported("soundMaxDistance", 100.0f);
    trigger.soundVolume = sound.reported("soundVolume", 1.0f);
    trigger.musicVolume = sound.optional("musicVolume", 1.0f);
    trigger.isMusicLooping = sound.optional("isMusicLooping", false);
    const Ogre::Vector2 pitch = sound.optional("soundPitch", Ogre::Vector2::ZERO);
    trigger.soundPitch[0] = pitch.x;
    trigger.soundPitch[1] = pitch.y;
}

void readLevelEnd(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes end = SectionAttributes::child(element, "endOfLevel");
    trigger.isEndOfLevelShowMessage = end.optional("isEndOfLevelShowMessage", true);
    trigger.isEndOfLevelShowScoreScreen = end.optional("isEndOfLevelShowScoreScreen", true);
    trigger.isEndOfLevelShowHighScoreScreen = end.optional("isEndOfLevelShowHighScoreScreen", true);
    trigger.isNextLevel = end.optional("isNextLevel", true);
    trigger.isLastLevel = end.optional("isLastLevel", false);
    trigger.nextLevelName = end.optional("nextLevelName", std::string());
}

void readItemDrop(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes item = SectionAttributes::child(element, "item");
    // Only the lower-case word names no item here.
    const std::string itemName = item.reported("itemName", std::string());
    trigger.itemName = itemName == "none" ? std::string() : itemName;
    trigger.itemNumber = item.heldCount("itemNumber", item.reported("itemNumber", 1.0f), Game::itemPoolCount);
    trigger.itemRadius = item.reported("itemRadius", 0.0f);
    trigger.itemRandom = item.reported("itemRandom", 0.5f);
    trigger.itemScore = item.reported("itemScore", 0);
}

void readVariable(const XmlNode& element, Trigger& trigger)
{
    const SectionAttributes variable = SectionAttributes::child(element, "variable");
    trigger.variableName = variable.reported("name", 0);
    trigger.testValueOperation = variable.reported("testValueOperation", 0);
    trigger.mathValueOperation = variable.reported("mathValueOperation", 0);
    trigger.conditionalVariableValue = variable.reported("conditionalVariableValue", 0.0f);
    trigger.valueType1 = variable.optional("valueType1", 1);
    trigger.internalVariableName = variable.reported("internalVariableName", std::string());
    trigger.valueType2 = variable.optional("valueType2", 0);
    trigger.isVar2Value = variable.optional("isVar2Value", true) || trigger.valueType2 == 0;
    trigger.variableName2 = variable.optional("variableName2", 0);
    trigger.internalVariable2Name = variable.optional("internalVariable2Name", std::string());
}

// Links name their far end; the level connects it once all objects exist.
void readLinks(const XmlNode& element, Trigger& trigger)
{
    for (const XmlNode* child : childElements(element, "linkIN")) {
        auto* incoming = new class link("link");
        trigger.incomingLinks.push_back(incoming);
        incoming->endName = reportedRequiredText(*child, "linkedEntityName");
        incoming->fromEntity = &trigger;
    }
    for (const XmlNode* child : childElements(element, "linkOUT")) {
        auto* outgoing = new class link("link");
        trigger.outgoingLinks.push_back(outgoing);
        outgoing->endName = reportedRequiredText(*child, "linkedEntityName");
        outgoing->fromEntity = &trigger;
        outgoing->isForward = 0;
    }
}

} // namespace

void readLevelTriggers(const XmlNode& root, std::vector<Trigger*>& triggers, Level* level)
{
    for (const XmlNode* element : childElements(root, "triggers")) {
        readTrigger(*element, triggers, level);
        triggers.back()->thumbnail.clear();
    }
}

void readTrigger(const XmlNode& element, std::vector<Trigger*>& triggers, Level* level)
{
    Trigger* trigger = newTrigger(static_cast<std::uint32_t>(requiredTruncated(element, "type")), reportedRequiredText(element, "triggerName"));
    triggers.push_back(trigger);
    readOwnAttributes(element, *trigger);
    const Ogre::Vector3 where = readPosition(element, *trigger);
    readTimersAndCamera(element, *trigger);
    readActivations(element, *trigger);
    readSmartBomb(element, *trigger);
    readPlayerControl(element, *trigger);
    readSound(element, *trigger);
    trigger->randomness = SectionAttributes::child(element, "random").reported("randomness", 5);
    readLevelEnd(element, *trigger);
    trigger->weaponSet = SectionAttributes::child(element, "weaponset").reported("weaponSet", 0);
    readItemDrop(element, *trigger);
    readVariable(element, *trigger);
    // A delayed start always waits for its linked objects to be active.
    if (trigger->type == triggerDelayedStart)
        trigger->activation_type = activationAllLinkedActive;
    readOverlay(element, *trigger, level);
    trigger->setupScene(where);
    readLinks(element, *trigger);
}
