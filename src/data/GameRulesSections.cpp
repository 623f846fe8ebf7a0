// The game-rule sections of the game file: VERSION, GAME, GAMEPLAY, SCORING
// and MEDALS.
#include "app/TextUtils.h"
#include "core/Game.h"
#include "data/GameFileSection.h"
#include "data/ShownNames.h"

#include <algorithm>

namespace {

using sectionTable::optional;
using sectionTable::required;

// The shortest hit invincibility an enemy gets: a frame.
constexpr float shortestHitInvincibility = 0.016f;
// The stick curve of a GAMEPLAY section that does not give one.
constexpr float defaultPadCurvePower = 0.5f;

// The title is held to what the start menu can draw. The game id belongs
// to the editor: a game without one is given a fresh one as the editor
// would, and the running game then holds none.
void afterGame(Game& game, const XmlNode*)
{
    game.gameScreenName = shownName(game.gameScreenName, "gameScreenName");
    if (game.gameUID.empty())
        game.gameUID = generateUniqueId();
    game.gameUID.clear();
}

void afterGameplay(Game& game, const XmlNode* section)
{
    game.currentLife = game.life;
    game.enemyHitByPlayerInvincibilityDuration =
        std::max(game.enemyHitByPlayerInvincibilityDuration, shortestHitInvincibility);
    // Kept when the whole section is absent, defaulted when only the attribute is.
    if (section && !attributeText(*section, "padCurvePower"))
        game.padCurvePower = defaultPadCurvePower;
}

GameFileSection version(Game& g) { return {"VERSION", {{"versionNumber", optional, g.versionNumber, kept}}}; }

GameFileSection gameSection(Game& g)
{
    GameFileSection section{
        "GAME",
        {
            {"parentPlayerName", required, g.parentPlayerName, ""},
            {"gameScreenName", required, g.gameScreenName, ""},
            {"gameUID", optional, g.gameUID, ""},
            {"steamUID", optional, g.steamUID, kept},
            {"isForceWeaponFXonTopOfPlayer", optional, g.isForceWeaponFXonTopOfPlayer, false},
            {"isBulletsSeparateAnimation", optional, g.isBulletsSeparateAnimation, true},
            {"isBulletOnTopOfPlayer", optional, g.isBulletOnTopOfPlayer, true},
            {"isCrossHairOver", optional, g.isCrossHairOver, kept},
            {"isParticlesZbuffer", optional, g.isParticlesZbuffer, kept},
            {"isSpriteZbuffer", optional, g.isSpriteZbuffer, kept},
            {"explosionLightColor", optional, g.explosionLightColor, {2.0f, 0.5f, 0.0f, 0.0f}},
            {"playerInvincibleColor", optional, g.playerInvincibleColor, Ogre::ColourValue(0.0f, 0.2f, 0.6f, 0.0f),
             Reading::fourNumbers},
            {"enemyHitColor", optional, g.enemyHitColor, {0.5f, 0.1f, 0.0f, 0.0f}},
            {"aimTextureName", optional, g.aimTextureName, "stickPointer.png"},
            {"levelTypePreference", optional, g.levelTypePreference, 0},
            {"isCollisions3D", optional, g.isCollisions3D, false},
            {"isGameStillPlayingWhenWin", optional, g.isGameStillPlayingWhenWin, false},
            {"isAnyImpactSpawnParticles", optional, g.isAnyImpactSpawnParticles, false},
            {"isBulletSpawnSfxOnInvinciblePlayer", optional, g.isBulletSpawnSfxOnInvinciblePlayer, false},
            {"isBulletSpawnSfxOnInvincibleEnemy", optional, g.isBulletSpawnSfxOnInvincibleEnemy, true},
        },
    };
    section.afterRules = afterGame;
    section.isRequired = true;
    return section;
}

GameFileSection gameplay(Game& g)
{
    GameFileSection section{
        "GAMEPLAY",
        {
            {"smartBombSfx", optional, g.smartBombSfx, "ExplosionNew_BoDSmart"},
            // The option the effects already know under their own name.
            {"isBombSpawnInScreenCenter", optional, g.isSmartBombCentered, false},
            {"deathResetsMultiplier", optional, g.deathResetsMultiplier, true},
            {"continues", required, g.continues, 0},
            {"isContinueResetScore", optional, g.isContinueResetScore, true},
            {"isContinueRestartsLevel", optional, g.isContinueRestartsLevel, false},
            {"life", optional, g.life, 3},
            {"maxEnergy", optional, g.maxEnergy, 3},
            {"lives", optional, g.lives, 3},
            {"enemyHitByPlayerInvincibilityDuration", optional, g.enemyHitByPlayerInvincibilityDuration, 0.034f},
            {"padCurvePower", optional, g.padCurvePower, kept},
            {"checkPointKillEnemies", required, g.checkPointKillEnemies, false},
            {"checkPointResetLevel", required, g.checkPointResetLevel, false},
            {"checkPointOnlyWithContinue", required, g.checkPointOnlyWithContinue, false},
            {"maxSmartBombs", required, g.maxSmartBombs, 9},
            {"isSmartbombUseButton", optional, g.isSmartbombUseButton, false},
            {"smartBombButton", required, g.smartBombButton, 1},
            {"smartBombDuration", required, g.smartBombDuration, 0.8f},
            {"smartBombStartNumber", required, g.smartBombStartNumber, 0},
            {"smartPower", optional, g.smartPower, 20},
            {"isSmartCancelling", optional, g.isSmartCancelling, false},
            {"smartItemName", optional, g.smartItemName, ""},
            {"maxPlayerPowerUps", required, g.maxPlayerPowerUps, 3},
            {"playerPowerUpBehavior", required, g.playerPowerUpBehavior, 0},
            {"isCanPressSeveralButtonsForWeapons", optional, g.isCanPressSeveralButtonsForWeapons, false},
            {"extendType", optional, g.extendType, 0},
            {"extendScore1", required, g.extendScore1, 100000},
            {"extendScore2", required, g.extendScore2, 500000},
            {"extendEvery", required, g.extendEvery, 100000},
            {"weaponSafeZone", optional, g.weaponSafeZone, {2.0f, 98.0f, 2.0f, 98.0f}},
            {"smartBombInvincibleTime", optional, g.smartBombInvincibleTime, 0.0},
            {"isSmartBombLostWhenDead", optional, g.isSmartBombLostWhenDead, false},
            {"smartBombNoShootTime", optional, g.smartBombNoShootTime, 3.0f},
            {"waveLifeOutsideScreenTime", optional, g.waveLifeOutsideScreenTime, 5.0f},
            {"itemLifeOutsideScreenTime", optional, g.itemLifeOutsideScreenTime, 0.2f},
            {"bulletOutsideScreenTime", optional, g.bulletOutsideScreenTime, 0.5f},
            {"isPauseWhenUnseen", optional, g.isPauseWhenUnseen, false},
            {"isInvincibilityLimits", optional, g.isInvincibilityLimits, false},
            {"invincibilityLimits", optional, g.invincibilityLimits, {0.0f, 1.0f, 0.0f, 1.0f}},
            {"isGrazing", optional, g.isGrazing, false},
            {"isGrazingBullets", optional, g.isGrazingBullets, true},
            {"isGrazingEnemies", optional, g.isGrazingEnemies, true},
            {"grazingRadius", optional, g.grazingRadius, 4.0f},
            {"grazedColor", optional, g.grazedColor, Ogre::ColourValue(1.0f, 0.0f, 0.0f, 0.0f)},
            {"isDistanceGrazing", optional, g.isDistanceGrazing, kept},
            {"grazingLaserCounterTime", optional, g.grazingLaserCounterTime, kept},
            {"isForceFieldUsesBoundOBB", optional, g.isForceFieldUsesBoundOBB, true},
            {"isUseForceFieldCollision", optional, g.isUseForceFieldCollision, true},
            {"isDefaultBulletGoalBulletDirection", optional, g.isDefaultBulletGoalBulletDirection, false},
            {"smartBombCoolDownDuration", optional, g.smartBombCoolDownDuration, 2.0f},
            {"isTestOffScreenEnemies", optional, g.isTestOffScreenEnemies, kept},
            {"isContinueRestartLevel", optional, g.isContinueRestartLevel, kept},
            {"isRestartLevelDontChangePlayer", optional, g.isRestartLevelDontChangePlayer, kept},
            {"lockMax", optional, g.lockMax, kept},
            {"lockMaxPerEnemy", optional, g.lockMaxPerEnemy, kept},
            {"lockingSpeed", optional, g.lockingSpeed, kept},
            {"lockButton", optional, g.lockButton, kept},
            {"lockMaxSoundName", optional, g.lockMaxSoundName, kept},
            {"lockSoundName", optional, g.lockSoundName, kept},
            {"locktextureName", optional, g.locktextureName, kept},
            {"lockScale", optional, g.lockScale, kept},
            {"radarRotationSpeed", optional, g.radarRotationSpeed, kept},
            {"lockRotationSpeed", optional, g.lockRotationSpeed, kept},
            {"lockRadarMaterialName", optional, g.lockRadarMaterialName, kept},
            {"resetPlayerWeaponSetAtLevelStart", optional, g.resetPlayerWeaponSetAtLevelStart, false},
        },
    };
    section.afterRules = afterGameplay;
    return section;
}

GameFileSection scoring(Game& g)
{
    return {
        "SCORING",
        {
            {"isChaining", required, g.isChaining, false},
            {"timeBetweenChains", required, g.timeBetweenChains, 1.0f},
            {"isSmartBombsBreakMultiplier", required, g.isSmartBombsBreakMultiplier, false},
            {"isNextLevelBreakMultiplier", optional, g.isNextLevelBreakMultiplier, false},
            {"maxMultiplier", required, g.maxMultiplier, 999.0, Reading::whole},
            {"smartBombScore", required, g.smartBombScore, 0},
            {"maxChains", required, g.maxChains, 999u},
            {"isChainingKillsOnly", required, g.isChainingKillsOnly, true},
            {"chainAddedPoints", required, g.chainAddedPoints, 1.0},
            {"decreasingMultSpeed", required, g.decreasingMultSpeed, 0.0f},
            {"isEnemiesTotalChaining", required, g.isEnemiesTotalChaining, false},
            {"maximumScore", optional, g.maximumScore, 999999999999999},
            {"isHitKeepChain", optional, g.isHitKeepChain, false},
            {"isHitChainHP", optional, g.isHitChainHP, 1.0f},
            {"isShowEnemyScore", optional, g.isShowEnemyScore, false},
            {"isShowItemScore", optional, g.isShowItemScore, false},
            {"isShowMultiplier", optional, g.isShowMultiplier, false},
            {"scoreTextureName", optional, g.scoreTextureName, "score_default.png"},
            {"multiplierTextureName", optional, g.multiplierTextureName, "score_default.png"},
            {"scoreParticleName", optional, g.scoreParticleName, "scoreParticles"},
            {"multiplierParticleName", optional, g.multiplierParticleName, "multiplierParticles"},
            {"multiplierTextureScale", optional, g.multiplierTextureScale, 1.0f},
            {"scoreTextureScale", optional, g.scoreTextureScale, 1.0f},
        },
    };
}

GameFileSection medals(Game& g)
{
    return {
        "MEDALS",
        {
            {"isMedalsChaining", optional, g.isMedalsChaining, false},
            {"isLoosingMedailBreakMultiplier", required, g.isLoosingMedailBreakMultiplier, false},
            {"maxMedailValue", required, g.maxMedailValue, 9999},
            {"isChainingMedalIncrementMedailScore", optional, g.isChainingMedalIncrementMedailScore, false},
            {"isChainingMedalIncrementMedailType", optional, g.isChainingMedalIncrementMedailType, false},
            {"isChainingMedalScoreAsMult", optional, g.isChainingMedalScoreAsMult, false},
            {"isMedalsTotalChaining", required, g.isMedalsTotalChaining, false},
            {"isDeathResetMedals", optional, g.isDeathResetMedals, true},
        },
    };
}

} // namespace

std::vector<GameFileSection> gameRulesSections(Game& game)
{
    return {version(game), gameSection(game), gameplay(game), scoring(game), medals(game)};
}
