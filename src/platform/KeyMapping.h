// Translation of SDL's physical key positions (scancodes) into OIS key codes
// (scan-code set 1), the codes the game stores in its key bindings.
#pragma once

#include <OISKeyboard.h>
#include <SDL_scancode.h>

namespace platform {

// The OIS code of the key at that position; KC_UNASSIGNED for keys OIS has no code for.
OIS::KeyCode keyCodeFromScancode(SDL_Scancode scancode);

} // namespace platform
