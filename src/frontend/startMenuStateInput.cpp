// The start menu's frame: the clock and locks, the wait before the game
// starts, and the menu inputs that move the selection, step choice and
// spinner values, confirm an entry, leave the splash screen or go back.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"

#include <OgreCamera.h>

#include <algorithm>

namespace {

// Menu inputs: a direction moves the selection above the first value and
// steps a value above the second.
constexpr float moveThreshold = 0.7f;
constexpr float stepThreshold = 0.8f;
// Input locks, in seconds; a negative lock means every input was let go and
// the next press acts at once.
constexpr double moveLock = 0.2;
constexpr double stepLock = 0.3;
constexpr double fastStepLock = 0.05;
constexpr double confirmLock = 0.1;
constexpr double splashLeaveLock = 0.5;
constexpr double splashScreenLock = 1.0;
constexpr double releasedLock = -1.0;
// A spinner held longer than this steps fast.
constexpr double fastStepAfter = 1.0;
// The pad entry of the controls choice screen.
constexpr std::size_t padEntryIndex = 1;
// The entry whose every change shows the chosen resolution at once.
const char* const resolutionPreviewText = "RESOLUTIONXXX";

void playClick(const Game& game) { playSound(game.startMenuClick, 0.0f, noSoundPosition, false); }

bool isEveryInputReleased(const Game& game)
{
    return game.moveUp == 0.0f && game.moveDown == 0.0f && game.moveLeft == 0.0f && game.moveRight == 0.0f
           && !game.keyHeld && !(game.anyShootHeld || game.lastHeld.confirm || game.lastHeld.back)
           && !game.startHeld;
}

bool isAnyButtonPressed(const Game& game) { return game.anyShootPressed || game.confirmPressed || game.backPressed; }

bool isValueEntry(const menuButton& entry)
{
    return entry.type == menuLeftRightChoice || entry.type == menuSpinnerChoice;
}

} // namespace

void startMenuState::update(double dt)
{
    game->updateFade(dt);
    if (logo) {
        logo->update(dt, Ogre::Vector3::ZERO);
        logo->transitionState = OverlayWidget::transitionAppearing;
    }
    if (scene.camera)
        updateSound(static_cast<float>(dt), scene.camera->getRealPosition(), scene.camera->getRealDirection());
    trackController();
    clock += dt;
    inputDelay -= dt;
    screenLock -= dt;
    if (isReadyToPlay()) {
        enterPlay();
        return;
    }
    if (isStartingGame || !navigate(dt))
        updateEntries(dt);
}

void startMenuState::trackController()
{
    const bool isConnected = game->gameController != nullptr;
    if (isConnected == isControllerConnected)
        return;
    isControllerConnected = isConnected;
    startMenuScreen* screen = findScreen(controlsChoiceScreenName);
    if (screen && screen->entries.size() > padEntryIndex)
        screen->entries[padEntryIndex]->isActive = isConnected;
}

bool startMenuState::navigate(double dt)
{
    startMenuScreen* screen = findScreen(currentScreen);
    if (!screen || selectedIndex >= screen->entries.size())
        return false;
    menuButton& entry = *screen->entries[selectedIndex];
    game->pollGamepads();
    const bool isSideHeld = game->moveLeft > stepThreshold || game->moveRight > stepThreshold;
    holdTime = isSideHeld ? holdTime + dt : 0.0;
    if (isEveryInputReleased(*game))
        inputDelay = releasedLock;
    if (screenLock > 0.0)
        return false;
    // Any press leaves the splash screen, once.
    if (currentScreen == splashScreenName)
        return leaveSplash();
    if (moveSelection() || stepValue(entry) || confirm(entry))
        return true;
    if (inputDelay > 0.0 || !game->backPressed)
        return false;
    // The controls screens take the back button as a binding.
    if (currentScreen != padScreenName && currentScreen != keyboardScreenName) {
        inputDelay = confirmLock;
        back();
    }
    return false;
}

bool startMenuState::moveSelection()
{
    if (inputDelay > 0.0)
        return false;
    const bool isUp = game->moveUp > moveThreshold;
    if (!isUp && game->moveDown <= moveThreshold)
        return false;
    const auto count = static_cast<std::uint32_t>(findScreen(currentScreen)->entries.size());
    selectedIndex = isUp ? (selectedIndex + count - 1) % count : (selectedIndex + 1) % count;
    playClick(*game);
    inputDelay = moveLock;
    setScreenZOrder();
    return true;
}

bool startMenuState::stepValue(menuButton& entry)
{
    if (!entry.isActive || inputDelay > 0.0 || !isValueEntry(entry))
        return false;
    const auto lastChoice = static_cast<std::int32_t>(entry.choices.size()) - 1;
    const bool isEmpty = entry.choices.empty();
    if (game->moveLeft > stepThreshold && entry.choiceIndex >= 1) {
        entry.choiceIndex = std::max(0, entry.choiceIndex - entry.step);
    } else if (game->moveRight > stepThreshold && (isEmpty || entry.choiceIndex < lastChoice)
               && (!isEmpty || entry.choiceIndex < entry.maxValue)) {
        entry.choiceIndex = std::min(entry.maxValue, entry.choiceIndex + entry.step);
    } else {
        return false;
    }
    const bool isFast = entry.type == menuSpinnerChoice && holdTime > fastStepAfter;
    inputDelay = isFast ? fastStepLock : stepLock;
    if (entry.text == resolutionPreviewText)
        previewResolution();
    playClick(*game);
    updateSelection();
    validate();
    return true;
}

bool startMenuState::confirm(menuButton& entry)
{
    if (!entry.isActive || inputDelay > 0.0 || !game->confirmPressed)
        return false;
    inputDelay = confirmLock;
    validate();
    updateSelection();
    return true;
}

bool startMenuState::leaveSplash()
{
    if (inputDelay > 0.0 || !(isAnyButtonPressed(*game) || game->startPressed || game->keyHeld))
        return false;
    inputDelay = splashLeaveLock;
    screenLock = splashScreenLock;
    validate();
    updateSelection();
    return true;
}
