// The menu and HUD sections of the game file: STARTMENU, DEFAULTCONTROLS,
// HIGHSCOREMENUS, GAMEMENUS and GAMEHUD.
#include "core/Game.h"
#include "data/GameFileSection.h"

namespace {

using sectionTable::optional;
using sectionTable::required;

const Ogre::ColourValue white(1.0f, 1.0f, 1.0f, 1.0f);
// A boss bar is this many times the size of an enemy's.
constexpr float bossBarScale = 4.0f;
// Where a life bar placed left of the screen goes across.
constexpr float centredBarX = 0.5f;

void centreWhenLeftOfScreen(Ogre::Vector2& position)
{
    if (position.x < 0.0f)
        position.x = centredBarX;
}

void textureWhenUnset(std::string& texture, const char* plain)
{
    if (texture.empty())
        texture = plain;
}

void afterGameMenus(Game& game, const XmlNode* section)
{
    centreWhenLeftOfScreen(game.lifeBarPosition);
    centreWhenLeftOfScreen(game.createEnemyBossLifeBar_Pos);
    if (!section || !attributeText(*section, "createEnemyBossLifeBar_Dimensions"))
        game.createEnemyBossLifeBar_Dimensions = game.lifeBarDimensions * bossBarScale;
    if (!game.isEnemyLifebarColoured)
        game.EnemyLifeBar_color = Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f);
    if (game.enemyLifebarTextureBack.empty())
        game.isEnemyBars = false;
    textureWhenUnset(game.enemyLifebarTextureBack, plainBarBack);
    textureWhenUnset(game.enemyLifebarTextureFront, plainBarFront);
    textureWhenUnset(game.enemyBossLifebarTextureBack, plainBarBack);
    textureWhenUnset(game.enemyBossLifebarTextureFront, plainBarFront);
}

GameFileSection startMenu(Game& g)
{
    return {
        "STARTMENU",
        {
            {"startMenuBackground", required, g.startMenuBackground, "stars.png"},
            {"splashScreenPicture", optional, g.splashScreenPicture, ""},
            {"splashScreenPicture2", optional, g.splashScreenPicture2, ""},
            {"splashScreen1Duration", optional, g.splashScreen1Duration, 1.0f},
            {"splashScreen2Duration", optional, g.splashScreen2Duration, 1.0f},
            {"isStartMenuBGWidthAligned", optional, g.isStartMenuBGWidthAligned, false},
            {"startMenuLogoGfx", required, g.startMenuLogoGfx, ""},
            {"startMenuFontInterval", optional, g.startMenuFontInterval, 1.0f},
            {"startMenuLogoFont", required, g.startMenuLogoFont, "ArialBlk64"},
            {"startMenuFont", required, g.startMenuFont, "ArialBlk64"},
            {"startMenuLogoFontColour", required, g.startMenuLogoFontColour, Ogre::ColourValue(1.0f, 0.67f, 0.16f, 1.0f)},
            {"startMenuFontColour", required, g.startMenuFontColour, white},
            {"startMenuFontHooverColour", optional, g.startMenuFontHooverColour, Ogre::ColourValue(1.0f, 0.8f, 0.5f, 1.0f)},
            {"startMenuFontSize", required, g.startMenuFontSize, 24},
            {"startMenuLogoFontSize", required, g.startMenuLogoFontSize, 32},
            {"startMenuLogoGfxSize", required, g.startMenuLogoGfxSize, 0.5f},
            {"startMenuBGScrollSpeed", optional, g.startMenuBGScrollSpeed, {0.0f, 0.02f}},
            {"startMenuAlign", required, g.startMenuAlign, 0},
            {"startMenuLogoPosition", required, g.startMenuLogoPosition, {0.0f, 0.2f}},
            {"startMenuLogoIsText", required, g.startMenuLogoIsText, true},
            {"startMenuCenter", optional, g.startMenuCenter, {0.0f, -0.65f}},
            {"startMenuTransitionOffset", optional, g.startMenuTransitionOffset, {1.0f, 0.0f}},
            {"startMenuHooverScale", optional, g.startMenuHooverScale, 1.1f},
            {"isTransitionAlpha", optional, g.isTransitionAlpha, true},
            {"isBlinkingHoover", optional, g.isBlinkingHoover, true},
            {"startMenuBlock", optional, g.startMenuBlock, 0},
            {"startMenuBlockTextureName", optional, g.startMenuBlockTextureName,
             "startMenuBlockTexture_blueGradient.png"},
            {"isLogoAnimatedTransition", optional, g.isLogoAnimatedTransition, true},
            {"startMenutransitionFocusTime", optional, g.startMenutransitionFocusTime, 0.2f},
            {"startMenutransitionScreenTime", optional, g.startMenutransitionScreenTime, 0.4f},
            {"startMenuTransitionwaitTime", optional, g.startMenuTransitionwaitTime, 0.1f},
            {"startMenuoffsetX", optional, g.startMenuoffsetX, 20},
            {"isStartMenuPixelSharp", optional, g.isStartMenuPixelSharp, false},
            {"menuButtonsNumber", optional, g.menuButtonsNumber, 4},
        },
        {&g.startMenuLogoFont, &g.startMenuFont},
    };
}

