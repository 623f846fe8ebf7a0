#include "combat/PlayerSettings.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

void takeLook(Player& ship, const Player& from)
{
    ship.name = from.name;
    ship.thumbnail = from.thumbnail;
    ship.screenName = from.screenName;
    ship.parentName = from.parentName;
    ship.playerName = from.playerName;
    ship.meshName = from.meshName;
    ship.spriteName = from.spriteName;
    ship.isLayered = from.isLayered;
    ship.isCastShadows = from.isCastShadows;
    ship.animationDirectionWays = from.animationDirectionWays;
    ship.isSnapToDirection = from.isSnapToDirection;
    ship.symmetry = from.symmetry;
    ship.startSpriteOrientation = from.startSpriteOrientation;
}

void takeFocusAndMovement(Player& ship, const Player& from)
{
    ship.isFocus = from.isFocus;
    ship.isFocusPlusX = from.isFocusPlusX;
    ship.focusButton = from.focusButton;
    ship.focusWeaponSet = from.focusWeaponSet;
    ship.focusWeaponSetPlus = from.focusWeaponSetPlus;
    ship.focusPlayerSpeed = from.focusPlayerSpeed;
    ship.integerSpeed = from.integerSpeed;
    ship.usePhysics = from.usePhysics;
    ship.Braking = from.Braking;
    ship.Acceleration = from.Acceleration;
    ship.gravity = from.gravity;
    ship.isOnlyLateral = from.isOnlyLateral;
    ship.isMouseMovePlayer = from.isMouseMovePlayer;
    ship.isMouseUseSpeed = from.isMouseUseSpeed;
    ship.baseSpeed = from.baseSpeed;
    ship.currentSpeed = from.currentSpeed;
    ship.type = from.type;
    ship.bankLimits = from.bankLimits;
    ship.rotationSpeed = from.rotationSpeed;
    ship.isBanking = from.isBanking;
    ship.bankSpeed = from.bankSpeed;
}

void takeHitsAndDeath(Player& ship, const Player& from)
{
    ship.BgCollisionDamage = from.BgCollisionDamage;
    ship.enemyCollisionDamage = from.enemyCollisionDamage;
    ship.isCollisionRepulse = from.isCollisionRepulse;
    ship.isEnemyCollisionRepulse = from.isEnemyCollisionRepulse;
    ship.BgCollisionTimeBeforeHit = from.BgCollisionTimeBeforeHit;
    ship.collisionSound = from.collisionSound;
    ship.collisionBulletsSound = from.collisionBulletsSound;
    ship.invicibilityTimeWhenHit = from.invicibilityTimeWhenHit;
    ship.hitParticleName = from.hitParticleName;
    ship.hitBoxIndex = from.hitBoxIndex;
    ship.shrinkDuration = from.shrinkDuration;
    ship.deathTranslation = from.deathTranslation;
    ship.deathRotation = from.deathRotation;
    ship.explosionName = from.explosionName;
    ship.explosionNumber = from.explosionNumber;
    ship.explosionRadius = from.explosionRadius;
    ship.explosionScale = from.explosionScale;
    ship.destructionTime = from.destructionTime;
}

void takeIntro(Player& ship, const Player& from)
{
    ship.isIntroMove = from.isIntroMove;
    ship.introAngle = from.introAngle;
    ship.introDistance = from.introDistance;
    ship.introDuration = from.introDuration;
    ship.introInvincibleTime = from.introInvincibleTime;
    ship.timeBeforeRestart = from.timeBeforeRestart;
    ship.isRestartCancelBullets = from.isRestartCancelBullets;
    ship.timeBeforeEnemiesCanShoot = from.timeBeforeEnemiesCanShoot;
}

// The same particle definition with the model's settings; its particles are
// made again only when the template changed.
void retakeEffect(sfxDefinition& effect, const sfxDefinition& model)
{
    const bool isNewTemplate = effect.sfxName != model.sfxName;
    effect.sfxName = model.sfxName;
    effect.isEnable = model.isEnable;
    effect.sfxBehavior = model.sfxBehavior;
    effect.isOnTop = model.isOnTop;
    effect.position = model.position;
    effect.orientation = model.orientation;
    effect.scale = model.scale;
    if (isNewTemplate)
        effect.loadParticleSystem(effect.sfxName);
    if (effect.sceneNode) {
        effect.sceneNode->setPosition(effect.position);
        effect.sceneNode->setOrientation(effect.orientation);
    }
    effect.applyScale();
}

void retakeOutline(Obb& outline, const Obb& model)
{
    outline.isInvicible = model.isInvicible;
    outline.isHitBox = model.isHitBox;
    outline.isCamLimits = model.isCamLimits;
    outline.isCollideWithEnemies = model.isCollideWithEnemies;
    outline.isCollideWithBackgrounds = model.isCollideWithBackgrounds;
    outline.isCollideWithItems = model.isCollideWithItems;
    outline.placedPosition = model.placedPosition;
    outline.rotation = model.rotation;
    outline.setPosition();
    outline.setOrientationFromAxes();
}

} // namespace

void takeDefinitionSettings(Player& ship, const Player& definition)
{
    takeLook(ship, definition);
    takeFocusAndMovement(ship, definition);
    takeHitsAndDeath(ship, definition);
    takeIntro(ship, definition);
}

void placeGun(Weapon& gun, const Weapon& model)
{
    gun.savedPosition = model.savedPosition;
    gun.savedOrientation = model.savedOrientation;
    if (gun.sceneNode)
        gun.sceneNode->setPosition(gun.savedPosition);
    gun.restoreOrientation();
    gun.button = model.button;
}

void retakeEffects(Player& ship, const Player& definition)
{
    const std::size_t count = std::min(ship.sfxDefinitions.size(), definition.sfxDefinitions.size());
    for (std::size_t i = 0; i < count; ++i)
        retakeEffect(*ship.sfxDefinitions[i], *definition.sfxDefinitions[i]);
}

void retakeGuns(Player& ship, const Player& definition)
{
    const std::size_t sets = std::min(ship.weaponSets.size(), definition.weaponSets.size());
    for (std::size_t s = 0; s < sets; ++s) {
        const std::size_t guns = std::min(ship.weaponSets[s].size(), definition.weaponSets[s].size());
        for (std::size_t g = 0; g < guns; ++g) {
            Weapon& gun = *ship.weaponSets[s][g];
            gun.createEffects(gun.definition, false);
            placeGun(gun, *definition.weaponSets[s][g]);
            gun.reset();
        }
    }
}

void retakeOutlines(Player& ship, const Player& definition)
{
    const std::size_t count = std::min(ship.outlines.size(), definition.outlines.size());
    for (std::size_t i = 0; i < count; ++i)
        retakeOutline(*ship.outlines[i], *definition.outlines[i]);
}
