// The two looks into a game's level files: the fonts of the text-only
// trigger overlays, and whether any level casts shadows, over small games.
#include "data/LevelPreReads.h"

#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "support/LogCapture.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct levelFile {
    const char* name;
    bool isIncludedInBuild;
    // Null: the game has no file for the level.
    const char* text;
};

// A game of the levels, with fonts in its resource group; the group and the
// level list go with it.
class SmallGame {
public:
    explicit SmallGame(const std::vector<levelFile>& levels)
    {
        sharedTestOverlaySystem();
        for (const levelFile& level : levels) {
            game.levels.push_back(new gameFileEntry{level.name, "", "", false, level.isIncludedInBuild, true, false});
            if (level.text)
                folder.write(std::string(level.name) + ".level", level.text);
        }
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        for (const auto& font : std::map<std::string, std::string>{
                 {"ArialBlk64", "Verdana.ttf"}, {"metal", "metal.otf"}, {"tiny", "ab"}, {"pixel", "pixel.fnt"},
                 {"outline", "outline.ttf"}, {"big", "bigfont.ttf"}})
            Ogre::FontManager::getSingleton().create(font.first, "GAMERSC")->setSource(font.second);
        // The menus and the HUD use these fonts; "nothing" is no font at all.
        game.continueMenuFont = game.gameEndFont = game.gameHUDFont = "ArialBlk64";
        game.gameMenuFont = game.pauseMenuFont = "metal";
        game.scoreFont = "tiny";
        game.startMenuFont = game.startMenuLogoFont = "nothing";
    }
    ~SmallGame() { gametest::cleanGame(); }

    Game& game = gametest::cleanGame();

private:
    ResourceGroupScope group{{"GAMERSC"}};
    TempFolder folder;
};

// The names every collection holds: the two fixed ones and the sources of
// the eight font settings, "nothing" adding the empty name.
const std::set<std::string> settingFonts = {"ArialBlkOutline18", "verdana", "Verdana", "metal", "ab", ""};

std::set<std::string> namesOf(const fontSourceSet& fonts)
{
    std::set<std::string> names;
    for (const auto& font : fonts)
        names.insert(font.first);
    return names;
}

std::set<std::string> with(std::set<std::string> names, std::initializer_list<const char*> more)
{
    names.insert(more.begin(), more.end());
    return names;
}

const char* const noOverlay = "<scene><Level/><triggers/></scene>";
const char* const shadows = R"(<scene><Level><Sun Rot="0 0 0" isShadows="true"/></Level></scene>)";
const char* const noShadows = R"(<scene><Level><Sun Rot="0 0 0" isShadows="false"/></Level></scene>)";
const char* const pixelFont = R"(<scene><Level/>
    <triggers><overlayText isTextOnly="true" fontName="pixel"/></triggers></scene>)";
const char* const overlays = R"(<scene><Level><Sun isShadows="false"/></Level>
    <triggers><overlayText isTextOnly="false" fontName="outline"/></triggers>
    <other/>
    <triggers><overlayText isTextOnly="true" fontName="None"/></triggers>
    <triggers><overlayText isTextOnly="true" fontName=""/></triggers>
    <triggers><overlayText isTextOnly="true" fontName="big"/><overlayText isTextOnly="true" fontName="outline"/></triggers>
  </scene>)";
// Overlays outside a level's scene are not looked at.
const char* const noLevel = R"(<scene><triggers><overlayText isTextOnly="true" fontName="pixel"/></triggers></scene>)";

} // namespace

TEST(LevelPreReads, FontsAndShadowsOfTheIncludedLevelsUpToTheFirstMissingFile)
{
    const struct {
        const char* what;
        std::vector<levelFile> levels;
        std::set<std::string> fonts;
        bool isShadows;
        // A file that does not parse is named once, however many looks meet it.
        std::size_t failureLines = 0;
    } games[] = {
        {"no text-only overlay", {{"A", true, noOverlay}, {"B", true, noShadows}}, settingFonts, false},
        {"overlays that add a font or not", {{"A", true, overlays}}, with(settingFonts, {"bigfont"}), false},
        {"a font whose source has an extension", {{"A", true, pixelFont}}, with(settingFonts, {"pixel"}), false},
        {"a file without a level scene", {{"A", true, noLevel}}, settingFonts, false},
        {"shadows in a later level", {{"A", true, noShadows}, {"B", true, shadows}}, settingFonts, true},
        {"an excluded level is never opened",
         {{"A", false, nullptr}, {"B", false, shadows}, {"C", true, pixelFont}},
         with(settingFonts, {"pixel"}), false},
        {"a missing second level ends both looks",
         {{"A", true, overlays}, {"B", true, nullptr}, {"C", true, pixelFont}, {"D", true, shadows}},
         with(settingFonts, {"bigfont"}), false},
        // Even the shadows of a file that does not parse are not taken.
        {"a level that does not parse ends both looks",
         {{"A", true, pixelFont}, {"B", true, "<scene><Level><Sun isShadows=\"true\">"}, {"C", true, shadows}},
         with(settingFonts, {"pixel"}), false, 1},
        {"an empty file has nothing to look at", {{"A", true, ""}, {"B", true, shadows}}, settingFonts, true},
    };
    for (const auto& tried : games) {
        SmallGame small(tried.levels);
        LogCapture log;
        EXPECT_EQ(namesOf(collectLevelFonts(small.game)), tried.fonts) << tried.what;
        EXPECT_EQ(readLevelShadows(small.game), tried.isShadows) << tried.what;
        EXPECT_EQ(log.lines.size(), tried.failureLines) << tried.what;
        for (std::size_t i = 0; i < log.lines.size(); ++i) {
            EXPECT_EQ(log.lines[i], "[ERROR] level file does not parse, nothing of it used: B.level "
                                    "(Error creating tinyxml2::XMLDocument)");
        }
    }
}
