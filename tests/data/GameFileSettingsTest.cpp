// The setting sections of the game file, attribute by attribute: a file that
// sets every one of them, then a change of game to a file without any
// section, which puts defaulted settings back and leaves kept ones alone;
// and the rules that follow a section's read.
#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "data/GameFileReader.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string text(bool value) { return value ? "true" : "false"; }
std::string text(const std::string& value) { return value; }
template <typename Number>
std::string text(Number value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}
std::string text(const Ogre::Vector2& v) { return text(v.x) + " " + text(v.y); }
std::string text(const Ogre::Vector4& v) { return text(v.x) + " " + text(v.y) + " " + text(v.z) + " " + text(v.w); }
std::string text(const Ogre::ColourValue& c) { return text(Ogre::Vector4(c.r, c.g, c.b, c.a)); }

#define FIELD(member) [](const Game& g) { return text(g.member); }
#define SAME(member, written, absent) {#member, written, absent, FIELD(member)}
#define BINDING(member, written) {#member, written, keeps, FIELD(defaultControls.member)}

// The setting keeps what the full file gave it.
constexpr const char* keeps = nullptr;

struct Setting {
    const char* attribute;
    const char* written;
    const char* absent; // the value after a read without the section, or `keeps`
    std::string (*field)(const Game&);
    const char* read = nullptr; // when the setting holds other than what was written
};

struct Section {
    const char* element;
    std::vector<Setting> settings;
};