// Every binding keeps its earlier default unless the file gives one.
GameFileSection defaultControls(Game& g)
{
    Game::controlBindings& d = g.defaultControls;
    return {
        "DEFAULTCONTROLS",
        {
            {"isUseArrowsForDirections", optional, g.isUseArrowsForDirections, kept},
            {"deadzone", optional, d.deadzone, kept},
            {"leftStickNumber", optional, d.leftStickNumber, kept},
            {"rightStickNumber", optional, d.rightStickNumber, kept},
            {"shootButtonNumber0", optional, d.shootButtonNumber[0], kept},
            {"shootButtonNumber1", optional, d.shootButtonNumber[1], kept},
            {"shootButtonNumber2", optional, d.shootButtonNumber[2], kept},
            {"shootButtonNumber3", optional, d.shootButtonNumber[3], kept},
            {"shootButtonNumber4", optional, d.shootButtonNumber[4], kept},
            {"shootButtonNumber5", optional, d.shootButtonNumber[5], kept},
            {"shootButtonNumber6", optional, d.shootButtonNumber[6], kept},
            {"shootButtonNumber7", optional, d.shootButtonNumber[7], kept},
            {"start", optional, d.start, kept},
            {"select", optional, d.select, kept},
            {"upKey", optional, d.upKey, kept},
            {"downKey", optional, d.downKey, kept},
            {"leftKey", optional, d.leftKey, kept},
            {"rightKey", optional, d.rightKey, kept},
            {"startButton", optional, d.startButton, kept},
            {"selectButton", optional, d.selectButton, kept},
            {"shootButton0", optional, d.shootButton[0], kept},
            {"shootButton1", optional, d.shootButton[1], kept},
            {"shootButton2", optional, d.shootButton[2], kept},
            {"shootButton3", optional, d.shootButton[3], kept},
            {"shootButton4", optional, d.shootButton[4], kept},
            {"shootButton5", optional, d.shootButton[5], kept},
            {"shootButton6", optional, d.shootButton[6], kept},
            {"shootButton7", optional, d.shootButton[7], kept},
        },
    };
}

GameFileSection highScoreMenus(Game& g)
{
    return {
        "HIGHSCOREMENUS",
        {
            {"isHSTransitionAlpha", required, g.isHSTransitionAlpha, true},
            {"isHSNewScoreScale", required, g.isHSNewScoreScale, 3.0f},
            {"HSTransitionOffset", required, g.HSTransitionOffset, {0.0f, 0.0f}},
            {"HSTransitionwaitTime", required, g.HSTransitionwaitTime, 0.1f},
            {"HSFontColour", required, g.HSFontColour, white},
            {"HSFontNewScoreColour", required, g.HSFontNewScoreColour, Ogre::ColourValue(1.0f, 0.5f, 0.0f, 1.0f)},
            {"HSspinnerSound", required, g.HSspinnerSound, "Menu_Click.ogg"},
            {"HSleftRightSound", optional, g.HSleftRightSound, "Menu_Click.ogg"},
            {"HSvalidateSound", required, g.HSvalidateSound, "menuGo.mp3"},
            {"scoreSpeed", required, g.scoreSpeed, 1.0f},
            {"scoreSound", required, g.scoreSound, "Menu_Click.ogg"},
            {"scoreFont", required, g.scoreFont, "ArialBlk64"},
            {"scoreFontColour", required, g.scoreFontColour, white},
            {"HSMenuBG", optional, g.HSMenuBG, "pauseMenu.png"},
            {"scoreMenuBG", optional, g.scoreMenuBG, "pauseMenu.png"},
            {"scoreGameSpeed", optional, g.scoreGameSpeed, kept},
            {"isHSshowLevels", optional, g.isHSshowLevels, kept},
            {"globalHUDFontSizeFactor", optional, g.globalHUDFontSizeFactor, kept},
        },
        {&g.scoreFont},
    };
}

