// Reading items: one "Item" element, the "gamebox.items" library and the
// items placed in a level.
#include "data/ItemsReader.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "data/XmlFragment.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/Item.h"
#include "world/ItemTestScene.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

void readInto(const std::string& xml, Item& item)
{
    const XmlFragment fragment(xml);
    readItem(fragment.root(), item, nullptr);
}

TEST(ItemReader, AnElementWithoutSectionsResetsTheDefaultedValuesAndKeepsTheRest)
{
    Item item;
    item.Score = 99;
    item.lifeDuration = 1.0f;
    item.ForceFieldSFX = "other";
    item.parentName = "old";
    item.meshName = "kept.mesh";
    item.ammoNumber = 7;
    item.acceleration = 4;
    readInto(R"(<Item itemName="bare"/>)", item);

    EXPECT_EQ(item.itemName, "bare");
    EXPECT_EQ(item.Score, 10);
    EXPECT_EQ(item.itemKind, 1);
    EXPECT_EQ(item.energyGiven, 1);
    EXPECT_DOUBLE_EQ(item.multiplier, 1.0);
    EXPECT_EQ(item.gaugeAdd, 1);
    EXPECT_FLOAT_EQ(item.lifeDuration, 5.0f);
    EXPECT_FLOAT_EQ(item.ForceFieldLife, 5.0f);
    EXPECT_FLOAT_EQ(item.playerSpeed, 45.0f);
    EXPECT_EQ(item.ForceFieldSFX, "forceField01");
    EXPECT_FLOAT_EQ(item.ForceFieldEndSoundVolume, 1.0f);
    EXPECT_FLOAT_EQ(item.ForceFieldHitSoundVolume, 1.0f);
    EXPECT_FLOAT_EQ(item.powerUpAdd, 1.0f);
    EXPECT_EQ(item.sfxEndName, "basic_item01");
    EXPECT_EQ(item.soundName, "");
    EXPECT_EQ(item.parentName, "");
    EXPECT_EQ(item.orient, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(item.meshOrient, Ogre::Quaternion(0, 0, -1, 0));
    EXPECT_TRUE(item.isFilled);
    // Kept: the element does not give them.
    EXPECT_EQ(item.meshName, "kept.mesh");
    EXPECT_EQ(item.ammoNumber, 7);
    EXPECT_EQ(item.acceleration, 4);
    EXPECT_EQ(std::make_tuple(item.isOnGround, item.isOnlyForCurrentWeaponSet, item.variableType, item.customVariableOperation),
              std::make_tuple(true, true, 2, 1));
}

TEST(ItemReader, NumbersAreConvertedToTheirFieldsTypes)
{
    Item item;
    readInto(R"(<Item itemName="full" spriteName="coin.png" acceleration="2.9" isOnGround="false" isCastShadows="false"
                        category="3" timeBeforeAttraction="1.5" attractionDistance="7.5">
                  <position pos="1 2 3" orient="0 0 1 0" meshOrient="0 0 0 0"/>
                  <Gameplay itemKind="9" Score="500" energyGiven="2" multiplier="0.25" ForceFieldLife="7"
                            gaugeAdd="-1.5" variableValue="2.5" customVariableName="6" isForceFieldUseRadius="true"
                            forceFieldRadius="2.5" ammoNumber="9" ammoWeapon="gun" isOnlyForCurrentWeaponSet="false"
                            variableType="4" internalVariableName="v" customVariableOperation="3"/>
                </Item>)",
             item);
    // The element's own optional values, then those of "Gameplay" that an absent attribute keeps.
    EXPECT_EQ(std::make_tuple(item.isOnGround, item.isCastShadows, item.category, item.timeBeforeAttraction,
                              item.attractionDistance),
              std::make_tuple(false, std::uint8_t{0}, 3, 1.5f, 7.5f));
    EXPECT_EQ(std::make_tuple(item.isForceFieldUseRadius, item.forceFieldRadius, item.ammoNumber, item.ammoWeapon,
                              item.isOnlyForCurrentWeaponSet, item.variableType, item.internalVariableName,
                              item.customVariableOperation),
              std::make_tuple(true, 2.5f, 9, std::string("gun"), false, 4, std::string("v"), 3));
    EXPECT_EQ(item.acceleration, 2);
    EXPECT_EQ(item.gaugeAdd, -1);
    EXPECT_FLOAT_EQ(item.ForceFieldLife, 7.0f);
    EXPECT_DOUBLE_EQ(item.multiplier, 0.25);
    EXPECT_DOUBLE_EQ(item.variableValue, 2.5);
    EXPECT_EQ(item.customVariableName, 6);
    EXPECT_EQ(item.orient, Ogre::Quaternion(0, 0, 1, 0));
    EXPECT_EQ(item.meshOrient, Ogre::Quaternion(0, 0, -1, 0)); // a zero turn is no turn
    EXPECT_EQ(item.isLayered, 1);
    readInto(R"(<Item itemName="huge" acceleration="-3e9"><Gameplay gaugeAdd="1e10"/></Item>)", item);
    EXPECT_EQ(item.acceleration, -2147483647 - 1);
    EXPECT_EQ(item.gaugeAdd, 2147483647);
}

