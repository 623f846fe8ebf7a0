#include "core/Game.h"

#include "combat/Player.h"
#include "core/ConfigReading.h"
#include "core/GameMode.h"

#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <cassert>

Game* Game::instance = nullptr;

namespace {

// The one game record: it exists before start-up begins and lives until the
// process ends.
Game theGame;

} // namespace

Game::Game()
{
    instance = this;
    resetDefaults();
}

Game::~Game()
{
    shutdown();
    instance = nullptr;
}

Game* Game::getSingletonPtr() { return instance; }

Game& Game::getSingleton()
{
    assert(instance);
    return *instance;
}

void Game::resetDefaults()
{
    resetSettingDefaults();
    resetAssetNameDefaults();
    resetGameOptionDefaults();
    gameModes.clear();
    extensions.clear();
    playerNames.clear();
    gameMode = gameModePlaying;
}

void Game::resetSettingDefaults()
{
    applySettingDefaults(*this);
    screenRatio = 1;
    // The control screens restore the template's bindings unless the game
    // file gives its own.
    defaultControls = {deadzone, leftStickNumber, rightStickNumber, shootButtonNumber, start, select,
                       upKey,    downKey,         leftKey,          rightKey,          startButton, selectButton,
                       shootButton};
}

void Game::resetAssetNameDefaults()
{
    pauseSound = "pause.wav";
    textSound = "Menu_Click.ogg";
    startMenuClick = "Menu_Click.ogg";
    startMenuValidate = "game_start.ogg";
    startMenuStartsGame = "game_start.ogg";
    startMenuBack = "menuBack.mp3";
    startMenuGo = "menuGo.mp3";
    startMenuLogoFont = "ArialBlk64";
    startMenuFont = "ArialBlk64";
    startMenuBlockTextureName = "startMenuBlockTexture_full.png";
    HSMenuBG = "pauseMenu.png";
    HSspinnerSound = "Menu_Click.ogg";
    HSleftRightSound = "Menu_Click.ogg";
    HSvalidateSound = "menuGo.mp3";
    scoreMenuBG = "BG/PAUSEMENU";
    scoreSound = "Menu_Click.ogg";
    scoreFont = "ArialBlk64";
    pauseMenuBG = "pauseMenu.png";
    continueMenuBG = "pauseMenu.png";
    gameOverText = "GAME OVER";
    gameOverGfx = "gameover.png";
    gameWinText = "LEVEL COMPLETE";
    gameWinGfx = "level_complete.png";
    gameCompletedText = "CONGRATULATIONS!!!";
    gameCompletedGfx = "congratulations.png";
    gamePauseText = "PAUSE";
    scoreTextureName = "score_default.png";
    multiplierTextureName = "score_default.png";
    scoreParticleName = "scoreParticles";
    multiplierParticleName = "multiplierParticles";
    locktextureName = "stickPointer.png";
    aimTextureName = "stickPointer.png";
    lockRadarMaterialName = "AxisLineYellowOver";
    gaugeSpawnedItem = "1up.tga";
    Sound1up = "item.wav";
    cancelSfxName = "Bullet_Cancel";
    cancelSoundName = "item.wav";
    pauseMenuFont = "ArialBlk64";
    continueMenuFont = "ArialBlk64";
    gameHUDFont = "ArialBlkOutline18";
    gameMenuFont = "verdana";
    gameEndFont = "verdana";
    smartBombSfx = "ExplosionNew_BoDSmart";
    playerName = "PlayerDefault01";

    for (std::string* empty :
         {&gameOverMusic, &gameWonMusic, &gameCompleteMusic, &startMenuMusic, &startMenuBackground,
          &splashScreenPicture, &splashScreenPicture2, &startMenuLogoGfx, &gamePauseGfx,
          &gameHUDBG_texture, &GaugeTextureBack, &GaugeTextureFront, &GaugeTextureReady,
          &gaugeReadySound, &gaugeStartSound, &gaugeStartSpawnedItem, &gaugeStartParticleFX,
          &ChainGaugeTextureBack, &ChainGaugeTextureFront, &enemyLifebarTextureBack,
          &enemyLifebarTextureFront, &enemyBossLifebarTextureBack, &enemyBossLifebarTextureFront,
          &upSfx, &playerCollisionSfx, &playerInvincibleCollisionSfx})
        empty->clear();
}

