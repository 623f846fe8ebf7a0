#include "combat/PlayerScene.h"

#include "combat/Enemy.h"
#include "combat/rotor.h"
#include "support/LogCapture.h"
#include "world/Obb.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A gun of a ship definition as the player element places it.
Weapon* placedGun(const char* name, const Ogre::Vector3& at, std::int32_t button)
{
    auto* gun = new Weapon();
    gun->name = name;
    gun->savedPosition = at;
    gun->button = button;
    return gun;
}

long errorLines(const LogCapture& log)
{
    return std::count_if(log.lines.begin(), log.lines.end(),
                         [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; });
}

} // namespace

TEST(PlayerSetup, TheShipTakesTheDefinitionsSetsOutlinesAndRotors)
{
    PlayerScene scene({"plane1U.mesh", "interro.mesh", "pillar.mesh"});
    Weapon& twin = scene.addLibraryGun("twin");
    twin.waitBeforeShoot = 0.5f;
    twin.button = 6;
    Weapon& standBy = scene.addLibraryGun("Weapon_empty");
    Player& definition = scene.addLibraryShip("Ship");
    definition.weaponSetNames = {"Main", "Side"};
    definition.weaponSets = {{placedGun("twin", {1.0f, 0.0f, -2.0f}, 3), placedGun("lost", {-1.0f, 0.0f, 0.0f}, 4)},
                             {placedGun("twin", {0.0f, 0.0f, -5.0f}, 5)}};
    definition.outlines.push_back(new Obb());
    auto* part = new rotor;
    part->meshName = "pillar.mesh";
    definition.rotors.push_back(part);
    LogCapture log;
    Player& ship = scene.player;
    ship.setupFromDefinition(&definition, false);

    EXPECT_EQ(ship.weaponSetNames, definition.weaponSetNames);
    ASSERT_EQ(ship.weaponSets.size(), 2u);
    ASSERT_EQ(ship.weaponSets[0].size(), 2u);
    ASSERT_EQ(ship.weaponSets[1].size(), 1u);
    struct Expected {
        const Weapon* gun;
        const Weapon* model;
        const char* name;
        const Weapon* libraryGun;
    };
    const Expected guns[] = {
        {ship.weaponSets[0][0], definition.weaponSets[0][0], "twin", &twin},
        {ship.weaponSets[0][1], definition.weaponSets[0][1], "Weapon_empty", &standBy},
        {ship.weaponSets[1][0], definition.weaponSets[1][0], "twin", &twin},
    };
    for (const Expected& e : guns) {
        EXPECT_EQ(e.gun->name, e.name);
        EXPECT_EQ(e.gun->definition, e.libraryGun) << e.name;
        ASSERT_TRUE(e.gun->sceneNode) << e.name;
        EXPECT_EQ(e.gun->sceneNode->getParentSceneNode()->getName(), "playerCanonNode");
        EXPECT_EQ(e.gun->isPlayerWeapon, 1) << e.name;
        // Placed and buttoned as the definition says, whatever the library gun's.
        EXPECT_EQ(e.gun->sceneNode->getPosition(), e.model->savedPosition) << e.name;
        EXPECT_EQ(e.gun->button, e.model->button) << e.name;
    }
    // An unknown gun becomes the stand-by, in the definition too.
    EXPECT_EQ(ship.weaponSets[0][1]->screenName, "empty");
    EXPECT_EQ(standBy.screenName, "empty");
    EXPECT_EQ(definition.weaponSets[0][1]->name, "Weapon_empty");
    EXPECT_EQ(definition.weaponSets[0][1]->definition, &standBy);

    ASSERT_EQ(ship.outlines.size(), 1u);
    EXPECT_EQ(ship.outlines[0]->sceneNode->getParentSceneNode(), ship.sceneNode);
    ASSERT_EQ(ship.rotors.size(), 1u);
    EXPECT_EQ(ship.rotors[0]->node->getParentSceneNode(), ship.meshNode);
    EXPECT_EQ(errorLines(log), 0);
}

