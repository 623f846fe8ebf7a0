// Shared helpers of the Game record tests: the one Game object put back to a
// known state and a temporary preference folder registered as the resource
// group "ini".
#pragma once

#include "core/Game.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <OgreResourceGroupManager.h>

#include <string>

namespace gametest {

// The process-wide Game with its defaults and without the state earlier tests
// may have left in members the defaults do not cover.
inline Game& cleanGame()
{
    Game& game = *Game::getSingletonPtr();
    // The play timers first (enemy fire held by a released gauge, bombs):
    // the defaults then put the game mode back.
    game.resetLevel();
    game.resetDefaults();
    game.shutdown();
    game.levelName.clear();
    game.gameFolder.clear();
    game.gameName.clear();
    game.preferenceFolder.clear();
    game.tutorialsSeen.clear();
    game.lastTutorial.clear();
    game.languageTables.clear();
    game.defaultTexts.clear();
    game.sdlWindow = nullptr;
    game.reportedFadeResources.clear();
    game.reportedEffectLines.clear();
    // Files an earlier test's folders held, or lacked.
    game.resourceAvailability.clear();
    // The ship's run-time share of the Game, which no game file sets.
    game.weaponLevel = 0;
    game.baseWeaponLevel = 0.0f;
    game.heldShootButtons.clear();
    return game;
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
