// The stage score screen's frames: the fade in, the level score counted up,
// a pause, the total counted up, the hold, the fade out and the next mode.
#include "frontend/ScoreMenu.h"

#include "app/AudioService.h"
#include "app/TextUtils.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/menuButton.h"

#include <Overlay/OgreOverlay.h>

#include <algorithm>
#include <string>

namespace {

// The count's pace is set per frame of this length (a frame at 60 a second).
constexpr double countFrame = 0.016;
// Holding a key or a button runs the counts and the phase clocks this much faster.
constexpr float skipSpeed = 3.0f;
// A hundredth of the score is counted per 16 ms of game time.
constexpr std::int64_t countDivisor = 100;
constexpr float fadeInSeconds = 0.5f;
constexpr float countStartSeconds = 1.0f;
constexpr float pauseSeconds = 1.0f;
constexpr float holdSeconds = 3.0f;
constexpr float fadeOutSeconds = 0.5f;
constexpr float leaveSeconds = 1.0f;
// Whatever the phase, the screen ends this long after it opened.
constexpr float longestShowing = 10.0f;
// Far past every phase's end: the screen ends in this frame.
constexpr float endNow = 100.0f;
constexpr float backgroundFadeSeconds = 0.3f;
constexpr float musicFadeSeconds = 0.5f;
constexpr float musicVolume = 1.0f;

void showNumber(menuButton& number, std::int64_t value, int style)
{
    if (!number.labelText)
        return;
    number.label = formatThousands(std::to_string(value), style);
    number.labelText->setText(number.label);
}

bool isSkipHeld(const Game& game) { return game.keyHeld || game.anyShootHeld; }

} // namespace

float ScoreMenu::countStepFor(std::int64_t score, double dt)
{
    const double step = static_cast<double>(score / countDivisor) * std::max(dt, 0.0) / countFrame;
    return static_cast<float>(std::max(step, 1.0));
}

bool ScoreMenu::update(double dt)
{
    // The counts and phases run on the game's time, not on frames: on a slow
    // machine a count of frames would outlast the screen's time limit and
    // leave the totals short.
    dt = std::max(dt, 0.0);
    game->pollGamepads();
    const float speed = isSkipHeld(*game) ? skipSpeed : 1.0f;
    if (!game->isEndOfLevelShowScoreScreen) {
        timer = endNow;
        phase = phaseFadeOut;
    }
    timer += speed * static_cast<float>(dt);
    totalTime += static_cast<float>(dt);
    switch (phase) {
    case phaseFadeIn:
        updateAlpha(timer < fadeInSeconds ? 2.0f * timer : 1.0f);
        if (timer > countStartSeconds) {
            countStep = countStepFor(game->levelScore, dt);
            phase = phaseLevelCount;
            timer = 0.0f;
            if (!isGameplayLevel() || game->levelScore == 0) {
                phase = phasePause;
                timer = pauseSeconds;
            } else if (levelScoreEntry) {
                levelScoreEntry->setVisible(true);
            }
        }
        break;
    case phaseLevelCount:
        if (shownValue <= game->levelScore && levelScoreEntry)
            countTowards(game->levelScore, *levelScoreEntry, phasePause, speed, dt);
        break;
    case phasePause:
        if (timer > pauseSeconds) {
            if (totalScoreEntry)
                totalScoreEntry->setVisible(true);
            phase = phaseTotalCount;
            timer = 0.0f;
            shownValue = 0;
        }
        break;
    case phaseTotalCount:
        if (totalScoreEntry)
            countTowards(game->totalScore, *totalScoreEntry, phaseHold, speed, dt);
        break;
    case phaseHold:
        if (timer > holdSeconds)
            fadeOutLines();
        break;
    default:
        if (timer <= fadeOutSeconds) {
            updateAlpha((fadeOutSeconds - timer) * 2.0f);
            if (!game->isLastLevel && game->currentLives != 0)
                fadeOutMusic(musicFadeSeconds);
        }
        break;
    }
    const bool isOver = totalTime > longestShowing;
    if ((phase == phaseFadeOut && timer > fadeOutSeconds) || isOver) {
        if (overlay)
            overlay->hide();
        for (menuButton* line : lines())
            if (line)
                line->setVisible(false);
    }
    if ((phase == phaseFadeOut && timer > leaveSeconds) || isOver) {
        leave();
        return true;
    }
    for (menuButton* line : lines())
        if (line)
            line->update(dt);
    return false;
}

// One frame of a count: both counts run at the rate the total score sets.
void ScoreMenu::countTowards(std::int64_t target, menuButton& number, std::uint32_t nextPhase, float speed,
                             double dt)
{
    countStep = countStepFor(game->totalScore, dt);
    shownValue += static_cast<std::int64_t>(countStep * game->scoreSpeed * speed);
    playSound(game->scoreSound, 0.0f, noSoundPosition, false);
    if (shownValue >= target || game->scoreSpeed == 0.0f) {
        shownValue = target;
        phase = nextPhase;
        timer = 0.0f;
    }
    showNumber(number, shownValue, game->scoreFormating);
}

void ScoreMenu::fadeOutLines()
{
    phase = phaseFadeOut;
    timer = 0.0f;
    game->startBackgroundFadeIn(backgroundFadeSeconds);
    if (!game->isLastLevel)
        queueMusic(std::string(), musicVolume, musicFadeSeconds, false);
    for (menuButton* line : lines()) {
        if (!line)
            continue;
        line->alphaFrom = 1.0f;
        line->alphaTo = 0.0f;
        line->slideTime = line->slideDuration;
    }
}

// The next level while lives are left and the level was not the last;
// otherwise the high-score entry when the level's end asked for it, else
// the start menu.
void ScoreMenu::leave()
{
    if (!game->isLastLevel && game->currentLives != 0) {
        stopMusic();
        game->setGameState(gameModeNextLevel);
    } else if (game->isEndOfLevelShowHighScoreScreen) {
        game->setGameState(gameModeHighScoreEntry);
    } else {
        game->setGameState(gameModeBackToStartMenu);
    }
}
