#include "combat/bulletSpriteQuads.h"

#include "combat/bullet.h"

#include <OgreHardwareBufferManager.h>
#include <OgreManualObject.h>
#include <OgreMath.h>

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

constexpr std::size_t cornersPerQuad = 4;
constexpr std::size_t indexesPerQuad = 6;
// Indexes are 16-bit: both pools together fly 11000 shots, 44000 corners.
constexpr std::size_t mostQuads = (std::numeric_limits<Ogre::uint16>::max() + 1) / cornersPerQuad;
// The buffer is opened for a quarter more quads than the frame before drew,
// and at least this many.
constexpr std::size_t spareQuads = 64;

const Ogre::Vector2 cornerUv[cornersPerQuad] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};

Ogre::RenderOperation& operationOf(Ogre::ManualObject& object)
{
    return *object.getSections().front()->getRenderOperation();
}

// The two triangles of each quad, as Ogre's quad() makes them: the first
// vertex of quad k is 4k, the index count so far times 2/3.
void writeQuadIndexes(Ogre::HardwareIndexBuffer& buffer, std::size_t quads)
{
    std::vector<Ogre::uint16> indexes(quads * indexesPerQuad);
    for (std::size_t quad = 0; quad < quads; ++quad) {
        const auto a = static_cast<Ogre::uint16>(quad * cornersPerQuad);
        const Ogre::uint16 triangles[indexesPerQuad] = {a, Ogre::uint16(a + 1), Ogre::uint16(a + 2),
                                                        Ogre::uint16(a + 2), Ogre::uint16(a + 3), a};
        std::copy(triangles, triangles + indexesPerQuad, indexes.begin() + quad * indexesPerQuad);
    }
    buffer.writeData(0, indexes.size() * sizeof(Ogre::uint16), indexes.data(), true);
}

} // namespace

void bulletSpriteQuads::begin(const Ogre::MaterialPtr& material, const std::string& missingName,
                              const std::string& group, const Ogre::Vector3& enemyTint, const Ogre::Vector3& playerTint)
{
    begun = true;
    prepareSection(material, missingName, group);
    // Both packed colour formats keep alpha in the top byte.
    tintBits[0] = Ogre::VertexElement::convertColourValue(
        Ogre::ColourValue(enemyTint.x, enemyTint.y, enemyTint.z, 0.0f), colourType);
    tintBits[1] = Ogre::VertexElement::convertColourValue(
        Ogre::ColourValue(playerTint.x, playerTint.y, playerTint.z, 0.0f), colourType);
    lockFor(std::max(lastQuads + lastQuads / 4, spareQuads));
}

void bulletSpriteQuads::restart()
{
    lockFor(given);
}

void bulletSpriteQuads::end()
{
    begun = false;
    if (written > 0)
        vertexBuffer().writeData(0, written * cornersPerQuad * sizeof(Vertex), vertices.data(), false);
    Ogre::RenderOperation& operation = operationOf(*drawn);
    operation.vertexData->vertexStart = 0;
    operation.vertexData->vertexCount = written * cornersPerQuad;
    operation.indexData->indexStart = 0;
    operation.indexData->indexCount = written * indexesPerQuad;
    drawn->setBoundingBox(Ogre::AxisAlignedBox(lowest, highest));
    lastQuads = written;
}

void bulletSpriteQuads::lockFor(std::size_t quads)
{
    lockedQuads = std::min(quads, mostQuads);
    fitBuffers(lockedQuads);
    // As much room as the buffer has, which grows in steps.
    const std::size_t room = vertexBuffer().getNumVertices();
    if (vertices.size() < room)
        vertices.resize(room);
    written = given = 0;
    lowest = Ogre::Vector3(std::numeric_limits<float>::max());
    highest = -lowest;
}

