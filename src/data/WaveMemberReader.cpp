#include "data/WaveMemberReader.h"

#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "data/ObbReader.h"
#include "data/OwnedPartsReader.h"
#include "data/SectionValues.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

const char* const steeringAiName = "AI_STEERING";
const char* const rotorOrientationAttribute = "Rot";

void readTank(const XmlNode& element, Tank& tank)
{
    const SectionValues turret(element, "Tank");
    tank.turOffset = turret.vector("turOffset", required, Ogre::Vector3::ZERO);
    tank.canOffset = turret.vector("canOffset", required, Ogre::Vector3::ZERO);
    tank.canHoleOffset = turret.vector("canHoleOffset", required, Ogre::Vector3::ZERO);
    tank.canLimitS = turret.real("canLimitS", required, -1.0f);
    tank.canLimitE = turret.real("canLimitE", required, 90.0f);
    tank.turretLimits = turret.pair("turretLimits", optional, Ogre::Vector2(-1.0f, 360.0f));
    tank.turSpeed = turret.real("turSpeed", required, 1.0f);
    tank.canSpeed = turret.real("canSpeed", required, 3.0f);
}

void readSnake(const XmlNode& element, Enemy& member)
{
    const SectionValues snake(element, "Snake");
    member.isSnake = snake.flag("isSnake", required, 0);
    // A segment is built like a member: a snake has no more than a wave.
    member.snakeNumber = snake.count("snakeNumber", required, 10, Spawner::maxSpawns);
    member.snakeDistance = snake.real("snakeDistance", required, 5.0f);
    member.isSnakeBodyInvincible = snake.flag("isSnakeBodyInvincible", optional, 0);
    member.isSnakeHeadInvincible = snake.flag("isSnakeHeadInvincible", optional, 0);
    member.isSnakeTailInvincible = snake.flag("isSnakeTailInvincible", optional, 0);
}

void readCollisions(const XmlNode& element, Enemy& member)
{
    const SectionValues collisions(element, "Collisions");
    member.isCollideWPlayer = collisions.flag("isCollideWPlayer", required, 0);
    member.isCollideWBullets = collisions.flag("isCollideWBullets", required, 0);
    member.isCollideWEnemyBullets = collisions.flag("isCollideWEnemyBullets", required, 0);
}

void readWobble(const XmlNode& element, Enemy& member)
{
    const SectionValues wobble(element, "CosAnimation");
    member.AnimRot = wobble.vector("AnimRot", required, Ogre::Vector3::ZERO);
    member.sinSpeed = wobble.vector("sinSpeed", required, Ogre::Vector3::ZERO);
    member.sindistance = wobble.vector("sindistance", required, Ogre::Vector3::ZERO);
}

void readGameplay(const XmlNode& element, Wave& wave, Enemy& member)
{
    const SectionValues gameplay(element, "GAMEPLAY");
    member.life = gameplay.count("life", optional, 0);
    member.currentLife = member.previousLife = member.life;
    member.score = gameplay.count("score", optional, 0);
    member.damage = gameplay.count("damage", optional, 1);
    wave.killChildren = gameplay.flag("killChildren", optional, 0);
    member.scoreWhenHit = gameplay.integer("scoreWhenHit", optional, 0);
    member.isBigLifebar = gameplay.flag("isBigLifebar", optional, 0);
    member.startInvincibility = gameplay.real("startInvincibility", optional, 0.25f);
    wave.killedBehavior = gameplay.integer("killedBehavior", optional, Wave::killedHidesMembers);
    member.isDeathCancelsBullets = gameplay.flag("isDeathCancelsBullets", optional, 0);
    member.isDontFireIfNearPlayer = gameplay.flag("isDontFireIfNearPlayer", optional, 0);
    member.dontFireRadius = gameplay.real("dontFireRadius", optional, 0.1f);
}

void readDeathMotion(const XmlNode& element, Enemy& member)
{
    const SectionValues death(element, "Death");
    member.destructionTime = death.real("destructionTime", required, 0.0f);
    member.deathTranslation = death.vector("deathTranslation", optional, Ogre::Vector3::ZERO);
    member.deathRotation = death.vector("deathRotation", optional, Ogre::Vector3::ZERO);
}

} // namespace

void readMemberSections(const XmlNode& element, Wave& wave, Enemy& member)
{
    member.isSteering = SectionValues(&element).text("AItype", optional, "") == steeringAiName ? 1 : 0;
    if (auto* tank = dynamic_cast<Tank*>(&member))
        readTank(element, *tank);
    readSnake(element, member);
    readCollisions(element, member);
    readWobble(element, member);
    readGameplay(element, wave, member);
    readDeathMotion(element, member);
}

void readMemberParts(const XmlNode& element, Enemy& member, Level* level)
{
    for (const XmlNode* child : childElements(element, "SFX")) {
        const SectionValues values(child);
        if (sfxDefinition* effect = readOwnedEffect(values)) {
            // Unlike the player's, an effect that does not say stays on.
            effect->isEnable = values.flag("isEnable", optional, effect->isEnable) != 0;
            member.sfxs.push_back(effect);
        }
    }
    readWeaponSets(element, member.weaponSets, member.weaponSetNames,
                   [&](Weapon& gun) { gun.init(&member, level, member.sceneNode, nullptr); });
    for (const XmlNode* child : childElements(element, "OBB")) {
        member.outlines.push_back(new Obb());
        readObb(*child, *member.outlines.back());
    }
    for (const XmlNode* child : childElements(element, "ROTOR"))
        member.rotors.push_back(readOwnedRotor(SectionValues(child), rotorOrientationAttribute));
}
