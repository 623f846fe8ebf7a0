// Background definitions and placed backgrounds read from "BG" elements:
// what each attribute becomes, the guards against values Ogre cannot take,
// the outlines and collision mesh of definitions, and the library file.
#include "core/Game.h"
#include "data/BackgroundsReader.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "world/Obb.h"
#include "world/background.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string folder = std::string(ZARNITH_TEST_DATA_DIR) + "/backgrounds";

// One element parsed from text, living as long as this object.
class Element {
public:
    explicit Element(const std::string& xml) : text(xml.begin(), xml.end())
    {
        text.push_back('\0');
        document.parse<0>(text.data());
    }
    const XmlNode& node() const { return *document.first_node(); }

private:
    std::vector<char> text;
    rapidxml::xml_document<char> document;
};

class BackgroundsReader : public ::testing::Test {
protected:
    BackgroundsReader()
    {
        ResourceGroupScope::addFolder(folder, "GAMERSC");
        game.gameFolder = "game";
        game.resourceAvailability.clear();
    }
    ~BackgroundsReader() override
    {
        for (auto& entry : library)
            delete entry.second;
        game.gameFolder.clear();
        game.resourceAvailability.clear();
    }

    void read(const std::string& xml, background& target, bool instanceMode = false)
    {
        readBackground(Element(xml).node(), target, instanceMode);
    }

    Game& game = *Game::getSingletonPtr();
    ResourceGroupScope groups{{"GAMERSC"}};
    std::map<std::string, background*> library;
    LogCapture log;
};

TEST_F(BackgroundsReader, ASpriteWinsOverAMeshAndMakesTheBackgroundLayered)
{
    background target;
    read(R"(<BG name="both" meshName="rock.mesh" spriteName="cloud.png"/>)", target);
    EXPECT_EQ(target.name, "both");
    EXPECT_EQ(target.spriteName, "cloud.png");
    EXPECT_TRUE(target.meshName.empty());
    EXPECT_EQ(target.isLayered, 1);
    EXPECT_EQ(target.collisionType, 0);
    EXPECT_EQ(target.isCastShadows, 1);
}

TEST_F(BackgroundsReader, ThePlacementIsReadWithAUniformScale)
{
    background target;
    read(R"(<BG name="a"><toybox parentName="bg_rock" screenName="Rock" thumbnail="t.png"/>
            <Collisions collType="5"/>
            <position pos="1 2 3" sca="2 3 4" orient="0 0 1 0" layer="7" queuePriority="70000"/></BG>)",
         target);
    EXPECT_EQ(target.parentName, "bg_rock");
    EXPECT_EQ(target.screenName, "Rock");
    EXPECT_EQ(target.thumbnail, "t.png");
    EXPECT_EQ(target.collisionType, 5);
    EXPECT_EQ(target.placedPosition, Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(target.scale, Ogre::Vector3(2, 2, 2));
    EXPECT_EQ(target.orientation, Ogre::Quaternion(0, 0, 1, 0));
    EXPECT_EQ(target.layerId, 7u);
    EXPECT_EQ(target.priority, 70000 & 0xFFFF); // the low 16 bits
}

TEST_F(BackgroundsReader, PositionsOgreCannotTakeFallBackToTheNeutralPlacement)
{
    for (const char* position : {"nan(ind) 1 2", "1 nan 2", "-nan 0 0", "inf 0 0"}) {
        background target;
        read(std::string(R"(<BG name="a"><position pos=")") + position +
                 R"(" sca="nan 1 1" orient="nan 0 0 0"/></BG>)",
             target);
        EXPECT_EQ(target.placedPosition, Ogre::Vector3::ZERO) << position;
        EXPECT_EQ(target.scale, Ogre::Vector3::UNIT_SCALE) << position;
        EXPECT_EQ(target.orientation, Ogre::Quaternion::IDENTITY) << position;
    }
}