GameFileSection gameMenus(Game& g)
{
    GameFileSection section{
        "GAMEMENUS",
        {
            {"lifeBarPosition", required, g.lifeBarPosition, {0.5f, 0.1f}},
            {"lifeBarDimensions", required, g.lifeBarDimensions, {0.25f, 0.02f}},
            {"enemyLifebarTextureBack", required, g.enemyLifebarTextureBack, ""},
            {"enemyLifebarTextureFront", required, g.enemyLifebarTextureFront, ""},
            {"minHpShowLifeBar", optional, g.minHpShowLifeBar, 2},
            {"barAnimationSpeed", optional, g.barAnimationSpeed, kept},
            {"isEnemyBars", optional, g.isEnemyBars, true},
            {"isOnlyBossLifebar", optional, g.isOnlyBossLifebar, true},
            {"isEnemyLifebarColoured", optional, g.isEnemyLifebarColoured, true},
            {"enemyLifeBarBossLayerNumber", optional, g.enemyLifeBarBossLayerNumber, 4},
            {"EnemyLifeBar_color", optional, g.EnemyLifeBar_color, {1.0f, 0.3f, 0.0f, 1.0f}},
            {"EnemyBossLifeBar_color1", optional, g.EnemyBossLifeBar_color1, {0.0f, 1.0f, 0.6f, 1.0f}},
            {"EnemyBossLifeBar_color2", optional, g.EnemyBossLifeBar_color2, {1.0f, 0.8f, 0.0f, 1.0f}},
            {"EnemyBossLifeBar_color3", optional, g.EnemyBossLifeBar_color3, {0.9f, 0.4f, 0.0f, 1.0f}},
            {"EnemyBossLifeBar_color4", optional, g.EnemyBossLifeBar_color4, {0.7f, 0.0f, 0.0f, 1.0f}},
            {"enemyBossLifebarTextureBack", optional, g.enemyBossLifebarTextureBack, ""},
            {"enemyBossLifebarTextureFront", optional, g.enemyBossLifebarTextureFront, ""},
            // Absent, it is four times the enemy bar (after the read).
            {"createEnemyBossLifeBar_Dimensions", optional, g.createEnemyBossLifeBar_Dimensions, kept},
            {"createEnemyBossLifeBar_Pos", optional, g.createEnemyBossLifeBar_Pos, {0.5f, 0.1f}},
            {"gameMenuFont", required, g.gameMenuFont, "verdana"},
            {"gameMenuFontColour", required, g.gameMenuFontColour, white},
            {"gameOverText", required, g.gameOverText, "GAME OVER"},
            {"gameOverGfx", required, g.gameOverGfx, ""},
            {"gameOverGfxScale", optional, g.gameOverGfxScale, 0.8f},
            {"gameWinText", required, g.gameWinText, "LEVEL COMPLETE"},
            {"gameWinGfx", required, g.gameWinGfx, ""},
            {"gameWinGfxScale", optional, g.gameWinGfxScale, 0.8f},
            {"gameCompletedText", required, g.gameCompletedText, "YOU COMPLETED THE GAME!!!"},
            {"gameCompletedGfx", required, g.gameCompletedGfx, ""},
            {"gameCompletedGfxScale", optional, g.gameCompletedGfxScale, 0.8f},
            {"gamePauseText", optional, g.gamePauseText, "PAUSE"},
            {"gamePauseGfx", optional, g.gamePauseGfx, ""},
            // One scale for both directions.
            {"gamePauseGfxScale", optional, g.gamePauseGfxScale, {0.5f, 0.5f}, Reading::real},
            {"gamePausePosition", optional, g.gamePausePosition, {0.0f, 0.0f}},
            {"gameOverPosition", optional, g.gameOverPosition, {0.0f, 0.0f}},
            {"gameWinPosition", optional, g.gameWinPosition, {0.0f, 0.0f}},
            {"gameCompletedPosition", optional, g.gameCompletedPosition, {0.0f, 0.0f}},
            {"gameOverDisplay", optional, g.gameOverDisplay, kept},
            {"gameWinDisplay", optional, g.gameWinDisplay, kept},
            {"gameCompletedDisplay", optional, g.gameCompletedDisplay, kept},
            {"gameOverBlackBG", optional, g.gameOverBlackBG, kept},
            {"gameEndFont", optional, g.gameEndFont, kept},
            {"gameEndFontSize", optional, g.gameEndFontSize, kept},
            {"gameWinBlackBG", optional, g.gameWinBlackBG, kept},
            {"gameCompletedBlackBG", optional, g.gameCompletedBlackBG, kept},
        },
        {&g.gameMenuFont, &g.gameEndFont},
    };
    section.afterRules = afterGameMenus;
    return section;
}

