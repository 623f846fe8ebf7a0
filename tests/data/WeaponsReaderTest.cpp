// Reading "gamebox.weapons" into the weapon library, and binding the guns of
// the library's owners to it.
#include "data/WeaponsReader.h"

#include "combat/Weapon.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class WeaponsReaderTest : public ::testing::Test {
protected:
    ~WeaponsReaderTest() override
    {
        for (auto& entry : weapons)
            delete entry.second;
    }
    void read(const std::string& content)
    {
        folder.write("gamebox.weapons", content);
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        loadWeaponsGamebox("game/gamebox.weapons", "GAMERSC", weapons);
    }
    static std::string gun(const std::string& name, const std::string& salvo)
    {
        return "<weapon><name Name=\"" + name + "\"/><toybox parentName=\"other\"/><repeater repeater_number=\"" +
               salvo + "\" repeater_angle=\"0\"/></weapon>";
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    std::map<std::string, Weapon*> weapons;
};

TEST_F(WeaponsReaderTest, ALaterGunOfANameReplacesTheEarlierAndEveryGunIsItsOwnDefinition)
{
    read(gun("ring", "4") + gun("ring", "8") + gun("single", "1") + "<Weapon><name Name=\"upper\"/></Weapon>" +
         "<weapon/>");
    ASSERT_EQ(weapons.size(), 3u);
    const Weapon& ring = *weapons.at("ring");
    EXPECT_EQ(ring.repeater_number, 8);
    EXPECT_EQ(ring.parentName, "ring") << "the library key, whatever the toybox said";
    EXPECT_EQ(ring.definition, &ring);
    EXPECT_EQ(ring.isLibraryDefinition, 1);
    EXPECT_EQ(weapons.at("")->parentName, "");
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(WeaponsReaderTest, AMalformedFileLogsItsOwnLineOnceAndAddsNothing)
{
    read(gun("ring", "4") + "<weapon><name Name=\"broken\"></weapon");
    EXPECT_TRUE(weapons.empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] library file does not parse, nothing of it used: "
                                                  "gamebox.weapons "
                                                  "([DotSceneLoader] Error creating tinyxml2::XMLDocument weapon)"});
}

TEST(WeaponBinding, EachGunFindsItsLibraryGunOrTheFallbackOrKeepsItsDefinitionWithOneLine)
{
    LogCapture log;
    Weapon ring, fallback, loose;
    const struct {
        const char* parentName;
        bool hasFallback;
        Weapon* bound;
    } cases[] = {{"ring", true, &ring}, {"lost", true, &fallback}, {"ring", false, &ring}, {"lost", false, &loose}};
    for (const auto& c : cases) {
        std::map<std::string, Weapon*> library = {{"ring", &ring}};
        if (c.hasFallback)
            library.emplace("Weapon_empty", &fallback);
        auto copy = std::make_unique<Weapon>();
        copy->parentName = c.parentName;
        copy->definition = &loose;
        bindWeaponSets({{}, {copy.get()}}, library, ", named by ship S of gamebox.players");
        EXPECT_EQ(copy->definition, c.bound) << c.parentName << " " << c.hasFallback;
    }
    EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] can't find weapon: lost, named by ship S of gamebox.players",
                                                   "[ERROR] weapon not found, nor Weapon_empty: lost, named by ship S of gamebox.players"}));
}

} // namespace
