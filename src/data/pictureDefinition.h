// The records of the pictures and sprites libraries ("gamebox.pictures",
// "gamebox.sprites"): how a texture is cut into frames and how the frames
// run, with the picture's named animations. Plain data, read by the
// materials, the overlay widget and the effects.
#pragma once

#include <OgreVector.h>

#include <map>
#include <string>

struct pictureAnimation {
    int animType = 0;
    // Seconds for one run through the animation's frames.
    float duration = 1.0f;
};

struct pictureDefinition {
    pictureDefinition() = default;
    ~pictureDefinition()
    {
        for (auto& animation : animations)
            delete animation.second;
    }
    pictureDefinition(const pictureDefinition&) = delete;
    pictureDefinition& operator=(const pictureDefinition&) = delete;

    bool isPixelFiltering = false;
    bool hasAlpha = true;
    // Size of the texture in pixels; 0 x 0 until known (the materials store
    // the real size here on first use).
    Ogre::Vector2 textureDimension = Ogre::Vector2::ZERO;
    // Frames across and down the texture ("lineColumn", "columnsRows").
    Ogre::Vector2 lineColumn = Ogre::Vector2(1.0f, 1.0f);
    std::map<std::string, pictureAnimation*> animations; // owned
    int animType = 0;
    // Runs through the frames per second.
    float spriteAnimRate = 1.0f;
};
