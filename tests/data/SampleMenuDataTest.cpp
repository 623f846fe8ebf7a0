// The sample game's menu and HUD layouts, as built into its archives: the
// screens the start menu shows, reached from one another, and HUD elements
// that name only fonts, pictures and sounds the game has.
#include "app/SoundDefinition.h"
#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "core/ResourceAvailability.h"
#include "data/HudReader.h"
#include "data/MenuEntryNames.h"
#include "data/SampleArchive.h"
#include "data/SoundsReader.h"
#include "data/StartMenuReader.h"
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"
#include "support/OgreTestRoot.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

class SampleMenuData : public ::testing::Test {
protected:
    SampleMenuData()
    {
        sharedTestOverlaySystem();
        addSampleArchives(game);
    }
    ~SampleMenuData() override
    {
        delete game.hud;
        game.hud = nullptr;
        game.defaultTexts.clear();
        gametest::cleanGame();
    }
    std::vector<std::string> namesOf(const std::string& screen) const { return entryNames(game, screen); }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
};

std::set<std::string> fontsOfTheGame()
{
    const std::string text = sampleArchiveText("data.tzn", "Skyward.fontdef");
    std::set<std::string> names;
    const std::regex definition("font ([^\\s]+)");
    for (std::sregex_iterator match(text.begin(), text.end(), definition), end; match != end; ++match)
        names.insert((*match)[1]);
    return names;
}

} // namespace

TEST_F(SampleMenuData, EveryScreenOfTheStartMenuIsThereAndReachable)
{
    readStartMenu(game, "gamebox.startMenu");
    for (const char* shown : {"SPLASHSCREEN", "STARTMENU", "HIGHSCORES", "GFXMENU", "SOUNDMENU", "CONTROLSCHOICE",
                              "CONTROLSMENU", "CONTROLSKEYBOARDMENU"})
        EXPECT_EQ(game.menuScreens.count(shown), 1u) << shown;

    std::map<std::string, soundDefinition*> sounds;
    loadSoundsGamebox("gamebox.sounds", "GAMERSC", sounds);
    std::set<std::string> opened = {"SPLASHSCREEN"};
    for (const auto& screen : game.menuScreens) {
        const std::string& sound = screen.second.screenSound;
        EXPECT_TRUE(sound.empty() || sounds.count(sound)) << screen.first << " plays " << sound;
        for (const menuEntryDefinition& entry : screen.second.entries) {
            if (entry.type == menuDeactivated) {
                EXPECT_EQ(game.menuScreens.count(entry.fonctionName), 1u) << entry.name << " opens nothing";
                opened.insert(entry.fonctionName);
            }
            if (entry.type == menuStartWebPage) {
                EXPECT_EQ(entry.fonctionName.rfind("https://", 0), 0u) << entry.name;
            }
        }
    }
    EXPECT_EQ(opened.size(), game.menuScreens.size());
    for (auto& sound : sounds)
        delete sound.second;

    EXPECT_EQ(namesOf("GFXMENU"), (std::vector<std::string>{"FULLSCREEN", "RESOLUTION", "TATE", "PORTRAIT", "SHADOWS", "APPLYGFX", "BACK"}));
    EXPECT_EQ(game.menuScreens.at("GFXMENU").entries[0].text, "Screen mode");
    // Eight fire buttons, then start, select and the dead zone, as the
    // controller screen reads them by position.
    const std::vector<std::string> pad = namesOf("CONTROLSMENU");
    ASSERT_EQ(pad.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(pad.begin() + 4, pad.begin() + 11),
              (std::vector<std::string>{"BUTTON5", "BUTTON6", "BUTTON7", "BUTTON8", "BUTTONSTART", "BUTTONSELECT",
                                        "BUTTONDEADZONE"}));
    EXPECT_EQ(namesOf("CONTROLSKEYBOARDMENU").size(), 15u);
}

TEST_F(SampleMenuData, TheHudElementsNameOnlyFontsAndPicturesTheGameHas)
{
    game.hud = new GameHUD;
    readHUD(game);
    const std::set<std::string> fonts = fontsOfTheGame();
    std::vector<std::int32_t> ids;
    for (const HUDElement* element : game.hud->elements) {
        ids.push_back(element->UID);
        EXPECT_EQ(fonts.count(element->fontName), 1u) << element->screenName;
        for (const std::string* picture : {&element->imageName, &element->backTextureName,
                                           &element->frontTextureName, &element->readyTextureName})
            EXPECT_TRUE(picture->empty() || resourceExists(*picture)) << *picture;
    }
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1, 2}));
}
