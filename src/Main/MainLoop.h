// The main loop: steps the game and renders while the window is active,
// idles while it is not, until the quit mode or the render system ends it.
#pragma once

class Game;
class GameManager;

void runMainLoop(Game& game, GameManager& manager);
