// Reads a menu layout file ("gamebox.startMenu" or the engine's fallback
// "toybox.startMenu") into the Game's menu screens.
#pragma once

#include <string>

class Game;

// A file that is absent or does not parse leaves the screens as they were;
// one that parses replaces them all. Logs "start menu read" after a read.
void readStartMenu(Game& game, const std::string& fileName);
