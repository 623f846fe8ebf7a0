// The level's event object: an invisible entity (kind 4) that waits for its
// condition (activation_type), then performs its effect (type), keeps it
// running for a while and ends. Triggers start and stop waves, enemies and
// other triggers through their links, show overlay messages, end the level,
// set checkpoints, change the camera, drop items, fire bombs and take control
// of the player. Status: 0 waiting, 1 condition met, 2 active, 4 ending,
// 3 done; the condition is tested only while isStarted (armed) is set.
//
// The code is split by concern: Trigger.cpp (construction, copy, scene set-up,
// size, outline), TriggerState.cpp (state machine and reset),
// TriggerConditions.cpp (activation tests), TriggerActions.cpp (effects),
// TriggerLinks.cpp (linked objects and links), TriggerSound.cpp (sound, music).
#pragma once

#include "platform/sound/Channel.h"
#include "world/entity.h"

#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
}
namespace platform {
class Sound;
}

class Level;
class Obb;
class OverlayWidget;
class Player;
class link;

class Trigger : public entity {
public:
    // A trigger's status 1: its condition is met and it waits to activate.
    static constexpr std::uint32_t statusConditionMet = statusStarted;

    explicit Trigger(const std::string& triggerName);
    // A copy named "Trigger" + the level's next trigger number, without links,
    // outline, own node or movable object; bound to the scene at the source's
    // placed position and reset unless keepUnbound is set.
    Trigger(const Trigger& source, bool keepUnbound = false);
    Trigger& operator=(const Trigger&) = delete;
    ~Trigger() override;

    entity* clone() const override;
    entity* clone(bool keepUnbound) const;

    void setupScene(const Ogre::Vector3& worldPosition);
    // The child node that carries the outline and the visual size; once only.
    void createNode();
    void setSize(const Ogre::Vector3& newSize);
    void update(double seconds);
    void reset();
    void activate();
    void updateActive(double seconds);
    void setOverlayVisible(bool visible);
    bool isConditionMet();
    void updateOverlayPosition();
    // A bad index is ignored.
    void deleteLink(std::size_t index, bool incoming);

    void startLinkedObjects(bool start);
    static void armAndUpdate(Trigger* linked);
    void loadSound();
    void releaseSound();
    void playSound();
    void stopSound();
    bool hasMusicChange() const;

    void setWorldPosition(const Ogre::Vector3& worldPosition) override;
    void applyRotation(const Ogre::Vector3& degrees) override;
    void saveOrientation() override;
    void setActive(bool active) override;

