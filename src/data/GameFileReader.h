// Reads the exported game's "*.game" file into the Game: its title, every
// setting section (game rules, gauges, sounds, effects, menus, HUD), the
// level list, game modes, extensions and players.
#pragma once

#include <string>

class Game;

// The exported game's name: its game file's name without ".game"; empty
// when "GAMERSC" does not exist or holds no "*.game" file. The window's
// title shows it before the file is read.
std::string findGameName();

// Does nothing when "GAMERSC" does not exist or holds no "*.game" file;
// otherwise reads the configured language's file before any section, and
// the high scores after a walk that found levels.
void readGameFile(Game& game);
