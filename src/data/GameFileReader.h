// Reads the exported game's "*.game" file into the Game: its title, every
// setting section (game rules, gauges, sounds, effects, menus, HUD), the
// level list, game modes, extensions and players.
#pragma once

class Game;

// Does nothing when "GAMERSC" does not exist or holds no "*.game" file;
// otherwise reads the configured language's file before any section, and
// the high scores after a walk that found levels.
void readGameFile(Game& game);
