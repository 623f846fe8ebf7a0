// Reading "gamebox.waves" into the waves library.
#include "data/WavesReader.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class WavesReaderTest : public ::testing::Test {
protected:
    ~WavesReaderTest() override
    {
        for (auto& entry : waves) {
            entry.second->destroyGraphics();
            delete entry.second;
        }
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.waves", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadWavesGamebox("gamebox.waves", "GAMERSC", waves);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, Wave*> waves;
};

TEST_F(WavesReaderTest, TopLevelEnemiesBecomeDefinitionsThatHideTheirMembersAndALaterNameReplaces)
{
    read(R"(<enemy waveName="A" meshName="first.mesh"><GAMEPLAY killedBehavior="0" life="3"/></enemy>
            <enemy waveName="B"><GAMEPLAY killedBehavior="2"/></enemy>
            <enemy waveName="A" meshName="second.mesh"><GAMEPLAY killedBehavior="0" life="5"/></enemy>
            <Enemy waveName="C"/>
            <waves><enemy waveName="D"/></waves>)");
    ASSERT_EQ(waves.size(), 2u);
    EXPECT_EQ(waves.at("A")->meshName, "second.mesh");
    EXPECT_EQ(waves.at("A")->members.at(0)->life, 5);
    for (const auto& [name, wave] : waves) {
        EXPECT_EQ(wave->waveName, name);
        EXPECT_EQ(wave->isLibraryDefinition, 1) << name;
        EXPECT_EQ(wave->killedBehavior, Wave::killedHidesMembers) << name;
        EXPECT_EQ(wave->members.size(), 1u) << name;
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(WavesReaderTest, AMissingFileLeavesTheLibraryAndAMalformedOneLogsItsLine)
{
    auto* kept = new Wave("");
    waves["kept"] = kept;
    loadWavesGamebox("gamebox.waves", "GAMERSC", waves);
    EXPECT_EQ(waves.size(), 1u);
    read(R"(<enemy waveName="A"/><enemy waveName="B")");
    EXPECT_EQ(waves.size(), 1u);
    EXPECT_EQ(waves.at("kept"), kept);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.waves "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
}

} // namespace