const std::vector<Section> sections = {
    {"VERSION", {{"versionNumber", "2.1", "", FIELD(versionNumber)}}}, // a change of game empties it first
    {"GAME",
     {SAME(parentPlayerName, "Kite", ""), SAME(gameScreenName, "Kite Skies", ""),
      {"gameUID", "1234", "", FIELD(gameUID), ""}, SAME(steamUID, "4242", keeps),
      SAME(isForceWeaponFXonTopOfPlayer, "true", "false"), SAME(isBulletsSeparateAnimation, "false", "true"),
      SAME(isBulletOnTopOfPlayer, "false", "true"), SAME(isCrossHairOver, "true", keeps),
      SAME(isParticlesZbuffer, "true", keeps), SAME(isSpriteZbuffer, "true", keeps),
      SAME(explosionLightColor, "1 2 3 4", "2 0.5 0 0"), SAME(playerInvincibleColor, "0.1 0.2 0.3 0.4", "0 0.2 0.6 0"),
      SAME(enemyHitColor, "0.4 0.3 0.2 0.1", "0.5 0.1 0 0"), SAME(aimTextureName, "aim.png", "stickPointer.png"),
      SAME(levelTypePreference, "2", "0"), SAME(isCollisions3D, "true", "false"),
      SAME(isGameStillPlayingWhenWin, "true", "false"), SAME(isAnyImpactSpawnParticles, "true", "false"),
      SAME(isBulletSpawnSfxOnInvinciblePlayer, "true", "false"),
      SAME(isBulletSpawnSfxOnInvincibleEnemy, "false", "true")}},
    {"GAMEPLAY",
     {SAME(smartBombSfx, "bigBoom", "ExplosionNew_BoDSmart"), {"isBombSpawnInScreenCenter", "true", "false", FIELD(isSmartBombCentered)},
      SAME(deathResetsMultiplier, "false", "true"), SAME(continues, "4", "0"),
      SAME(isContinueResetScore, "false", "true"), SAME(isContinueRestartsLevel, "true", "false"),
      SAME(life, "5", "3"), {"life", "5", "3", FIELD(currentLife)}, SAME(maxEnergy, "6", "3"), SAME(lives, "7", "3"),
      SAME(enemyHitByPlayerInvincibilityDuration, "0.5", "0.034"), SAME(padCurvePower, "2.5", keeps),
      SAME(checkPointKillEnemies, "true", "false"), SAME(checkPointResetLevel, "true", "false"),
      SAME(checkPointOnlyWithContinue, "true", "false"), SAME(maxSmartBombs, "4", "9"),
      SAME(isSmartbombUseButton, "true", "false"), SAME(smartBombButton, "3", "1"),
      SAME(smartBombDuration, "1.5", "0.8"), SAME(smartBombStartNumber, "2", "0"), SAME(smartPower, "35", "20"),
      SAME(isSmartCancelling, "true", "false"), SAME(smartItemName, "Coin", ""), SAME(maxPlayerPowerUps, "5", "3"),
      SAME(playerPowerUpBehavior, "2", "0"), SAME(isCanPressSeveralButtonsForWeapons, "true", "false"),
      SAME(extendType, "1", "0"), SAME(extendScore1, "1000", "100000"), SAME(extendScore2, "2000", "500000"),
      SAME(extendEvery, "3000", "100000"), SAME(weaponSafeZone, "5 95 10 90", "2 98 2 98"),
      SAME(smartBombInvincibleTime, "1.25", "0"), SAME(isSmartBombLostWhenDead, "true", "false"),
      SAME(smartBombNoShootTime, "4.5", "3"), SAME(waveLifeOutsideScreenTime, "6.5", "5"),
      SAME(itemLifeOutsideScreenTime, "1.5", "0.2"), SAME(bulletOutsideScreenTime, "0.75", "0.5"),
      SAME(isPauseWhenUnseen, "true", "false"), SAME(isInvincibilityLimits, "true", "false"),
      SAME(invincibilityLimits, "0.1 0.9 0.2 0.8", "0 1 0 1"), SAME(isGrazing, "true", "false"),
      SAME(isGrazingBullets, "false", "true"), SAME(isGrazingEnemies, "false", "true"),
      SAME(grazingRadius, "6", "4"), SAME(grazedColor, "0.5 0.6 0.7 0.8", "1 0 0 0"),
      SAME(isDistanceGrazing, "true", keeps), SAME(grazingLaserCounterTime, "0.25", keeps),
      SAME(isForceFieldUsesBoundOBB, "false", "true"), SAME(isUseForceFieldCollision, "false", "true"),
      SAME(isDefaultBulletGoalBulletDirection, "true", "false"), SAME(smartBombCoolDownDuration, "3.5", "2"),
      SAME(isTestOffScreenEnemies, "true", keeps), SAME(isContinueRestartLevel, "true", keeps),
      SAME(isRestartLevelDontChangePlayer, "true", keeps), SAME(lockMax, "12", keeps),
      SAME(lockMaxPerEnemy, "6", keeps), SAME(lockingSpeed, "30", keeps), SAME(lockButton, "3", keeps),
      SAME(lockMaxSoundName, "full.wav", keeps), SAME(lockSoundName, "lock.wav", keeps),
      SAME(locktextureName, "lock.png", keeps), SAME(lockScale, "3", keeps),
      SAME(radarRotationSpeed, "7", keeps), SAME(lockRotationSpeed, "11", keeps),
      SAME(lockRadarMaterialName, "Radar", keeps), SAME(resetPlayerWeaponSetAtLevelStart, "true", "false")}},
    {"SCORING",
     {SAME(isChaining, "true", "false"), SAME(timeBetweenChains, "2.5", "1"),
      SAME(isSmartBombsBreakMultiplier, "true", "false"), SAME(isNextLevelBreakMultiplier, "true", "false"),
      SAME(maxMultiplier, "50", "999"), SAME(smartBombScore, "300", "0"), SAME(maxChains, "40", "999"),
      SAME(isChainingKillsOnly, "false", "true"), SAME(chainAddedPoints, "0.5", "1"),
      SAME(decreasingMultSpeed, "0.25", "0"), SAME(isEnemiesTotalChaining, "true", "false"),
      SAME(maximumScore, "123456789012", "999999999999999"), SAME(isHitKeepChain, "true", "false"),
      SAME(isHitChainHP, "12.5", "1"), SAME(isShowEnemyScore, "true", "false"),
      SAME(isShowItemScore, "true", "false"), SAME(isShowMultiplier, "true", "false"),
      SAME(scoreTextureName, "s.png", "score_default.png"), SAME(multiplierTextureName, "m.png", "score_default.png"),
      SAME(scoreParticleName, "sp", "scoreParticles"), SAME(multiplierParticleName, "mp", "multiplierParticles"),
      SAME(multiplierTextureScale, "2", "1"), SAME(scoreTextureScale, "3", "1")}},
    {"MEDALS",
     {SAME(isMedalsChaining, "true", "false"), SAME(isLoosingMedailBreakMultiplier, "true", "false"),
      SAME(maxMedailValue, "500", "9999"), SAME(isChainingMedalIncrementMedailScore, "true", "false"),
      SAME(isChainingMedalIncrementMedailType, "true", "false"), SAME(isChainingMedalScoreAsMult, "true", "false"),
      SAME(isMedalsTotalChaining, "true", "false"), SAME(isDeathResetMedals, "false", "true")}},
    {"GAUGE",
     {SAME(maxGauge, "150", "100"), SAME(isGauge, "true", "false"), SAME(minStartgauge, "40", "100"),
      SAME(gaugeDrainSpeed, "15", "20"), SAME(isGaugeSwitch, "true", "false"), SAME(gaugeWeaponSetNumber, "2", "0"),
      SAME(gaugeButtonNumber, "4", "2"), SAME(isResetGaugeNextLevel, "false", "true"), SAME(hitAddGauge, "0.5", "0"),
      SAME(killAddGauge, "2.5", "0"), SAME(gaugeWeaponMultiplier, "1.5", "1"), SAME(gaugeSpawnedItem, "Gem", ""),
      SAME(gaugeStartSpawnedItem, "Star", ""), {"position", "0.1 0.2", "0 0.05", FIELD(gaugePosition)},
      {"dimensions", "0.3 0.04", "0.25 0.02", FIELD(gaugeDimensions)},
      SAME(GaugeTextureBack, "back.png", "enemyBar_back.png"), SAME(GaugeTextureFront, "front.png", "enemyBar_front.png"),
      SAME(GaugeTextureReady, "ready.png", ""), SAME(isGaugeColoured, "false", "true"),
      SAME(isGaugeGfx, "true", "false"), SAME(isGaugeCancels, "false", "true"),
      SAME(isButtonStartGaugeUntilTheEnd, "true", "false"), SAME(isResetGaugePlayerDeath, "false", "true"),
      SAME(gaugeCancelDuration, "0.5", "0"), SAME(gaugeInvincibleTime, "1.5", "0"),
      SAME(dontAddToGaugeWhenStarted, "true", "false"), SAME(gaugeStartParticleFX, "glow", ""),
      SAME(isGaugeWeaponStartEvenIfNotFull, "true", "false")}},
    {"CHAINGAUGE",
     {{"position", "0.3 0.4", "0 0.05", FIELD(chainGaugePosition)},
      {"dimensions", "0.2 0.03", "0.25 0.02", FIELD(chainGaugeDimensions)},
      SAME(ChainGaugeTextureBack, "cb.png", "enemyBar_back.png"),
      SAME(ChainGaugeTextureFront, "cf.png", "enemyBar_front.png"), SAME(isChainGaugeColoured, "false", "true"),
      SAME(isChainTimerGfx, "true", "false")}},
    {"SOUNDS",
     {SAME(startMenuMusic, "menu.ogg", ""), SAME(pauseSound, "p.wav", "pause.wav"), SAME(gameOverMusic, "over.ogg", ""),
      SAME(gameWonMusic, "won.ogg", ""), SAME(gameCompleteMusic, "done.ogg", ""),
      SAME(startMenuValidate, "v.ogg", "game_start.ogg"), SAME(startMenuBack, "b.mp3", "menuBack.mp3"),
      SAME(startMenuGo, "g.mp3", "menuGo.mp3"), SAME(startMenuClick, "c.ogg", "Menu_Click.ogg"),
      SAME(startMenuStartsGame, "s.ogg", "game_start.ogg"), SAME(Sound1up, "up.wav", "item.wav"),
      SAME(gaugeReadySound, "r.wav", ""), SAME(gaugeReadySoundVolume, "0.5", "1"), SAME(gaugeStartSound, "st.wav", ""),
      SAME(gaugeStartSoundVolume, "0.25", "1"), SAME(cancelSoundName, "x.wav", "item.wav"),
      SAME(defaultMasterVolume, "90", "80"), SAME(defaultMusicVolume, "50", "60"), SAME(defaultSfxVolume, "40", "60"),
      SAME(explosionSoundPanning, "0.5", "0"), SAME(pauseSoundVolume, "55", "70"), SAME(textSoundVolume, "0.5", "0.2"),
      SAME(textSound, "t.ogg", "Menu_Click.ogg"), SAME(isPauseMusicDuringContinue, "true", "false")}},
    {"GFX",
     {SAME(screenRatio, "2", "1"), SAME(cancelSfxName, "Cancel", "Bullet_Cancel"),
      SAME(playerCollisionSfx, "hit", ""), SAME(playerInvincibleCollisionSfx, "spark", ""),
      SAME(upSfx, "up", "basic_1up"), SAME(spriteScale, "2", "1"), SAME(isExplosionSpawnLight, "false", "true"),
      SAME(isBulletDeadAfterLifeSpawnSfx, "false", "true")}},
    {"STARTMENU",
     {SAME(startMenuBackground, "bg.png", "stars.png"), SAME(splashScreenPicture, "a.png", ""),
      SAME(splashScreenPicture2, "b.png", ""), SAME(splashScreen1Duration, "2", "1"),
      SAME(splashScreen2Duration, "3", "1"), SAME(isStartMenuBGWidthAligned, "true", "false"),
      SAME(startMenuLogoGfx, "logo.png", ""), SAME(startMenuFontInterval, "1.5", "1"),
      SAME(startMenuLogoFont, "LogoFont", "ArialBlk64"), SAME(startMenuFont, "MenuFont", "ArialBlk64"),
      SAME(startMenuLogoFontColour, "0.1 0.2 0.3 0.4", "1 0.67 0.16 1"),
      SAME(startMenuFontColour, "0.5 0.5 0.5 1", "1 1 1 1"),
      SAME(startMenuFontHooverColour, "0.2 0.2 0.2 1", "1 0.8 0.5 1"), SAME(startMenuFontSize, "30", "24"),
      SAME(startMenuLogoFontSize, "40", "32"), SAME(startMenuLogoGfxSize, "0.75", "0.5"),
      SAME(startMenuBGScrollSpeed, "0.1 0.2", "0 0.02"), SAME(startMenuAlign, "1", "0"),
      SAME(startMenuLogoPosition, "0.3 0.4", "0 0.2"), SAME(startMenuLogoIsText, "false", "true"),
      SAME(startMenuCenter, "0.1 -0.5", "0 -0.65"), SAME(startMenuTransitionOffset, "0.5 0.25", "1 0"),
      SAME(startMenuHooverScale, "1.3", "1.1"), SAME(isTransitionAlpha, "false", "true"),
      SAME(isBlinkingHoover, "false", "true"), SAME(startMenuBlock, "2", "0"),
      SAME(startMenuBlockTextureName, "block.png", "startMenuBlockTexture_blueGradient.png"),
      SAME(isLogoAnimatedTransition, "false", "true"), SAME(startMenutransitionFocusTime, "0.3", "0.2"),
      SAME(startMenutransitionScreenTime, "0.6", "0.4"), SAME(startMenuTransitionwaitTime, "0.2", "0.1"),
      SAME(startMenuoffsetX, "30", "20"), SAME(isStartMenuPixelSharp, "true", "false"),
      SAME(menuButtonsNumber, "6", "4")}},
    {"DEFAULTCONTROLS",
     {SAME(isUseArrowsForDirections, "false", keeps), BINDING(deadzone, "25"),
      BINDING(leftStickNumber, "1"), BINDING(rightStickNumber, "3"),
      {"shootButtonNumber0", "7", keeps, FIELD(defaultControls.shootButtonNumber[0])},
      {"shootButtonNumber7", "8", keeps, FIELD(defaultControls.shootButtonNumber[7])},
      BINDING(start, "5"), BINDING(select, "9"),
      BINDING(upKey, "200"), BINDING(downKey, "208"),
      BINDING(leftKey, "203"), BINDING(rightKey, "205"),
      BINDING(startButton, "28"), BINDING(selectButton, "1"),
      {"shootButton0", "30", keeps, FIELD(defaultControls.shootButton[0])},
      {"shootButton7", "38", keeps, FIELD(defaultControls.shootButton[7])}}},
    {"HIGHSCOREMENUS",
     {SAME(isHSTransitionAlpha, "false", "true"), SAME(isHSNewScoreScale, "2.5", "3"),
      SAME(HSTransitionOffset, "0.5 0.5", "0 0"), SAME(HSTransitionwaitTime, "0.3", "0.1"),
      SAME(HSFontColour, "0.1 0.1 0.1 1", "1 1 1 1"), SAME(HSFontNewScoreColour, "0.2 0.2 0.2 1", "1 0.5 0 1"),
      SAME(HSspinnerSound, "spin.ogg", "Menu_Click.ogg"), SAME(HSleftRightSound, "lr.ogg", "Menu_Click.ogg"),
      SAME(HSvalidateSound, "ok.mp3", "menuGo.mp3"), SAME(scoreSpeed, "2", "1"),
      SAME(scoreSound, "tick.ogg", "Menu_Click.ogg"), SAME(scoreFont, "ScoreFont", "ArialBlk64"),
      SAME(scoreFontColour, "0.3 0.3 0.3 1", "1 1 1 1"), SAME(HSMenuBG, "hs.png", "pauseMenu.png"),
      SAME(scoreMenuBG, "sc.png", "pauseMenu.png"), SAME(scoreGameSpeed, "2.5", keeps),
      SAME(isHSshowLevels, "true", keeps), SAME(globalHUDFontSizeFactor, "1.25", keeps)}},
    {"GAMEMENUS",
     {SAME(lifeBarPosition, "0.2 0.3", "0.5 0.1"), SAME(lifeBarDimensions, "0.3 0.05", "0.25 0.02"),
      SAME(enemyLifebarTextureBack, "eb.png", "enemyBar_back.png"),
      SAME(enemyLifebarTextureFront, "ef.png", "enemyBar_front.png"), SAME(minHpShowLifeBar, "5", "2"),
      SAME(barAnimationSpeed, "3", keeps), SAME(isEnemyBars, "false", "false"), SAME(isOnlyBossLifebar, "false", "true"),
      SAME(isEnemyLifebarColoured, "false", "true"), SAME(enemyLifeBarBossLayerNumber, "6", "4"),
      {"EnemyLifeBar_color", "0.1 0.2 0.3 1", "1 0.3 0 1", FIELD(EnemyLifeBar_color), "1 1 1 1"}, // not coloured
      SAME(EnemyBossLifeBar_color1, "0.1 0 0 1", "0 1 0.6 1"),
      SAME(EnemyBossLifeBar_color2, "0.2 0 0 1", "1 0.8 0 1"), SAME(EnemyBossLifeBar_color3, "0.3 0 0 1", "0.9 0.4 0 1"),
      SAME(EnemyBossLifeBar_color4, "0.4 0 0 1", "0.7 0 0 1"),
      SAME(enemyBossLifebarTextureBack, "bb.png", "enemyBar_back.png"),
      SAME(enemyBossLifebarTextureFront, "bf.png", "enemyBar_front.png"),
      SAME(createEnemyBossLifeBar_Dimensions, "0.9 0.1", "1 0.08"), SAME(createEnemyBossLifeBar_Pos, "0.4 0.2", "0.5 0.1"),
      SAME(gameMenuFont, "MenuText", "verdana"), SAME(gameMenuFontColour, "0.4 0.4 0.4 1", "1 1 1 1"),
      SAME(gameOverText, "LOST", "GAME OVER"), SAME(gameOverGfx, "over.png", ""), SAME(gameOverGfxScale, "0.5", "0.8"),
      SAME(gameWinText, "WON", "LEVEL COMPLETE"), SAME(gameWinGfx, "win.png", ""), SAME(gameWinGfxScale, "0.6", "0.8"),
      SAME(gameCompletedText, "DONE", "YOU COMPLETED THE GAME!!!"), SAME(gameCompletedGfx, "end.png", ""),
      SAME(gameCompletedGfxScale, "0.7", "0.8"), SAME(gamePauseText, "WAIT", "PAUSE"),
      SAME(gamePauseGfx, "pause.png", ""), {"gamePauseGfxScale", "0.75", "0.5 0.5", FIELD(gamePauseGfxScale), "0.75 0.75"},
      SAME(gamePausePosition, "0.1 0.1", "0 0"), SAME(gameOverPosition, "0.2 0.2", "0 0"),
      SAME(gameWinPosition, "0.3 0.3", "0 0"), SAME(gameCompletedPosition, "0.4 0.4", "0 0"),
      SAME(gameOverDisplay, "2", keeps), SAME(gameWinDisplay, "3", keeps), SAME(gameCompletedDisplay, "4", keeps),
      SAME(gameOverBlackBG, "false", keeps), SAME(gameEndFont, "EndFont", keeps), SAME(gameEndFontSize, "20", keeps),
      SAME(gameWinBlackBG, "false", keeps), SAME(gameCompletedBlackBG, "false", keeps)}},
    {"GAMEHUD",
     {SAME(gameHUDFont, "HudFont", "metal"), SAME(gameHUDFontColour, "0.5 0.5 0 1", "1 1 1 1"),
      SAME(gameHUDFontSize, "20", "16"), SAME(pauseMenuBG, "p.png", "pauseMenu.png"),
      SAME(isShowExitToDesktop, "false", "true"), SAME(isShowRestartLevel, "true", "false"),
      SAME(pauseMenuFont, "PauseFont", "ArialBlkOutline18"), SAME(pauseMenuFontColour, "0.1 0.5 0 1", "1 1 1 1"),
      SAME(pauseMenuFontColourHoover, "0.2 0.5 0 1", "1 1 1 1"), SAME(continueMenuBG, "c.png", "pauseMenu.png"),
      SAME(continueMenuFont, "ContinueFont", "ArialBlkOutline18"), SAME(continueFontColour, "0.3 0.5 0 1", "1 1 1 1"),
      SAME(continueFontColourHoover, "0.4 0.5 0 1", "1 1 1 1"), SAME(HUD_livesShow, "true", "false"),
      SAME(HUD_scoreShow, "false", "true"), SAME(scoreFormating, "1", "3"), SAME(HUD_HpShow, "true", "false"),
      SAME(HUD_bombsShow, "true", "false"), SAME(HUD_multiplierShow, "true", "false"),
      SAME(HUD_chainsShow, "true", "false"), SAME(HUD_chainsTimerShow, "true", "false"),
      SAME(HUD_livesPos, "0.1 0.9", "-1 1"), SAME(HUD_scorePos, "0.2 0.9", "0 1"), SAME(HUD_HpPos, "0.3 0.9", "-1 1"),
      SAME(HUD_bombsPos, "0.4 0.9", "1 1"), SAME(HUD_multiplierPos, "0.5 0.9", "0.4 1"),
      SAME(HUD_chainsPos, "0.6 0.9", "0.45 1"), SAME(HUD_chainsTimerPos, "0.7 0.9", "0.65 1"),
      SAME(HUD_livesJustif, "0", "1"), SAME(HUD_scoreJustif, "2", "0"), SAME(HUD_HpJustif, "2", "1"),
      SAME(HUD_bombsJustif, "0", "2"), SAME(HUD_multiplierJustif, "2", "1"), SAME(HUD_chainsJustif, "0", "1"),
      SAME(HUD_chainsTimerJustif, "2", "1"), SAME(gameHUDBG_texture, "hud.png", ""),
      SAME(gameHUDBG_position, "0 0.9", "-1 1"), SAME(gameHUDBG_dimension, "0.5 0.2", "1 0.1"),
      SAME(HUDPixelSharp, "true", "false")}},
};

