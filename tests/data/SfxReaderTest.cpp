// Reading "gamebox.sfx" into the sfx library.
#include "data/SfxReader.h"

#include "core/effects/sfxLibraryEntry.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class SfxReaderTest : public ::testing::Test {
protected:
    ~SfxReaderTest() override
    {
        for (auto& entry : library)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.sfx", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadSfxGamebox("gamebox.sfx", "GAMERSC", library);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, sfxLibraryEntry*> library;
};

TEST_F(SfxReaderTest, AnEntryWithOnlyItsNamesHasEveryDefault)
{
    read(R"(<SFX sfxName="spark" screenName="Spark"/>)");
    const sfxLibraryEntry& entry = *library.at("spark");
    EXPECT_EQ(entry.screenName, "Spark");
    EXPECT_FLOAT_EQ(entry.duration, 1.0f);
    EXPECT_EQ(entry.columnsRows, Ogre::Vector2(1.0f, 1.0f));
    EXPECT_EQ(entry.isLooping, 0);
    EXPECT_EQ(entry.isLocalSpace, 1);
    EXPECT_EQ(entry.isAnimatedTexture, 0);
    EXPECT_EQ(entry.customParticleEffect, 0);
    for (std::uint8_t flag : {entry.isSfx, entry.entitySfx, entry.bulletSfx, entry.weaponSfx, entry.explosionSfx,
                              entry.hotTimerSfx, entry.itemSfx, entry.isLaserSfx})
        EXPECT_EQ(flag, 1);
}

TEST_F(SfxReaderTest, EverySettingIsRead)
{
    read(R"(<SFX sfxName="sheet.png" screenName="Sheet" Sfx="false" duration="0.5" isLooping="true"
              isLocalSpace="false" lineColumn="2 3" columnsRows="4 5" isAnimatedTexture="true" entitySfx="false"
              bulletSfx="false" weaponSfx="false" explosionSfx="false" hotTimerSfx="false" itemSfx="false"
              customParticleEffect="true" isLaserSfx="false"/>
            <SFX sfxName="grid" screenName="Grid" lineColumn="2 3"/>)");
    const sfxLibraryEntry& sheet = *library.at("sheet.png");
    EXPECT_EQ(sheet.isSfx, 0);
    EXPECT_FLOAT_EQ(sheet.duration, 0.5f);
    EXPECT_EQ(sheet.isLooping, 1);
    EXPECT_EQ(sheet.isLocalSpace, 0);
    EXPECT_EQ(sheet.columnsRows, Ogre::Vector2(4.0f, 5.0f)); // the later name wins
    EXPECT_EQ(sheet.isAnimatedTexture, 1);
    EXPECT_EQ(sheet.customParticleEffect, 1);
    for (std::uint8_t flag : {sheet.entitySfx, sheet.bulletSfx, sheet.weaponSfx, sheet.explosionSfx,
                              sheet.hotTimerSfx, sheet.itemSfx, sheet.isLaserSfx})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(library.at("grid")->columnsRows, Ogre::Vector2(2.0f, 3.0f));
}

TEST_F(SfxReaderTest, TheFirstEntryOfANameStays)
{
    library["old"] = new sfxLibraryEntry;
    library["old"]->screenName = "earlier load";
    read(R"(<SFX sfxName="a" screenName="first"/><SFX sfxName="a" screenName="second"/>
            <SFX sfxName="old" screenName="again"/>)");
    EXPECT_EQ(library.at("a")->screenName, "first");
    EXPECT_EQ(library.at("old")->screenName, "earlier load");
}

TEST_F(SfxReaderTest, TheFirstElementIsReadWhateverItsName)
{
    read(R"(<Effect sfxName="lead" screenName="Lead"/><Effect sfxName="skipped" screenName="S"/>
            <SFX sfxName="next" screenName="Next"/>)");
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library.at("lead")->screenName, "Lead");
    EXPECT_TRUE(library.count("next"));
}

TEST_F(SfxReaderTest, AMalformedFileAddsNothingAndSaysSoOnce)
{
    read(R"(<SFX sfxName="a" screenName="A">)");
    EXPECT_TRUE(library.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.sfx "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
}

} // namespace
