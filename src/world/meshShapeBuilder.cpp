#include "world/meshShapeBuilder.h"

#include <OgreEntity.h>
#include <OgreHardwareBuffer.h>
#include <OgreHardwareIndexBuffer.h>
#include <OgreHardwareVertexBuffer.h>
#include <OgreMesh.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>

#include <btBulletCollisionCommon.h>

#include <algorithm>
#include <exception>

namespace {

btVector3 toBullet(const Ogre::Vector3& value) { return {value.x, value.y, value.z}; }

// A triangle-mesh shape that owns the triangles it is built over, so that
// deleting the shape frees them too.
class ownedTrimeshShape : public btBvhTriangleMeshShape {
public:
    explicit ownedTrimeshShape(btTriangleMesh* mesh) : btBvhTriangleMeshShape(mesh, true, true), triangles(mesh) {}
    ~ownedTrimeshShape() override { delete triangles; }
    ownedTrimeshShape(const ownedTrimeshShape&) = delete;
    ownedTrimeshShape& operator=(const ownedTrimeshShape&) = delete;

private:
    btTriangleMesh* triangles;
};

} // namespace

meshShapeBuilder::meshShapeBuilder(Ogre::Entity* source, const Ogre::Matrix4& meshTransform)
    : transform(meshTransform), entity(source)
{
    parentNode = entity->getParentSceneNode();
    if (parentNode)
        scale = parentNode->getScale();
    // A damaged mesh file can load with buffers that do not hold what its
    // counts say: reading one throws, and such a mesh gives no geometry.
    try {
        readGeometry();
    } catch (const std::exception&) {
        releaseGeometry();
    }
}

void meshShapeBuilder::readGeometry()
{
    const Ogre::MeshPtr& mesh = entity->getMesh();
    if (mesh->sharedVertexData)
        addVertexData(mesh->sharedVertexData);
    for (unsigned index = 0; index < entity->getNumSubEntities(); ++index) {
        const Ogre::SubMesh* subMesh = entity->getSubEntity(index)->getSubMesh();
        if (subMesh->useSharedVertices) {
            addIndexData(subMesh->indexData, 0);
        } else {
            addIndexData(subMesh->indexData, vertexCount);
            addVertexData(subMesh->vertexData);
        }
    }
}

meshShapeBuilder::~meshShapeBuilder() { releaseGeometry(); }

void meshShapeBuilder::releaseGeometry()
{
    std::vector<float>().swap(vertices);
    std::vector<std::uint32_t>().swap(indices);
    vertexCount = 0;
    indexCount = 0;
}

// Positions are read from the first vertex the data draws (its vertexStart):
// indices count from there.
void meshShapeBuilder::addVertexData(const Ogre::VertexData* data)
{
    if (!data || data->vertexCount == 0)
        return;
    const Ogre::VertexElement* element = data->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    if (!element || element->getType() != Ogre::VET_FLOAT3)
        return;
    const Ogre::HardwareVertexBufferSharedPtr buffer = data->vertexBufferBinding->getBuffer(element->getSource());
    const std::size_t stride = buffer->getVertexSize();
    const std::size_t first = vertices.size();
    vertexCount += static_cast<std::uint32_t>(data->vertexCount);
    vertices.resize(std::size_t(vertexCount) * 3);

    Ogre::HardwareBufferLockGuard lock(buffer, data->vertexStart * stride, data->vertexCount * stride,
                                       Ogre::HardwareBuffer::HBL_READ_ONLY);
    const auto* vertex = static_cast<const unsigned char*>(lock.pData);
    for (std::size_t i = 0; i < data->vertexCount; ++i, vertex += stride) {
        float* position = nullptr;
        element->baseVertexPointerToElement(const_cast<unsigned char*>(vertex), &position);
        const Ogre::Vector3 point = transform * Ogre::Vector3(position[0], position[1], position[2]);
        std::copy(point.ptr(), point.ptr() + 3, vertices.begin() + static_cast<std::ptrdiff_t>(first + i * 3));
    }
}