std::string fullGameFile()
{
    std::string file = "<GAMEFILE>\n";
    for (const Section& section : sections) {
        file += std::string("<") + section.element;
        for (const Setting& setting : section.settings)
            file += std::string(" ") + setting.attribute + "=\"" + setting.written + "\"";
        file += "/>\n";
    }
    return file + R"(<LEVEL name="L1" screenName="One" thumbnail="one.png"/></GAMEFILE>)";
}

class GameFileSettings : public ::testing::Test {
protected:
    // The game file in `folder` as the only one of "GAMERSC".
    void useGame(const TempFolder& folder, const std::string& name, const std::string& text)
    {
        folder.write(name, text);
        Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
        if (groups.resourceGroupExists("GAMERSC"))
            groups.destroyResourceGroup("GAMERSC");
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
    }
    // Reads one file of the sections given, from a fresh folder holding the
    // language file too when one is given.
    void readSections(const std::string& sectionsText, const std::string& languageFile = "")
    {
        TempFolder folder;
        if (!languageFile.empty())
            folder.write("english.localization", languageFile);
        useGame(folder, "Edge.game", "<GAMEFILE>" + sectionsText + "</GAMEFILE>");
        readGameFile(game);
    }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC"}};
    LogCapture log;
};

TEST_F(GameFileSettings, EveryAttributeFillsItsSettingAndAGameWithoutSectionsPutsDefaultsBack)
{
    TempFolder full;
    full.write("L1.level", "<LEVEL/>");
    useGame(full, "Full.game", fullGameFile());
    readGameFile(game);
    EXPECT_FALSE(log.containsPrefix("[ERROR] "));
    for (const Section& section : sections)
        for (const Setting& setting : section.settings)
            EXPECT_EQ(setting.field(game), setting.read ? setting.read : setting.written)
                << section.element << " " << setting.attribute;

    TempFolder bare;
    useGame(bare, "Bare.game", "<GAMEFILE/>");
    game.pendingGameFolder = bare.path();
    game.changeGame();
    EXPECT_TRUE(log.contains("[ERROR] game file without GAME"));
    for (const Section& section : sections)
        for (const Setting& setting : section.settings)
            EXPECT_EQ(setting.field(game), setting.absent ? setting.absent : setting.written)
                << "without " << section.element << " " << setting.attribute;
}

