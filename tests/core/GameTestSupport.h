// Shared helpers of the Game record tests: the one Game object put back to a
// known state and a temporary preference folder registered as the resource
// group "ini".
#pragma once

#include "core/Game.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <OgreResourceGroupManager.h>

#include <new>
#include <string>

namespace gametest {

// The process-wide Game as a fresh process has it. The program builds the
// record once and sets its defaults only then (a change of game keeps them),
// so a test's settings, input state, clock and records would otherwise reach
// the next test; the record is built again in place instead, which also
// covers members added later. Objects that hold its address keep it.
inline Game& cleanGame()
{
    Game& game = *Game::getSingletonPtr();
    // The destructor frees the pools and libraries, as at the end of a run.
    game.~Game();
    return *new (&game) Game;
}

// A fresh temporary folder as the resource group "ini", removed again at the end.
class IniFolder {
public:
    // With the text given, the folder holds config.ini before the group is set up.
    explicit IniFolder(const std::string* configText = nullptr)
    {
        if (configText)
            folder.write("config.ini", *configText);
        Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
        if (resources.resourceGroupExists("ini"))
            resources.destroyResourceGroup("ini");
        resources.createResourceGroup("ini");
        ResourceGroupScope::addFolder(folder.path(), "ini");
    }

    TempFolder folder;

private:
    ResourceGroupScope group{{"ini"}};
};

} // namespace gametest
