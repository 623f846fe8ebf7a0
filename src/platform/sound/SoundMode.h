// Mode flags of sounds and channels, and the vector type of the sound layer.
// The flag values are the ones the game's audio code passes; a mode of 0 is
// the default: loop off, not placed in the world.
#pragma once

namespace platform {

enum SoundModeFlags : unsigned {
    soundDefault = 0x0,
    soundLoopOff = 0x1,
    soundLoopNormal = 0x2,
    // Decoded progressively while it plays; fixed when the sound is created.
    soundStream = 0x80,
    // Plays at the listener, unplaced.
    sound3DHeadRelative = 0x40000,
    // Placed in the world at its 3D position, with inverse roll-off.
    sound3DInverseRolloff = 0x100000,
};

struct SoundVector {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

} // namespace platform