struct RuleCase {
    const char* sections;
    std::string (*field)(const Game&);
    const char* expected;
};

TEST_F(GameFileSettings, RulesAfterASectionFixWhatItRead)
{
    const RuleCase cases[] = {
        {R"(<SOUNDS explosionSoundPanning="1.5"/>)", FIELD(explosionSoundPanning), "1"},
        {R"(<SOUNDS explosionSoundPanning="-2"/>)", FIELD(explosionSoundPanning), "0"},
        {R"(<GAMEHUD gameHUDFontSize="17.9"/>)", FIELD(gameHUDFontSize), "17"},
        {R"(<GAMEHUD gameHUDFontSize="nan"/>)", FIELD(gameHUDFontSize), "0"},
        {R"(<GAMEMENUS lifeBarPosition="-0.3 0.2"/>)", FIELD(lifeBarPosition), "0.5 0.2"},
        {R"(<GAMEMENUS createEnemyBossLifeBar_Pos="-1 0.3"/>)", FIELD(createEnemyBossLifeBar_Pos), "0.5 0.3"},
        {R"(<GAMEMENUS lifeBarDimensions="0.3 0.05"/>)", FIELD(createEnemyBossLifeBar_Dimensions), "1.2 0.2"},
        {R"(<GAMEMENUS isEnemyLifebarColoured="false"/>)", FIELD(EnemyLifeBar_color), "1 1 1 1"},
        {R"(<GAMEMENUS EnemyLifeBar_color="0.1 0.2 0.3 1"/>)", FIELD(EnemyLifeBar_color), "0.1 0.2 0.3 1"},
        {R"(<GAMEMENUS enemyLifebarTextureFront="f.png"/>)", FIELD(isEnemyBars), "false"},
        {R"(<GAMEMENUS enemyLifebarTextureBack="b.png"/>)", FIELD(isEnemyBars), "true"},
        {R"(<GAUGE GaugeTextureFront="f.png" isGaugeGfx="true"/>)", FIELD(GaugeTextureFront), "enemyBar_front.png"},
        {R"(<GAUGE GaugeTextureFront="f.png" isGaugeGfx="true"/>)", FIELD(isGaugeGfx), "false"},
        {R"(<GAMEPLAY enemyHitByPlayerInvincibilityDuration="0.01"/>)",
         FIELD(enemyHitByPlayerInvincibilityDuration), "0.016"},
        {R"(<GAMEPLAY enemyHitByPlayerInvincibilityDuration="0.02"/>)",
         FIELD(enemyHitByPlayerInvincibilityDuration), "0.02"},
        {R"(<GAMEPLAY lives="4"/>)", FIELD(padCurvePower), "0.5"},
        {R"(<GAMEPLAY grazingRadius="inf" weaponSafeZone="1 nan 3 4"/>)", FIELD(grazingRadius), "0"},
        {R"(<GAMEPLAY grazingRadius="inf" weaponSafeZone="1 nan 3 4"/>)", FIELD(weaponSafeZone), "1 0 3 4"},
        {R"(<GFX BGCollisionSfx="wall"/>)", FIELD(playerCollisionSfx), "wall"},
        {R"(<GFX BGCollisionSfx="wall" playerCollisionSfx="ship"/>)", FIELD(playerCollisionSfx), "ship"},
        {R"(<GFX enemyCollisionSfx="enemy"/>)", FIELD(playerInvincibleCollisionSfx), "enemy"},
        {R"(<SCORING maxMultiplier="010"/>)", FIELD(maxMultiplier), "8"},
        {R"(<SCORING maxChains="-1"/>)", FIELD(maxChains), "4294967295"},
    };
    for (const RuleCase& rule : cases) {
        game.padCurvePower = 9.0f;
        readSections(rule.sections);
        EXPECT_EQ(rule.field(game), rule.expected) << rule.sections;
    }
    readSections("");
    EXPECT_EQ(game.padCurvePower, 9.0f) << "kept without GAMEPLAY";
}

