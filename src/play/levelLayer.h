// One layer of a level (a "LAYER" element of the level file), kept by the
// Level under its id: objects on a hidden layer stay hidden, and the layer's
// node, when it has one, carries its objects at its own scroll factor.
#pragma once

#include <OgreColourValue.h>

#include <cstdint>
#include <string>

namespace Ogre {
class SceneNode;
}

struct levelLayer {
    // Signed: level data can hold negative ids, and the Level orders by them.
    std::int32_t number = 0;
    std::string name = "layerName";
    Ogre::ColourValue color = Ogre::ColourValue::White;
    std::uint8_t isVisible = 1;
    std::uint8_t isLocked = 0;
    Ogre::SceneNode* sceneNode = nullptr;
    // Scroll factor in percent of the camera's movement ("Y"); 0 never moves.
    float Y = 0.0f;
};
