#include "core/MeshAvailability.h"

#include "core/Game.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreHardwareBuffer.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>

namespace {

// The mesh of the game's resources, loaded when Ogre does not have it yet;
// false when it cannot be loaded.
bool meshLoaded(const std::string& name)
{
    Ogre::MeshManager& meshes = Ogre::MeshManager::getSingleton();
    if (meshes.getByName(name, "GAMERSC"))
        return true;
    try {
        return static_cast<bool>(meshes.load(name, "GAMERSC", Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY,
                                             Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, false, false));
    } catch (const Ogre::Exception&) {
        return false;
    }
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
        return remember(name, true);
    if (groupHolds("Media", name))
        return remember(name, true);
    // A mesh the game's group lacks cannot load: groups are strict.
    const bool held = groupHolds("GAMERSC", name);
    return remember(name, !game.gameFolder.empty() && held && meshLoaded(name));
}
