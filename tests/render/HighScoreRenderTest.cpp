// The high-score screen in the sample game on both renderers: at the end of
// play a qualifying score gets a name typed with the keys (with cancel's
// deleting and disarming), the table shows it in the new-score colour and
// "high.scores" keeps it; the start menu's
// high-score screen shows the table and closes it on the way back. In play
// its texts stand clear of each other and of the HUD, and the name panel
// hides the rows behind it. The frames kept for the eye show the name panel
// and both tables.
#include "support/DrawnText.h"
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
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"
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

using drawntext::ScreenBox;

using NamedBoxes = std::vector<std::pair<std::string, ScreenBox>>;

// The HUD's fixed lines.
NamedBoxes hudLineBoxes(const GameHUD& hud)
{
    NamedBoxes boxes;
    for (const OverlayWidget* line : {hud.scoreText, hud.hpText, hud.livesText, hud.bombsText, hud.multiplierText})
        if (line)
            boxes.emplace_back(line->text, drawntext::inkBand(drawntext::drawnBox(*line)));
    return boxes;
}

// What the HUD's layout adds: its elements' texts and pictures, and its
// bars' layers.
NamedBoxes hudElementBoxes(const GameHUD& hud)
{
    NamedBoxes boxes;
    for (const HUDElement* element : hud.elements) {
        if (element->widget && element->widget->isText)
            boxes.emplace_back(element->screenName, drawntext::inkBand(drawntext::drawnBox(*element->widget)));
        else if (element->widget && element->widget->panel)
            boxes.emplace_back(element->screenName, drawntext::drawnBox(*element->widget->panel, *element->widget->overlay));
        if (element->emptyLayer && element->emptyOverlay)
            boxes.emplace_back(element->screenName, drawntext::drawnBox(*element->emptyLayer, *element->emptyOverlay));
    }
    return boxes;
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
        // among them: the game's fonts (menus, HUD) are loaded before this
        // test's scene.
        for (const auto& entry : Ogre::FontManager::getSingleton().getResourceIterator()) {
            OverlayWidget font;
            font.fontName = entry.second->getName();
            font.create();
        }
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
        delete game.hud;
        game.hud = nullptr;
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

    // A press of the key: down for some frames, up the next.
    void tap(OIS::KeyCode key, int heldFrames = 1)
    {
        for (bool down : {true, false}) {
            SDL_KeyboardEvent event{};
            event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            event.state = down ? SDL_PRESSED : SDL_RELEASED;
            event.keysym.scancode = scancodeOf(key);
            dynamic_cast<platform::SdlKeyboard&>(*game.keyboard).queueKey(event);
            for (int frame = 0; frame < (down ? heldFrames : 1); ++frame)
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
    // A press held over frames (90 ms) only arms; the next one enters the name.
    tap(OIS::KC_RETURN, 3);
    EXPECT_EQ(menu.phase, HighScoreMenu::phaseNameEntry);
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
    EXPECT_GT(shareOf(*scene, 0.1f, 0.15f, 0.9f, 0.85f, isWhiteText), 0.006f) << "the rows show";
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
    // Three rows of small text: how many of their pixels read white in the
    // small test frame varies with where the rows fall on the pixel grid.
    EXPECT_GT(shareOf(*scene, 0.1f, 0.15f, 0.9f, 0.85f, isWhiteText), 0.003f) << "the rows show";

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

TEST_F(HighScoreRender, InPlayTheTextsStandClearOfEachOtherAndOfTheHud)
{
    // The test's window is square: laid out for its own shape, every height
    // on screen is what a window of any shape shows.
    game.screenRatio = 0;
    // The program's start makes the one HUD of the run.
    game.hud = new GameHUD();
    game.resetGame();
    game.levelName = "Level01";
    playState& play = *playState::getInstance();
    manager->changeState(&play);
    ASSERT_NE(play.highScoreMenu, nullptr);
    ASSERT_NE(game.hud, nullptr);
    game.totalScore = finalScore;
    game.setGameState(gameModeHighScoreEntry);
    HighScoreMenu& menu = *play.highScoreMenu;
    ASSERT_TRUE(runUntil([&] { return menu.phase == HighScoreMenu::phaseNameEntry; }));
    for (int frame = 0; frame < 20; ++frame)
        runFrame();
    scene->keepFrame("HighScore-layout-in-play");

    // The layout's elements stand clear of each other and of the fixed lines
    // (which the square window draws wider than any game window).
    const NamedBoxes elements = hudElementBoxes(*game.hud);
    NamedBoxes hud = hudLineBoxes(*game.hud);
    for (const auto& [name, box] : elements) {
        for (const auto& [other, otherBox] : hud)
            EXPECT_FALSE(drawntext::overlap(box, otherBox)) << "HUD: " << name << " " << box << ", " << other << " "
                                                            << otherBox;
        hud.emplace_back(name, box);
    }
    const ScreenBox title = drawntext::inkBand(drawntext::drawnBox(*menu.titleEntry->labelText));
    ASSERT_FALSE(title.isEmpty());
    for (const auto& [name, box] : hud)
        EXPECT_FALSE(drawntext::overlap(title, box)) << "title " << title << " on the HUD's " << name << " " << box;

    const auto panelTexts = [&] {
        std::vector<const menuButton*> entries = {menu.nameTitleEntry.get(), menu.helpEntry.get(),
                                                  menu.okEntry.get(),        menu.arrowLeft.get(),
                                                  menu.arrowRight.get(),     menu.arrowTop.get(),
                                                  menu.arrowBottom.get()};
        for (const auto& letter : menu.letterEntries)
            entries.push_back(letter.get());
        NamedBoxes boxes;
        for (const menuButton* entry : entries)
            boxes.emplace_back(entry->label, drawntext::inkBand(drawntext::drawnBox(*entry->labelText)));
        return boxes;
    };
    const auto expectApart = [](const NamedBoxes& texts, const char* when) {
        for (std::size_t a = 0; a < texts.size(); ++a)
            for (std::size_t b = a + 1; b < texts.size(); ++b)
                EXPECT_FALSE(drawntext::overlap(texts[a].second, texts[b].second))
                    << when << ": " << texts[a].first << " " << texts[a].second << ", " << texts[b].first << " "
                    << texts[b].second;
    };
    expectApart(panelTexts(), "entering");

    // Inside the name panel, away from its own texts and its border, only
    // the panel shows: no row of the table behind it.
    const ScreenBox panel = drawntext::drawnBox(*menu.namePanel, *menu.nameOverlay);
    ASSERT_FALSE(panel.isEmpty());
    constexpr int grid = 48;
    float darkest = 1.0f, brightest = 0.0f;
    for (int row = 1; row < grid; ++row)
        for (int column = 1; column < grid; ++column) {
            const float x = panel.left + (panel.right - panel.left) * (0.05f + 0.9f * column / grid);
            const float y = panel.top + (panel.bottom - panel.top) * (0.05f + 0.9f * row / grid);
            const NamedBoxes texts = panelTexts();
            const bool onText = std::any_of(texts.begin(), texts.end(), [&](const auto& text) {
                const ScreenBox& box = text.second;
                const float margin = box.bottom - box.top;
                return x > box.left - margin && x < box.right + margin && y > box.top - margin && y < box.bottom + margin;
            });
            if (onText)
                continue;
            const Ogre::ColourValue colour = scene->colourOnScreen(x, y);
            const float brightness = (colour.r + colour.g + colour.b) / 3.0f;
            darkest = std::min(darkest, brightness);
            brightest = std::max(brightest, brightness);
        }
    EXPECT_LT(brightest - darkest, 0.06f) << "the rows behind show through the name panel";
    // No row is cut by the panel's edges: each stands wholly behind it or clear of it.
    for (const auto& cell : menu.rankEntries) {
        const ScreenBox row = drawntext::inkBand(drawntext::drawnBox(*cell->labelText));
        const bool isBehind = row.top >= panel.top && row.bottom <= panel.bottom;
        EXPECT_TRUE(isBehind || row.bottom <= panel.top || row.top >= panel.bottom)
            << cell->labelText->text << " " << row << " under the name panel " << panel;
    }

    // On a middle letter, confirmed once: the mark grows under the arrows.
    for (OIS::KeyCode key : {OIS::KC_RIGHT, OIS::KC_RIGHT, OIS::KC_RIGHT, OIS::KC_RETURN})
        tap(key);
    ASSERT_TRUE(menu.confirmArmed);
    for (int frame = 0; frame < 10; ++frame)
        runFrame();
    scene->keepFrame("HighScore-layout-confirming");
    expectApart(panelTexts(), "confirming");
}

} // namespace