TEST(ItemReader, OutlinesAreReadInDocumentOrder)
{
    Item item;
    readInto(R"(<Item itemName="boxed">
                  <OBB size="1 1 1" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
                  <SFX sfxStartName="a" sfxEndName="b" soundName=""/>
                  <OBB size="2 2 2" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
                  <OBB size="3 3 3" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
                </Item>)",
             item);
    ASSERT_EQ(item.outlines.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(item.outlines[i]->size.x, static_cast<float>(i + 1));
}

TEST(ItemReader, TheNamedSoundIsLoadedAndNoneLoadsNothing)
{
    soundtest::useSilentSoundOutput();
    AudioTestGame sounds;
    initSound();
    Item item;
    readInto(R"(<Item itemName="a"><SFX sfxStartName="a" sfxEndName="b" soundName="click.ogg"/></Item>)", item);
    EXPECT_TRUE(isSoundLoaded("click.ogg"));
    const std::size_t loaded = audio().soundTable.size();
    readInto(R"(<Item itemName="b"><SFX sfxStartName="a" sfxEndName="b" soundName="none"/></Item>)", item);
    readInto(R"(<Item itemName="c"><SFX sfxStartName="a" sfxEndName="b" soundName=""/></Item>)", item);
    EXPECT_EQ(audio().soundTable.size(), loaded);
    shutdownSound();
}

class ItemsLibraryTest : public ::testing::Test {
protected:
    ~ItemsLibraryTest() override
    {
        for (auto& entry : library)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.items", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadItemsGamebox("gamebox.items", "GAMERSC", library);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, Item*> library;
};

TEST_F(ItemsLibraryTest, OnlyTopLevelItemsCountAndTheLastOfANameStays)
{
    read(R"(<Item itemName="coin"><Gameplay itemKind="1" Score="1"/></Item>
            <Group><Item itemName="nested"/></Group>
            <item itemName="lower"/>
            <Item itemName="coin"><Gameplay itemKind="1" Score="2"/></Item>)");
    ASSERT_EQ(library.size(), 1u);
    const Item& coin = *library.at("coin");
    EXPECT_EQ(coin.Score, 2);
    EXPECT_EQ(coin.isLibraryDefinition, 1);
    EXPECT_TRUE(coin.isStatic);
}

TEST_F(ItemsLibraryTest, DefinitionsWithoutOutlinesGetADefaultBoxFlatForSprites)
{
    read(R"(<Item itemName="mesh" meshName="crate.mesh"/>
            <Item itemName="sprite" spriteName="coin.png"/>
            <Item itemName="own" spriteName="coin.png">
              <OBB size="4 4 0" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
            </Item>)");
    const Item& mesh = *library.at("mesh");
    ASSERT_EQ(mesh.outlines.size(), 1u);
    EXPECT_EQ(mesh.outlines[0]->size, Ogre::Vector3(10, 10, 1));
    EXPECT_EQ(mesh.outlines[0]->isLayered, 0);
    const Item& sprite = *library.at("sprite");
    ASSERT_EQ(sprite.outlines.size(), 1u);
    EXPECT_EQ(sprite.outlines[0]->size, Ogre::Vector3(10, 10, 0));
    EXPECT_EQ(sprite.outlines[0]->isLayered, 1);
    const Item& own = *library.at("own");
    ASSERT_EQ(own.outlines.size(), 1u);
    EXPECT_EQ(own.outlines[0]->size, Ogre::Vector3(4, 4, 0));
}

TEST_F(ItemsLibraryTest, AMalformedFileLogsItsLineAndAMissingOneNothing)
{
    read(R"(<Item itemName="coin"/>)");
    read(R"(<Item itemName="other"/><Item itemName=broken/>)");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                   "gamebox.items (Error creating tinyxml2::XMLDocument)"}));
    EXPECT_EQ(library.size(), 1u);
    log.lines.clear();
    loadItemsGamebox("gamebox.missing", "GAMERSC", library);
    EXPECT_TRUE(log.lines.empty());
}

