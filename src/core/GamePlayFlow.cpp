// Game::setGameState: the transition rules of the play-flow mode.
#include "core/Game.h"

#include <algorithm>

namespace {

constexpr int modeDying = 2;
constexpr int modeGameOver = 4;
constexpr int modeContinue = 7;
constexpr int modeLevelComplete = 8;
constexpr int modeBackToMenu = 11;
constexpr int modeNextLevel = 12;
constexpr int modeGameCompleted = 13;

bool isDefaultNextLevel(const std::string& name) { return name.empty() || name == "Next_level"; }

} // namespace

void Game::setGameState(int mode)
{
    // A level cannot be completed while the player dies or the game is over.
    if (!(mode == modeLevelComplete && (gameMode == modeDying || gameMode == modeGameOver)))
        gameMode = mode;
    modeTimer = 0.0f;

    if (gameMode == modeContinue && currentContinues == 0) {
        gameMode = modeGameOver;
    } else if (gameMode == modeLevelComplete) {
        const bool lastLevel = !levels.empty() && levelIndex == static_cast<int>(levels.size()) - 1;
        if ((lastLevel && isDefaultNextLevel(nextLevelName)) || isGameCompleted) {
            gameMode = modeGameCompleted;
            isGameCompleted = true;
        }
    }
    // On game completion the high scores are saved here once the table's
    // writer exists (unless noHighScoreSave).
    if (!isStartMenuPresent)
        return;

    if (gameMode == modeNextLevel && !isLevelChanging) {
        if (isDefaultNextLevel(nextLevelName)) {
            if (!levels.empty()) {
                levelIndex = std::min(levelIndex + 1, static_cast<int>(levels.size()) - 1);
                levelName = levels[static_cast<std::size_t>(levelIndex)]->name;
            }
        } else {
            for (std::size_t i = 0; i < levels.size(); ++i)
                if (levels[i]->name == nextLevelName) {
                    levelIndex = static_cast<int>(i);
                    levelName = levels[i]->name;
                    break;
                }
        }
        isLevelChanging = true;
        // The screen fade-out and the per-level resets follow here once the
        // fades and the play-flow counters exist.
    }
    if (gameMode == modeBackToMenu) {
        levelIndex = 0;
        if (!levels.empty())
            levelName = levels.front()->name;
        // The screen and music fade-outs follow here once they exist.
    }
}
