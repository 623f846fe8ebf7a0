#include "core/ResourceAvailability.h"

#include "app/Log.h"
#include "core/Game.h"

#include <OgreResourceGroupManager.h>

bool groupHolds(const std::string& group, const std::string& name)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    return groups.resourceGroupExists(group) && groups.resourceExists(group, name);
}

const bool* knownAvailability(const std::string& name)
{
    const std::map<std::string, bool>& known = Game::getSingletonPtr()->resourceAvailability;
    const auto found = known.find(name);
    return found == known.end() ? nullptr : &found->second;
}

void rememberAvailability(const std::string& name, bool available)
{
    Game::getSingletonPtr()->resourceAvailability[name] = available;
}

bool resourceExists(std::string name)
{
    if (const bool* known = knownAvailability(name))
        return *known;
    if (name.empty() || name == "none")
        return false;
    const Game& game = *Game::getSingletonPtr();
    logLine("RESOURCE EXISTS " + game.gameFolder);
    const bool exists = (!game.gameFolder.empty() && groupHolds("GAMERSC", name)) || groupHolds("Media", name);
    rememberAvailability(name, exists);
    return exists;
}
