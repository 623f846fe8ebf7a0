#include "combat/PlayerScene.h"

#include "support/LogCapture.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

TEST(PlayerNodes, TheTreeHangsUnderTheCameraRigAndIsMadeAgainByName)
{
    PlayerScene scene;
    Player& ship = scene.player;
    const std::pair<const char*, const char*> tree[] = {
        {"player", "CamNode1"},
        {"playerBankNode", "player"},
        {"playerAnimationNode", "playerBankNode"},
        {"playerSideNode", "playerAnimationNode"},
        {"player_Spritenode", "playerSideNode"},
        {"player_EntitySpriteMeshNode", "player_Spritenode"},
        {"ForceFieldNode", "player_Spritenode"},
        {"playerCanonNode", "player_Spritenode"},
    };
    for (const auto& [node, parent] : tree)
        EXPECT_EQ(scene.world.scene->getSceneNode(node)->getParentSceneNode()->getName(), parent) << node;
    EXPECT_EQ(ship.aimNode->getParentSceneNode(), scene.world.scene->getRootSceneNode());

    // A second build in the same scene replaces the first instead of throwing.
    ship.orient = Ogre::Vector3(90.0f, 0.0f, 0.0f);
    ship.createSceneNodes(scene.world.scene);
    EXPECT_EQ(scene.world.scene->getSceneNode("player"), ship.sceneNode);
    EXPECT_TRUE(ship.sceneNode->getOrientation().equals(
        Ogre::Quaternion(Ogre::Degree(90.0f), Ogre::Vector3::UNIT_X), Ogre::Degree(0.01f)));
}
