// The ship's per-run state and its return to play: at a level start, after
// a death and after a continue.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "app/StickDirection.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/materials/SpriteMaterialName.h"
#include "core/materials/SpriteMaterials.h"
#include "data/AttributeValues.h"
#include "data/pictureDefinition.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float degreesToRadians = 0.017453292f;
// The intro comes in from introAngle, measured a quarter turn on from +x.
constexpr float quarterTurn = 1.5707963267948966f;
// A sprite facing orient.y shows the frame a quarter turn further on.
constexpr float spriteFacingOffset = 90.0f;
// Sprite sheets of this type (and banking sprites) hold the level frame in the middle.
constexpr int bankingSheetType = 1;
constexpr float middleFrame = 0.5f;

// Shown unless the level holds the ship's layer and hides it.
bool isLayerShown(const Player& ship)
{
    if (!ship.level)
        return true;
    const auto found = ship.level->layers.find(static_cast<std::int32_t>(ship.layerId));
    return found == ship.level->layers.end() || found->second.isVisible;
}

// The field's particles gone, each attached effect back to its own switch
// (engine trails silent until the ship moves), the mesh colour cleared.
void resetEffects(Player& ship)
{
    if (Ogre::ParticleSystem* field = ship.forceField.particles) {
        field->setEmitting(false);
        field->clear();
    }
    for (sfxDefinition* effect : ship.sfxDefinitions) {
        effect->setEmitting(effect->isEnable);
        if (!effect->sfxBehavior)
            continue;
        if (Ogre::ParticleEmitter* emitter = emitterAt(effect->particleSystem, 0))
            emitter->setEmissionRate(0.0f);
    }
    ship.setColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
}

// The sprite faces its start direction with its material and animation fresh.
void refreshSprite(Player& ship)
{
    if (ship.spriteName.empty() || !ship.meshEntity)
        return;
    const float facing = (ship.orient.y + spriteFacingOffset) * degreesToRadians;
    quantizeStickDirection(Ogre::Vector2(std::cos(facing), std::sin(facing)), ship.animationDirectionWays, ship);
    refreshSpriteMaterial(ship.meshEntity, ship);
    const Game& game = *Game::getSingletonPtr();
    const auto sprite = game.spriteLibrary.find(ship.spriteName);
    const bool isBankingSheet =
        sprite != game.spriteLibrary.end() && sprite->second && sprite->second->animType == bankingSheetType;
    if (isBankingSheet || ship.isBanking)
        applyPictureTileParameters(ship.meshEntity, middleFrame);
}

// Back on the camera rig at full size, at the play position when asked; the
// intro flies in to the start position from there.
void placeForIntro(Player& ship, bool moveToPlayPosition)
{
    ship.sceneNode->setScale(ship.scale);
    ship.followCameraNode(!moveToPlayPosition);
    ship.sceneNode->setVisible(true);
    ship.previousPosition = ship.sceneNode->_getDerivedPosition();
    ship.syncScale();
    ship.updateObbs();
    ship.hasCameraLimitOutline = std::any_of(ship.outlines.begin(), ship.outlines.end(),
                                             [](const Obb* outline) { return outline->isCamLimits != 0; });
    if (ship.isBeingMoved)
        ship.moveStart = ship.sceneNode->getPosition();
    // Turned by the rig but not moved with it: the intro flight adds the
    // rig's position of each frame, so the ship keeps up with the scrolling
    // camera and ends its flight on its play position.
    Ogre::SceneNode* rig = ship.sceneNode->getParentSceneNode();
    ship.startPosition = rig ? rig->_getDerivedOrientation() * ship.pos : ship.pos;
}

} // namespace

void Player::resetRuntimeState()
{
    deathElapsed = 0.0;
    shrinkElapsed = 0.0;
    introElapsed = 0.0;
    offScreenTime = 0.0f;
    backgroundHitCooldown = 0.0;
    moveTimer = 0.0f;
    backgroundContactTime = BgCollisionTimeBeforeHit;
    isTouched = false;
    isBlinking = false;
    isSteering = false;
    forceField.isActive = false;
    forceField.radius = 0.0f;
    forceField.duration = 0.0f;
    forceField.durationLeft = 0.0;
    isDeathStarted = false;
    const float introDirection = introAngle * degreesToRadians + quarterTurn;
    introOffset = introDistance * Ogre::Vector2(std::cos(introDirection), std::sin(introDirection));
    const float introFlight = isIntroMove ? introDuration : 0.0f;
    startInvincibleTime = introInvincibleTime + introFlight;
    invincibilityTime = introInvincibleTime + (introFlight > 0.0f ? introFlight : 0.0f);
    currentSpeed = static_cast<float>(integerSpeed);
    isFocusMode = false;
}

void Player::respawn(bool moveToPlayPosition)
{
    setVisible(isLayerShown(*this));
    resetRuntimeState();
    // From the first respawn on, a two-way sprite turns between up and down.
    isAlternativeDirection = true;
    status = statusIntro;
    if (body)
        body->forceActivationState(DISABLE_SIMULATION);
    if (sceneNode)
        placeForIntro(*this, moveToPlayPosition);

    Game& game = *Game::getSingletonPtr();
    if (game.baseWeaponLevel > 0.0f)
        setWeaponLevel(truncatedInto<int>(game.baseWeaponLevel, 0));
    resetWeapons();
    resetEffects(*this);
    refreshSprite(*this);
    for (const std::string& sound : {collisionSound, collisionBulletsSound})
        loadSound(sound, false, false, false, false);
}
