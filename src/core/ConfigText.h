// The text of config.ini as the settings writer stores it: every section of
// the Game's settings in a fixed order and byte-exact line forms.
#pragma once

#include <string>

class Game;

// The whole file for the Game's current settings, with the window position
// given (the caller asks SDL for it).
std::string configFileText(const Game& game, int posX, int posY);

// The stored renderer name of a library value: 0 "D3D9", 1 "D3D11", 2 "OGL".
std::string libraryText(int library);
