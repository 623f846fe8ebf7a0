// The high-score screen in the sample game on both renderers: at the end of
// play a qualifying score gets a name typed with the keys (with cancel's
// deleting and disarming), the table shows it in the new-score colour and
// "high.scores" keeps it; the start menu's
// high-score screen shows the table and closes it on the way back. The
// frames kept for the eye show the name panel and both tables.
#include "support/RenderScene.h"
#include "support/TempFolder.h"
#include "support/WindowManager.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "data/GameFileReader.h"
#include "data/LocalizationReader.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/StartMenuState.h"
#include "play/playState.h"
#include "platform/KeyMapping.h"
#include "platform/SdlKeyboard.h"

#include <Overlay/OgreOverlay.h>
#include <OgreFontManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr double frameStep = 1.0 / 30.0;
constexpr int stageFrames = 10 * 30;
constexpr std::int64_t finalScore = 12345;

class Elsewhere : public GameState {};

// Share of a grid over the screen rectangle whose colour passes the test.
float shareOf(const RenderScene& scene, float left, float top, float right, float bottom,
              const std::function<bool(const Ogre::ColourValue&)>& isCounted)
{
    constexpr int grid = 96;
    int count = 0;
    for (int row = 0; row < grid; ++row)
        for (int column = 0; column < grid; ++column)
            count += isCounted(scene.colourOnScreen(left + (right - left) * (column + 0.5f) / grid,
                                                    top + (bottom - top) * (row + 0.5f) / grid));
    return static_cast<float>(count) / (grid * grid);
}

// Text drawn white over the dark panel.
bool isWhiteText(const Ogre::ColourValue& c) { return c.r > 0.7f && c.g > 0.7f && c.b > 0.7f; }

class HighScoreRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        { const RenderScene first; }
        readGameFile(game);
        game.loadGameData();
        readLocalizationTags(game.language + "_localization.xml", game.localizationTags);
        // A scene drops the materials made while it lived, a loaded font's
        // among them: the menu font is loaded before this test's scene.
        OverlayWidget font;
        font.fontName = game.startMenuFont;
        font.create();
        fontsBefore = loadedFonts();
        scene = std::make_unique<RenderScene>();
        game.preferenceFolder = preferences.path();
        game.highScores.rows.clear();
        game.highScores.lastEnteredName.clear();
        game.computeAspectRatio();
        manager = windowmanager::start(game);
    }

    void TearDown() override
    {
        if (!manager)
            return;
        windowmanager::stop(manager, elsewhere);
        game.clearLibraries();
        game.resetLevel();
        game.resetDefaults();
        // Fonts loaded while the scene lived lose their material with it: they
        // are unloaded first, which the engine's end could not do.
        for (const std::string& name : loadedFonts())
            if (!fontsBefore.count(name))
                Ogre::FontManager::getSingleton().unload(name, Ogre::RGN_AUTODETECT);
        scene.reset();
    }

    // A tap of the key: down for one frame, up the next.
    void tap(OIS::KeyCode key)
    {
        for (bool down : {true, false}) {
            SDL_KeyboardEvent event{};
            event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            event.state = down ? SDL_PRESSED : SDL_RELEASED;
            event.keysym.scancode = scancodeOf(key);
            dynamic_cast<platform::SdlKeyboard&>(*game.keyboard).queueKey(event);
            runFrame();
        }
    }

    static SDL_Scancode scancodeOf(OIS::KeyCode key)
    {
        for (int code = 0; code < SDL_NUM_SCANCODES; ++code)
            if (platform::keyCodeFromScancode(static_cast<SDL_Scancode>(code)) == key)
                return static_cast<SDL_Scancode>(code);
        return SDL_SCANCODE_UNKNOWN;
    }

    void runFrame()
    {
        manager->update(frameStep);
        scene->renderFrame();
    }

    bool runUntil(const std::function<bool()>& done)
    {
        for (int frame = 0; frame < stageFrames; ++frame) {
            runFrame();
            if (done())
                return true;
        }
        return false;
    }

    static std::set<std::string> loadedFonts()
    {
        std::set<std::string> names;
        for (const auto& entry : Ogre::FontManager::getSingleton().getResourceIterator())
            if (entry.second->isLoaded())
                names.insert(entry.second->getName());
        return names;
    }

    Game& game = *Game::getSingletonPtr();
    std::set<std::string> fontsBefore;
    TempFolder preferences;
    Elsewhere elsewhere;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

