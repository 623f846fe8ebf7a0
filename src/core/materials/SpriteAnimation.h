// The animation values a sprite's material reads from its custom parameters,
// computed from the sprite's definition: which frames run, how fast, how,
// and from when.
#pragma once

#include <OgreVector.h>

struct spriteAnimationValues {
    float first = 0.0f;
    float last = 0.0f;
    float rate = 0.0f;
    int type = 0;
};

// For a sheet of `frames` frames (at least 1) of the given rate and type:
// frames 0 to frames - 1; a single frame stands still (rate 0, type 0).
spriteAnimationValues spriteAnimationFor(int frames, float rate, int type);

// The clock shift of custom parameter 2: `start` is where the animation's own
// clock stands now (see updateSpriteAnimationParameters); type 2 starts half
// a frame early.
float spriteTimeOffset(const spriteAnimationValues& values, float start);

// Custom parameters 2, 3 and 4 of the sprite.
Ogre::Vector4 timeOffsetParameter(float offset);
Ogre::Vector4 frameRangeParameter(const spriteAnimationValues& values);
Ogre::Vector4 animationParameter(const spriteAnimationValues& values);