class LevelItemsTest : public ::testing::Test {
protected:
    LevelItemsTest()
    {
        library["ItemNotFound"] = definition("ItemNotFound", 1);
        library["coin"] = definition("coin", 2);
    }
    ~LevelItemsTest() override
    {
        for (Item* item : items)
            delete item;
        for (auto& entry : library)
            delete entry.second;
    }
    Item* definition(const std::string& name, std::size_t outlines)
    {
        auto* made = new Item();
        made->itemName = name;
        made->meshName = "interro.mesh";
        made->soundName = "none";
        made->sfxStartName = made->sfxEndName = "none";
        made->isLibraryDefinition = 1;
        made->isStatic = true;
        for (std::size_t i = 0; i < outlines; ++i)
            made->outlines.push_back(ItemTestScene::squareOutline());
        return made;
    }
    void read(const std::string& xml)
    {
        const XmlFragment fragment(xml);
        readLevelItems(fragment.root(), &scene.level, items, library, &scene.player);
    }

    ItemTestScene scene;
    std::map<std::string, Item*> library;
    std::vector<Item*> items;
    LogCapture log;
};

TEST_F(LevelItemsTest, PlacedItemsTakeTheirDefinitionsLooksAndOutlinesInDocumentOrder)
{
    read(R"(<LEVELFILE>
              <Item itemName="coin" meshName="other.mesh">
                <toybox parentName="coin" thumbnail="t.png"/>
                <position pos="1 0 2" orient="1 0 0 0"/>
                <OBB size="9 9 9" rotation="0 0 0" isInvicible="false" isHitBox="false" offs="0 0 0"/>
              </Item>
              <enemy/>
              <Item itemName="lost"><toybox parentName="gone"/></Item>
              <Item itemName="bare"/>
            </LEVELFILE>)");
    ASSERT_EQ(items.size(), 3u);
    const Item& coin = *items[0];
    EXPECT_EQ(coin.templateObject, library.at("coin"));
    EXPECT_EQ(coin.meshName, "interro.mesh");
    ASSERT_EQ(coin.outlines.size(), 2u);
    EXPECT_EQ(coin.outlines[0]->size, Ogre::Vector3(4, 4, 0));
    EXPECT_EQ(coin.thumbnail, "");
    EXPECT_EQ(coin.player, &scene.player);
    EXPECT_EQ(coin.placedPosition, Ogre::Vector3(1, 0, 2));
    EXPECT_EQ(items[1]->templateObject, library.at("ItemNotFound"));
    EXPECT_EQ(items[2]->templateObject, library.at("ItemNotFound"));
    EXPECT_EQ(items[2]->outlines.size(), 1u);
    // The one name that resolves to nothing is named; an item without a name is not.
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.find("[ERROR]") == 0; }),
              1);
    EXPECT_TRUE(log.containsPrefix("[ERROR] can't find item: gone"));
}

TEST_F(LevelItemsTest, WithoutEvenTheStandInTheItemIsDroppedWithOneError)
{
    delete library.at("ItemNotFound");
    library.erase("ItemNotFound");
    read(R"(<LEVELFILE><Item itemName="lost"><toybox parentName="gone"/></Item>
                       <Item itemName="coin"><toybox parentName="coin"/></Item></LEVELFILE>)");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->templateObject, library.at("coin"));
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; }),
              1);
    EXPECT_TRUE(log.contains("[ERROR] item definition not found: gone"));
}

} // namespace
