#include "core/EngineMeshes.h"

#include "app/Log.h"

#include <OgreException.h>
#include <OgreHardwareBufferManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>

namespace {

const char* const engineGroup = "Media";

// A mesh the engine draws and the size of the plane that stands in for it,
// across (x) and deep (z).
struct EngineMesh {
    const char* name;
    float width;
    float depth;
};

const EngineMesh engineMeshes[] = {
    {"plane1U.mesh", 1.0f, 1.0f},
    {"skyplane.mesh", 22.0f, 16.4f},
    {"interro.mesh", 1.0f, 1.0f},
};

// Every sub-mesh has vertices and indexes to draw, and the file went on to
// the bounds written after them: a file cut short loads without complaint,
// with what it lacks left empty or unread.
bool hasGeometry(const Ogre::Mesh& mesh)
{
    if (mesh.getNumSubMeshes() == 0 || mesh.getBounds().isNull())
        return false;
    for (const Ogre::SubMesh* part : mesh.getSubMeshes()) {
        const Ogre::VertexData* vertices = part->useSharedVertices ? mesh.sharedVertexData : part->vertexData;
        if (!vertices || vertices->vertexCount == 0 || !part->indexData || part->indexData->indexCount == 0)
            return false;
    }
    return true;
}

// Why the mesh cannot be drawn; empty when it can.
std::string meshFault(const std::string& name)
{
    if (!Ogre::ResourceGroupManager::getSingleton().resourceExists(engineGroup, name))
        return "not found";
    try {
        const Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().load(name, engineGroup);
        return hasGeometry(*mesh) ? std::string() : "nothing to draw in it";
    } catch (const Ogre::Exception& e) {
        return e.getDescription();
    } catch (const std::exception& e) {
        return e.what();
    }
}

// A plane in x and z facing +y, its picture's top toward -z and its left
// toward -x, as the engine's own planes are.
void makeStandIn(const EngineMesh& mesh)
{
    Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
    if (meshes.getByName(mesh.name, engineGroup))
        meshes.remove(mesh.name, engineGroup);
    meshes.createPlane(mesh.name, engineGroup, Ogre::Plane(Ogre::Vector3::UNIT_Y, 0.0f), mesh.width, mesh.depth, 1,
                       1, true, 1, 1.0f, 1.0f, Ogre::Vector3::NEGATIVE_UNIT_Z);
}

} // namespace

void ensureEngineMeshes()
{
    if (!Ogre::HardwareBufferManager::getSingletonPtr())
        return;
    for (const EngineMesh& mesh : engineMeshes) {
        const std::string fault = meshFault(mesh.name);
        if (fault.empty())
            continue;
        logLine(std::string("[ERROR] can't load mesh ") + mesh.name + ", a plain plane stands in for it: " + fault);
        makeStandIn(mesh);
    }
}
