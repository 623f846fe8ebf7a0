// The HUD layout reader: elements in file order with their text and bar
// overlays, ids for elements read without one, and a file that fails.
#include "data/HudReader.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"
#include "support/LogCapture.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <gtest/gtest.h>

namespace {

class HudReaderTest : public ::testing::Test {
protected:
    HudReaderTest()
    {
        sharedTestOverlaySystem();
        game.gameFolder = "Trial";
        game.hud = new GameHUD;
    }
    ~HudReaderTest() override
    {
        delete game.hud;
        game.hud = nullptr;
        game.defaultTexts.clear();
        gametest::cleanGame();
    }
    void read(const std::string& elements)
    {
        folder.write("gamebox.HUD", "<HUD>" + elements + "</HUD>");
        if (!published)
            ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        published = true;
        readHUD(game);
    }
    std::vector<std::int32_t> ids() const
    {
        std::vector<std::int32_t> read;
        for (const HUDElement* element : game.hud->elements)
            read.push_back(element->UID);
        return read;
    }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    bool published = false;
};

std::string element(const char* attributes) { return std::string("<HUDelement type=\"1\" position=\"0 0\" ") + attributes + "/>"; }

} // namespace

TEST_F(HudReaderTest, ElementsReadWithoutAnIdGetTheNextOnesInListOrder)
{
    const struct {
        std::string elements;
        std::vector<std::int32_t> ids;
    } cases[] = {
        {element("UID=\"4\"") + element("") + element("") + element(""), {4, 5, 6, 7}},
        {element("") + element("") + element(""), {1, 2, 3}},
        {element("") + element("UID=\"9\"") + element("UID=\"-5\""), {10, 9, -5}},
        {element("UID=\"2147483647\"") + element(""), {2147483647, 2147483647}},
    };
    for (const auto& layout : cases) {
        game.hud->destroy();
        read(layout.elements);
        EXPECT_EQ(ids(), layout.ids) << layout.elements;
        EXPECT_EQ(log.lines.back(), "HUD read");
    }
}

