#include "combat/PlayerScene.h"

#include "support/LogCapture.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::initializer_list<const char*> shipMeshes = {"plane1U.mesh", "interro.mesh", "crate.mesh"};

long linesOf(const LogCapture& log, const std::string& line)
{
    return std::count(log.lines.begin(), log.lines.end(), line);
}

} // namespace

TEST(PlayerSetupCreate, TheShipIsBuiltFromItsDefinitionOnItsLayer)
{
    PlayerScene scene(shipMeshes);
    scene.level.layers[3].number = 3;
    scene.level.layers[7].number = 7;
    scene.level.layerOrder = {3, 7};
    scene.addLibraryGun("twin").button = 6;
    Player& definition = scene.addLibraryShip("Ship");
    definition.meshName = "crate.mesh";
    definition.weaponSets = {{new Weapon()}};
    definition.weaponSets[0][0]->name = "twin";
    definition.weaponSets[0][0]->button = 2;
    Player& ship = scene.player;
    ship.layerId = 7;
    LogCapture log;
    scene.game.createPlayer("Ship");

    EXPECT_EQ(scene.level.playerLayerIndex, 1);
    EXPECT_EQ(ship.name, "Ship");
    EXPECT_EQ(ship.templateObject, &definition);
    EXPECT_EQ(scene.game.playerName, "Ship");
    ASSERT_TRUE(ship.meshEntity);
    EXPECT_EQ(ship.meshEntity->getMesh()->getName(), "crate.mesh");
    EXPECT_EQ(ship.meshEntity->getParentSceneNode(), ship.entityNode);
    EXPECT_EQ(scene.camera.targetNode, ship.sceneNode);
    ASSERT_EQ(ship.weaponSets.size(), 1u);
    EXPECT_EQ(ship.weaponSets[0][0]->sceneNode->getParentSceneNode(), ship.canonNode);
    // The rebuild takes the library gun's effects again, not its button.
    EXPECT_EQ(ship.weaponSets[0][0]->button, 2);
    EXPECT_FALSE(log.containsPrefix("[ERROR] can't find player mesh"));
}

TEST(PlayerSetupCreate, AMissingDefinitionGivesTheStandByShipAndOneErrorLine)
{
    for (const bool hasStandBy : {true, false}) {
        PlayerScene scene(shipMeshes);
        Player* standBy = nullptr;
        if (hasStandBy) {
            standBy = &scene.addLibraryShip("PlayerNotFound");
            standBy->meshName = "interro.mesh";
        }
        Player& ship = scene.player;
        ship.meshName = "ghost.mesh";
        LogCapture log;
        scene.game.createPlayer("Nobody");

        EXPECT_EQ(linesOf(log, "[ERROR] can't find player mesh: ghost.mesh"), 1) << hasStandBy;
        EXPECT_EQ(ship.templateObject, standBy);
        EXPECT_EQ(scene.game.playerName, hasStandBy ? "PlayerNotFound" : "");
        ASSERT_TRUE(ship.meshEntity) << hasStandBy;
        EXPECT_EQ(ship.meshEntity->getMesh()->getName(), "interro.mesh");
    }
}

TEST(PlayerSetupCreate, AMissingMeshIsReplacedByTheStandInOfItsKind)
{
    struct Case {
        bool isSprite;
        const char* mesh;
        const char* shown;
    };
    const Case cases[] = {
        {false, "crate.mesh", "crate.mesh"},
        {false, "ghost.mesh", "interro.mesh"},
        {true, "ghost.mesh", "plane1U.mesh"},
    };
    for (const Case& c : cases) {
        PlayerScene scene(shipMeshes);
        Player& ship = scene.player;
        ship.isLayered = c.isSprite;
        LogCapture log;
        // Twice: the second mesh replaces the first.
        ship.loadMesh(c.mesh);
        ship.loadMesh(c.mesh);
        ASSERT_TRUE(ship.meshEntity) << c.mesh;
        EXPECT_EQ(ship.meshEntity->getMesh()->getName(), c.shown);
        EXPECT_EQ(ship.meshEntity->getParentSceneNode(), ship.entityNode);
        EXPECT_EQ(ship.entityNode->numAttachedObjects(), 1u);
        EXPECT_EQ(ship.meshEntity->getQueryFlags(), 4u);
        const bool isMissing = std::string(c.mesh) != c.shown;
        EXPECT_EQ(linesOf(log, std::string("[ERROR] can't find player mesh: ") + c.mesh), isMissing ? 2 : 0);
    }
}

TEST(PlayerSetupCreate, AHiddenShipLeavesItsNodesAndComesBackOnlyOnAVisibleLayer)
{
    PlayerScene scene(shipMeshes);
    Player& ship = scene.player;
    ship.layerId = 4;
    scene.level.layers[4].isVisible = 1;
    ship.loadMesh("crate.mesh");

    ship.setVisible(false);
    EXPECT_FALSE(ship.meshEntity->isAttached());
    EXPECT_EQ(ship.meshNode->getParent(), nullptr);
    EXPECT_EQ(ship.meshEntity->getQueryFlags(), 0u);

    scene.level.layers[4].isVisible = 0;
    ship.setVisible(true);
    EXPECT_EQ(ship.meshNode->getParent(), nullptr);

    scene.level.layers[4].isVisible = 1;
    ship.setVisible(true);
    EXPECT_EQ(ship.meshEntity->getParentSceneNode(), ship.entityNode);
    EXPECT_EQ(ship.meshNode->getParent(), ship.sideNode);
    EXPECT_EQ(ship.meshEntity->getQueryFlags(), 4u);
}

TEST(PlayerSetupCreate, ALayeredShipDrawsInItsLayersGroup)
{
    const std::pair<bool, std::uint8_t> cases[] = {{true, 53}, {false, 40}};
    for (const auto& [isLayered, group] : cases) {
        PlayerScene scene(shipMeshes);
        Player& ship = scene.player;
        ship.isLayered = isLayered;
        ship.loadMesh("crate.mesh");
        ship.setLayer(12);
        EXPECT_EQ(ship.layer, 13);
        EXPECT_EQ(ship.priority, 29500);
        EXPECT_EQ(ship.meshEntity->getRenderQueueGroup(), group) << isLayered;
    }
}
