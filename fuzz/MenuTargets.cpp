// Fuzz targets of the front end's files: the menu layout, the HUD layout
// with the elements it builds, and the two looks into a game's level file
// that the start menu and play take before they start.
#include "FuzzTarget.h"

#include "FuzzWorld.h"

#include "core/Game.h"
#include "data/HudReader.h"
#include "data/LevelPreReads.h"
#include "data/StartMenuReader.h"
#include "frontend/GameHUD.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>

namespace {

const char* const group = "GAMERSC";

Game& game() { return *Game::getSingletonPtr(); }

// The layouts are looked up in the game's group only while a game is set.
void prepareGame() { game().gameFolder = "fuzz"; }

void prepareHud()
{
    prepareGame();
    game().hud = new GameHUD;
}

// A one-level game whose level file is the input, with the sample game's
// fonts (never loaded: only their sources are read).
void prepareLevels()
{
    game().levels.push_back(new gameFileEntry{"Level01", "Above the Clouds", "", false, true, true, false});
    for (const char* name : {"ArialBlk64", "verdana", "ArialBlkOutline18"}) {
        const Ogre::ResourcePtr font = Ogre::FontManager::getSingleton().create(name, group);
        static_cast<Ogre::Font*>(font.get())->setSource("Verdana.ttf");
    }
}

void readMenu()
{
    readStartMenu(game(), "gamebox.startMenu");
    game().menuScreens.clear();
}

void readHud()
{
    readHUD(game());
    game().hud->destroy();
    // Texts without a key get a new one in the Game's table; names from data
    // must not pile up in the cache of resources looked up.
    game().hudTexts.clear();
    game().defaultTexts.clear();
    game().resourceAvailability.clear();
}

void readPreReads()
{
    collectLevelFonts(game());
    readLevelShadows(game());
}

} // namespace

std::vector<FuzzTarget> menuTargets()
{
    return {
        {"start_menu", group, "gamebox.startMenu", {}, prepareGame, readMenu},
        {"hud", group, "gamebox.HUD", {}, prepareHud, readHud},
        {"level_prereads", group, "Level01.level", {}, prepareLevels, readPreReads},
    };
}
