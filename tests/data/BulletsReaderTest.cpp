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
    // A complete element of the given name, texture and width.
    static std::string bullet(const std::string& name, const std::string& meshName, const std::string& width)
    {
        return "<Bullet name=\"" + name + "\" screenName=\"S\" group=\"COMMON\" meshName=\"" + meshName +
               "\" width=\"" + width + "\" heigth=\"2\" obbwidth=\"0.5\" obbheigth=\"0.25\" isSprite=\"true\"/>";
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, bulletDefinition*> bullets;
};

TEST_F(BulletsReaderTest, TheFirstBulletOfANameIsKeptWithItsNamesSizesAndFlag)
{
    read(bullet("blue", "first.png", "1.5") + bullet("blue", "second.png", "3") + "<bullet name=\"lower\"/>");
    ASSERT_EQ(bullets.size(), 1u);
    const bulletDefinition& blue = *bullets.at("blue");
    EXPECT_EQ(blue.name + blue.screenName + blue.group + blue.meshName, "blueSCOMMONfirst.png");
    EXPECT_EQ(Ogre::Vector4(blue.width, blue.heigth, blue.obbwidth, blue.obbheigth),
              Ogre::Vector4(1.5f, 2.0f, 0.5f, 0.25f));
    EXPECT_EQ(blue.isSprite, 1);
    EXPECT_TRUE(log.lines.empty());
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
        content += bullet(sized.text, "shot.png", sized.text);
    read(content);
    for (const auto& sized : cases)
        EXPECT_FLOAT_EQ(bullets.at(sized.text)->width, sized.width) << sized.text;
}

TEST_F(BulletsReaderTest, AMissingGroupIsEmptyAndEachMissingRequiredAttributeIsReportedOnce)
{
    read(R"(<Bullet name="noGroup" screenName="S" meshName="s.png" width="1" heigth="1" obbwidth="1"
                    obbheigth="1" isSprite="true"/>
            <Bullet name="noHeight" screenName="S" group="COMMON" meshName="s.png" width="2" obbwidth="1"
                    obbheigth="1" isSprite="true"/>
            <Bullet/>)");
    EXPECT_EQ(bullets.at("noGroup")->group, "");
    EXPECT_FLOAT_EQ(bullets.at("noHeight")->heigth, 0.0f);
    // An element with nothing names the rest it must have, and is stored
    // under ""; a line already given is not given again.
    const std::string missing = "[ERROR] gamebox.bullets: Bullet without attribute: ";
    EXPECT_EQ(log.lines, (std::vector<std::string>{missing + "heigth", missing + "name", missing + "screenName",
                                                   missing + "meshName", missing + "width",
                                                   missing + "obbwidth", missing + "obbheigth",
                                                   missing + "isSprite"}));
    EXPECT_EQ(bullets.at("")->isSprite, 0);
}

} // namespace
