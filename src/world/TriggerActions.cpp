// What a trigger does when it fires, and the camera speed easing it runs
// while active.
#include "world/Trigger.h"

#include "app/AudioService.h"
#include "app/CameraProjection.h"
#include "app/OverlayWidget.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/Level.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/PathFollower.h"
#include "world/TriggerKinds.h"

#include <Overlay/OgreOverlayContainer.h>
#include <OgreControllerManager.h>
#include <OgreMovableObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {
constexpr float musicFadeSeconds = 0.7f;
// The follower's speed multiplier for a camera speed of 1.
constexpr float speedUnit = 0.2f;
} // namespace

void Trigger::activate()
{
    if (type == triggerStopLinked)
        startLinkedObjects(false);
    else if (type != triggerWeaponSet && type != triggerNoStartLinked)
        startLinkedObjects(true);
    if (!soundName.empty())
        playSound();
    if (!musicName.empty() && hasMusicChange())
        queueMusic(musicName, musicVolume, musicFadeSeconds, isMusicLooping);
    switch (type) {
    case triggerCamera: activateCamera(); break;
    case triggerWeaponSet: activateWeaponSet(); break;
    case triggerEndOfLevel: activateEndOfLevel(); break;
    case triggerCheckpoint: activateCheckpoint(); break;
    case triggerOverlay: activateOverlay(); break;
    case triggerSmartBomb: activateSmartBomb(); break;
    case triggerScoreAndItems: activateItems(); break;
    case triggerPlayerControl: activatePlayerControl(); break;
    default: break;
    }
}

void Trigger::activateCamera()
{
    GameCamera* camera = level ? level->camera : nullptr;
    if (!camera)
        return;
    if (isCameraShake && CameraShakeDuration != 0.0f)
        camera->shakeTime = CameraShakeDuration;
    if (isCameraSpeed && camera->follower) {
        startCameraSpeed = camera->follower->speedMult;
        level->speedTrigger = this;
    }
}

void Trigger::activateWeaponSet()
{
    Game& game = *Game::getSingletonPtr();
    for (entity* object : linkedFrom) {
        if (object && object->kind == kindWave) {
            for (Enemy* enemy : static_cast<Wave*>(object)->members)
                if (enemy)
                    enemy->resetWeapons(weaponSet);
        } else if (object && object->kind == kindPlayer) {
            auto* target = static_cast<Player*>(object);
            if (weaponSet >= static_cast<int>(target->weaponSets.size()))
                continue;
            game.baseWeaponLevel = static_cast<float>(weaponSet);
            if (!game.isWeaponChangeLocked && (!target->isFocusMode || target->focusWeaponSet == -1))
                target->setWeaponLevel(weaponSet);
        }
    }
}

void Trigger::activateEndOfLevel()
{
    Game& game = *Game::getSingletonPtr();
    const bool isNamed = !nextLevelName.empty() && !isNextLevel && !isLastLevel;
    game.nextLevelName = isNamed ? nextLevelName : std::string();
    game.isEndOfLevelShowMessage = isEndOfLevelShowMessage;
    game.isEndOfLevelShowScoreScreen = isEndOfLevelShowScoreScreen;
    game.isEndOfLevelShowHighScoreScreen = isEndOfLevelShowHighScoreScreen;
    game.isLastLevel = isLastLevel;
    game.setGameState(gameModeLevelComplete);
    status = statusEnding;
}

void Trigger::activateCheckpoint()
{
    if (isSaveCameraPosition && level && level->camera)
        level->camera->saveCheckpoint();
    Ogre::Vector3 respawn;
    if (isMovePlayer && player && screenPointToCamNode(movePlayerToPosition, respawn)) {
        player->respawnPosition = respawn;
        player->restartPosition = respawn;
    }
    status = statusEnding;
}

bool Trigger::screenPointToCamNode(const Ogre::Vector2& screenPoint, Ogre::Vector3& out) const
{
    if (!player || !player->camera || !sceneManager || !sceneManager->hasSceneNode("CamNode1"))
        return false;
    Ogre::Vector3 world;
    screenToPlaneY(world, screenPoint, player->playHeight, *player->camera);
    out = sceneManager->getSceneNode("CamNode1")->convertWorldToLocalPosition(world);
    return true;
}

// The shader time of a picture starts at 0 when the overlay appears.
void Trigger::activateOverlay()
{
    if (!overlay)
        return;
    overlay->transitionState = OverlayWidget::transitionAppearing;
    if (overlay->panel && !overlay->isText && overlay->panel->getMaterial()
        && Ogre::ControllerManager::getSingletonPtr()) {
        const float start = -Ogre::ControllerManager::getSingleton().getElapsedTime();
        overlay->panel->setCustomParameter(2, Ogre::Vector4(start, start, start, start));
    }
    if (isManualRenderingOrder)
        overlay->setZOrder(static_cast<std::uint16_t>(manualRenderingOrder));
    else if (level)
        overlay->setZOrder(static_cast<std::uint16_t>(++level->overlayCounter));
}

void Trigger::activateSmartBomb()
{
    if (level && level->state)
        level->state->damageAllEnemies(isCancelling, isCancellingAllBullets,
                                       isCancelling ? smartBombItem : std::string(), smartBombPower, isExplosion,
                                       true);
    status = statusEnding;
}

void Trigger::activateItems()
{
    if (itemScore > 0 && level)
        level->addScore(itemScore);
    if (!itemName.empty() && sceneNode)
        Game::getSingletonPtr()->spawnItem(itemName, sceneNode->_getDerivedPosition(), itemNumber,
                                           static_cast<int>(itemRadius), itemRandom, false);
}

void Trigger::activatePlayerControl()
{
    status = statusDone;
    if (!player)
        return;
    player->isFrozen = isFreezePlayer;
    if (isHidePlayer)
        player->setVisible(false);
    else if (player->movableObject && !player->movableObject->isVisible())
        player->setVisible(true);
    player->setShootingDisabled(playerCantShoot);
    player->isNoSmartBomb = isNoSmartBombs;
    if (isInvincible)
        player->invincibilityTime = invincibilityDuration;
    Ogre::Vector3 target;
    if (isMovePlayer && screenPointToCamNode(movePlayerToPosition, target)) {
        player->moveDuration = movePlayerDuration;
        player->moveTimer = movePlayerDuration;
        player->moveStart = player->position;
        player->moveTarget = target;
        player->isBeingMoved = true;
    }
}

void Trigger::updateActive(double)
{
    if (type != triggerCamera || !isCameraSpeed || !level || level->speedTrigger != this || !level->camera
        || !level->camera->follower)
        return;
    const float targetSpeed = newCameraSpeed * speedUnit;
    if (!(newCameraSpeedDuration > 0.0f)) {
        level->camera->follower->speedMult = targetSpeed;
        return;
    }
    speedProgress = std::min(static_cast<float>(elapsed / newCameraSpeedDuration), 1.0f);
    const float eased = std::clamp((3.0f - 2.0f * speedProgress) * speedProgress * speedProgress, 0.0f, 1.0f);
    level->camera->follower->speedMult = startCameraSpeed + (targetSpeed - startCameraSpeed) * eased;
}
