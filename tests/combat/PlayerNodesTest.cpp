#include "combat/PlayerScene.h"

#include "combat/rotor.h"
#include "support/LogCapture.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// Quaternion::equals compares through an arc cosine, which in floats cannot
// tell turns much closer than this apart.
const Ogre::Degree angleTolerance(0.1f);

// Euler degrees turned about X, then Y, then Z, built by hand.
Ogre::Quaternion turnXYZ(const Ogre::Vector3& degrees)
{
    return Ogre::Quaternion(Ogre::Degree(degrees.x), Ogre::Vector3::UNIT_X) *
           Ogre::Quaternion(Ogre::Degree(degrees.y), Ogre::Vector3::UNIT_Y) *
           Ogre::Quaternion(Ogre::Degree(degrees.z), Ogre::Vector3::UNIT_Z);
}

} // namespace

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

    // A second build in the same scene replaces the first instead of throwing;
    // the start orientation turns about X, then Y, then Z.
    ship.orient = Ogre::Vector3(20.0f, -35.0f, 70.0f);
    ship.createSceneNodes(scene.world.scene);
    EXPECT_EQ(scene.world.scene->getSceneNode("player"), ship.sceneNode);
    EXPECT_TRUE(ship.sceneNode->getOrientation().equals(turnXYZ(ship.orient), angleTolerance));
}

TEST(PlayerNodes, RotorsHangOnTheMeshNodeAndSpinAboutTheirOwnY)
{
    PlayerScene scene({"plane1U.mesh", "interro.mesh", "pillar.mesh", "rock.mesh"});
    LogCapture log;
    Player& ship = scene.player;
    const std::size_t bareChildren = ship.meshNode->numChildren();
    // A ship without rotors: nothing to build, turn or destroy.
    ship.createRotor();
    ship.turnRotors(0.1);
    ship.destroyRotors();
    EXPECT_EQ(ship.meshNode->numChildren(), bareChildren);

    struct Case {
        const char* mesh;
        float speed;
        Ogre::Vector3 pos;
        float sca;
        Ogre::Vector3 rot;
        const char* shown;
        float turnDegrees; // after 0.1 s: speed x 500 degrees per second
    };
    const Case cases[] = {
        {"pillar.mesh", 0.5f, {1.0f, 2.0f, 3.0f}, 2.0f, {30.0f, 45.0f, 60.0f}, "pillar.mesh", 25.0f},
        {"rock.mesh", -0.5f, {-4.0f, 0.0f, 1.0f}, 0.5f, {0.0f, 90.0f, 0.0f}, "rock.mesh", -25.0f},
        {"nowhere.mesh", 0.0f, {0.0f, 0.0f, 0.0f}, 1.0f, {10.0f, 20.0f, 30.0f}, "interro.mesh", 0.0f},
    };
    for (const Case& c : cases) {
        auto* part = new rotor;
        part->meshName = c.mesh;
        part->rotationSpeed = c.speed;
        part->pos = c.pos;
        part->sca = c.sca;
        part->rot = c.rot;
        ship.rotors.push_back(part);
    }
    ship.createRotor();
    ship.turnRotors(0.1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const rotor& part = *ship.rotors[i];
        ASSERT_TRUE(part.node && part.entity) << c.mesh;
        EXPECT_EQ(part.node->getParentSceneNode(), ship.meshNode) << c.mesh;
        EXPECT_EQ(part.entity->getMesh()->getName(), c.shown);
        EXPECT_EQ(part.node->getPosition(), c.pos) << c.mesh;
        EXPECT_EQ(part.node->getScale(), Ogre::Vector3(c.sca)) << c.mesh;
        const Ogre::Quaternion turned =
            turnXYZ(c.rot) * Ogre::Quaternion(Ogre::Degree(c.turnDegrees), Ogre::Vector3::UNIT_Y);
        EXPECT_TRUE(part.node->getOrientation().equals(turned, angleTolerance)) << c.mesh;
    }
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] can't find rotor mesh: nowhere.mesh"), 1);

    // Destroyed: the scene objects go, the records stay.
    ship.destroyRotors();
    EXPECT_EQ(ship.meshNode->numChildren(), bareChildren);
    ASSERT_EQ(ship.rotors.size(), std::size(cases));
    for (const rotor* part : ship.rotors)
        EXPECT_TRUE(!part->node && !part->entity);
}