TEST_F(GameFileSettings, ARequiredAttributeMissingFromItsSectionIsReportedAndReadsAsNothing)
{
    readSections(R"(<GAME parentPlayerName="Kite"/><SCORING isChaining="true"/>)");
    EXPECT_EQ(game.maxMultiplier, 0.0);
    EXPECT_EQ(game.timeBetweenChains, 0.0f);
    EXPECT_TRUE(game.isChaining);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] Edge.game: SCORING without attribute: maxMultiplier"), 1);
    EXPECT_TRUE(log.contains("[ERROR] Edge.game: GAME without attribute: gameScreenName"));
    EXPECT_FALSE(log.contains("[ERROR] Edge.game: SCORING without attribute: isHitKeepChain")) << "optional";
}

TEST_F(GameFileSettings, TheLanguageReplacesTheFontsItNamesAfterEachSection)
{
    game.gameEndFont = "ArialBlk64"; // kept, and still replaced
    readSections(R"(<STARTMENU startMenuLogoFont="ArialBlk64" startMenuFont="Fancy"/><GAMEHUD gameHUDFont="ArialBlk64"/>)",
                 R"(<L><Font from="ArialBlk64" to="verdana"/><Font from="Fancy" to=""/></L>)");
    EXPECT_EQ(game.startMenuLogoFont, "verdana");
    EXPECT_EQ(game.startMenuFont, "Fancy") << "an empty replacement leaves the name";
    EXPECT_EQ(game.scoreFont, "verdana");
    EXPECT_EQ(game.gameEndFont, "verdana");
    EXPECT_EQ(game.gameHUDFont, "verdana");
    EXPECT_EQ(game.pauseMenuFont, "ArialBlkOutline18");
}

} // namespace
