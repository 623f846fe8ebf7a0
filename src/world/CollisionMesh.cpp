#include "world/CollisionMesh.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreResourceGroupManager.h>

namespace {

const char* const gameGroup = "GAMERSC";

// Reads a mesh file whatever its name ends with; also serves reloads.
class serializedMeshLoader : public Ogre::ManualResourceLoader {
public:
    void loadResource(Ogre::Resource* resource) override
    {
        Ogre::DataStreamPtr stream =
            Ogre::ResourceGroupManager::getSingleton().openResource(resource->getName(), resource->getGroup());
        Ogre::MeshSerializer().importMesh(stream, static_cast<Ogre::Mesh*>(resource));
    }
};

serializedMeshLoader& meshLoader()
{
    static serializedMeshLoader loader;
    return loader;
}

} // namespace

bool loadCollisionMesh(const std::string& name)
{
    Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
    if (Ogre::MeshPtr known = meshes.getByName(name, gameGroup))
        return known->isLoaded();
    if (name.empty() || !groupHolds(gameGroup, name))
        return false;
    Ogre::MeshPtr mesh = meshes.createManual(name, gameGroup, &meshLoader());
    try {
        mesh->load();
        return true;
    } catch (const Ogre::Exception& e) {
        // A cut or garbled file: the body is shaped from the drawn mesh.
        logLine("[ERROR] can't read collision mesh " + name + ", drawn mesh used: " + e.getDescription());
        meshes.remove(mesh);
        return false;
    }
}
