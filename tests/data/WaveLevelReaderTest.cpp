// Reading the waves a level places as instances of the library's wave
// definitions.
#include "data/LevelWavesReader.h"

#include "combat/PlayerScene.h"
#include "combat/Spawner.h"
#include "combat/Tank.h"
#include "combat/Wave.h"
#include "data/WaveReader.h"
#include "data/XmlFile.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <string>
#include <vector>

namespace {

class WaveLevelReaderTest : public ::testing::Test {
protected:
    ~WaveLevelReaderTest() override
    {
        for (Wave* wave : waves)
            release(wave);
        for (auto& entry : library)
            release(entry.second);
    }
    // A library definition, made as the waves library makes it.
    void define(const std::string& xml)
    {
        const XmlFragment fragment(xml);
        auto* definition = new Wave("");
        readWave(fragment.root(), *definition, nullptr, nullptr, WaveElementMode::definition);
        definition->isLibraryDefinition = 1;
        definition->bindToLevel();
        library[definition->waveName] = definition;
    }
    void readLevel(const std::string& xml)
    {
        const XmlFragment fragment(xml);
        readLevelWaves(fragment.root(), waves, &scene.level, &scene.player, library);
    }
    static void release(Wave* wave)
    {
        wave->destroyGraphics();
        delete wave;
    }

    PlayerScene scene;
    std::map<std::string, Wave*> library;
    std::vector<Wave*> waves;
};

TEST_F(WaveLevelReaderTest, EachWaveIsAnInstanceOfItsDefinitionOrOfWave0)
{
    define(R"(<enemy waveName="Wave0" meshName="standBy.mesh"/>)");
    define(R"(<enemy waveName="Tanks" meshName="tank.mesh" type="tank">
                <toybox parentName="Tanks" thumbnail="tanks.png"/></enemy>)");
    LogCapture log;
    const XmlFileScope file("Trial.level");
    readLevel(R"(<LEVELFILE>
        <enemy waveName="Wave3" meshName="own.mesh" type="basic">
          <toybox parentName="Tanks" thumbnail="placed.png" screenName="Column"/>
          <Spawner spawnType="1" numberOfSpawns="4" timeBetweenSpawns="0.3" radius="60 60" TimeBeforeSpawn="2"
                   planeNbs="1 1" isGround="true" offset="0" startAngle="0" endAngle="180" OrientationType="0"
                   isKeepFormation="false" isHiddenWhenSleeping="true" startSfxName="none"/>
        </enemy>
        <Item itemName="between"/>
        <enemy waveName="Wave4"><toybox parentName="Lost"/></enemy>
        <enemy waveName="Wave5"/>
      </LEVELFILE>)");
    ASSERT_EQ(waves.size(), 3u);

    const Wave& tanks = *waves[0];
    EXPECT_EQ(tanks.waveName, "Wave3");
    EXPECT_EQ(tanks.name, "Tanks");
    EXPECT_EQ(tanks.screenName, "Column");
    EXPECT_EQ(tanks.templateObject, library.at("Tanks"));
    EXPECT_EQ(tanks.meshName, "tank.mesh");
    EXPECT_EQ(tanks.thumbnail, "");
    EXPECT_EQ(tanks.spawner->numberOfSpawns, 4u) << "the layout is the level's own";
    EXPECT_FLOAT_EQ(tanks.TimeBeforeSpawn, 2.0f);
    const Enemy& member = *tanks.members.at(0);
    EXPECT_NE(dynamic_cast<const Tank*>(&member), nullptr) << "the definition decides the class";
    EXPECT_EQ(member.waveName, "Wave3");
    EXPECT_EQ(member.members, &tanks.members);
    EXPECT_EQ(member.thumbnail, "");

    for (const Wave* lost : {waves[1], waves[2]}) {
        EXPECT_EQ(lost->templateObject, library.at("Wave0"));
        EXPECT_EQ(lost->meshName, "standBy.mesh");
        EXPECT_EQ(dynamic_cast<const Tank*>(lost->members.at(0)), nullptr);
    }
    EXPECT_EQ(waves[1]->name, "Lost");
    EXPECT_EQ(waves[2]->name, "");
    // A name the library lacks is named with its file; no name names nothing.
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] can't find wave", 0) == 0; }),
              1);
    EXPECT_TRUE(log.contains("[ERROR] can't find wave: Lost, named by Trial.level"));
}

TEST_F(WaveLevelReaderTest, WithoutADefinitionOrItsMemberTheWaveIsLeftOutWithOneErrorLine)
{
    define(R"(<enemy waveName="Drones" meshName="drone.mesh"/>)");
    auto* hollow = new Wave("");
    hollow->waveName = "Hollow";
    library["Hollow"] = hollow;
    LogCapture log;
    readLevel(R"(<LEVELFILE><enemy waveName="Wave1"><toybox parentName="Lost"/></enemy>
                            <enemy waveName="Wave2"><toybox parentName="Drones"/></enemy>
                            <enemy waveName="Wave3"><toybox parentName="Hollow"/></enemy></LEVELFILE>)");
    ASSERT_EQ(waves.size(), 1u);
    EXPECT_EQ(waves[0]->waveName, "Wave2");
    EXPECT_TRUE(log.contains("[ERROR] wave not found, nor Wave0: Lost"));
    EXPECT_TRUE(log.contains("[ERROR] wave without a member: Hollow"));
}

} // namespace
