// Reading "gamebox.pictures" and "gamebox.sprites" into their libraries.
#include "data/PicturesReader.h"

#include "data/pictureDefinition.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using pictureMap = std::map<std::string, pictureDefinition*>;

class PicturesReaderTest : public ::testing::Test {
protected:
    ~PicturesReaderTest() override
    {
        for (pictureMap* library : {&pictures, &sprites})
            for (auto& entry : *library)
                delete entry.second;
    }
    void publish(const std::string& file, const std::string& content)
    {
        folder.write(file, content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear(); // the group's own lines
        log.levels.clear();
    }
    void readPictures() { loadPicturesGamebox("gamebox.pictures", "GAMERSC", pictures); }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    pictureMap pictures;
    pictureMap sprites;
};

const char* const shipSheet = R"(<Picture name="ship.png" screenName="Ship" group="PLAYER"
    lineColumn="4 2" spriteAnimRate="6.5" animType="true" isPixelFiltering="true" hasAlpha="false"
    isEditable="true" isParticleTexture="true" textureDimension="256 128">
  <Animation name="bank" screenName="Banking" direction="3" behavior="2" animType="5" isUseDuration="false"
      duration="0.25" speed="2" startFrame="1" endFrame="6" isStartRandomFrame="true" isUseCustomTime="true">
    <Directions isCanChangeDirectionDuraingPlay="false" isDirectional="true" dir01="0 1" dir08="6 7"/>
  </Animation>
</Picture>)";

TEST_F(PicturesReaderTest, APictureKeepsEveryAttributeAndItsAnimations)
{
    publish("gamebox.pictures", shipSheet);
    readPictures();
    ASSERT_EQ(pictures.count("ship.png"), 1u);
    const pictureDefinition& ship = *pictures.at("ship.png");
    EXPECT_EQ(ship.screenName, "Ship");
    EXPECT_EQ(ship.lineColumn, Ogre::Vector2(4.0f, 2.0f));
    EXPECT_FLOAT_EQ(ship.spriteAnimRate, 6.5f);
    EXPECT_EQ(ship.animType, 1);
    EXPECT_TRUE(ship.isPixelFiltering);
    EXPECT_FALSE(ship.hasAlpha);
    EXPECT_TRUE(ship.isEditable);
    EXPECT_TRUE(ship.isParticleTexture);
    EXPECT_EQ(ship.textureDimension, Ogre::Vector2(256.0f, 128.0f));

    ASSERT_EQ(ship.animations.size(), 1u);
    const pictureAnimation& bank = *ship.animations.at("bank");
    EXPECT_EQ(bank.name, "");
    EXPECT_EQ(bank.screenName, "Banking");
    EXPECT_EQ(bank.direction, 3);
    EXPECT_EQ(bank.behavior, 2);
    EXPECT_EQ(bank.animType, 5);
    EXPECT_FALSE(bank.isUseDuration);
    EXPECT_FLOAT_EQ(bank.duration, 0.25f);
    EXPECT_FLOAT_EQ(bank.speed, 2.0f);
    EXPECT_EQ(bank.startFrame, 1);
    EXPECT_EQ(bank.endFrame, 6);
    EXPECT_TRUE(bank.isStartRandomFrame);
    EXPECT_TRUE(bank.isUseCustomTime);
    EXPECT_FALSE(bank.isCanChangeDirectionDuraingPlay);
    EXPECT_TRUE(bank.isDirectional);
    EXPECT_EQ(bank.directionFrames[0], Ogre::Vector2(0.0f, 1.0f));
    EXPECT_EQ(bank.directionFrames[3], Ogre::Vector2(-1.0f, -1.0f));
    EXPECT_EQ(bank.directionFrames[7], Ogre::Vector2(6.0f, 7.0f));
}

