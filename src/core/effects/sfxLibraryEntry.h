// One named visual effect of the sfx library ("gamebox.sfx", or a particle
// template the library took in): whether it plays an animated sprite sheet,
// how long and in how many tiles, and which kinds of owner may use it.
#pragma once

#include <OgreVector.h>

#include <cstdint>
#include <string>

struct sfxLibraryEntry {
    sfxLibraryEntry() = default;
    ~sfxLibraryEntry() { screenName.clear(); }
    sfxLibraryEntry(const sfxLibraryEntry&) = default;
    sfxLibraryEntry& operator=(const sfxLibraryEntry&) = default;

    std::string screenName;
    std::uint8_t isAnimatedTexture = 0;
    float duration = 1.0f;
    // Sheet columns and rows.
    Ogre::Vector2 columnsRows{1.0f, 1.0f};
    std::uint8_t isLooping = 0;
    std::uint8_t isLocalSpace = 1;
    std::uint8_t isSfx = 1;
    std::uint8_t entitySfx = 1;
    std::uint8_t bulletSfx = 1;
    std::uint8_t weaponSfx = 1;
    std::uint8_t explosionSfx = 1;
    std::uint8_t hotTimerSfx = 1;
    std::uint8_t itemSfx = 1;
    std::uint8_t isLaserSfx = 1;
    std::uint8_t customParticleEffect = 0;
};
