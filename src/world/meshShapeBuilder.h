// Turns the geometry of an Ogre entity into one Bullet collision shape: the
// positions and triangles of all its sub-meshes are read once, in a given
// transform, and then a box, a sphere, a capsule along the longest axis, a
// convex hull or a triangle mesh with a bounding-volume tree is made from
// them on request. Every shape takes the scale of the entity's parent node.
// The builder is short-lived; the shapes it makes belong to the caller, who
// deletes them (a triangle mesh shape frees its triangles with itself).
#pragma once

#include <OgreMatrix4.h>
#include <OgreVector.h>

#include <cstdint>
#include <vector>

class btBoxShape;
class btBvhTriangleMeshShape;
class btConvexHullShape;
class btCapsuleShape;
class btSphereShape;

namespace Ogre {
class Entity;
class IndexData;
class SceneNode;
class VertexData;
} // namespace Ogre

class meshShapeBuilder {
public:
    meshShapeBuilder(Ogre::Entity* entity, const Ogre::Matrix4& transform);
    ~meshShapeBuilder();
    meshShapeBuilder(const meshShapeBuilder&) = delete;
    meshShapeBuilder& operator=(const meshShapeBuilder&) = delete;

    // Extents of the collected vertices, measured once; a flat mesh gets a
    // height of 0.02. (-1, -1, -1) without vertices.
    Ogre::Vector3 getSize();
    btBoxShape* createBox();
    btSphereShape* createSphere();
    // A capsule along the longest axis (ties go to y, then to z).
    btCapsuleShape* createCapsule();
    // The same choice from a size the caller gives.
    btCapsuleShape* createCapsuleFromSize(const Ogre::Vector3& size);
    btConvexHullShape* createConvex();
    btBvhTriangleMeshShape* createTrimesh();

    // Packed positions, three floats each, in the builder's transform.
    const std::vector<float>& positions() const { return vertices; }
    // Vertex indices, three per triangle.
    const std::vector<std::uint32_t>& triangleIndices() const { return indices; }

    // Whether the mesh gave at least one whole triangle: only then can a
    // shape be made from it.
    bool hasTriangles() const { return indices.size() >= 3 && !vertices.empty(); }

private:
    void readGeometry();
    void addVertexData(const Ogre::VertexData* data);
    void addIndexData(const Ogre::IndexData* data, std::uint32_t offset);
    void releaseGeometry();
    float sphereRadius();

    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;
    std::uint32_t vertexCount = 0;
    std::uint32_t indexCount = 0;
    Ogre::Vector3 sizeCache{-1.0f, -1.0f, -1.0f};
    float radiusCache = -1.0f;
    Ogre::Matrix4 transform;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Entity* entity = nullptr;
    Ogre::SceneNode* parentNode = nullptr;
};
