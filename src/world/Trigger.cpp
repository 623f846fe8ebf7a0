// Construction, copy and destruction of a trigger.
#include "world/Trigger.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/TriggerKinds.h"
#include "world/link.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

Trigger::Trigger(const std::string& triggerName)
{
    kind = kindTrigger;
    thumbnail = "icon_trigger.tga";
    name = triggerName;
}

Trigger* newTrigger(std::uint32_t type, const std::string& name)
{
    auto* trigger = new Trigger(name);
    trigger->type = type;
    return trigger;
}

Trigger::Trigger(const Trigger& source, bool keepUnbound) : Trigger(std::string())
{
    parentName = source.parentName;
    layerId = source.layerId;
    level = source.level;
    player = source.player;
    screenName = source.screenName;
    position = source.position;
    placedPosition = source.placedPosition;
    orientation = source.orientation;
    rotation = source.rotation;
    scale = source.scale;
    copySettings(source);
    name = "Trigger" + std::to_string(level ? level->nextTriggerNumber() : 1);
    if (type == triggerOverlay)
        keyString = Game::getSingletonPtr()->makeTextKey(Game::getSingletonPtr()->defaultTexts);
    if (source.overlay)
        overlay = new OverlayWidget(*source.overlay);
    if (keepUnbound)
        return;
    setupScene(source.placedPosition);
    reset();
}

entity* Trigger::clone() const
{
    return clone(false);
}

entity* Trigger::clone(bool keepUnbound) const
{
    return new Trigger(*this, keepUnbound);
}

Trigger::~Trigger()
{
    delete outline;
    delete overlay;
    for (std::vector<class link*>* links : {&incomingLinks, &outgoingLinks}) {
        for (class link* each : *links) {
            each->destroyGraphics();
            delete each;
        }
        links->clear();
    }
    linkedObjects.clear();
    linkedFrom.clear();
    if (sceneManager && ownNode) {
        ownNode->removeAndDestroyAllChildren();
        sceneManager->destroySceneNode(ownNode);
    }
    if (sceneManager && sceneNode) {
        sceneNode->detachAllObjects();
        sceneManager->destroySceneNode(sceneNode);
    }
    releaseSound();
}

void Trigger::copySettings(const Trigger& source)
{
    activation_type = source.activation_type;
    type = source.type;
    size = source.size;
    isSwitchOnly = source.isSwitchOnly;
    isPlayUntilEnd = source.isPlayUntilEnd;
    isAlwaysOn = source.isAlwaysOn;
    isOnce = source.isOnce;
    isAlwaysActivated = source.isAlwaysActivated;
    isCameraSpeed = source.isCameraSpeed;
    isKilledAddCount = source.isKilledAddCount;
    isKilledExplode = source.isKilledExplode;
    elapsed = source.elapsed;
    timeBeforeStart = source.timeBeforeStart;
    endCountdown = source.endCountdown;
    isCountDown = source.isCountDown;
    duration = source.duration;
    startCameraSpeed = source.startCameraSpeed;
    speedProgress = source.speedProgress;
    isCancelling = source.isCancelling;
    isCancellingAllBullets = source.isCancellingAllBullets;
    smartBombItem = source.smartBombItem;
    smartBombPower = source.smartBombPower;
    isExplosion = source.isExplosion;
    keyString = source.keyString;
    isManualRenderingOrder = source.isManualRenderingOrder;
    manualRenderingOrder = source.manualRenderingOrder;
    randomness = source.randomness;
    variableName = source.variableName;
    variableName2 = source.variableName2;
    internalVariableName = source.internalVariableName;
    internalVariable2Name = source.internalVariable2Name;
    testValueOperation = source.testValueOperation;
    mathValueOperation = source.mathValueOperation;
    conditionalVariableValue = source.conditionalVariableValue;
    valueType1 = source.valueType1;
    valueType2 = source.valueType2;
    isVar2Value = source.isVar2Value;
    weaponSet = source.weaponSet;
    itemName = source.itemName;
    itemNumber = source.itemNumber;
    itemRadius = source.itemRadius;
    itemRandom = source.itemRandom;
    itemScore = source.itemScore;
    isFreezePlayer = source.isFreezePlayer;
    isHidePlayer = source.isHidePlayer;
    isMovePlayer = source.isMovePlayer;
    playerCantShoot = source.playerCantShoot;
    isNoSmartBombs = source.isNoSmartBombs;
    isInvincible = source.isInvincible;
    movePlayerToPosition = source.movePlayerToPosition;
    movePlayerDuration = source.movePlayerDuration;
    invincibilityDuration = source.invincibilityDuration;
    button = source.button;
    button_activation = source.button_activation;
    isNextLevel = source.isNextLevel;
    isLastLevel = source.isLastLevel;
    nextLevelName = source.nextLevelName;
    isEndOfLevelShowMessage = source.isEndOfLevelShowMessage;
    isEndOfLevelShowScoreScreen = source.isEndOfLevelShowScoreScreen;
    isEndOfLevelShowHighScoreScreen = source.isEndOfLevelShowHighScoreScreen;
    playerScore = source.playerScore;
    playerKills = source.playerKills;
    entityLifeLess = source.entityLifeLess;
    continues = source.continues;
    newCameraSpeed = source.newCameraSpeed;
    newCameraSpeedDuration = source.newCameraSpeedDuration;
    isCameraShake = source.isCameraShake;
    CameraShakeDuration = source.CameraShakeDuration;
    CameraShakeIntensity = source.CameraShakeIntensity;
    soundName = source.soundName;
    musicName = source.musicName;
    isMusicLooping = source.isMusicLooping;
    isSoundLooping = source.isSoundLooping;
    isSound3D = source.isSound3D;
    soundMaxDistance = source.soundMaxDistance;
    soundVolume = source.soundVolume;
    musicVolume = source.musicVolume;
    std::copy(std::begin(source.soundPitch), std::end(source.soundPitch), std::begin(soundPitch));
    isSaveCameraPosition = source.isSaveCameraPosition;
}