TEST_F(HudReaderTest, AnElementWithTextAndBarGetsItsFieldsAndBothOverlays)
{
    read(R"(<HUDelement screenName="Boss" type="2" position="0.5 0.8" scale="0.6" isDisplayVariable="true" customVariable="4"
              internalVariable="lives" isTimeFormating="true" isThousandsFormating="true" updateNumberAnimationSpeed="3"
              showHideCustomVariableName="5">
              <textElement fontName="verdana" fontSize="14" align="0" showFadeDuration="0.5" text="BOSS"
                           imageName="boss.png"/>
              <barElement backTextureName="back.png" frontTextureName="front.png" readyTextureName="ready.png"
                          isHorizontal="false" maxValue="3000000000" bar_color2="0.1 0.2 0.3 0.4"
                          lifeOffset="0.1 0.2" layerNumber="3" isBossLifeBar="true" barIntroDuration="2.5"/>
            </HUDelement>)");
    ASSERT_EQ(game.hud->elements.size(), 1u);
    const HUDElement& boss = *game.hud->elements[0];
    EXPECT_EQ(boss.position, Ogre::Vector2(0.5f, 0.8f));
    EXPECT_DOUBLE_EQ(boss.showFadeDuration, 0.5);
    EXPECT_DOUBLE_EQ(boss.hideFadeDuration, 0.5);
    EXPECT_DOUBLE_EQ(boss.maxValue, 3e9); // read as a 64-bit number
    EXPECT_EQ(boss.bar_color2, Ogre::Vector4(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_EQ(std::make_tuple(boss.lifeOffset, boss.layerNumber, boss.isBossLifeBar, boss.barIntroDuration),
              std::make_tuple(Ogre::Vector2(0.1f, 0.2f), 3, true, 2.5f));
    EXPECT_EQ(std::make_tuple(boss.isDisplayVariable, boss.customVariable, boss.internalVariable, boss.isTimeFormating,
                              boss.isThousandsFormating, boss.updateNumberAnimationSpeed, boss.showHideCustomVariableName),
              std::make_tuple(true, 4, std::string("lives"), true, true, 3.0f, 5));
    // A text without a key gets a new one and keeps its own text.
    EXPECT_EQ(boss.keyString.rfind("KEY_", 0), 0u);
    EXPECT_EQ(game.hudTexts.count(boss.keyString), 1u);
    EXPECT_EQ(game.defaultTexts.count(boss.keyString), 0u);
    EXPECT_EQ(boss.text, "BOSS");
    // Absent attributes keep the element's defaults.
    EXPECT_TRUE(boss.isInternalVariable);
    EXPECT_EQ(boss.textColor, Ogre::ColourValue::White);
    EXPECT_EQ(boss.bar_color1, Ogre::Vector4(0.7f, 0.0f, 0.0f, 1.0f));
    // Textures the game lacks measure 256 by 32 pixels: a bar that fills
    // across, whatever the file said.
    EXPECT_EQ(boss.backSize, Ogre::Vector2(0.5f, 0.0625f));
    EXPECT_TRUE(boss.isHorizontal);

    ASSERT_NE(boss.widget, nullptr);
    ASSERT_NE(boss.widget->overlay, nullptr);
    EXPECT_EQ(boss.widget->overlay->getZOrder(), 646);
    EXPECT_FALSE(boss.widget->isText);
    const struct {
        Ogre::Overlay* overlay;
        Ogre::OverlayContainer* panel;
        const char* overlayName;
        const char* panelName;
        unsigned short zOrder;
    } layers[] = {
        {boss.emptyOverlay, boss.emptyLayer, "lifeBarOverlayEmptyContainer", "barOverlayEmpty", 643},
        {boss.lifeOverlay, boss.lifeLayer, "lifeBarOverlayLifeContainer", "barOverlayLife", 644},
        {boss.life2Overlay, boss.life2Layer, "lifeBarOverlayLife2Container", "barOverlayLife2", 645},
        {boss.readyOverlay, boss.readyLayer, "lifeBarOverlayReadyContainer", "barOverlayReady", 644},
    };
    std::vector<std::string> overlayNames;
    for (const auto& layer : layers) {
        ASSERT_NE(layer.overlay, nullptr) << layer.overlayName;
        ASSERT_NE(layer.panel, nullptr) << layer.panelName;
        EXPECT_EQ(layer.overlay->getName().rfind(layer.overlayName, 0), 0u);
        EXPECT_EQ(layer.panel->getName().rfind(layer.panelName, 0), 0u);
        EXPECT_EQ(layer.overlay->getZOrder(), layer.zOrder);
        EXPECT_EQ(layer.panel->getParent(), nullptr); // a top-level panel of its overlay
        overlayNames.push_back(layer.overlay->getName());
    }

    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    game.hud->destroy();
    EXPECT_TRUE(game.hud->elements.empty());
    for (const std::string& name : overlayNames)
        EXPECT_EQ(overlays.getByName(name), nullptr) << name;
}

TEST_F(HudReaderTest, AGivenKeyTakesItsTextFromTheDefaultTable)
{
    game.defaultTexts["HISCORE"] = textEntry{"HIGH ", "", 0, 0};
    const char* const text = R"(<textElement fontName="verdana" fontSize="15" align="1" text="OWN" imageName="none")";
    read(std::string(R"(<HUDelement type="0" position="0 0">)") + text + R"( keyString="HISCORE"/></HUDelement>
            <HUDelement type="0" position="0 0" keyString="ELEMENTKEY">)" + text + "/></HUDelement>");
    ASSERT_EQ(game.hud->elements.size(), 2u);
    EXPECT_EQ(game.hud->elements[0]->text, "HIGH ");
    EXPECT_TRUE(game.hud->elements[0]->widget->isText);
    EXPECT_EQ(game.hud->elements[1]->keyString, "ELEMENTKEY");
    EXPECT_EQ(game.hud->elements[1]->text, "OWN");
}

TEST_F(HudReaderTest, ALayoutThatDoesNotParseLeavesTheElementsWithOneLine)
{
    read(element(""));
    for (const char* text : {"<HUD><HUDelement type=\"1\"", "", "  "}) {
        folder.write("gamebox.HUD", text);
        readHUD(game);
        EXPECT_EQ(game.hud->elements.size(), 1u);
    }
    // Named once in a run, however often it is read.
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(),
                         "[ERROR] layout file does not parse, nothing of it used: gamebox.HUD "
                         "(Error creating tinyxml2::XMLDocument)"),
              1);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "HUD read"), 1);
}