TEST(PlayerSetup, AQuietSetUpLeavesTheGunsUnreset)
{
    for (const bool quiet : {false, true}) {
        PlayerScene scene;
        scene.addLibraryGun("slow").waitBeforeShoot = 0.5f;
        Player& definition = scene.addLibraryShip("Ship");
        definition.weaponSets = {{placedGun("slow", Ogre::Vector3::ZERO, 0)}};
        scene.player.setupFromDefinition(&definition, quiet);
        // A reset player gun fires its first salvo without waiting.
        EXPECT_EQ(scene.player.weaponSets[0][0]->waitBeforeShoot, quiet ? 0.5f : 0.0f) << quiet;
    }
}

TEST(PlayerSetup, WithoutTheStandByGunAnUnknownGunIsADefaultGunAndOneErrorLine)
{
    PlayerScene scene;
    Player& definition = scene.addLibraryShip("Ship");
    definition.weaponSets = {{placedGun("lost", {2.0f, 0.0f, 0.0f}, 1)}};
    LogCapture log;
    scene.player.setupFromDefinition(&definition, false);

    ASSERT_EQ(scene.player.weaponSets.size(), 1u);
    ASSERT_EQ(scene.player.weaponSets[0].size(), 1u);
    const Weapon& gun = *scene.player.weaponSets[0][0];
    EXPECT_EQ(gun.definition, nullptr);
    EXPECT_EQ(gun.speed, Weapon().speed);
    EXPECT_EQ(gun.sceneNode->getPosition(), Ogre::Vector3(2.0f, 0.0f, 0.0f));
    EXPECT_EQ(errorLines(log), 1);
    EXPECT_TRUE(log.containsPrefix("[ERROR] can't find weapon lost"));
}

TEST(PlayerSetup, AMirroredShipOrEnemyFlipsItsGunsAtReset)
{
    PlayerScene scene;
    Player& ship = scene.player;
    Enemy enemy;
    const std::pair<std::int32_t, std::uint8_t> cases[] = {{-1, 1}, {1, 0}, {0, 0}};
    for (const auto& [symmetry, flipped] : cases) {
        ship.symmetry = enemy.symmetry = symmetry;
        for (entity* owner : {static_cast<entity*>(&ship), static_cast<entity*>(&enemy)}) {
            Weapon gun;
            gun.init(owner, &scene.level, ship.canonNode, scene.world.scene);
            gun.isFlipped = 1 - flipped;
            gun.reset();
            EXPECT_EQ(gun.isFlipped, flipped) << symmetry << (owner == &ship ? " ship" : " enemy");
        }
    }
    // A gun without an owner never flips.
    Weapon unowned;
    unowned.isFlipped = 1;
    unowned.reset();
    EXPECT_EQ(unowned.isFlipped, 0);
}

TEST(PlayerSetup, ACopyOfADefinitionHasItsOwnListsAndNoSceneObjects)
{
    PlayerScene scene;
    Player& definition = scene.addLibraryShip("Ship");
    definition.explosionName = "boom";
    definition.pos = Ogre::Vector3(0.0f, -60.0f, 5.0f);
    definition.weaponSets = {{placedGun("twin", Ogre::Vector3::ZERO, 0)}};
    definition.outlines.push_back(new Obb());
    definition.rotors.push_back(new rotor);
    definition.rotors[0]->meshName = "pillar.mesh";
    const std::unique_ptr<Player> copy(static_cast<Player*>(definition.clone()));

    EXPECT_EQ(copy->templateObject, &definition);
    EXPECT_EQ(copy->explosionName, "boom");
    EXPECT_EQ(copy->pos, definition.pos);
    ASSERT_EQ(copy->weaponSets.size(), 1u);
    EXPECT_NE(copy->weaponSets[0][0], definition.weaponSets[0][0]);
    EXPECT_EQ(copy->weaponSets[0][0]->definition, definition.weaponSets[0][0]);
    ASSERT_EQ(copy->outlines.size(), 1u);
    EXPECT_NE(copy->outlines[0], definition.outlines[0]);
    ASSERT_EQ(copy->rotors.size(), 1u);
    EXPECT_EQ(copy->rotors[0]->meshName, "pillar.mesh");
    EXPECT_EQ(copy->rotors[0]->node, nullptr);
}
