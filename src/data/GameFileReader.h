// Reads the exported game's "*.game" file into the Game: its name, the start
// settings, the level list, game modes, extensions and players.
#pragma once

class Game;

// Does nothing when "GAMERSC" does not exist or holds no "*.game" file.
void readGameFile(Game& game);
