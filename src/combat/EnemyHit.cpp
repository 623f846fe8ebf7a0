// Damage taken by an enemy: the hit rules and cool-downs, the chain and
// gauge, the hit flash and the life bars.
#include "combat/Enemy.h"

#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "play/Level.h"

#include <OgreEntity.h>
#include <OgreSubEntity.h>

#include <algorithm>

namespace {

// A hit flashes the enemy for one frame at 60 per second.
constexpr float hitFlashSeconds = 0.016666668f;
// A beam hurts at most once in this time (a bomb hurts regardless).
constexpr double laserHitInterval = 0.06;
// The custom shader parameter that tints the enemy's meshes.
constexpr std::size_t tintParameter = 1;
// The gauge's item drops beside the hit.
const Ogre::Vector3 gaugeItemOffset(-0.5f, 0.0f, -0.5f);

void tint(Ogre::Entity* shown, const Ogre::Vector4& colour)
{
    if (!shown)
        return;
    for (unsigned i = 0; i < shown->getNumSubEntities(); ++i)
        shown->getSubEntity(i)->setCustomParameter(tintParameter, colour);
}

// With only kills chaining, hits worth isHitChainHP damage in a running
// chain restart its timer.
void chainHit(Game& game, const Enemy& enemy, const Level* level, std::int32_t applied)
{
    if (!game.isChainingKillsOnly) {
        game.stepMultiplier();
        return;
    }
    if (!game.isHitKeepChain || game.chainTimer <= 0.0f)
        return;
    const Enemy* lastHit = level ? level->lastHitEnemy : nullptr;
    if (lastHit != &enemy && lastHit && game.chainDamage != 0.0f)
        return;
    game.chainDamage += static_cast<float>(applied);
    if (game.chainDamage >= game.isHitChainHP) {
        game.chainDamage = 0.0f;
        game.chainTimer = game.timeBetweenChains;
    }
}

// A contact inside the previous cool-down's overshoot keeps what is left of it.
double contactCooldownAfter(double cooldown, double duration)
{
    return cooldown < 0.0 && -cooldown < duration ? cooldown + duration : duration;
}

void feedGauge(Game& game, const Ogre::Vector3& hitPosition)
{
    if (!game.isGauge)
        return;
    game.addGauge(static_cast<int>(game.hitAddGauge));
    if (game.isGaugeActive && isEffectNameSet(game.gaugeSpawnedItem))
        game.spawnItem(game.gaugeSpawnedItem, hitPosition + gaugeItemOffset, 1);
}

} // namespace

void Enemy::hit(std::int32_t damage, Weapon* source, std::int32_t hitKind, const Ogre::Vector3& hitPosition,
                bool isContact)
{
    if (isContact && contactHitCooldown > 0.0)
        return;
    if (isOutsideInvincibilityLimits || invincibilityTimer > 0.0 || damage <= 0)
        return;
    const bool isLaserHit = source && source->isLaser;
    if (isLaserHit && laserHitCooldown > 0.0 && hitKind != hitBomb)
        return;
    const std::int32_t applied = std::min(damage, currentLife);
    updateLifeBar(currentLife - applied);
    if (game)
        chainHit(*game, *this, level, applied);
    if (level)
        level->lastHitEnemy = this;
    if (hitFlashTimer <= 0.0f)
        hitFlashTimer = hitFlashSeconds;
    if (isLaserHit)
        laserHitCooldown = laserHitInterval;
    if (isContact && game)
        contactHitCooldown = contactCooldownAfter(contactHitCooldown, game->enemyHitByPlayerInvincibilityDuration);
    if (game)
        feedGauge(*game, hitPosition);
    if (scoreWhenHit != 0 && level)
        level->addScore(scoreWhenHit);
}

void Enemy::updateLifeBar(std::int32_t newLife)
{
    previousLife = currentLife;
    currentLife = newLife;
    if (level)
        level->showEnemyLifeBar(static_cast<float>(life), static_cast<float>(currentLife),
                                static_cast<float>(previousLife), this, isBigLifebar != 0);
}

// A boss shows its full bar while it starts.
void Enemy::showLifeBar()
{
    if (!isBigLifebar || !level)
        return;
    if (game && game->isOnlyBossLifebar) {
        const auto full = static_cast<float>(life);
        level->showEnemyLifeBar(full, full, full, this, true);
    }
    level->bossBarEnemy = this;
}

void Enemy::flashHit(const Ogre::ColourValue& colour)
{
    const Ogre::Vector4 value(colour.r, colour.g, colour.b, colour.a);
    tint(static_cast<Ogre::Entity*>(movableObject), value);
    for (Ogre::Entity* part : partEntities)
        tint(part, value);
}

void Enemy::clearFlash()
{
    if (movableObject)
        flashHit(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
}
