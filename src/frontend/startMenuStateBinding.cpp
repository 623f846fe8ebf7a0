// Binding controls on the start menu's control screens: a key pressed on the
// keyboard screen, or a pad button (the triggers included) on the controller
// screen, becomes the selected entry's binding, and whatever held it before
// takes the entry's old binding, so two actions never share a key or button.
#include "frontend/StartMenuState.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "frontend/controlBindings.h"

#include <SDL_gamecontroller.h>

namespace {

// The controller screen takes bindings on its first entries only, and the
// triggers only on the fire buttons' entries.
constexpr std::uint32_t bindableEntryCount = 12;
constexpr std::uint32_t triggerEntryCount = 8;
// The d-pad's buttons steer the menu and are never bound.
constexpr std::uint8_t firstDpadButton = 11;
constexpr std::uint8_t lastDpadButton = 14;
// These entries refuse the shoulder buttons.
constexpr std::uint32_t firstShoulderlessEntry = 8;
constexpr std::uint32_t lastShoulderlessEntry = 9;
// The trigger axes, and how far a trigger must be pulled to count as pressed.
constexpr std::uint8_t leftTriggerAxis = 4;
constexpr std::uint8_t rightTriggerAxis = 5;
constexpr float triggerPressedShare = 0.5f;
constexpr float axisFullScale = 32767.0f;
// Entries of the keyboard screen above this many past the fire buttons take no key.
constexpr int keyEntriesPastFireButtons = 5;
constexpr std::size_t fireButtonCount = 8;

void playClick(const Game& game) { playSound(game.startMenuClick, 0.0f, noSoundPosition, false); }

bool isShoulderButton(std::uint8_t button)
{
    return button == leftShoulderButton || button == rightShoulderButton;
}

} // namespace

bool startMenuState::isBindingKey() const
{
    return currentScreen == keyboardScreenName
           && static_cast<std::int64_t>(selectedIndex) <= game->menuButtonsNumber + keyEntriesPastFireButtons;
}

menuButton* startMenuState::selectedEntry()
{
    startMenuScreen* screen = findScreen(currentScreen);
    return screen && selectedIndex < screen->entries.size() ? screen->entries[selectedIndex].get() : nullptr;
}

void startMenuState::bindKey(const OIS::KeyEvent& event)
{
    const menuButton* entry = selectedEntry();
    // An entry that names no binding (the defaults entry) takes no key.
    if (!entry || !findKeyBinding(*game, entry->fonctionName) || !isBindableKey(event))
        return;
    swapKeyBinding(event);
    playClick(*game);
    *findKeyBinding(*game, entry->fonctionName) = event.key;
    refreshKeyboardMenu();
}

void startMenuState::swapKeyBinding(const OIS::KeyEvent& event)
{
    const menuButton* entry = selectedEntry();
    const std::string name = entry ? entry->fonctionName : std::string();
    const int* own = findKeyBinding(*game, name);
    const int old = own ? *own : 0;
    if (old == event.key)
        return;
    for (const char* other : keyBindingNames)
        if (int* binding = findKeyBinding(*game, other); name != other && *binding == event.key)
            *binding = old;
}

void startMenuState::controllerButtonDown(std::uint8_t button)
{
    if (currentScreen != padScreenName || selectedIndex >= bindableEntryCount)
        return;
    if (button >= firstDpadButton && button <= lastDpadButton)
        return;
    if (selectedIndex >= firstShoulderlessEntry && selectedIndex <= lastShoulderlessEntry && isShoulderButton(button))
        return;
    swapPadBinding(button);
    const std::int64_t index = selectedIndex;
    const std::int64_t shown = game->menuButtonsNumber;
    if (index == shown)
        game->start = button;
    else if (index == shown + 1)
        game->select = button;
    else if (index < static_cast<std::int64_t>(fireButtonCount) && (index < 2 || index < shown))
        game->shootButtonNumber[static_cast<std::size_t>(index)] = button;
    refreshControlsMenu();
    playClick(*game);
}

void startMenuState::swapPadBinding(std::int32_t button)
{
    const std::int64_t index = selectedIndex;
    const std::int64_t shown = game->menuButtonsNumber;
    if (index > shown + 1)
        return;
    const menuButton* entry = selectedEntry();
    const int* own = entry ? findPadBinding(*game, entry->text) : nullptr;
    const int old = own ? *own : 0;
    if (old == button)
        return;
    for (std::size_t k = 0; k < fireButtonCount; ++k)
        if (game->shootButtonNumber[k] == button && static_cast<std::int64_t>(k) != index)
            game->shootButtonNumber[k] = old;
    if (game->start == button && index != shown)
        game->start = old;
    if (game->select == button && index != shown + 1)
        game->select = old;
}

void startMenuState::joystickAxisMoved(std::uint8_t axis)
{
    if (currentScreen != padScreenName || selectedIndex >= triggerEntryCount || !game->gameController)
        return;
    if (axis != leftTriggerAxis && axis != rightTriggerAxis)
        return;
    SDL_Joystick* joystick = SDL_GameControllerGetJoystick(game->gameController);
    if (!joystick || SDL_JoystickGetAxis(joystick, axis) / axisFullScale <= triggerPressedShare)
        return;
    controllerButtonDown(axis == leftTriggerAxis ? leftTriggerButton : rightTriggerButton);
}
