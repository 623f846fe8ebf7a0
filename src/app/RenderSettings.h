// Render settings kept by the window set-up rather than by the Game: the
// settings reader and writer share them.
#pragma once

class Game;

extern bool vsync; // vertical synchronisation of the window
extern int FSAA;   // anti-aliasing level in effect

// Sets FSAA to the requested level, clamped to the largest level the render
// system offers; 0 stays 0.
void collectFSAAValues(Game& game, int requested);