void Game::resetGameOptionDefaults()
{
    isUseArrowsForDirections = true;
    maximumScore = 999999999999999;
    isBulletsSeparateAnimation = true;
    isBulletOnTopOfPlayer = true;
    isBulletDeadAfterLifeSpawnSfx = true;
    isForceWeaponFXonTopOfPlayer = false;
    levelTypePreference = 0;
    spriteScale = 1.0f;
    isExplosionSpawnLight = true;
    isPhysicsOcclusion = false;
    padCurvePower = 0.5f;
    lockingSpeed = 20.0f;
    lockMaxPerEnemy = 4;
    lockMax = 8;
    weaponSafeZone = Ogre::Vector4(2.0f, 98.0f, 2.0f, 98.0f);
    isDefaultBulletGoalBulletDirection = false;
    lockButton = 0;
    lockScale = 2.0f;
    radarRotationSpeed = 5.0f;
    lockRotationSpeed = 10.0f;
    pauseSoundVolume = 0.9f;
    textSoundVolume = 0.2f;
    splashScreen1Duration = 1.0f;
    splashScreen2Duration = 1.0f;
    isStartMenuBGWidthAligned = false;
    startMenuLogoIsText = true;
    startMenuLogoGfxSize = 0.25f;
    startMenuLogoFontSize = 32;
    startMenuAlign = 0;
    startMenuFontSize = 24;
    startMenuHooverScale = 1.2f;
    startMenuFontInterval = 1.0f;
    // Across by half a screen, as the single offset it once was.
    startMenuTransitionOffset = Ogre::Vector2(0.5f, 0.0f);
    startMenutransitionScreenTime = 0.4f;
    startMenuTransitionwaitTime = 0.1f;
    globalHUDFontSizeFactor = 1.0f;
    scoreSpeed = 1.0f;
    isShowExitToDesktop = true;
    barAnimationSpeed = 1.0f;
    enemyLifeBarBossLayerNumber = 4;
    gameOverDisplay = 1;
    gameWinDisplay = 1;
    gameCompletedDisplay = 1;
    gameOverBlackBG = true;
    gameWinBlackBG = true;
    gameCompletedBlackBG = true;
    gameOverGfxScale = 0.8f;
    gameWinGfxScale = 0.8f;
    gameCompletedGfxScale = 0.8f;
    gameHUDFontSize = 16;
    gameEndFontSize = 15.0f;
    isShowEnemyScore = false;
    scoreTextureScale = 1.0f;
    multiplierTextureScale = 1.0f;
    minHpShowLifeBar = 2;
    enemyHitByPlayerInvincibilityDuration = 0.034f;
    isCrossHairOver = false;
    playerPowerUpBehavior = 0;
    maxPlayerPowerUps = 3;
    maxGauge = 100.0f;
    minStartgauge = 10.0f;
    hitAddGauge = 0.0f;
    gaugeReadySoundVolume = 1.0f;
    gaugeStartSoundVolume = 1.0f;
    gaugeWeaponMultiplier = 1.0;
    isGaugeCancels = true;
    gaugeCancelDuration = 0.0f;
    isChainTimerGfx = true;
    isChainGaugeColoured = true;
    timeBetweenChains = 1.0f;
    maxMultiplier = 999.0;
    chainAddedPoints = 1.0;
    decreasingMultSpeed = 0.0f;
    scoreGameSpeed = 1.0f;
    smartBombDuration = 0.8;
    smartBombCoolDownDuration = 1.0f;
    smartBombInvincibleTime = 0.0;
    gaugeInvincibleTime = 0.0;
    waveLifeOutsideScreenTime = 2.0f;
    itemLifeOutsideScreenTime = 5.0f;
    bulletOutsideScreenTime = 0.5f;
    grazingRadius = 8.0f;
    grazingLaserCounterTime = 0.5f;
    explosionSoundPanning = 0.0f;
    isParticlesZbuffer = false;
    itemDropFactor = 1.0f;

    isMedalsChaining = false;
    isMedalsTotalChaining = false;
    isChainingMedalScoreAsMult = false;
    isChainingMedalIncrementMedailType = false;
    isChainingMedalIncrementMedailScore = false;
    isLoosingMedailBreakMultiplier = false;
    maxMedailValue = 9999;
    maxSmartBombs = 9;
    isSmartbombUseButton = false;
    smartPower = 20;
    isSmartCancelling = false;
    smartItemName.clear();
    smartBombNoShootTime = 3.0f;
    maxEnergy = 3;
    isShowItemScore = false;
}

void Game::shutdown()
{
    destroyBulletPools();
    // A play not left through its exit keeps its items until here.
    destroyItemPool();
    delete player;
    player = nullptr;
    clearLibraries();
    for (gameFileEntry* entry : levels)
        delete entry;
    levels.clear();
    gameModes.clear();
    menuScreens.clear();
}

void Game::findLevelIndex()
{
    levelIndex = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i]->name == levelName) {
            levelIndex = static_cast<int>(i);
            return;
        }
    }
}

void Game::listGameFiles()
{
    gameFiles.clear();
    Ogre::ResourceGroupManager* groups = Ogre::ResourceGroupManager::getSingletonPtr();
    if (!groups || !groups->resourceGroupExists("GAMERSC"))
        return;
    Ogre::StringVectorPtr names = groups->findResourceNames("GAMERSC", "*.game", false);
    if (names)
        gameFiles.assign(names->begin(), names->end());
    // Resource listings come unsorted.
    std::sort(gameFiles.begin(), gameFiles.end());
}
