// Picking an item up: the touch test against the player's outlines, the
// effect of each kind, the medal score rule and the end of a medal chain.
#include "world/Item.h"

#include "app/AudioService.h"
#include "app/CollisionResult.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/sfxManager.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>

int Item::collect(double /*dt*/)
{
    if (!player || player->status != Player::statusPlaying || !isOnScreen || outlines.empty() || !touchesPlayer())
        return -1;
    status = statusCollected;
    if (startParticles)
        startParticles->setEmitting(false);
    if (sfxEndName != "none") {
        startEffect(endParticles, endParticlesName, sfxEndName);
        if (Ogre::ParticleEmitter* first = emitterAt(endParticles, 0))
            first->setPosition(innerNode->getPosition());
    }
    applyEffect();
    const long long points = pointsOf();
    Game& game = *Game::getSingletonPtr();
    if (level) {
        level->addScore(points);
        if (game.isShowItemScore)
            level->spawnScorePopup(sceneNode->_getDerivedPosition(),
                                   points * std::llround(game.multiplier * 100.0) / 100);
    }
    const float pitch[2] = {sound_pitch.x, sound_pitch.y};
    randomizePitch(playSound(soundName, volume, noSoundPosition, false), pitch);
    return itemKind;
}

// A hit is an overlap now; the relative motion of the two outlines is
// passed for the sweep the test also makes.
bool Item::touchesPlayer() const
{
    const Obb& own = *outlines.front();
    for (const Obb* outline : player->outlines) {
        if (!outline->isCollideWithItems)
            continue;
        CollisionResult result;
        Obb::collides(*outline, own, outline->centre - own.centre, result);
        if (result.intersect)
            return true;
    }
    return false;
}

void Item::applyEffect()
{
    Game& game = *Game::getSingletonPtr();
    switch (itemKind) {
    case itemKindLife:
        if (energyGiven >= 0 || !player->isLifeLossBlocked)
            player->setLife(game.currentLife + energyGiven);
        break;
    case itemKindCounter:
        ++player->itemCount;
        if (level && level->effects)
            level->effects->emitParticleItem(sceneNode->_getDerivedPosition());
        break;
    case itemKindForceField:
        player->startForceField(ForceFielduseLife ? 0.0f : ForceFieldDuration,
                                ForceFielduseLife ? static_cast<int>(ForceFieldLife) : 0, ForceFieldSFX,
                                ForceFieldEndSound, ForceFieldEndSoundVolume, ForceFieldHitSound,
                                ForceFieldHitSoundVolume);
        player->forceField.radius = isForceFieldUseRadius ? forceFieldRadius : 0.0f;
        break;
    case itemKindBomb:
        if (game.isSmartbombUseButton)
            game.currentBombs = std::min(game.currentBombs + 1, game.maxSmartBombs);
        break;
    case itemKindWeapon:
        game.baseWeaponLevel = static_cast<float>(weaponSlot);
        if (!game.isWeaponChangeLocked && (!player->isFocusMode || player->focusWeaponSet < 0))
            player->setWeaponLevel(weaponSlot);
        break;
    case itemKindEnergy:
        game.addEnergy(powerUpAdd);
        break;
    case itemKindGauge:
        game.addGauge(gaugeAdd);
        break;
    case itemKindMultiplier:
        game.multiplier = std::min(game.multiplier + multiplier, game.maxMultiplier);
        break;
    default:
        break;
    }
}

long long Item::pointsOf()
{
    long long points = Score;
    if (itemKind != itemKindMedal)
        return points;
    Game& game = *Game::getSingletonPtr();
    Item& medal = *definition();
    if (game.isChainingMedalIncrementMedailScore)
        points *= medal.medalCounter;
    points = std::min<long long>(points, game.maxMedailValue);
    game.medalTotal += points;
    if (game.isMedalsTotalChaining)
        points = game.medalTotal;
    if (game.isChainingMedalScoreAsMult)
        game.medalChainValue += points;
    game.medalType = medal.medalType;
    ++medal.medalCounter;
    if (game.isMedalsChaining)
        ++game.medalChainValue;
    return points;
}

void Item::breakMedalChain()
{
    Game& game = *Game::getSingletonPtr();
    if (itemKind != itemKindMedal || !game.isLoosingMedailBreakMultiplier)
        return;
    game.medalChainValue = 0;
    game.medalType = 0;
    game.medalTotal = 0;
    if (game.isChainingMedalScoreAsMult)
        game.multiplier = 1.0;
    if (level)
        level->flagAllItemDefinitions();
}
