// The high-score screen's frame: the wait, the name panel sliding in, the
// name entry with the directions, confirm and cancel, the table shown a
// while, and the fade out.
#include "frontend/HighScoreMenu.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "frontend/HighScoreName.h"
#include "world/PathMath.h"

#include <Overlay/OgreOverlay.h>

#include <algorithm>
#include <tuple>

namespace {

// Below it the directions and buttons were all let go: the next press acts at once.
constexpr double releasedLock = -1.0;
constexpr float directionThreshold = 0.7f;
// Holding a button hurries the screen along.
constexpr float heldSpeed = 4.0f;
constexpr float fadeInTime = 0.5f;
// Name entry starts a moment after the panel is in.
constexpr float entryDelay = 0.1f;
constexpr double cursorLock = 0.14;
constexpr double characterLock = 0.1;
constexpr double confirmLock = 0.2;
// The table shows at least this long, and leaves by itself after the longer time.
constexpr float tableMinimum = 1.1f;
constexpr float tableMaximum = 4.0f;
constexpr float backgroundFadeIn = 0.3f;
constexpr float musicFadeOut = 0.5f;
constexpr double tableFadeOut = 0.3;
constexpr float leaveTime = 0.5f;
constexpr float arrowPulseScale = 1.2f;
constexpr float armedScale = 1.3f;
constexpr float disarmedScale = 0.8f;

void play2D(const std::string& sound) { playSound(sound, 0.0f, noSoundPosition, false); }

// The confirm mark eases to the scale and colour.
void easeMark(menuButton& mark, float scale, const Ogre::ColourValue& colour)
{
    mark.scaleFrom = mark.scale;
    mark.scaleTo = scale;
    mark.colourFrom = mark.colour;
    mark.colourTo = colour;
    mark.focusTime = mark.focusDuration;
}

} // namespace

bool HighScoreMenu::update(double dt)
{
    readInput(dt);
    if ((phase == phaseWaiting || phase == phaseNameEntry) && phaseTimer > namePanelDelay && !entryPending
        && !viewOnly) {
        phase = phaseTable;
        slideInTimer = slideOutTimer = 0.0;
    }
    slideNamePanel(dt);
    if (phase == phaseNameEntry && phaseTimer > entryDelay && inputLock <= 0.0 && !confirmArmed)
        editName();
    // Confirm and cancel wait for the name panel to be in.
    if (entering && phase == phaseNameEntry && inputLock <= 0.0)
        confirmName();
    if (phase == phaseTable && phaseTimer > tableMinimum && slideOutTimer <= 0.0
        && (game->shootPressed[0] || phaseTimer > tableMaximum)) {
        phase = phaseLeaving;
        phaseTimer = 0.0f;
        game->startBackgroundFadeIn(backgroundFadeIn);
        if (!viewOnly)
            fadeOutMusic(musicFadeOut);
        fadeTable(1.0f, 0.0f, tableFadeOut);
    }
    if (phase == phaseLeaving && leave())
        return true;
    setAnimationSpeed(dt);
    for (menuButton* entry : namePanelEntries())
        entry->update(dt);
    return false;
}

void HighScoreMenu::close()
{
    constexpr float closingTime = 5.0f;
    phase = phaseTable;
    phaseTimer = closingTime;
    slideInTimer = 0.0;
}

bool HighScoreMenu::isShown() const { return tableOverlay && tableOverlay->isVisible(); }

void HighScoreMenu::readInput(double dt)
{
    game->pollGamepads();
    inputLock -= dt;
    const bool isDirectionHeld = game->moveUp != 0.0f || game->moveDown != 0.0f || game->moveLeft != 0.0f
                                 || game->moveRight != 0.0f;
    if (!isDirectionHeld && !game->shootHeld[0] && !game->shootHeld[1] && !game->startHeld)
        inputLock = releasedLock;
    const float speed = game->anyShootHeld && phase != phaseTable ? heldSpeed : 1.0f;
    phaseTimer += speed * static_cast<float>(dt);
    fadeTimer += static_cast<float>(dt);
    if (fadeTimer > fadeInTime) {
        fadeTimer = fadeInTime;
        setAlpha(1.0f);
    } else if (phase != phaseTable) {
        setAlpha(2.0f * fadeTimer);
    }
}

