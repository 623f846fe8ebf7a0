// The quads one object of the shot sprite batch draws in a frame, written
// as the shots come into vertices of the section's layout, then copied into
// the vertex buffer of the object's one section at once: Ogre's per-vertex
// calls would cost ten times what the quads themselves do, with thousands of
// shots a frame. The vertices are kept from frame to frame and copied into
// the buffer's own storage: a buffer mapped with discard each frame is given
// fresh pages by the driver, and each page faults when it is first written.
// Room is made for about as many quads as the frame before drew; a frame
// that brings more is told so, and its shots are given again to room for all
// of them. The section and its buffers stay from frame to frame (an emptied
// object gets them again).
#pragma once

#include <OgreHardwareVertexBuffer.h>
#include <OgreMaterial.h>
#include <OgreVector.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Ogre {
class ManualObject;
}

class bullet;

class bulletSpriteQuads {
public:
    explicit bulletSpriteQuads(Ogre::ManualObject& object) : drawn(&object) {}

    Ogre::ManualObject* object() const { return drawn; }
    bool isBegun() const { return begun; }
    // Starts the frame's quads, to be drawn with the material; without one,
    // with the material of that name in the group, which Ogre reports
    // missing and replaces with its default. Shots are tinted by their side
    // (red, green, blue) with their phase as alpha.
    void begin(const Ogre::MaterialPtr& material, const std::string& missingName, const std::string& group,
               const Ogre::Vector3& enemyTint, const Ogre::Vector3& playerTint);
    // A quad over the shot's corners, texture corners (0,0), (1,0), (1,1), (0,1).
    void add(const bullet& shot, bool isPlayer)
    {
        if (written < lockedQuads)
            writeQuad(shot, isPlayer);
        ++given;
    }
    // More shots came than the buffer was opened for.
    bool isShort() const { return given > written; }
    // Forgets the frame's quads and opens the buffer for as many as came:
    // the frame's shots are to be added again.
    void restart();
    // Puts the frame's quads into the object's section.
    void end();

private:
    // The layout of the section's vertices.
    struct Vertex {
        Ogre::Vector3 position;
        Ogre::Vector2 uv;
        Ogre::uint32 colour;
    };

    // The object's one section with the material, made through the object
    // with a quad of the layout when it has none.
    void prepareSection(const Ogre::MaterialPtr& material, const std::string& missingName, const std::string& group);
    // Buffers that hold that many quads, with every quad's indexes.
    void fitBuffers(std::size_t quads);
    Ogre::HardwareVertexBuffer& vertexBuffer() const;
    // Room for that many quads, none written yet.
    void lockFor(std::size_t quads);
    void writeQuad(const bullet& shot, bool isPlayer);

    Ogre::ManualObject* drawn;
    // The frame's vertices have room for `lockedQuads`; `written` quads are
    // in them, of the `given` shots.
    std::vector<Vertex> vertices;
    std::size_t lockedQuads = 0;
    std::size_t written = 0;
    std::size_t given = 0;
    bool begun = false;
    Ogre::uint32 tintBits[2] = {0, 0};
    // The bounds of the quads written.
    Ogre::Vector3 lowest = Ogre::Vector3::ZERO;
    Ogre::Vector3 highest = Ogre::Vector3::ZERO;
    Ogre::VertexElementType colourType = Ogre::VET_COLOUR_ABGR;
    // Quads drawn in the frame before.
    std::size_t lastQuads = 0;
    // Quads whose indexes the section's index buffer holds.
    std::size_t indexedQuads = 0;
};
