// The settings behind tests/data/config_golden.ini: a value other than the
// default for every key the writer writes.
#pragma once

#include "app/RenderSettings.h"
#include "core/Game.h"

#include <fstream>
#include <sstream>
#include <string>

namespace gametest {

inline std::string goldenConfigText()
{
    std::ifstream in(std::string(ZARNITH_TEST_DATA_DIR) + "/config_golden.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void setGoldenSettings(Game& game)
{
    game.language = "french";
    vsync = false;
    game.GpuFlush = 2;
    FSAA = 4;
    game.library = 2;
    game.width = 1280;
    game.height = 720;
    game.fullScreenWidth = 2560;
    game.fullScreenHeigth = 1440;
    game.fullscreen = 2;
    game.shadowTextureRes = 2048;
    game.postFX = false;
    game.IsPostFXOutline = false;
    game.isAlwaysRender = true;
    game.isUseOldBulletTiming = true;

    game.grid = true;
    game.gridSize = 2.5f;
    game.gridAngle = 45;
    game.triggerIconSize = 1.5f;
    game.isCheckForDuplicates = true;
    game.isSnapping = true;
    game.isRotSnapping = true;
    game.isScaleSnapping = true;
    game.scaleSnapSize = 0.5f;
    game.isSpriteSnapping = true;
    game.isLastElementSnapping = true;
    game.snap3DSize = 1.5f;
    game.snap3DAngleSize = 22.5f;
    game.isViewFrustum = false;
    game.gizmosSize = 4.25f;
    game.isPostInEditor = false;
    game.maxSpritesPriorities = 50;
    game.isShowWindowsCursor = true;

    game.isSoundOn = false;
    game.masterVolume = 70;
    game.musicVolume = 55;
    game.sfxVolume = 35;

    game.deadzone = 25;
    game.leftStickNumber = 1;
    game.rightStickNumber = 3;
    game.shootButtonNumber = {11, 12, 13, 14, 15, 16, 101, 100};
    game.start = 7;
    game.select = 5;

    game.upKey = 200;
    game.downKey = 208;
    game.leftKey = 203;
    game.rightKey = 205;
    game.startButton = 28;
    game.selectButton = 14;
    game.shootButton = {16, 18, 19, 20, 21, 22, 29, 42};

    game.lastTutorial = "tutoIntro";
    game.tutorialsSeen = {{"intro", true}, {"Bombs", false}};

    game.isDebugInfos = true;
    game.isFirstTutorials = true;
    game.isFirstLaunch = false;
    game.gameFolder = "/games/star fighter";
    game.gameName = "Star:Fighter* <2>  ";
    game.levelName = "level_02";
}

} // namespace gametest
