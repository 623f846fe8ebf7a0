#include "app/ResourceLookup.h"

#include "support/LogCapture.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"

#include <OgreFont.h>
#include <OgreFontManager.h>
#include <OgreResourceGroupManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

Ogre::Font& makeFont(const std::string& name, const std::string& group, const std::string& source)
{
    auto font = Ogre::static_pointer_cast<Ogre::Font>(Ogre::FontManager::getSingleton().create(name, group));
    if (!source.empty())
        font->setSource(source);
    return *font;
}

} // namespace

TEST(ResourceLookup, FindResourceFilePathJoinsArchiveAndName)
{
    ResourceGroupScope scope({"ZnLookupTest"});
    const std::string folder = std::string(ZARNITH_TEST_DATA_DIR) + "/app/lookup";
    Ogre::ResourceGroupManager::getSingleton().createResourceGroup("ZnLookupTest", false);
    ResourceGroupScope::addFolder(folder, "ZnLookupTest");

    EXPECT_EQ(findResourceFilePath("lookupSample.txt"), folder + "/lookupSample.txt");
}

TEST(ResourceLookup, FontExistsMatchesTheExactName)
{
    sharedTestOverlaySystem();
    makeFont("ZnExactFont", Ogre::RGN_DEFAULT, "a.ttf");
    EXPECT_TRUE(fontExists("ZnExactFont"));
    EXPECT_FALSE(fontExists("znexactfont"));
    EXPECT_FALSE(fontExists("ZnExact"));
    Ogre::FontManager::getSingleton().remove("ZnExactFont", Ogre::RGN_DEFAULT);
    EXPECT_FALSE(fontExists("ZnExactFont"));
}

TEST(ResourceLookup, ResolveFontSourcesRepairsDefaultGroupFontsWithoutSource)
{
    sharedTestOverlaySystem();
    ResourceGroupScope scope({"ZnFontTest"});
    Ogre::ResourceGroupManager::getSingleton().createResourceGroup("ZnFontTest", false);
    Ogre::Font& kept = makeFont("ZnKeptFont", Ogre::RGN_DEFAULT, "kept.ttf");
    Ogre::Font& empty = makeFont("ZnEmptyFont", Ogre::RGN_DEFAULT, "");
    Ogre::Font& elsewhere = makeFont("ZnElsewhereFont", "ZnFontTest", "elsewhere.ttf");

    LogCapture log;
    resolveFontSources();

    EXPECT_EQ(kept.getSource(), "kept.ttf");
    EXPECT_EQ(empty.getSource(), "Verdana.ttf");
    // Not in the default group: reported, but there is no default-group font to repair.
    EXPECT_EQ(elsewhere.getSource(), "elsewhere.ttf");
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] font not found: "), 2);
    for (std::size_t i = 0; i < log.lines.size(); ++i) {
        if (log.lines[i] == "[ERROR] font not found: ") {
            EXPECT_EQ(log.levels[i], Ogre::LML_CRITICAL);
        }
    }

    Ogre::FontManager::getSingleton().remove("ZnKeptFont", Ogre::RGN_DEFAULT);
    Ogre::FontManager::getSingleton().remove("ZnEmptyFont", Ogre::RGN_DEFAULT);
    Ogre::FontManager::getSingleton().remove("ZnElsewhereFont", "ZnFontTest");
}
