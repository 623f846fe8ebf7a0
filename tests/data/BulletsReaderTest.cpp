// Reading "gamebox.bullets" into the bullet library.
#include "data/BulletsReader.h"

#include "combat/bulletDefinition.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class BulletsReaderTest : public ::testing::Test {
protected:
    ~BulletsReaderTest() override
    {
        for (auto& entry : bullets)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.bullets", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear(); // the group's own lines
        loadBulletsGamebox("data/gamebox.bullets", "GAMERSC", bullets);
    }
    // A complete element with one attribute's text replaced.
    static std::string bulletWith(const std::string& name, const std::string& attribute, const std::string& text)
    {
        std::string element = "<Bullet name=\"" + name + R"(" screenName="Shot" group="COMMON" meshName="shot.png" )"
                              R"(width="1" heigth="1" obbwidth="1" obbheigth="1" isSprite="true"/>)";
        const std::size_t start = element.find(" " + attribute + "=\"") + attribute.size() + 3;
        return element.replace(start, element.find('"', start) - start, text);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, bulletDefinition*> bullets;
};

TEST_F(BulletsReaderTest, EveryBulletKeepsItsNamesSizesAndSpriteFlag)
{
    read(R"(<Bullet name="blue" screenName="Blue shot" group="2DSPACEASSETS" meshName="shotBlue.png"
                    width="1.5" heigth="2" obbwidth="0.5" obbheigth="0.25" isSprite="false"><Bullet name="inner"/></Bullet>
            <bullet name="lower"/>)");
    ASSERT_EQ(bullets.size(), 1u);
    const bulletDefinition& blue = *bullets.at("blue");
    EXPECT_EQ(blue.name, "blue");
    EXPECT_EQ(blue.screenName, "Blue shot");
    EXPECT_EQ(blue.group, "2DSPACEASSETS");
    EXPECT_EQ(blue.meshName, "shotBlue.png");
    EXPECT_FLOAT_EQ(blue.width, 1.5f);
    EXPECT_FLOAT_EQ(blue.heigth, 2.0f);
    EXPECT_FLOAT_EQ(blue.obbwidth, 0.5f);
    EXPECT_FLOAT_EQ(blue.obbheigth, 0.25f);
    EXPECT_EQ(blue.isSprite, 0);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(BulletsReaderTest, TheFirstBulletOfANameIsKept)
{
    read(bulletWith("a", "meshName", "first.png") + bulletWith("a", "meshName", "second.png"));
    ASSERT_EQ(bullets.size(), 1u);
    EXPECT_EQ(bullets.at("a")->meshName, "first.png");
}

TEST_F(BulletsReaderTest, SizesThatAreNoNumberAreZeroAndThoseNoNodeCanTakeAreBounded)
{
    const struct {
        const char* text;
        float width;
    } cases[] = {{"wide", 0.0f}, {"2.5px", 2.5f}, {"-3", -3.0f}, {"nan", 1.0f},
                 {"inf", 1.0f},  {"-inf", 1.0f},  {"1e30", 1.0e4f}};
    std::string content;
    for (const auto& sized : cases)
        content += bulletWith(sized.text, "width", sized.text) + bulletWith(sized.text + std::string("_h"), "heigth", sized.text);
    read(content);
    for (const auto& sized : cases) {
        EXPECT_FLOAT_EQ(bullets.at(sized.text)->width, sized.width) << sized.text;
        EXPECT_FLOAT_EQ(bullets.at(sized.text + std::string("_h"))->heigth, sized.width) << sized.text;
    }
}

TEST_F(BulletsReaderTest, AMissingGroupIsEmptyAndAMissingRequiredAttributeIsReportedOnce)
{
    read(R"(<Bullet name="noGroup" screenName="S" meshName="s.png" width="1" heigth="1" obbwidth="1"
                    obbheigth="1" isSprite="true"/>
            <Bullet name="noHeight" screenName="S" group="COMMON" meshName="s.png" width="2" obbwidth="1"
                    obbheigth="1" isSprite="true"/>
            <Bullet/>)");
    EXPECT_EQ(bullets.at("noGroup")->group, "");
    EXPECT_FLOAT_EQ(bullets.at("noHeight")->heigth, 0.0f);
    EXPECT_FLOAT_EQ(bullets.at("noHeight")->width, 2.0f);
    // An element with nothing names all eight it must have, and is stored under "".
    const std::string missing = "[ERROR] Bullet without attribute: ";
    EXPECT_EQ(log.lines, (std::vector<std::string>{missing + "heigth", missing + "name", missing + "screenName",
                                                   missing + "meshName", missing + "width", missing + "heigth",
                                                   missing + "obbwidth", missing + "obbheigth",
                                                   missing + "isSprite"}));
    EXPECT_EQ(bullets.at("")->group, "");
    EXPECT_EQ(bullets.at("")->isSprite, 0);
}

TEST_F(BulletsReaderTest, AMalformedFileAddsNothingAndIsLoggedOnce)
{
    read(bulletWith("a", "width", "1") + "<Bullet name=b/>");
    EXPECT_TRUE(bullets.empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"[DotSceneLoader] Error creating tinyxml2::XMLDocument"});
}

} // namespace
