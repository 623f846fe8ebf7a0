// The plain rules of input in play: where a pointer on a window edge goes,
// the smallest window that play keeps, and when play may be paused.
#pragma once

#include <OISKeyboard.h>

class Game;
class PauseMenu;

// The pointer coordinate after reaching an edge of the window's extent
// (width or height): from the first pixel to the one before the last, from
// the last to the second, so that the warped pointer is not on an edge
// again. -1 when the coordinate is not on an edge.
int wrappedPointerCoordinate(int position, int extent);

// The smallest window play allows, and the floor of the size it stores.
constexpr int minimumWindowWidth = 1280;
constexpr int minimumPortraitWindowWidth = 540;
constexpr int minimumWindowHeight = 720;
// The window keeps that smallest size; a window that is not full-screen
// gives the Game its size. Play stores it never below that size
// (`isFloored`); the start menu stores the window's own, a portrait one too.
void keepWindowSize(Game& game, bool isFloored);

// Pausing is for normal play, and only in levels that allow it.
bool isPauseAllowed(const Game& game);
// The keyboard reports the key down now.
bool isKeyHeld(const Game& game, OIS::KeyCode key);
// A menu that is not there is closed.
bool isPauseMenuOpen(const PauseMenu* menu);
