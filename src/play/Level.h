// The runtime object of the level being played (the Game's `level`): what the
// level's objects read of it. The play state builds and runs it.
#pragma once

class Level {
public:
    // The level file's "isSpriteLighting": while set, sprites get the lit
    // sprite materials.
    bool isSpriteLighting = false;
    // While set, sprite materials are made anew instead of reused; clear when
    // the Level is made, cleared by the play state once it has built the level.
    bool isSpriteRefresh = false;
};
