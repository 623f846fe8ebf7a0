// The Game's key and pad bindings as the control screens name them, the
// texts the pad screen shows for button numbers, and which keys may be bound.
#pragma once

#include <OISKeyboard.h>

#include <array>
#include <cstdint>
#include <string>

class Game;

// The keyboard bindings, in the order the keyboard screen lists them.
extern const std::array<const char*, 14> keyBindingNames;

// Pad buttons with names: the triggers (sent as buttons) and the shoulders.
constexpr std::int32_t leftTriggerButton = 100;
constexpr std::int32_t rightTriggerButton = 101;
constexpr std::int32_t leftShoulderButton = 9;
constexpr std::int32_t rightShoulderButton = 10;

// The key binding of that name, or null for another name.
int* findKeyBinding(Game& game, const std::string& name);
// The pad binding of that name ("BUTTON1OK", "BUTTON2OK", "BUTTON3".."BUTTON8",
// "BUTTONSTART", "BUTTONSELECT"), or null for another name.
int* findPadBinding(Game& game, const std::string& name);
// "LT", "RT", "L1", "R1" or the decimal number.
std::string padButtonText(std::int32_t button);
// Letters, digits, Return, Space, the Shift, Control and Alt keys.
bool isBindableKey(const OIS::KeyEvent& event);