GameFileSection gameHud(Game& g)
{
    return {
        "GAMEHUD",
        {
            {"gameHUDFont", required, g.gameHUDFont, "metal"},
            {"gameHUDFontColour", optional, g.gameHUDFontColour, white},
            // A size written as a real, cut to whole points.
            {"gameHUDFontSize", required, g.gameHUDFontSize, 16, Reading::real},
            {"pauseMenuBG", optional, g.pauseMenuBG, "pauseMenu.png"},
            {"isShowExitToDesktop", optional, g.isShowExitToDesktop, true},
            {"isShowRestartLevel", optional, g.isShowRestartLevel, false},
            {"pauseMenuFont", optional, g.pauseMenuFont, "ArialBlkOutline18"},
            {"pauseMenuFontColour", optional, g.pauseMenuFontColour, white},
            {"pauseMenuFontColourHoover", optional, g.pauseMenuFontColourHoover, white},
            {"continueMenuBG", optional, g.continueMenuBG, "pauseMenu.png"},
            {"continueMenuFont", optional, g.continueMenuFont, "ArialBlkOutline18"},
            {"continueFontColour", optional, g.continueFontColour, white},
            {"continueFontColourHoover", optional, g.continueFontColourHoover, white},
            {"HUD_livesShow", optional, g.HUD_livesShow, false},
            {"HUD_scoreShow", optional, g.HUD_scoreShow, true},
            {"scoreFormating", optional, g.scoreFormating, 3},
            {"HUD_HpShow", optional, g.HUD_HpShow, false},
            {"HUD_bombsShow", optional, g.HUD_bombsShow, false},
            {"HUD_multiplierShow", optional, g.HUD_multiplierShow, false},
            {"HUD_chainsShow", optional, g.HUD_chainsShow, false},
            {"HUD_chainsTimerShow", optional, g.HUD_chainsTimerShow, false},
            {"HUD_livesPos", optional, g.HUD_livesPos, {-1.0f, 1.0f}},
            {"HUD_scorePos", optional, g.HUD_scorePos, {0.0f, 1.0f}},
            {"HUD_HpPos", optional, g.HUD_HpPos, {-1.0f, 1.0f}},
            {"HUD_bombsPos", optional, g.HUD_bombsPos, {1.0f, 1.0f}},
            {"HUD_multiplierPos", optional, g.HUD_multiplierPos, {0.4f, 1.0f}},
            {"HUD_chainsPos", optional, g.HUD_chainsPos, {0.45f, 1.0f}},
            {"HUD_chainsTimerPos", optional, g.HUD_chainsTimerPos, {0.65f, 1.0f}},
            {"HUD_livesJustif", optional, g.HUD_livesJustif, 1},
            {"HUD_scoreJustif", optional, g.HUD_scoreJustif, 0},
            {"HUD_HpJustif", optional, g.HUD_HpJustif, 1},
            {"HUD_bombsJustif", optional, g.HUD_bombsJustif, 2},
            {"HUD_multiplierJustif", optional, g.HUD_multiplierJustif, 1},
            {"HUD_chainsJustif", optional, g.HUD_chainsJustif, 1},
            {"HUD_chainsTimerJustif", optional, g.HUD_chainsTimerJustif, 1},
            {"gameHUDBG_texture", optional, g.gameHUDBG_texture, ""},
            {"gameHUDBG_position", optional, g.gameHUDBG_position, {-1.0f, 1.0f}},
            {"gameHUDBG_dimension", optional, g.gameHUDBG_dimension, {1.0f, 0.1f}},
            {"HUDPixelSharp", optional, g.HUDPixelSharp, false},
        },
        {&g.gameHUDFont, &g.pauseMenuFont, &g.continueMenuFont},
    };
}

} // namespace

std::vector<GameFileSection> gameMenuSections(Game& game)
{
    return {startMenu(game), defaultControls(game), highScoreMenus(game), gameMenus(game), gameHud(game)};
}
