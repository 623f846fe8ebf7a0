// The records of the pictures and sprites libraries ("gamebox.pictures",
// "gamebox.sprites"): how a texture is cut into frames and how the frames
// run, with the picture's named animations. Plain data, read by the
// materials, the overlay widget and the effects.
#pragma once

#include <OgreVector.h>

#include <array>
#include <map>
#include <string>

// One named animation of a picture: which frames it plays, how, and which
// frames belong to each of eight directions.
struct pictureAnimation {
    // Left empty: the picture's animation map holds the animation's name.
    std::string name;
    std::string screenName = "Animation";
    int behavior = 0;
    int animType = 0;
    bool isUseDuration = true;
    // Seconds for one run through the animation's frames.
    float duration = 1.0f;
    float speed = 1.0f;
    int startFrame = 0;
    int endFrame = 0;
    bool isStartRandomFrame = false;
    int direction = -1;
    bool isCanChangeDirectionDuraingPlay = true;
    bool isUseCustomTime = false;
    bool isDirectional = false;
    // The frame pairs of directions 1 to 8 ("dir01" to "dir08"); -1 unset.
    std::array<Ogre::Vector2, 8> directionFrames{
        {{-1.0f, -1.0f}, {-1.0f, -1.0f}, {-1.0f, -1.0f}, {-1.0f, -1.0f},
         {-1.0f, -1.0f}, {-1.0f, -1.0f}, {-1.0f, -1.0f}, {-1.0f, -1.0f}}};
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

    // The name shown in the editor; the library key is the texture's name.
    std::string screenName;
    bool isPixelFiltering = false;
    bool isEditable = true;
    bool isParticleTexture = false;
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
