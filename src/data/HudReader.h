// Reads the HUD layout file "gamebox.HUD" into the elements of the Game's
// HUD: texts, pictures and bars, each built with its overlays.
#pragma once

class Game;

// A file that is absent or does not parse leaves the HUD's elements as they
// were. One that parses replaces the list (the HUD destroys the elements it
// held), gives an id to every element read without one and logs "HUD read".
void readHUD(Game& game);