// Indices are read from the first one the data draws (its indexStart), in
// whole triangles.
void meshShapeBuilder::addIndexData(const Ogre::IndexData* data, std::uint32_t offset)
{
    if (!data || data->indexCount < 3 || !data->indexBuffer)
        return;
    const std::size_t triangles = data->indexCount / 3;
    const std::size_t count = triangles * 3;
    const Ogre::HardwareIndexBufferSharedPtr& buffer = data->indexBuffer;
    const std::size_t indexSize = buffer->getIndexSize();
    indexCount += static_cast<std::uint32_t>(count);
    indices.reserve(indexCount);

    Ogre::HardwareBufferLockGuard lock(buffer, data->indexStart * indexSize, count * indexSize,
                                       Ogre::HardwareBuffer::HBL_READ_ONLY);
    if (buffer->getType() == Ogre::HardwareIndexBuffer::IT_32BIT) {
        const auto* source = static_cast<const std::uint32_t*>(lock.pData);
        for (std::size_t i = 0; i < count; ++i)
            indices.push_back(source[i] + offset);
    } else {
        const auto* source = static_cast<const std::uint16_t*>(lock.pData);
        for (std::size_t i = 0; i < count; ++i)
            indices.push_back(source[i] + offset);
    }
}

Ogre::Vector3 meshShapeBuilder::getSize()
{
    const bool known = sizeCache != Ogre::Vector3(-1.0f, -1.0f, -1.0f);
    if (!known && !vertices.empty()) {
        Ogre::Vector3 low(vertices[0], vertices[1], vertices[2]);
        Ogre::Vector3 high = low;
        for (std::size_t i = 0; i < vertices.size(); i += 3) {
            const Ogre::Vector3 point(vertices[i], vertices[i + 1], vertices[i + 2]);
            low.makeFloor(point);
            high.makeCeil(point);
        }
        sizeCache = high - low;
    }
    if (sizeCache.y == 0.0f)
        sizeCache.y = 0.02f;
    return sizeCache;
}

btBoxShape* meshShapeBuilder::createBox()
{
    auto* shape = new btBoxShape(toBullet(getSize() * 0.5f));
    shape->setLocalScaling(toBullet(scale));
    return shape;
}

float meshShapeBuilder::sphereRadius()
{
    if (radiusCache == -1.0f) {
        const Ogre::Vector3 size = getSize();
        radiusCache = std::max({size.x, size.y, size.z}) * 0.5f;
    }
    return radiusCache;
}

btSphereShape* meshShapeBuilder::createSphere()
{
    auto* shape = new btSphereShape(sphereRadius());
    shape->setLocalScaling(toBullet(scale));
    return shape;
}

btCapsuleShape* meshShapeBuilder::createCapsule() { return createCapsuleFromSize(getSize()); }

btCapsuleShape* meshShapeBuilder::createCapsuleFromSize(const Ogre::Vector3& size)
{
    const float m = size.z > size.y ? size.z : size.y;
    const float longest = m > size.x ? m : size.x;
    const float height = longest / 2.0f;
    btCapsuleShape* shape = nullptr;
    if (longest == size.y)
        shape = new btCapsuleShape((size.z > size.x ? size.z : size.x) / 2.0f, height);
    else if (longest != size.x)
        shape = new btCapsuleShapeZ((size.y > size.x ? size.y : size.x) / 2.0f, height);
    else
        shape = new btCapsuleShapeX(m / 2.0f, height);
    shape->setLocalScaling(toBullet(scale));
    return shape;
}

btConvexHullShape* meshShapeBuilder::createConvex()
{
    auto* shape = new btConvexHullShape(vertices.data(), static_cast<int>(vertexCount), 3 * sizeof(float));
    shape->setLocalScaling(toBullet(scale));
    return shape;
}

btBvhTriangleMeshShape* meshShapeBuilder::createTrimesh()
{
    auto* mesh = new btTriangleMesh(true, true);
    const auto corner = [this](std::uint32_t index) {
        const std::size_t at = std::size_t(index) * 3;
        return at + 2 < vertices.size() ? btVector3(vertices[at], vertices[at + 1], vertices[at + 2])
                                        : btVector3(0.0f, 0.0f, 0.0f);
    };
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3)
        mesh->addTriangle(corner(indices[i]), corner(indices[i + 1]), corner(indices[i + 2]), false);
    auto* shape = new ownedTrimeshShape(mesh);
    shape->setLocalScaling(toBullet(scale));
    return shape;
}
