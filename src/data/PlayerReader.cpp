// One "player" element into a Player. The sections "ROTATION", "position",
// "gameplay", "Death" and "physics" write every value whether they are there
// or not, their reader defaults standing in, so a ship read over an earlier
// element is reset; the element's own attributes, "toybox", "intro",
// "ANIMATION" and a few optional attributes change only what they carry.
#include "data/PlayersReader.h"

#include "combat/Player.h"
#include "combat/Weapon.h"
#include "data/PlayerPartsReader.h"
#include "data/SectionValues.h"
#include "world/sfxManager.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

// The focus set the editor writes when the ship has none; a ship with at
// least this many sets could really mean its set 10.
constexpr std::int32_t unsetFocusWeaponSet = 10;
constexpr std::size_t weaponSetsForSetTen = 100;
const char* const fallbackWeaponSetName = "Set1";

void readOwnAttributes(const XmlNode& element, Player& player)
{
    const SectionValues own(&element);
    player.playerName = own.text("playerName", optional, player.playerName);
    player.spriteName = own.text("spriteName", optional, player.spriteName);
    if (!player.spriteName.empty())
        player.isLayered = 1;
    player.meshName = own.text("meshName", optional, player.meshName);
    player.isCastShadows = own.flag("isCastShadows", optional, player.isCastShadows);
    player.layerId = static_cast<std::uint32_t>(own.integer("layer", optional, static_cast<int>(player.layerId)));
}

void readToybox(const XmlNode& element, Player& player)
{
    const SectionValues toybox(element, "toybox");
    player.name = toybox.text("parentName", optional, player.name);
    player.thumbnail = toybox.text("thumbnail", optional, player.thumbnail);
    player.screenName = toybox.text("screenName", optional, player.screenName);
}

void readIntro(const XmlNode& element, Player& player)
{
    const SectionValues intro(element, "intro");
    if (!intro.isPresent())
        return;
    player.introAngle = intro.real("introAngle", required, player.introAngle);
    player.introDuration = intro.real("introDuration", required, player.introDuration);
    player.introDistance = intro.real("introDistance", optional, player.introDistance);
    player.introInvincibleTime = intro.real("introInvincibleTime", required, player.introInvincibleTime);
    player.timeBeforeRestart = intro.real("timeBeforeRestart", required, player.timeBeforeRestart);
    player.isRestartCancelBullets = intro.flag("isRestartCancelBullets", required, player.isRestartCancelBullets);
    player.timeBeforeEnemiesCanShoot =
        intro.real("timeBeforeEnemiesCanShoot", required, player.timeBeforeEnemiesCanShoot);
    player.isIntroMove = intro.flag("isIntroMove", optional, player.isIntroMove);
}

void readRotation(const XmlNode& element, Player& player)
{
    const SectionValues rotation(element, "ROTATION");
    player.type = rotation.count("type", required, 0);
    player.bankLimits = rotation.pair("bankLimits", optional, Ogre::Vector2(20.0f, 0.0f));
    player.bankSpeed = std::max(0.0f, rotation.real("bankSpeed", optional, 4.0f));
    player.rotationSpeed = rotation.real("rotationSpeed", optional, 15.0f);
    player.isBanking = rotation.flag("isBanking", required, 1);
}

void readPosition(const XmlNode& element, Player& player, PlayerElementMode mode)
{
    const SectionValues position(element, "position");
    player.pos = position.vector("pos", required, Ogre::Vector3(0.0f, -76.0f, 0.0f));
    player.savedPosition = player.pos;
    player.scale = position.scale("sca", required, Ogre::Vector3::UNIT_SCALE);
    player.orient = position.vector("orient", required, Ogre::Vector3::ZERO);
    // A level places the ship; how it is mirrored and drawn is the definition's.
    if (mode == PlayerElementMode::instance)
        return;
    player.symmetry = position.integer("symmetry", optional, 1);
    player.startSpriteOrientation = position.turn("startSpriteOrientation", optional);
}

