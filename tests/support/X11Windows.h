// Finds a top-level X window by its title and asks it to close, as a window
// manager does when the player clicks the close button.
#pragma once

#include <string>

// The top-level window of that exact title that the given process made
// (several copies of the program may run at once); 0 when there is none.
unsigned long findWindowByTitle(const std::string& title, long pid);

// Sends WM_DELETE_WINDOW; returns false without a display or window.
bool requestWindowClose(unsigned long window);

// Takes the keyboard focus away from every window, as when the player
// switches to another program.
bool removeKeyboardFocus();
