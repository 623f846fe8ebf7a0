// The player's ship. For now it holds only the sprite-direction state that the
// stick quantiser reads and writes; the rest of the player arrives with the
// combat actors.
#pragma once

#include <cstdint>

class Player {
public:
    // Index 0..7 into directionTable: the direction the ship's sprite shows.
    std::uint32_t directionCode = 0;
    // Set at respawn; switches the two-way quantiser to the up/down pair.
    bool isAlternativeDirection = false;
};
