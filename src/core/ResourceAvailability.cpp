#include "core/ResourceAvailability.h"

#include "app/Log.h"
#include "core/Game.h"

#include <OgreResourceGroupManager.h>

namespace {

// Ogre throws for a group that does not exist: such a group holds nothing.
bool groupHolds(const std::string& group, const std::string& name)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    return groups.resourceGroupExists(group) && groups.resourceExists(group, name);
}

} // namespace

bool resourceExists(std::string name)
{
    Game& game = *Game::getSingletonPtr();
    const auto known = game.resourceAvailability.find(name);
    if (known != game.resourceAvailability.end())
        return known->second;
    if (name.empty() || name == "none")
        return false;
    logLine("RESOURCE EXISTS " + game.gameFolder);
    const bool exists = (!game.gameFolder.empty() && groupHolds("GAMERSC", name)) || groupHolds("Media", name);
    game.resourceAvailability[name] = exists;
    return exists;
}
