// Finds a top-level X window by its title and asks it to close, as a window
// manager does when the player clicks the close button.
#pragma once

#include <string>

// Returns 0 when no window of that exact title exists on $DISPLAY.
unsigned long findWindowByTitle(const std::string& title);

// Sends WM_DELETE_WINDOW; returns false without a display or window.
bool requestWindowClose(unsigned long window);