void HighScoreMenu::slideNamePanel(double dt)
{
    if (phaseTimer > namePanelDelay && slideInTimer > 0.0) {
        if (entryPending && !namePanelShown) {
            namePanelShown = true;
            refresh(true);
        }
        slideInTimer -= dt;
        if (slideInTimer <= 0.0) {
            slideInTimer = 0.0;
            phase = phaseNameEntry;
            phaseTimer = 0.0f;
        }
        placeNamePanel(namePanelX - static_cast<float>(smoothstep(slideInTimer / slideTime)));
    } else if (slideOutTimer > 0.0) {
        slideOutTimer = std::max(0.0, slideOutTimer - dt);
        const double away = 1.0 - 2.0 / slideTime * slideOutTimer;
        placeNamePanel(namePanelX + static_cast<float>(away * away));
    }
}

void HighScoreMenu::pulse(menuButton& arrow)
{
    arrow.scaleFrom = arrowPulseScale;
    arrow.scaleTo = 1.0f;
    arrow.focusTime = arrow.focusDuration;
}

void HighScoreMenu::editName()
{
    if (game->moveLeft > directionThreshold && cursor > 0) {
        --cursor;
        layoutNamePanel();
        inputLock = cursorLock;
        play2D(game->HSleftRightSound);
        pulse(*arrowLeft);
    }
    if (game->moveRight > directionThreshold && cursor < static_cast<std::int32_t>(highscorename::length) - 1) {
        ++cursor;
        layoutNamePanel();
        inputLock = cursorLock;
        play2D(game->HSleftRightSound);
        pulse(*arrowRight);
    }
    for (const auto& [strength, step, arrow] :
         {std::tuple(game->moveUp, 1, arrowTop.get()), std::tuple(game->moveDown, -1, arrowBottom.get())}) {
        if (strength <= directionThreshold)
            continue;
        highscorename::stepCharacter(name, static_cast<std::size_t>(cursor), step);
        layoutNamePanel();
        pulse(*arrow);
        inputLock = characterLock;
        play2D(game->HSspinnerSound);
    }
}

void HighScoreMenu::confirmName()
{
    // Only the frame a press begins counts (Return or the first button): a
    // key still held from the press that armed must not also validate.
    const bool isConfirm = game->confirmPressed;
    const bool isCancel = game->backPressed;
    if (!confirmArmed && isConfirm) {
        confirmArmed = true;
        inputLock = confirmLock;
        play2D(game->HSspinnerSound);
        layoutNamePanel();
        easeMark(*okEntry, armedScale, game->startMenuFontHooverColour);
    } else if (confirmArmed && isCancel) {
        confirmArmed = false;
        inputLock = confirmLock;
        layoutNamePanel();
        play2D(game->HSspinnerSound);
        easeMark(*okEntry, disarmedScale, game->startMenuFontColour);
    } else if (confirmArmed && isConfirm) {
        validateName();
    } else if (!confirmArmed && isCancel) {
        highscorename::deleteCharacter(name, static_cast<std::size_t>(cursor));
        layoutNamePanel();
        play2D(game->HSspinnerSound);
        inputLock = confirmLock;
    }
}

void HighScoreMenu::validateName()
{
    entering = false;
    slideOutTimer = slideTime * 0.5;
    game->addHighScore(highscorename::storedName(name), score, currentLevelNumber());
    // The name is kept on disk as soon as it is confirmed: the table shown
    // after it may never end (a closed window, a signal).
    if (!game->noHighScoreSave)
        game->saveHighScores();
    fillDefaultTable();
    phase = phaseTable;
    phaseTimer = 0.0f;
    play2D(game->HSvalidateSound);
    slideOutNamePanel();
}

bool HighScoreMenu::leave()
{
    setAlpha(1.0f - 2.0f * phaseTimer);
    if (phaseTimer <= leaveTime)
        return false;
    setAlpha(0.0f);
    setVisible(false);
    if (!viewOnly)
        stopMusic();
    return true;
}
