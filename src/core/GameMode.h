// The play-flow values of the Game's gameMode: what the play state, the
// screens and the triggers ask of one another through Game::setGameState.
#pragma once

enum GameMode : int {
    gameModeBeforePlay = 0,
    gameModePlaying = 1,
    gameModePlayerDying = 2,
    gameModeRespawn = 3,
    gameModeGameOver = 4,
    gameModeGameOverScores = 5,
    gameModeHighScoreEntry = 6,
    gameModeContinueOffer = 7,
    gameModeLevelComplete = 8,
    gameModeLevelScores = 9,
    gameModeBackToStartMenu = 11,
    gameModeNextLevel = 12,
    gameModeGameCompleted = 13,
    gameModeGameScores = 14,
    gameModeQuit = 16,
    gameModeContinueAccepted = 18,
};
