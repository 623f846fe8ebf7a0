// Game::setGameState: the transition rules of the play-flow mode.
#include "core/Game.h"

#include "app/AudioService.h"
#include "core/GameMode.h"

#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {


bool isDefaultNextLevel(const std::string& name) { return name.empty() || name == "Next_level"; }

bool isOnLastLevel(const Game& game)
{
    return !game.levels.empty() && game.levelIndex == static_cast<int>(game.levels.size()) - 1;
}

// The level after the current one, or the one nextLevelName names; without
// levels, or with a name the list does not hold, the level stays.
void chooseNextLevel(Game& game)
{
    if (game.levels.empty())
        return;
    if (isDefaultNextLevel(game.nextLevelName)) {
        game.levelIndex = std::min(game.levelIndex + 1, static_cast<int>(game.levels.size()) - 1);
        game.levelName = game.levels[static_cast<std::size_t>(game.levelIndex)]->name;
        return;
    }
    for (std::size_t i = 0; i < game.levels.size(); ++i)
        if (game.levels[i]->name == game.nextLevelName) {
            game.levelIndex = static_cast<int>(i);
            game.levelName = game.levels[i]->name;
            return;
        }
}

// Play freezes its background viewport (the first one) between refreshes;
// while the screen fades out for a change of level or state it draws again.
void keepBackgroundDrawing(Ogre::RenderWindow* window)
{
    if (window && window->getNumViewports() > 0)
        window->getViewport(0)->setAutoUpdated(true);
}

} // namespace

void Game::setGameState(int mode)
{
    // A level cannot be completed while the player dies or the game is over.
    if (!(mode == gameModeLevelComplete && (gameMode == gameModePlayerDying || gameMode == gameModeGameOver)))
        gameMode = mode;
    modeTimer = 0.0f;

    if (gameMode == gameModeContinueOffer && currentContinues == 0) {
        gameMode = gameModeGameOver;
    } else if (gameMode == gameModeLevelComplete
               && ((isOnLastLevel(*this) && isDefaultNextLevel(nextLevelName)) || isGameCompleted)) {
        gameMode = gameModeGameCompleted;
        isGameCompleted = true;
    }
    if (gameMode == gameModeGameCompleted && !noHighScoreSave)
        saveHighScores();
    if (!isStartMenuPresent)
        return;

    if (gameMode == gameModeNextLevel && !isLevelChanging) {
        chooseNextLevel(*this);
        isLevelChanging = true;
        startFadeOut(0.5f);
        keepBackgroundDrawing(renderWindow);
        applyLevelResets();
    }
    if (gameMode == gameModeBackToStartMenu) {
        if (!levels.empty()) {
            levelIndex = 0;
            levelName = levels.front()->name;
        }
        startFadeOut(0.9f);
        fadeOutMusic(0.6f);
        keepBackgroundDrawing(renderWindow);
    }
}
