#include "core/EngineMeshes.h"

#include "app/Log.h"
#include "core/MeshAvailability.h"

#include <OgreHardwareBufferManager.h>
#include <OgreMeshManager.h>

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
        const std::string fault = meshFault(mesh.name, engineGroup);
        if (fault.empty())
            continue;
        logLine(std::string("[ERROR] can't load mesh ") + mesh.name + ", a plain plane stands in for it: " + fault);
        makeStandIn(mesh);
    }
}
