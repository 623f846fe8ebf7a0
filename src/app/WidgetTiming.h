// The arithmetic of an overlay widget's transitions, kept apart from Ogre:
// the ease and fade curves over a transition's time, the capped transition
// clock, where slides start and end, and the typewriter's reveal step.
#pragma once

#include <OgreVector.h>

// Progress of an appearance `time` seconds into `duration`: a quarter sine,
// clamped to 0..1; 1 at once when the duration is not above 0.
float easeIn(double time, float duration);
// Progress of a disappearance: the square of the elapsed part, clamped to
// 0..1; 1 at once when the duration is not above 0.
float easeOut(double time, float duration);

// Opacity while appearing: the square of the elapsed part (1 without a duration).
float fadeInAlpha(double time, float duration);
// Opacity while disappearing: the square of the part left (0 without a duration).
float fadeOutAlpha(double time, float duration);

// A transition's clock advanced by dt and capped at its duration.
double advanceTransition(double time, double dt, float duration);

// Where a slide-in starts: 2 screen units from the position, to the left (0),
// right (1), below (2) or above (3). A slide-out ends on the opposite side.
Ogre::Vector2 slideInStart(const Ogre::Vector2& position, unsigned direction);
Ogre::Vector2 slideOutEnd(const Ogre::Vector2& position, unsigned direction);

// One frame of the typewriter: the timer runs, and once it is past the
// interval one more of the `length` characters shows and the timer restarts.
// True when a character was revealed.
bool revealNextCharacter(float& timer, int& count, float interval, double dt, int length);
