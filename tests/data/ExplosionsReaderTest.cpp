// Reading "gamebox.explosions" into the explosions library.
#include "data/ExplosionsReader.h"

#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class ExplosionsReaderTest : public ::testing::Test {
protected:
    ~ExplosionsReaderTest() override
    {
        for (auto& entry : explosions)
            freeExplosion(entry.second);
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.explosions", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadExplosionsGamebox("gamebox.explosions", "GAMERSC", explosions);
    }
    const ExplosionElement& element(const std::string& name, std::size_t index)
    {
        return *explosions.at(name).second.at(index);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    explosionLibraryMap explosions;
};

const char* const placement = R"(<position x="1" y="2" z="3"/><orientation x="45"/><Scaling x="2"/>)";

TEST_F(ExplosionsReaderTest, EveryElementKeepsItsSettingsInOrder)
{
    read(std::string(R"(<explosion name="Big" screenName="Big bang" group="G">
          <EXPL screenName="fire" timeBeforeStart="0.25" duration="1.5" particleName="p" textureName="sheet.png"
                soundName="boom.wav" isChild="false" isLight="false" textureDiv="4 2" soundPitch="0.2 0.3"
                explosionVolume="0.5" lightRange="80" lightColor="0.1 0.2 0.3 0.4" lightIntensity="3" isAlpha="false">)") +
         placement + R"(<Other isCameraShake="true" cameraShakeStrength="2.5"/></EXPL>
          <Note/>
          <EXPL timeBeforeStart="1" duration="2" particleName="Big" soundName="" isChild="true">)" + placement +
         R"(<Other isCameraShake="false"/></EXPL></explosion>)");
    ASSERT_EQ(explosions.size(), 1u);
    EXPECT_EQ(explosions.at("Big").first->screenName, "Big bang");
    ASSERT_EQ(explosions.at("Big").second.size(), 2u);
    const ExplosionElement& fire = element("Big", 0);
    EXPECT_EQ(fire.screenName, "fire");
    EXPECT_EQ(fire.timeBeforeStart, static_cast<double>(0.25f));
    EXPECT_DOUBLE_EQ(fire.duration, 1.5);
    EXPECT_EQ(fire.particleName, "p");
    EXPECT_EQ(fire.textureName, "sheet.png");
    EXPECT_EQ(fire.soundName, "boom.wav");
    EXPECT_EQ(fire.isChild, 0);
    EXPECT_EQ(fire.isLight, 0);
    EXPECT_EQ(fire.textureDiv, Ogre::Vector2(4.0f, 2.0f));
    EXPECT_FLOAT_EQ(fire.soundPitch[0], 0.2f);
    EXPECT_FLOAT_EQ(fire.soundPitch[1], 0.3f);
    EXPECT_FLOAT_EQ(fire.explosionVolume, 0.5f);
    EXPECT_FLOAT_EQ(fire.lightRange, 80.0f);
    EXPECT_EQ(fire.lightColor, Ogre::ColourValue(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_FLOAT_EQ(fire.lightIntensity, 3.0f);
    EXPECT_EQ(fire.isAlpha, 0);
    EXPECT_EQ(fire.position, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_FLOAT_EQ(fire.orientation, 45.0f);
    EXPECT_FLOAT_EQ(fire.scaling, 2.0f);
    EXPECT_EQ(fire.isCameraShake, 1);
    EXPECT_FLOAT_EQ(fire.cameraShakeStrength, 2.5f);
    EXPECT_EQ(element("Big", 1).isChild, 1);
}

TEST_F(ExplosionsReaderTest, AbsentOptionalValuesTakeTheReadersDefaults)
{
    read(std::string(R"(<explosion name="E" screenName="E"><EXPL timeBeforeStart="0" duration="1" particleName="p"
          soundName="" isChild="false">)") + placement + R"(<Other isCameraShake="false"/></EXPL></explosion>)");
    const ExplosionElement& plain = element("E", 0);
    EXPECT_EQ(plain.screenName, "element");
    EXPECT_EQ(plain.textureName, "");
    EXPECT_EQ(plain.isLight, 1);
    EXPECT_EQ(plain.textureDiv, Ogre::Vector2(4.0f, 4.0f));
    EXPECT_EQ(plain.lightColor, Ogre::ColourValue(1.0f, 0.5f, 0.0f, 0.0f)); // not the constructor's colour
    EXPECT_FLOAT_EQ(plain.soundPitch[1], 0.1f);
    EXPECT_FLOAT_EQ(plain.explosionVolume, 1.0f);
    EXPECT_FLOAT_EQ(plain.lightRange, 150.0f);
    EXPECT_FLOAT_EQ(plain.lightIntensity, 2.0f);
    EXPECT_EQ(plain.isAlpha, 1);
    EXPECT_FLOAT_EQ(plain.cameraShakeStrength, 1.0f);
}

TEST_F(ExplosionsReaderTest, MissingRequiredItemsKeepTheElementsOwnValuesAndAreEachReported)
{
    read(R"(<explosion name="E" screenName="E"><EXPL/>
              <EXPL timeBeforeStart="1" duration="2" particleName="p" soundName="s" isChild="false">
                <position x="5"/><orientation/><Scaling/><Other/></EXPL></explosion>)");
    const ExplosionElement constructed;
    for (std::size_t index : {0u, 1u}) {
        const ExplosionElement& bare = element("E", index);
        EXPECT_FLOAT_EQ(bare.orientation, constructed.orientation);
        EXPECT_FLOAT_EQ(bare.scaling, constructed.scaling);
        EXPECT_EQ(bare.isCameraShake, constructed.isCameraShake);
        EXPECT_FLOAT_EQ(bare.cameraShakeStrength, constructed.cameraShakeStrength);
        EXPECT_EQ(bare.lightColor, Ogre::ColourValue(1.0f, 0.5f, 0.0f, 0.0f)); // optional: the reader's default
    }
    const ExplosionElement& bare = element("E", 0);
    EXPECT_DOUBLE_EQ(bare.timeBeforeStart, constructed.timeBeforeStart);
    EXPECT_DOUBLE_EQ(bare.duration, constructed.duration);
    EXPECT_EQ(bare.particleName, constructed.particleName);
    EXPECT_EQ(bare.soundName, constructed.soundName);
    EXPECT_EQ(bare.isChild, constructed.isChild);
    EXPECT_EQ(bare.position, constructed.position);
    EXPECT_EQ(element("E", 1).position, Ogre::Vector3(5.0f, 0.0f, 0.0f));

    const std::string attribute = "[ERROR] gamebox.explosions: EXPL without attribute: ";
    const std::string child = "[ERROR] gamebox.explosions: EXPL without element: ";
    const std::string in = "[ERROR] gamebox.explosions: ";
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             attribute + "timeBeforeStart", attribute + "duration", attribute + "particleName",
                             attribute + "isChild", attribute + "soundName", child + "position",
                             child + "orientation", child + "Scaling", child + "Other",
                             in + "position without attribute: y", in + "position without attribute: z",
                             in + "orientation without attribute: x", in + "Scaling without attribute: x",
                             in + "Other without attribute: isCameraShake"}));
}

TEST_F(ExplosionsReaderTest, EmptyRepeatedAndNestedExplosions)
{
    read(R"(<explosion name="Empty" screenName="first"/>
            <explosion name="Empty" screenName="second"/>
            <group><explosion name="Nested" screenName="N"/></group>
            <Explosion name="Capital" screenName="C"/>)");
    ASSERT_EQ(explosions.size(), 1u);
    EXPECT_EQ(explosions.at("Empty").first->screenName, "second");
    EXPECT_TRUE(explosions.at("Empty").second.empty());
}

TEST_F(ExplosionsReaderTest, AMalformedFileAddsNothingAndSaysSoOnce)
{
    read(R"(<explosion name="E" screenName="E"><EXPL></explosion>)");
    EXPECT_TRUE(explosions.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.explosions "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
}

TEST_F(ExplosionsReaderTest, AnAbsentFileIsSkippedSilently)
{
    ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
    log.lines.clear();
    loadExplosionsGamebox("gamebox.explosions", "GAMERSC", explosions);
    EXPECT_TRUE(explosions.empty());
    EXPECT_TRUE(log.lines.empty());
}

} // namespace
