// Reading "gamebox.sounds" into the sounds library.
#include "data/SoundsReader.h"

#include "app/SoundDefinition.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class SoundsReaderTest : public ::testing::Test {
protected:
    ~SoundsReaderTest() override
    {
        for (auto& entry : sounds)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.sounds", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear(); // the group's own lines
        log.levels.clear();
        loadSoundsGamebox("gamebox.sounds", "GAMERSC", sounds);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, soundDefinition*> sounds;
};

TEST_F(SoundsReaderTest, EverySoundKeepsItsNamesVolumeAndKind)
{
    read(R"(<SOUND soundName="theme.ogg" screenName="Theme" group="MUSIC" volume="0.8" isSFX="true" isMUSIC="true"/>
            <SOUND soundName="shot.wav" screenName="Shot" volume="0.25" isSFX="true"><SOUND soundName="inner"/></SOUND>
            <Sound soundName="other.wav"/>)");
    ASSERT_EQ(sounds.size(), 2u);
    const soundDefinition& theme = *sounds.at("theme.ogg");
    EXPECT_EQ(theme.soundName, "theme.ogg");
    EXPECT_EQ(theme.screenName, "Theme");
    EXPECT_FLOAT_EQ(theme.volume, 0.8f);
    EXPECT_TRUE(theme.isSFX);
    EXPECT_TRUE(theme.isMUSIC); // both flags may be set
    EXPECT_FLOAT_EQ(sounds.at("shot.wav")->volume, 0.25f);
    EXPECT_FALSE(sounds.at("shot.wav")->isMUSIC);
}

TEST_F(SoundsReaderTest, AVolumeThatIsNoNumberIsZeroAndAMissingOneFull)
{
    read(R"(<SOUND soundName="a.wav" screenName="A" volume="loud" isSFX="true"/>
            <SOUND soundName="b.wav" screenName="B"/>)");
    EXPECT_FLOAT_EQ(sounds.at("a.wav")->volume, 0.0f);
    EXPECT_FLOAT_EQ(sounds.at("b.wav")->volume, 1.0f);
    EXPECT_FALSE(sounds.at("b.wav")->isSFX);
    const std::string missing = "[ERROR] gamebox.sounds: SOUND without attribute: ";
    EXPECT_EQ(log.lines, (std::vector<std::string>{missing + "volume", missing + "isSFX"}));
}

TEST_F(SoundsReaderTest, ASoundNamedAgainReplacesTheEarlierOne)
{
    read(R"(<SOUND soundName="a.wav" screenName="First" volume="0.1" isSFX="true"/>
            <SOUND soundName="a.wav" screenName="Second" volume="0.9" isSFX="false"/>)");
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds.at("a.wav")->screenName, "Second");
    EXPECT_FLOAT_EQ(sounds.at("a.wav")->volume, 0.9f);
}

TEST_F(SoundsReaderTest, AMalformedFileAddsNothingAndIsLoggedOnce)
{
    read("<SOUND soundName=\"a.wav\" screenName=\"A\" volume=\"1\" isSFX=\"true\"/><SOUND soundName=a.wav/>");
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.sounds "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
}

} // namespace
