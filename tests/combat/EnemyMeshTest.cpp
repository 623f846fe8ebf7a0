// The enemy's scene objects: its node chain and mesh (or the stand-in for a
// missing one), rotor meshes, visibility and render queues.
#include "combat/EnemyScene.h"
#include "combat/GunScene.h"

#include "combat/rotor.h"
#include "support/LogCapture.h"

#include <OgreMesh.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::size_t countOf(const LogCapture& log, const std::string& line)
{
    return static_cast<std::size_t>(std::count(log.lines.begin(), log.lines.end(), line));
}

TEST(EnemyMesh, APlacedEnemyShowsItsMeshOrAStandIn)
{
    struct MeshCase {
        const char* meshName;
        std::uint8_t isLayered;
        const char* expectedMesh;
        std::size_t expectedErrors;
    };
    const MeshCase cases[] = {
        {"shipFalcon.mesh", 0, "shipFalcon.mesh", 0},
        {"noSuchEnemy.mesh", 0, "interro.mesh", 1},
        {"noSuchEnemy.mesh", 1, "plane1U.mesh", 1},
    };
    for (const MeshCase& c : cases) {
        LogCapture log;
        EnemyScene scene(c.meshName);
        scene.member().isLayered = c.isLayered;
        Enemy& enemy = scene.place();
        ASSERT_NE(scene.mainEntity(), nullptr) << c.meshName;
        EXPECT_EQ(scene.mainEntity()->getMesh()->getName(), c.expectedMesh) << c.meshName;
        EXPECT_EQ(countOf(log, std::string("[ERROR] can't find enemy mesh: ") + c.meshName + ", named by gamebox.waves"),
                  c.expectedErrors);
        EXPECT_EQ(scene.mainEntity()->getParentSceneNode(), enemy.meshNode);
        EXPECT_EQ(scene.mainEntity()->getRenderQueueGroup(), 40);
        EXPECT_EQ(enemy.rootNode->getParentSceneNode(), scene.parent);
        EXPECT_EQ(enemy.meshNode->getParentSceneNode()->getParentSceneNode()->getParentSceneNode(), enemy.offsetNode);
        EXPECT_EQ(enemy.currentLife, enemy.life);
    }
}

TEST(EnemyMesh, RotorsVisibilityAndRenderQueues)
{
    LogCapture log;
    EnemyScene scene;
    Enemy definition;
    for (const char* mesh : {"rotorBlade.mesh", "noSuchRotor.mesh"}) {
        auto* part = new rotor();
        part->meshName = mesh;
        definition.rotors.push_back(part);
    }
    Enemy& enemy = scene.place();
    enemy.setupFromDefinition(definition, false);
    ASSERT_EQ(enemy.rotors.size(), 2u);
    EXPECT_EQ(enemy.rotors[0]->entity->getMesh()->getName(), "rotorBlade.mesh");
    EXPECT_EQ(enemy.rotors[1]->entity->getMesh()->getName(), "interro.mesh");
    EXPECT_TRUE(log.contains("[ERROR] can't find rotor mesh: noSuchRotor.mesh, named by gamebox.waves"));
    EXPECT_EQ(enemy.rotors[0]->node->getParentSceneNode(), enemy.bodyNode);

    // A hidden enemy stays hidden unless the Game reveals hidden enemies.
    enemy.isHidden = 1;
    enemy.setVisible(true);
    EXPECT_FALSE(enemy.movableObject->getVisible());
    scene.game.isRevealHiddenEnemies = true;
    enemy.setVisible(true);
    EXPECT_TRUE(enemy.movableObject->getVisible());

    // A layered enemy without a priority takes one above the items'; layer
    // 70 draws in the last group.
    enemy.isLayered = 1;
    enemy.priority = 0;
    scene.ship.level.itemPriorityCounter = 4;
    enemy.setLayer(70);
    const std::uint16_t expected = static_cast<std::uint16_t>(10000 + scene.ship.level.itemPriorityCounter);
    EXPECT_EQ(enemy.priority, expected);
    EXPECT_EQ(enemy.movableObject->getRenderQueueGroup(), 105);
    EXPECT_EQ(RenderPriority::of(*enemy.movableObject), expected);
    EXPECT_EQ(RenderPriority::of(*enemy.rotors[1]->entity), expected + 1);
    enemy.isLayered = 0;
    enemy.setLayer(3);
    EXPECT_EQ(enemy.movableObject->getRenderQueueGroup(), 40);
}

} // namespace
