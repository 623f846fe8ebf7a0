// The numbers the fixed HUD's lines show, made from the game's counters:
// kept apart from the widgets so that each rule reads on its own.
#pragma once

#include <cstdint>
#include <string>

// The lives line counts the lives left besides the one being played.
int spareLives(int lives);
// The multiplier with one decimal while the chain adds fractions of a point
// to it; otherwise the multiplier that the medals raise, as a whole number.
std::string multiplierShown(double multiplier, double chainAddedPoints, unsigned medals);
// The score with the digit groups of the game's score formatting style.
std::string scoreShown(std::int64_t score, int style);
// A frame rate cut (not rounded) to two decimals.
double frameRateShown(double rate);
