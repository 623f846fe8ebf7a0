// The player's loop through the sample game: start a game from the start
// menu, fly and fire, or only fly and let the ship be hit and accept the
// continue offered, and go back to the start menu through the pause menu
// (declining a continue offered then, entering a name the table asks for).
#pragma once

class SoakSession;

// Waits for the start menu after the program's start.
bool reachStartMenu(SoakSession& session);
// One round, from the start menu back to it: a short one firing all the
// time, or a long one that mostly dodges and lets the levels run on. False
// when the program did not answer as expected within its time.
bool playRound(SoakSession& session, bool isLong);