TEST_F(PicturesReaderTest, AbsentAttributesGetTheReadersDefaults)
{
    publish("gamebox.pictures", "<Picture name=\"plain.png\" screenName=\"Plain\"><Animation/></Picture>"
                                "<Picture name=\"odd.png\" screenName=\"Odd\" animType=\"2\" lineColumn=\"3\"/>");
    readPictures();
    const pictureDefinition& plain = *pictures.at("plain.png");
    EXPECT_EQ(plain.lineColumn, Ogre::Vector2(1.0f, 1.0f));
    EXPECT_FLOAT_EQ(plain.spriteAnimRate, 1.0f);
    EXPECT_EQ(plain.animType, 0);
    EXPECT_TRUE(plain.hasAlpha);
    EXPECT_FALSE(plain.isEditable); // the record alone would say true
    EXPECT_FALSE(plain.isPixelFiltering);
    EXPECT_FALSE(plain.isParticleTexture);
    EXPECT_EQ(plain.textureDimension, Ogre::Vector2::ZERO);
    // An animation without attributes sits under the empty name with no screen name.
    const pictureAnimation& bare = *plain.animations.at("");
    EXPECT_EQ(bare.screenName, "");
    EXPECT_EQ(bare.direction, -1);
    EXPECT_TRUE(bare.isUseDuration);
    EXPECT_FLOAT_EQ(bare.duration, 1.0f);
    EXPECT_TRUE(bare.isCanChangeDirectionDuraingPlay);
    for (const Ogre::Vector2& frames : bare.directionFrames)
        EXPECT_EQ(frames, Ogre::Vector2(-1.0f, -1.0f));
    // "2" is no flag, and a pair needs two numbers.
    EXPECT_EQ(pictures.at("odd.png")->animType, 0);
    EXPECT_EQ(pictures.at("odd.png")->lineColumn, Ogre::Vector2::ZERO);
}

TEST_F(PicturesReaderTest, ColumnsRowsWinsOverLineColumn)
{
    publish("gamebox.pictures", "<Picture name=\"a.png\" screenName=\"A\" columnsRows=\"2 3\" lineColumn=\"4 4\"/>");
    readPictures();
    EXPECT_EQ(pictures.at("a.png")->lineColumn, Ogre::Vector2(2.0f, 3.0f));
}

TEST_F(PicturesReaderTest, TheFirstPictureOfANameIsKeptWithItsAnimationsOnly)
{
    auto* earlier = new pictureDefinition;
    earlier->screenName = "Earlier";
    pictures["kept.png"] = earlier;
    publish("gamebox.pictures", R"(<Picture name="kept.png" screenName="Ignored"/>
        <Picture name="twice.png" screenName="First"><Animation name="a" screenName="One"/></Picture>
        <Picture name="twice.png" screenName="Second"><Animation name="b"/></Picture>)");
    readPictures();
    EXPECT_EQ(pictures.at("kept.png"), earlier);
    EXPECT_EQ(earlier->screenName, "Earlier");
    const pictureDefinition& twice = *pictures.at("twice.png");
    EXPECT_EQ(twice.screenName, "First");
    ASSERT_EQ(twice.animations.size(), 1u);
    EXPECT_EQ(twice.animations.at("a")->screenName, "One");
}

TEST_F(PicturesReaderTest, ALaterAnimationOfTheSameNameTakesTheSlot)
{
    publish("gamebox.pictures", R"(<Picture name="a.png" screenName="A">
        <Animation name="run" screenName="First" speed="1"/><Animation name="run" screenName="Second" speed="3"/>
        </Picture>)");
    readPictures();
    const pictureDefinition& picture = *pictures.at("a.png");
    ASSERT_EQ(picture.animations.size(), 1u);
    EXPECT_EQ(picture.animations.at("run")->screenName, "Second");
    EXPECT_FLOAT_EQ(picture.animations.at("run")->speed, 3.0f);
}

TEST_F(PicturesReaderTest, PicturesAndSpritesOfOneNameGoToTheirOwnLibraries)
{
    folder.write("gamebox.pictures", "<Picture name=\"same.png\" screenName=\"Picture\"/>");
    publish("gamebox.sprites", "<Picture name=\"same.png\" screenName=\"Sprite\"/>");
    readPictures();
    loadPicturesGamebox("gamebox.sprites", "GAMERSC", sprites);
    EXPECT_EQ(pictures.at("same.png")->screenName, "Picture");
    EXPECT_EQ(sprites.at("same.png")->screenName, "Sprite");
}

TEST_F(PicturesReaderTest, AMalformedFileAddsNothing)
{
    publish("gamebox.pictures", "<Picture name=\"a.png\" screenName=\"A\"/><Picture name=\"b.png\"");
    readPictures();
    EXPECT_TRUE(pictures.empty());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.pictures "
                                                   "([DotSceneLoader] Error creating tinyxml2::XMLDocument)"}));
}

} // namespace