TEST_F(HighScoreRender, AQualifyingScoreIsNamedWithTheKeysShownAndSaved)
{
    game.resetGame();
    game.levelName = "Level01";
    playState& play = *playState::getInstance();
    manager->changeState(&play);
    ASSERT_NE(play.highScoreMenu, nullptr);
    game.totalScore = finalScore;
    game.setGameState(gameModeHighScoreEntry);
    HighScoreMenu& menu = *play.highScoreMenu;
    ASSERT_TRUE(runUntil([&] { return menu.phase == HighScoreMenu::phaseNameEntry; }));
    for (int frame = 0; frame < 5; ++frame)
        runFrame();
    // "A-----": up, right, up, up gives "BB----".
    for (OIS::KeyCode key : {OIS::KC_UP, OIS::KC_RIGHT, OIS::KC_UP, OIS::KC_UP})
        tap(key);
    EXPECT_EQ(menu.name, "BB----");
    EXPECT_TRUE(menu.nameOverlay->isVisible());
    scene->keepFrame("HighScore-name-entry");
    EXPECT_GT(shareOf(*scene, 0.3f, 0.4f, 0.7f, 0.6f, isWhiteText), 0.01f) << "the letters show";

    // Cancel deletes the character under the cursor and pads with "_";
    // after a first confirm it takes the confirm back.
    const auto cancelKey = static_cast<OIS::KeyCode>(game.shootButton[1]);
    tap(OIS::KC_RIGHT);
    tap(cancelKey);
    EXPECT_EQ(menu.name, "BB---_");
    tap(OIS::KC_RETURN);
    EXPECT_TRUE(menu.confirmArmed);
    tap(cancelKey);
    EXPECT_FALSE(menu.confirmArmed);
    EXPECT_EQ(menu.name, "BB---_");
    tap(OIS::KC_RETURN);
    tap(OIS::KC_RETURN);
    ASSERT_EQ(menu.phase, HighScoreMenu::phaseTable);
    EXPECT_EQ(game.highScores.rows.begin()->name, "BB   _");
    // On disk as soon as it is confirmed, while the table still shows.
    const std::string saved = preferences.read("high.scores");
    EXPECT_EQ(saved.find("<SCORE name = \"BB   _\" lastLevel=\"0\" score=\"12345\" />"), 0u) << saved;
    EXPECT_NE(saved.find("<PREFS lasName = \"BB   _\" />"), std::string::npos) << saved;
    ASSERT_TRUE(runUntil([&] { return menu.slideOutTimer <= 0.0 && menu.fadeTimer >= 0.5f; }));
    for (int frame = 0; frame < 10; ++frame)
        runFrame();
    scene->keepFrame("HighScore-table-after-play");
    EXPECT_GT(shareOf(*scene, 0.1f, 0.15f, 0.9f, 0.85f, isWhiteText), 0.01f) << "the rows show";
    const auto isNewScoreColour = [&](const Ogre::ColourValue& c) {
        const Ogre::ColourValue& wanted = game.HSFontNewScoreColour;
        return std::abs(c.r - wanted.r) < 0.15f && std::abs(c.g - wanted.g) < 0.15f && std::abs(c.b - wanted.b) < 0.15f;
    };
    EXPECT_GT(shareOf(*scene, 0.0f, 0.0f, 1.0f, 1.0f, isNewScoreColour), 0.001f) << "the new row is marked";

    // Play may leave for the start menu in the frame that asks for it.
    bool isShownAtEnd = true;
    ASSERT_TRUE(runUntil([&] {
        if (game.gameMode != gameModeBackToStartMenu)
            return false;
        isShownAtEnd = play.highScoreMenu && play.highScoreMenu->tableOverlay->isVisible();
        return true;
    }));
    EXPECT_FALSE(isShownAtEnd);
    EXPECT_EQ(preferences.read("high.scores"), saved);
}

TEST_F(HighScoreRender, TheStartMenuShowsTheTableAndClosesItOnTheWayBack)
{
    for (const highScoreRow& row : {highScoreRow{"ACE", 5000, 2}, {"BEE", 4000, 0}, {"CAT", 3000, 1}})
        game.highScores.rows.insert(row);
    startMenuState& menu = *startMenuState::getInstance();
    manager->changeState(&menu);
    ASSERT_NE(menu.highScores, nullptr);
    ASSERT_NE(menu.findScreen(startMenuState::highScoresScreenName), nullptr);
    // The main screen's entry that opens the high scores, chosen.
    menu.currentScreen = startMenuState::mainScreenName;
    const auto& entries = menu.findScreen(menu.currentScreen)->entries;
    const auto opener = std::find_if(entries.begin(), entries.end(), [](const std::unique_ptr<menuButton>& entry) {
        return entry->fonctionName == startMenuState::highScoresScreenName;
    });
    ASSERT_NE(opener, entries.end());
    menu.selectedIndex = static_cast<std::uint32_t>(opener - entries.begin());
    menu.validate();
    HighScoreMenu& table = *menu.highScores;
    EXPECT_TRUE(table.viewOnly);
    EXPECT_FALSE(table.entering);
    for (int frame = 0; frame < 75; ++frame)
        runFrame();
    EXPECT_TRUE(table.tableOverlay->isVisible());
    EXPECT_EQ(table.phase, HighScoreMenu::phaseNameEntry) << "shown, without a name panel";
    EXPECT_FALSE(table.nameOverlay->isVisible());
    EXPECT_EQ(table.nameEntries[1]->labelText->text, "ACE");
    EXPECT_EQ(table.levelEntries[1]->labelText->text, "3 ");
    scene->keepFrame("HighScore-table-start-menu");
    EXPECT_GT(shareOf(*scene, 0.1f, 0.15f, 0.9f, 0.85f, isWhiteText), 0.004f) << "the rows show";

    // Back, and straight on to another screen while the table fades: the
    // table still fades out whole, its texts with it.
    menu.back();
    runFrame();
    const auto other = std::find_if(entries.begin(), entries.end(), [&](const std::unique_ptr<menuButton>& entry) {
        return entry->type == menuDeactivated && entry->fonctionName != startMenuState::highScoresScreenName
               && menu.findScreen(entry->fonctionName);
    });
    ASSERT_NE(other, entries.end());
    menu.selectedIndex = static_cast<std::uint32_t>(other - entries.begin());
    menu.validate();
    ASSERT_EQ(menu.currentScreen, (*other)->fonctionName);
    EXPECT_TRUE(runUntil([&] { return !table.tableOverlay->isVisible(); }));
    EXPECT_FALSE(table.titleEntry->labelText->overlay->isVisible());
    EXPECT_FALSE(table.nameEntries[1]->labelText->overlay->isVisible());
}

} // namespace
