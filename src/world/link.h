// A connection between two entities: a trigger and the objects it acts on, or
// two waves. It records both ends and the direction, and keeps the ends' link
// lists in step: forward, the first end lists the second among its
// linkedObjects and the second lists the first in its linkedFrom; otherwise
// the other way round. It may carry the render objects that draw it.
//
// POSIX declares a function link() in <unistd.h>, which Ogre's headers bring
// in, so outside this class the type is written "class link".
#pragma once

#include "world/entity.h"

#include <string>

namespace Ogre {
class Entity;
class ManualObject;
} // namespace Ogre

class link : public entity {
public:
    explicit link(std::string linkName);
    link(const link&) = delete;
    link& operator=(const link&) = delete;
    ~link() override;

    // The same ends, direction and end name, without a name, a node or a
    // drawing: the render objects stay with the original, which destroys them.
    entity* clone() const override;
    // Destroys the drawing and takes each end out of the other's link list.
    void destroyGraphics() override;

    std::uint8_t isForward = 1;
    entity* fromEntity = nullptr; // not owned
    entity* toEntity = nullptr;   // not owned
    // Name of the end to connect when the level links its objects.
    std::string endName;
    Ogre::ManualObject* lineObject = nullptr;
    Ogre::SceneNode* endNode = nullptr;
    Ogre::Entity* endMesh = nullptr;

private:
    void destroyDrawing();
    void unlinkEnds();
};
