// Meshes made in memory for the collision-shape tests: positions and
// triangles per sub-mesh, on the mesh's shared vertices or the sub-mesh's
// own, optionally drawn from a later start in their buffers.
#pragma once

#include <OgreHardwareBufferManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSubMesh.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testmeshes {

struct subMeshData {
    std::vector<Ogre::Vector3> positions; // empty: the sub-mesh uses the shared vertices
    std::vector<std::uint16_t> indices;
    // Unused entries put before the drawn ones in the buffers.
    std::size_t vertexStart = 0;
    std::size_t indexStart = 0;
};

inline Ogre::VertexData* makeVertices(const std::vector<Ogre::Vector3>& positions, std::size_t start)
{
    auto* data = new Ogre::VertexData;
    data->vertexStart = start;
    data->vertexCount = positions.size();
    data->vertexDeclaration->addElement(0, 0, Ogre::VET_FLOAT3, Ogre::VES_POSITION);
    std::vector<Ogre::Vector3> stored(start, Ogre::Vector3(99.0f, 99.0f, 99.0f));
    stored.insert(stored.end(), positions.begin(), positions.end());
    Ogre::HardwareVertexBufferSharedPtr buffer = Ogre::HardwareBufferManager::getSingleton().createVertexBuffer(
        sizeof(float) * 3, stored.size(), Ogre::HardwareBuffer::HBU_STATIC);
    buffer->writeData(0, buffer->getSizeInBytes(), stored.data());
    data->vertexBufferBinding->setBinding(0, buffer);
    return data;
}

inline void fillIndices(Ogre::IndexData* data, const subMeshData& part)
{
    if (part.indices.empty())
        return;
    std::vector<std::uint16_t> stored(part.indexStart, 7777);
    stored.insert(stored.end(), part.indices.begin(), part.indices.end());
    data->indexBuffer = Ogre::HardwareBufferManager::getSingleton().createIndexBuffer(
        Ogre::HardwareIndexBuffer::IT_16BIT, stored.size(), Ogre::HardwareBuffer::HBU_STATIC);
    data->indexBuffer->writeData(0, data->indexBuffer->getSizeInBytes(), stored.data());
    data->indexStart = part.indexStart;
    data->indexCount = part.indices.size();
}

// A mesh of the parts in group "General"; `shared` gives the mesh's shared vertices.
inline Ogre::MeshPtr makeMesh(const std::string& name, const std::vector<subMeshData>& parts,
                              const std::vector<Ogre::Vector3>& shared = {})
{
    Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
    if (meshes.resourceExists(name, "General"))
        meshes.remove(name, "General");
    Ogre::MeshPtr mesh = meshes.createManual(name, "General");
    if (!shared.empty())
        mesh->sharedVertexData = makeVertices(shared, 0);
    for (const subMeshData& part : parts) {
        Ogre::SubMesh* subMesh = mesh->createSubMesh();
        subMesh->useSharedVertices = part.positions.empty();
        if (!subMesh->useSharedVertices)
            subMesh->vertexData = makeVertices(part.positions, part.vertexStart);
        fillIndices(subMesh->indexData, part);
    }
    mesh->_setBounds(Ogre::AxisAlignedBox(-100.0f, -100.0f, -100.0f, 100.0f, 100.0f, 100.0f));
    mesh->load();
    return mesh;
}

// A box of the given size around the origin: 8 corners, 12 triangles.
inline subMeshData box(const Ogre::Vector3& size, const Ogre::Vector3& centre = Ogre::Vector3::ZERO)
{
    subMeshData part;
    const Ogre::Vector3 half = size * 0.5f;
    for (int i = 0; i < 8; ++i)
        part.positions.push_back(centre + Ogre::Vector3(i & 1 ? half.x : -half.x, i & 2 ? half.y : -half.y,
                                                        i & 4 ? half.z : -half.z));
    part.indices = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                    2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    return part;
}

} // namespace testmeshes
