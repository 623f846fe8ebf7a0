#include "core/MeshAvailability.h"

#include "core/Game.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreHardwareBuffer.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>

#include <exception>

namespace {

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

bool remember(const std::string& name, bool answer)
{
    rememberAvailability(name, answer);
    return answer;
}

} // namespace

bool loadMeshResource(const std::string& name)
{
    if (const bool* known = knownAvailability(name))
        return *known;
    const Game& game = *Game::getSingletonPtr();
    if (name.empty() || name == "none")
        return false;
    if (!game.extensions.empty() && groupHolds("EXTENSIONS", name))
        return remember(name, meshFault(name, "EXTENSIONS").empty());
    if (groupHolds("Media", name))
        return remember(name, meshFault(name, "Media").empty());
    // A mesh the game's group lacks cannot load: groups are strict.
    const bool held = groupHolds("GAMERSC", name);
    return remember(name, !game.gameFolder.empty() && held && meshFault(name, "GAMERSC").empty());
}

std::string meshFault(const std::string& name, const std::string& group)
{
    if (!Ogre::ResourceGroupManager::getSingleton().resourceExists(group, name))
        return "not found";
    try {
        Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
        Ogre::MeshPtr mesh = meshes.getByName(name, group);
        if (!mesh)
            mesh = meshes.load(name, group, Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY,
                               Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, false, false);
        mesh->load();
        return hasGeometry(*mesh) ? std::string() : "nothing to draw in it";
    } catch (const Ogre::Exception& e) {
        return e.getDescription();
    } catch (const std::exception& e) {
        return e.what();
    }
}