TEST_F(BackgroundsReader, WithoutAPositionElementThePlacementIsTheIdentity)
{
    background target;
    target.priority = 9;
    read(R"(<BG name="a"/>)", target);
    EXPECT_EQ(target.placedPosition, Ogre::Vector3::ZERO);
    EXPECT_EQ(target.scale, Ogre::Vector3::UNIT_SCALE);
    EXPECT_EQ(target.orientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(target.priority, 0);
}

TEST_F(BackgroundsReader, DefinitionsGetTheirOutlinesAndTheCameraSphereTypeADefaultOne)
{
    background rock;
    read(R"(<BG name="a" meshName="rock.mesh">
              <OBB point0="-2 -2" point1="-1 -3" point2="1 -3" point3="2 -2" point4="2 2" point5="1 3" point6="-1 3" point7="-2 2"/>
            </BG>)",
         rock);
    ASSERT_EQ(rock.obbs.size(), 1u);
    EXPECT_EQ(rock.obbs[0]->isLayered, 1);
    EXPECT_EQ(rock.obbs[0]->customPoints[1], Ogre::Vector2(-1, -3));
    EXPECT_EQ(rock.obbs[0]->customPoints[7], Ogre::Vector2(-2, 2));

    background sky;
    read(R"(<BG name="sky"><Collisions collType="6"/></BG>)", sky);
    ASSERT_EQ(sky.obbs.size(), 1u);
    EXPECT_EQ(sky.obbs[0]->size, Ogre::Vector3(4, 4, 0));
    EXPECT_EQ(sky.obbs[0]->isLayered, 1);

    background capsule;
    read(R"(<BG name="c"><Collisions collType="5"/></BG>)", capsule);
    EXPECT_TRUE(capsule.obbs.empty());
}

TEST_F(BackgroundsReader, TheCollisionMeshIsTheCompanionWhenTheGameHasIt)
{
    background rock;
    read(R"(<BG name="a" meshName="rock.mesh"/>)", rock);
    EXPECT_EQ(rock.collisionMeshName, "rock.meshColl");
    background pillar;
    read(R"(<BG name="b" meshName="pillar.mesh"/>)", pillar);
    EXPECT_EQ(pillar.collisionMeshName, "pillar.mesh");
}

TEST_F(BackgroundsReader, InstancesStopAfterThePlacement)
{
    background placed;
    read(R"(<BG name="BG4" meshName="rock.mesh"><Collisions collType="6"/>
              <OBB point0="1 1" point1="1 1" point2="1 1" point3="1 1" point4="1 1" point5="1 1" point6="1 1" point7="1 1"/>
            </BG>)",
         placed, true);
    EXPECT_EQ(placed.collisionType, 6);
    EXPECT_TRUE(placed.obbs.empty());
    EXPECT_TRUE(placed.collisionMeshName.empty());
}

TEST_F(BackgroundsReader, TheLibraryKeepsTheLastDefinitionOfANameAndOnlyBGRecords)
{
    loadBackgroundGamebox("gamebox.background", "GAMERSC", library);
    ASSERT_EQ(library.size(), 3u);
    const background& rock = *library.at("bg_rock");
    EXPECT_EQ(rock.collisionType, 4);
    EXPECT_EQ(rock.isCastShadows, 1);
    EXPECT_TRUE(rock.obbs.empty());
    for (const auto& entry : library)
        EXPECT_EQ(entry.second->isLibraryDefinition, 1) << entry.first;
    EXPECT_EQ(library.at("bg_sky")->obbs.size(), 1u);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(BackgroundsReader, ABrokenFileAddsNothingAndSaysSoOnceAndAnAbsentOneNothing)
{
    loadBackgroundGamebox("broken.background", "GAMERSC", library);
    loadBackgroundGamebox("absent.background", "GAMERSC", library);
    EXPECT_TRUE(library.empty());
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.find("[ERROR]") == 0; }),
              1);
    EXPECT_TRUE(log.contains("[ERROR] library file does not parse, nothing of it used: broken.background "
                             "(Error creating tinyxml2::XMLDocument)"));
}

} // namespace
