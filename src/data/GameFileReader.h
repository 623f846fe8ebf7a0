// Reads the exported game's "*.game" file into the Game: its name, the start
// settings, the level list, game modes, extensions and players.
#pragma once

class Game;

// Does nothing when "GAMERSC" does not exist or holds no "*.game" file;
// otherwise reads the configured language's file first.
void readGameFile(Game& game);
