// Reads "high.scores", the file Game::saveHighScores writes, back into the
// Game's high-score table and last entered name.
#pragma once

class Game;

// Takes the file from the resource group "Media", else "GAMERSC"; in neither
// it changes nothing, and names a high.scores of the preference folder that
// is not a file. Every top-level SCORE element becomes a row, the first
// PREFS element gives the last entered name. A file that cannot be read or
// parsed logs one line and leaves the table as it was.
void readHighScores(Game& game);
