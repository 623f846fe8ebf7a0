// The activation test of a trigger: the first rule that applies decides.
#include "world/Trigger.h"

#include "app/CollisionResult.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/TriggerKinds.h"
#include "world/link.h"

#include <OgreFrustum.h>
#include <OgreSceneNode.h>

namespace {

enum buttonActivation { buttonPressed = 0, buttonHeld = 1, buttonReleased = 2 };
constexpr int buttonStart = 8;
constexpr int buttonSelect = 9;
constexpr int buttonLeft = 10;
constexpr int buttonRight = 11;
constexpr int buttonUp = 12;
constexpr int buttonDown = 13;
constexpr float stickThreshold = 0.7f;

bool outlinesTouch(const std::vector<Obb*>& outlines, const Obb& target)
{
    for (const Obb* each : outlines) {
        if (!each)
            continue;
        CollisionResult result;
        Obb::collides(*each, target, Ogre::Vector2::ZERO, result);
        if (result.intersect)
            return true;
    }
    return false;
}

// The held state of a direction comes from the movement values, normalised.
bool isDirectionHeld(const Game& game, int button)
{
    Ogre::Vector2 stick(game.moveRight - game.moveLeft, game.moveUp - game.moveDown);
    if (stick.length() > 0.0f)
        stick.normalise();
    switch (button) {
    case buttonLeft: return stick.x < -stickThreshold;
    case buttonRight: return stick.x > stickThreshold;
    case buttonUp: return stick.y > stickThreshold;
    default: return stick.y < -stickThreshold;
    }
}

bool isButtonHeld(const Game& game, int button)
{
    if (button < 8)
        return game.shootHeld[static_cast<std::size_t>(button)];
    if (button == buttonStart)
        return game.startHeld;
    if (button == buttonSelect)
        return game.selectHeld;
    return isDirectionHeld(game, button);
}

bool buttonFlag(const Game& game, int button, bool pressed)
{
    if (button < 8)
        return (pressed ? game.shootPressed : game.shootReleased)[static_cast<std::size_t>(button)];
    switch (button) {
    case buttonStart: return pressed ? game.startPressed : game.startReleased;
    case buttonSelect: return pressed ? game.selectPressed : game.selectReleased;
    case buttonLeft: return pressed ? game.leftPressed : game.leftReleased;
    case buttonRight: return pressed ? game.rightPressed : game.rightReleased;
    case buttonUp: return pressed ? game.upPressed : game.upReleased;
    default: return pressed ? game.downPressed : game.downReleased;
    }
}

bool isStartedAndActive(const entity& object)
{
    return object.isStarted && object.status == entity::statusActive;
}

bool isStartedAndDone(const entity& object)
{
    const bool finished = object.status == entity::statusDone || object.status == entity::statusEnding
                          || (object.kind == kindTrigger && (object.status == entity::statusWaiting
                                                             || object.status == Trigger::statusConditionMet));
    return object.isStarted && finished;
}

} // namespace

bool Trigger::isConditionMet()
{
    if (isAlwaysOn)
        return true;
    if (type == triggerButton) {
        bool decided = false;
        const bool met = isButtonMet(decided);
        if (decided)
            return met;
    }
    const bool isLinkTest = activation_type == activationAllLinkedActive || activation_type == activationAllLinkedDone
                            || activation_type == activationAnyLinkedActive || activation_type == activationAnyLinkedDone;
    if ((activation_type == activationInView || (isLinkTest && linkedObjects.empty())) && isInWideView())
        return true;
    const Game& game = *Game::getSingletonPtr();
    switch (activation_type) {
    case activationPlayerContact: return isPlayerTouching();
    case activationAllLinkedActive:
    case activationAllLinkedDone:
    case activationAnyLinkedActive:
    case activationAnyLinkedDone: return !linkedObjects.empty() && linkedStatusMet();
    case activationEnemyContact: return isEnemyTouching();
    case activationAllWavesFinished: return game.waveCount != 0 && game.waveCount == game.finishedWaveCount;
    case activationScoreAbove: return game.totalScore > playerScore;
    case activationScoreBelow: return game.totalScore < playerScore;
    case activationKillsAbove: return level && level->killedEnemyCount > playerKills;
    case activationFirstEnemyLifeBelow:
    case activationFirstEnemyLifeAbove: return firstEnemyLifeMet();
    case activationContinuesBelow: return game.currentContinues < continues;
    case activationContinuesAbove: return game.currentContinues > continues;
    default: return false;
    }
}

// Sets decided when the button rules give the answer; pressed and released
// need a frame since the reset, so that a press from before does not count.
bool Trigger::isButtonMet(bool& decided)
{
    if (button_activation < buttonPressed || button_activation > buttonReleased)
        return false;
    decided = true;
    if (button < 0 || button > buttonDown)
        return false;
    const Game& game = *Game::getSingletonPtr();
    if (button_activation == buttonHeld)
        return isButtonHeld(game, button);
    return elapsed > 0.0 && buttonFlag(game, button, button_activation == buttonPressed);
}

bool Trigger::isInWideView()
{
    const GameCamera* camera = level ? level->camera : nullptr;
    if (!camera || !camera->wideFrustum || !sceneNode)
        return false;
    return camera->wideFrustum->isVisible(sceneNode->_getDerivedPosition());
}

bool Trigger::isPlayerTouching()
{
    if (!player || !outline || player->isBeingMoved || player->status != Player::statusPlaying)
        return false;
    outline->updateScreenPolygon();
    return outlinesTouch(player->outlines, *outline);
}

bool Trigger::isEnemyTouching()
{
    if (!outline || !level)
        return false;
    outline->updateScreenPolygon();
    for (const Wave* wave : level->waves) {
        if (!wave || wave->status != Wave::statusRunning)
            continue;
        for (const Enemy* enemy : wave->members)
            if (enemy && enemy->status == Enemy::statusAlive && enemy->isCollideWPlayer && outlinesTouch(enemy->outlines, *outline))
                return true;
    }
    return false;
}

bool Trigger::linkedStatusMet()
{
    std::size_t counted = 0;
    std::size_t activeCount = 0;
    std::size_t doneCount = 0;
    for (const entity* object : linkedObjects) {
        if (!object || object->isDisabled)
            continue;
        ++counted;
        activeCount += isStartedAndActive(*object) ? 1 : 0;
        doneCount += isStartedAndDone(*object) ? 1 : 0;
    }
    switch (activation_type) {
    case activationAllLinkedActive: return activeCount == counted;
    case activationAllLinkedDone: return doneCount == counted;
    case activationAnyLinkedActive: return activeCount > 0;
    default: return doneCount > 0;
    }
}

// A wave without members has no first enemy to test: it is skipped.
bool Trigger::firstEnemyLifeMet()
{
    for (std::size_t i = 0; i < linkedObjects.size(); ++i) {
        if (i < incomingLinks.size() && incomingLinks[i] && incomingLinks[i]->isDisabled)
            continue;
        const entity* object = linkedObjects[i];
        if (!object || object->kind != kindWave)
            continue;
        const auto* wave = static_cast<const Wave*>(object);
        const Enemy* first = wave->members.empty() ? nullptr : wave->members.front();
        if (!first)
            continue;
        if (activation_type == activationFirstEnemyLifeBelow
            && (first->currentLife < entityLifeLess || first->status == Enemy::statusDead
                || first->status == Enemy::statusDying))
            return true;
        if (activation_type == activationFirstEnemyLifeAbove && first->currentLife > entityLifeLess)
            return true;
    }
    return false;
}
