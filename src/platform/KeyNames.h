// Readable names of OIS key codes, shown on the control-binding screens.
#pragma once

#include <OISKeyboard.h>

#include <string>

namespace platform {

// "W", "Space", "Enter", "Up", "Left Ctrl", ...; "Key_<code>" for a code no key has.
// The reference stays valid for the life of the program.
const std::string& keyName(OIS::KeyCode key);

} // namespace platform
