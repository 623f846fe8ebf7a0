#include "play/PlayerHitTest.h"

#include "combat/Player.h"
#include "core/Game.h"
#include "play/HitTargets.h"
#include "world/Obb.h"

namespace {

// The radius is given in hundredths of a screen height.
constexpr double radiusScale = 0.0001;

bool meets(const Obb& moving, const Obb& outline, bool isBeam)
{
    CollisionResult result;
    const Ogre::Vector2 velocity = moving.movement - outline.movement;
    if (isBeam)
        Obb::collidesWithContact(moving, outline, velocity, result);
    else
        Obb::collides(moving, outline, velocity, result);
    return result.willIntersect;
}

} // namespace

bool isInForceFieldRadius(const Obb& moving, const Obb& current, float radius, float aspectRatio)
{
    const double dx = static_cast<double>(moving.centre.x - current.centre.x) * aspectRatio;
    const double dy = moving.centre.y - current.centre.y;
    return dx * dx + dy * dy < static_cast<double>(radius) * radius * radiusScale;
}

PlayerHitTest::PlayerHitTest(const Game& game, HitTargets& targets, float aspectRatio)
    : game(game), targets(targets), aspectRatio(aspectRatio)
{
}

PlayerContact PlayerHitTest::find(const Player& player, const Obb& moving, bool isBeam) const
{
    if (player.invincibilityTime > 0.0f || player.forceField.life > 0)
        return findOnForceField(player, moving, isBeam);
    return findOnShip(player, moving, isBeam);
}

PlayerContact PlayerHitTest::findOnForceField(const Player& player, const Obb& moving, bool isBeam) const
{
    const Obb* current = currentOutline(player);
    const float radius = player.forceField.radius;
    if (radius > 0.0f && current && isInForceFieldRadius(moving, *current, radius, aspectRatio))
        return {PlayerContact::Kind::forceField, current};
    for (std::int32_t number : targets.playerOutlines.near(moving)) {
        const std::int32_t index = targets.playerOutlineIndex[static_cast<std::size_t>(number)];
        const Obb& outline = targets.playerOutlines.target(number);
        if (outline.isCamLimits && !game.isForceFieldUsesBoundOBB)
            continue;
        if (index != player.hitBoxIndex && !game.isUseForceFieldCollision)
            continue;
        if (meets(moving, outline, isBeam))
            return {PlayerContact::Kind::forceField, &outline};
    }
    return {};
}

PlayerContact PlayerHitTest::findOnShip(const Player& player, const Obb& moving, bool isBeam) const
{
    for (std::int32_t number : targets.playerOutlines.near(moving)) {
        const std::int32_t index = targets.playerOutlineIndex[static_cast<std::size_t>(number)];
        const Obb& outline = targets.playerOutlines.target(number);
        if (!outline.isInvicible && index != player.hitBoxIndex)
            continue;
        if (meets(moving, outline, isBeam))
            return {outline.isInvicible ? PlayerContact::Kind::armour : PlayerContact::Kind::ship, &outline};
    }
    return {};
}

const Obb* currentOutline(const Player& player)
{
    const std::int32_t index = player.hitBoxIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= player.outlines.size())
        return nullptr;
    return player.outlines[static_cast<std::size_t>(index)];
}

bool isOpenToFire(const Player* player)
{
    return player && player->status == Player::statusPlaying && !player->isBeingMoved;
}

void absorbOnForceField(Player& player, std::int32_t weaponDamage)
{
    if (weaponDamage > 0)
        player.absorbForceFieldHit();
}