void readGameplay(const XmlNode& element, Player& player)
{
    const SectionValues gameplay(element, "gameplay");
    player.BgCollisionDamage = gameplay.count("BgCollisionDamage", required, 1);
    player.BgCollisionTimeBeforeHit = std::max(0.0f, gameplay.real("BgCollisionTimeBeforeHit", required, 0.0f));
    player.enemyCollisionDamage = gameplay.integer("enemyCollisionDamage", required, 1);
    player.isCollisionRepulse = gameplay.flag("isCollisionRepulse", required, 0);
    player.isEnemyCollisionRepulse = gameplay.flag("isEnemyCollisionRepulse", optional, 0);
    player.invicibilityTimeWhenHit = gameplay.real("invicibilityTimeWhenHit", optional, 1.55f);
    player.collisionSound = gameplay.text("collisionSound", optional, "impact.ogg");
    player.isFocus = gameplay.flag("isFocus", optional, 0);
    player.isFocusPlusX = gameplay.flag("isFocusPlusX", optional, 0);
    player.focusWeaponSetPlus = gameplay.integer("focusWeaponSetPlus", optional, 1);
    player.focusButton = gameplay.integer("focusButton", optional, 0);
    player.focusWeaponSet = gameplay.integer("focusWeaponSet", optional, unsetFocusWeaponSet);
    player.focusPlayerSpeed = gameplay.integer("focusPlayerSpeed", optional, 30);
    player.collisionBulletsSound = gameplay.text("collisionBulletsSound", optional, "impact.ogg");
    player.hitParticleName = gameplay.text("hitParticleName", optional, player.hitParticleName);
}

void readDeath(const XmlNode& element, Player& player)
{
    const SectionValues death(element, "Death");
    player.explosionName = death.text("explosionName", required, "explo_small01");
    player.explosionScale = death.real("explosionScale", required, 1.0f);
    player.destructionTime = death.real("destructionTime", required, 0.0f);
    player.deathTranslation = death.vector("deathTranslation", optional, Ogre::Vector3::ZERO);
    player.deathRotation = death.vector("deathRotation", optional, Ogre::Vector3::ZERO);
    player.explosionRadius = death.real("explosionRadius", optional, 0.0f);
    player.explosionNumber = death.count("explosionNumber", optional, 1, sfxManager::mostExplosionsOfOneDeath);
}

void readAnimation(const XmlNode& element, Player& player)
{
    const SectionValues animation(element, "ANIMATION");
    player.animationDirectionWays =
        animation.integer("animationDirectionWays", optional, player.animationDirectionWays);
    player.isSnapToDirection = animation.flag("isSnapToDirection", optional, player.isSnapToDirection);
}

void readPhysics(const XmlNode& element, Player& player)
{
    const SectionValues physics(element, "physics");
    const float speed = physics.real("speed", optional, 45.0f);
    player.baseSpeed = speed;
    player.currentSpeed = speed;
    player.integerSpeed = truncatedInto<std::int32_t>(speed, 0);
    player.Acceleration = physics.real("Acceleration", optional, 20.0f);
    player.Braking = physics.real("Braking", optional, 20.0f);
    player.gravity = physics.real("gravity", optional, 0.0f);
    player.usePhysics = physics.flag("usePhysics", optional, 0);
    player.isOnlyLateral = physics.flag("isOnlyLateral", optional, 0);
    player.isMouseMovePlayer = physics.flag("isMouseMovePlayer", optional, 0);
    player.isMouseUseSpeed = physics.flag("isMouseUseSpeed", optional, 0);
}

// A ship always has a set to fire, and the editor's unset focus set means none.
void completeWeaponSets(Player& player)
{
    if (player.weaponSets.empty()) {
        player.weaponSets.push_back({new Weapon()});
        player.weaponSetNames.push_back(fallbackWeaponSetName);
    }
    if (player.focusWeaponSet == unsetFocusWeaponSet && player.weaponSets.size() < weaponSetsForSetTen)
        player.focusWeaponSet = Player::noFocusSet;
}

} // namespace

void readPlayer(const XmlNode& element, Player& player, Level* level, PlayerElementMode mode)
{
    readOwnAttributes(element, player);
    readToybox(element, player);
    readIntro(element, player);
    readRotation(element, player);
    readPosition(element, player, mode);
    readGameplay(element, player);
    readDeath(element, player);
    readAnimation(element, player);
    readPlayerEffects(element, player);
    readPhysics(element, player);
    readPlayerOutlines(element, player);
    readPlayerRotors(element, player);
    readPlayerWeaponSets(element, player, level, mode);
    completeWeaponSets(player);
}