    std::uint32_t activation_type = 2;
    std::uint32_t type = 0;
    Ogre::Vector3 size{5.0f, 4.0f, 5.0f};
    bool isSwitchOnly = false;
    bool isPlayUntilEnd = false;
    bool isAlwaysOn = false;
    // Set by reset for type 17 unless switch-only: the condition gets one test.
    bool isOnce = false;
    bool isAlwaysActivated = false;
    bool isCameraSpeed = false;
    bool isKilledAddCount = true;
    bool isKilledExplode = true;
    // Seconds spent in the current status.
    double elapsed = 0.0;
    double timeBeforeStart = 0.0;
    // Seconds the ending status lasts.
    double endCountdown = 0.0;
    bool isCountDown = false;
    float duration = 1.0f;
    // The camera speed easing of type 8.
    float startCameraSpeed = 0.0f;
    float speedProgress = 0.0f;
    // Smart bomb.
    bool isCancelling = false;
    bool isCancellingAllBullets = false;
    std::string smartBombItem;
    int smartBombPower = 20;
    bool isExplosion = true;
    // Text key of the overlay text.
    std::string keyString;
    // Overlay Z order.
    bool isManualRenderingOrder = false;
    int manualRenderingOrder = 1;
    // Type 11 fires with probability 1 / randomness.
    int randomness = 2;
    // The "variable" element, stored and copied only. Its "name" attribute is
    // variableName here: entity::name is the trigger's own name.
    int variableName = 0;
    int variableName2 = 0;
    std::string internalVariableName;
    std::string internalVariable2Name;
    int testValueOperation = 2;
    int mathValueOperation = 0;
    float conditionalVariableValue = 0.0f;
    int valueType1 = 1;
    int valueType2 = 0;
    bool isVar2Value = true;
    int weaponSet = 0;
    // Items and score dropped by type 12.
    std::string itemName;
    int itemNumber = 1;
    float itemRadius = 0.0f;
    float itemRandom = 0.5f;
    std::int64_t itemScore = 0;
    // Player control (type 16); the move flag and target position serve the
    // checkpoint's respawn position as well (type 4).
    bool isFreezePlayer = false;
    bool isHidePlayer = false;
    bool isMovePlayer = false;
    bool playerCantShoot = false;
    bool isNoSmartBombs = false;
    bool isInvincible = false;
    // A normalised screen point.
    Ogre::Vector2 movePlayerToPosition{0.5f, 0.5f};
    float movePlayerDuration = 2.0f;
    float invincibilityDuration = 0.0f;
    // Type 15: button 0-7 shoot, 8 start, 9 select, 10-13 left, right, up,
    // down; button_activation 0 pressed, 1 held, 2 released.
    int button = 0;
    int button_activation = 0;
    // End of level.
    bool isNextLevel = true;
    bool isLastLevel = false;
    std::string nextLevelName;
    bool isEndOfLevelShowMessage = true;
    bool isEndOfLevelShowScoreScreen = true;
    bool isEndOfLevelShowHighScoreScreen = true;
    // Thresholds of the activation types.
    std::int64_t playerScore = 10000;
    int playerKills = 10;
    int entityLifeLess = 1;
    int continues = 1;
    // Camera speed and shake (type 8); the intensity does not change the shake.
    float newCameraSpeed = 1.0f;
    float newCameraSpeedDuration = 0.5f;
    bool isCameraShake = false;
    float CameraShakeDuration = 0.0f;
    float CameraShakeIntensity = 4.0f;
    // Sound and music.
    std::string soundName;
    std::string musicName;
    bool isMusicLooping = true;
    bool isSoundLooping = false;
    bool isSound3D = false;
    float soundMaxDistance = 100.0f;
    float soundVolume = 1.0f;
    float musicVolume = 1.0f;
    // Shift and spread of the pitch around 1: the default pair leaves it.
    float soundPitch[2] = {0.0f, 0.0f};
    // The playing sound's channel and the sound loaded for soundName.
    platform::Channel channel;
    platform::Sound* sound = nullptr;
    bool isSaveCameraPosition = true;
    // Owned.
    OverlayWidget* overlay = nullptr;
    Obb* outline = nullptr;
    // Owned links: "linkIN" and "linkOUT" elements.
    std::vector<class link*> incomingLinks;
    std::vector<class link*> outgoingLinks;
    // Taken from the Game at scene set-up; not owned.
    Level* level = nullptr;
    Player* player = nullptr;
    Ogre::Camera* playCamera = nullptr;
    // Child of the trigger's node carrying the outline and the visual size.
    Ogre::SceneNode* ownNode = nullptr;
    // Contact triggers and type 2 have their own node and outline; the rest
    // are not drawn.
    bool needsOwnNode() const;

private:
    // Every setting of the data model, nothing bound to the scene.
    void copySettings(const Trigger& source);
    void resetState();
    void updateOutline();
    void stepWaiting(double seconds);
    void stepConditionMet(double seconds);
    void stepActive(double seconds);
    void stepEnding(double seconds);
    bool switchOnlyEnds();
    bool typeEnds();
    bool isButtonMet(bool& decided);
    bool isInWideView();
    bool isPlayerTouching();
    bool isEnemyTouching();
    bool linkedStatusMet();
    bool firstEnemyLifeMet();
    // The world point the player's camera sees at the screen point on its play
    // plane, in the space of "CamNode1"; false without the camera or the node.
    bool screenPointToCamNode(const Ogre::Vector2& screenPoint, Ogre::Vector3& out) const;
    void activateCamera();
    void activateWeaponSet();
    void activateEndOfLevel();
    void activateCheckpoint();
    void activateOverlay();
    void activateSmartBomb();
    void activateItems();
    void activatePlayerControl();
    void stopLinkedObject(entity* target);
};

// A trigger made with the name and given the type.
Trigger* newTrigger(std::uint32_t type, const std::string& name);