void bulletSpriteQuads::writeQuad(const bullet& shot, bool isPlayer)
{
    const auto alpha = static_cast<Ogre::uint32>(Ogre::Math::saturate(shot.phase) * 255.0f);
    const Ogre::uint32 colour = tintBits[isPlayer ? 1 : 0] | alpha << 24;
    // Field by field: a vertex built aside and copied in stalls on its own
    // stores. The bounds are worked on in locals the stores cannot touch.
    Vertex* vertex = vertices.data() + written * cornersPerQuad;
    Ogre::Vector3 low = lowest;
    Ogre::Vector3 high = highest;
    for (std::size_t corner = 0; corner < cornersPerQuad; ++corner, ++vertex) {
        const Ogre::Vector3 point = shot.corners[corner];
        vertex->position = point;
        vertex->uv = cornerUv[corner];
        vertex->colour = colour;
        low = Ogre::Vector3(std::min(low.x, point.x), std::min(low.y, point.y), std::min(low.z, point.z));
        high = Ogre::Vector3(std::max(high.x, point.x), std::max(high.y, point.y), std::max(high.z, point.z));
    }
    lowest = low;
    highest = high;
    ++written;
}

void bulletSpriteQuads::prepareSection(const Ogre::MaterialPtr& material, const std::string& missingName,
                                       const std::string& group)
{
    if (drawn->getSections().size() == 1) {
        if (material)
            drawn->getSections().front()->setMaterial(material);
        else
            drawn->getSections().front()->setMaterialName(missingName, group);
        return;
    }
    drawn->clear();
    if (material)
        drawn->begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST);
    else
        drawn->begin(missingName, Ogre::RenderOperation::OT_TRIANGLE_LIST, group);
    for (const Ogre::Vector2& uv : cornerUv) {
        drawn->position(Ogre::Vector3::ZERO);
        drawn->textureCoord(uv);
        drawn->colour(Ogre::ColourValue::White);
    }
    drawn->quad(0, 1, 2, 3);
    drawn->end();
    // The elements as the quads are written, whatever order Ogre chose for
    // them: the vertices are all rewritten each frame.
    Ogre::VertexDeclaration& declaration = *operationOf(*drawn).vertexData->vertexDeclaration;
    colourType = declaration.findElementBySemantic(Ogre::VES_DIFFUSE)->getType();
    declaration.removeAllElements();
    declaration.addElement(0, offsetof(Vertex, position), Ogre::VET_FLOAT3, Ogre::VES_POSITION);
    declaration.addElement(0, offsetof(Vertex, uv), Ogre::VET_FLOAT2, Ogre::VES_TEXTURE_COORDINATES);
    declaration.addElement(0, offsetof(Vertex, colour), colourType, Ogre::VES_DIFFUSE);
    indexedQuads = 0;
}

Ogre::HardwareVertexBuffer& bulletSpriteQuads::vertexBuffer() const
{
    return *operationOf(*drawn).vertexData->vertexBufferBinding->getBuffer(0);
}

void bulletSpriteQuads::fitBuffers(std::size_t quads)
{
    Ogre::RenderOperation& operation = operationOf(*drawn);
    Ogre::VertexBufferBinding& binding = *operation.vertexData->vertexBufferBinding;
    std::size_t room = std::min(binding.getBuffer(0)->getNumVertices() / cornersPerQuad,
                                operation.indexData->indexBuffer->getNumIndexes() / indexesPerQuad);
    if (room < quads) {
        room = std::min(std::max(quads, room * 2), mostQuads);
        Ogre::HardwareBufferManager& buffers = Ogre::HardwareBufferManager::getSingleton();
        binding.setBinding(0, buffers.createVertexBuffer(sizeof(Vertex), room * cornersPerQuad,
                                                         Ogre::HardwareBuffer::HBU_DYNAMIC_WRITE_ONLY_DISCARDABLE));
        operation.indexData->indexBuffer = buffers.createIndexBuffer(
            Ogre::HardwareIndexBuffer::IT_16BIT, room * indexesPerQuad, Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
        indexedQuads = 0;
    }
    if (indexedQuads < room) {
        writeQuadIndexes(*operation.indexData->indexBuffer, room);
        indexedQuads = room;
    }
}
