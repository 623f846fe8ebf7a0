// One entry of the sounds library ("gamebox.sounds"), kept by the Game under
// the sound's name. The audio service reads only its volume.
#pragma once

#include <string>

struct soundDefinition {
    std::string soundName;
    std::string screenName;
    float volume = 1.0f;
    bool isSFX = false;
    bool isMUSIC = false;
};
