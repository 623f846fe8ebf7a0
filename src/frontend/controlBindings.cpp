// The Game's bindings by name, pad button texts and the bindable keys.
#include "frontend/controlBindings.h"

#include "core/Game.h"

#include <algorithm>
#include <cstring>

const std::array<const char*, 14> keyBindingNames = {
    "BUTTONLEFT", "BUTTONRIGHT", "BUTTONUP", "BUTTONDOWN", "BUTTONSTART", "BUTTONSELECT", "BUTTON1OK",
    "BUTTON2OK",  "BUTTON3",     "BUTTON4",  "BUTTON5",    "BUTTON6",     "BUTTON7",      "BUTTON8",
};

namespace {

// The names of the eight fire buttons, in binding order.
constexpr std::array<const char*, 8> fireButtonNames = {"BUTTON1OK", "BUTTON2OK", "BUTTON3", "BUTTON4",
                                                        "BUTTON5",   "BUTTON6",   "BUTTON7", "BUTTON8"};

constexpr const char* bindableCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";
constexpr std::array<OIS::KeyCode, 8> bindableKeys = {OIS::KC_RETURN, OIS::KC_LCONTROL, OIS::KC_LSHIFT,
                                                      OIS::KC_RSHIFT, OIS::KC_LMENU,    OIS::KC_SPACE,
                                                      OIS::KC_RCONTROL, OIS::KC_RMENU};
// Text characters above this are never letters or digits.
constexpr unsigned lastAsciiCharacter = 127;

int* findFireButton(std::array<int, 8>& buttons, const std::string& name)
{
    for (std::size_t i = 0; i < fireButtonNames.size(); ++i)
        if (name == fireButtonNames[i])
            return &buttons[i];
    return nullptr;
}

} // namespace

int* findKeyBinding(Game& game, const std::string& name)
{
    if (name == "BUTTONLEFT")
        return &game.leftKey;
    if (name == "BUTTONRIGHT")
        return &game.rightKey;
    if (name == "BUTTONUP")
        return &game.upKey;
    if (name == "BUTTONDOWN")
        return &game.downKey;
    if (name == "BUTTONSTART")
        return &game.startButton;
    if (name == "BUTTONSELECT")
        return &game.selectButton;
    return findFireButton(game.shootButton, name);
}

int* findPadBinding(Game& game, const std::string& name)
{
    if (name == "BUTTONSTART")
        return &game.start;
    if (name == "BUTTONSELECT")
        return &game.select;
    return findFireButton(game.shootButtonNumber, name);
}

std::string padButtonText(std::int32_t button)
{
    switch (button) {
    case leftTriggerButton:
        return "LT";
    case rightTriggerButton:
        return "RT";
    case leftShoulderButton:
        return "L1";
    case rightShoulderButton:
        return "R1";
    default:
        return std::to_string(button);
    }
}

bool isBindableKey(const OIS::KeyEvent& event)
{
    const bool isCharacter = event.text != 0 && event.text <= lastAsciiCharacter
                             && std::strchr(bindableCharacters, static_cast<int>(event.text)) != nullptr;
    return isCharacter || std::find(bindableKeys.begin(), bindableKeys.end(), event.key) != bindableKeys.end();
}
