// The player's ship. For now it holds the sprite-direction state that the
// stick quantiser reads and writes and what the Game's play flow reads and
// sets of it; the rest of the player arrives with the combat actors.
#pragma once

#include <cstdint>
#include <string>

class Player {
public:
    // Index 0..7 into directionTable: the direction the ship's sprite shows.
    std::uint32_t directionCode = 0;
    // Set at respawn; switches the two-way quantiser to the up/down pair.
    bool isAlternativeDirection = false;
    // 2 while the ship is in play.
    int state = 0;
    std::string name;
    std::string meshName;
    const Player* templateObject = nullptr; // the library player this one was copied from
};
