// Backgrounds of the sample game placed as a level places them: drawn and
// lit by their materials, given static bodies in a real Bullet world that
// rays find, put on layers, and standing in for what is missing.
#include "render/ConstantReadback.h"
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "core/materials/MaterialModule.h"
#include "data/BackgroundsReader.h"
#include "data/Materials3DReader.h"
#include "world/Obb.h"
#include "world/background.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// The level's dynamics world as the play state makes it: an axis-sweep
// broadphase over the play space.
struct PhysicsWorld {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btAxisSweep3 broadphase{btVector3(-1000, -1000, -1000), btVector3(1000, 1000, 1000), 16384};
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
};

// A level file's root holding the given "BG" elements.
class LevelXml {
public:
    explicit LevelXml(const std::string& elements)
    {
        const std::string xml = "<LEVEL>" + elements + "</LEVEL>";
        text.assign(xml.begin(), xml.end());
        text.push_back('\0');
        document.parse<0>(text.data());
    }
    const XmlNode& root() const { return *document.first_node(); }

private:
    std::vector<char> text;
    rapidxml::xml_document<char> document;
};

std::string placedBg(const std::string& name, const std::string& definition, const std::string& position,
                     const std::string& extra = "")
{
    return "<BG name=\"" + name + "\"><toybox parentName=\"" + definition + "\"/><position pos=\"" + position +
           "\" sca=\"1 1 1\" orient=\"1 0 0 0\" " + extra + "/></BG>";
}

class Backgrounds : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        loadMaterials3DGamebox("gamebox.materials3D");
        loadBackgroundGamebox("gamebox.background", "GAMERSC", game.backgroundLibrary);
        current.level.physicsWorld = &physics.world;
        game.maxSpritesPriorities = 10;
    }
    void TearDown() override
    {
        for (background* placed : current.level.backgrounds)
            delete placed;
        current.level.backgrounds.clear();
        for (auto& entry : game.backgroundLibrary)
            delete entry.second;
        game.backgroundLibrary.clear();
        current.level.physicsWorld = nullptr;
        scene.reset();
    }

    std::vector<background*>& place(const std::string& elements)
    {
        const std::size_t before = current.level.backgrounds.size();
        readLevelBackgrounds(LevelXml(elements).root(), current.level.backgrounds, game.backgroundLibrary);
        placed.assign(current.level.backgrounds.begin() + static_cast<std::ptrdiff_t>(before),
                      current.level.backgrounds.end());
        return placed;
    }

    // The first body a ray down through (x, z) hits, with the ray's filter.
    btCollisionWorld::ClosestRayResultCallback castDown(float x, float z, int group = 2, int mask = 1)
    {
        const btVector3 from(x, 50.0f, z);
        const btVector3 to(x, -50.0f, z);
        btCollisionWorld::ClosestRayResultCallback hit(from, to);
        hit.m_collisionFilterGroup = group;
        hit.m_collisionFilterMask = mask;
        physics.world.rayTest(from, to, hit);
        return hit;
    }

    Game& game = *Game::getSingletonPtr();
    PhysicsWorld physics;
    CurrentLevel current;
    std::unique_ptr<RenderScene> scene;
    std::vector<background*> placed;
    LogCapture log;
};

TEST_F(Backgrounds, AMeshBackgroundIsDrawnLitByItsMaterial)
{
    place(placedBg("BG1", "bg_rock", "-4 0 0") + placedBg("BG2", "bg_pillar", "4 0 0"));
    ASSERT_EQ(placed.size(), 2u);
    auto* rock = static_cast<Ogre::Entity*>(placed[0]->movableObject);
    auto* pillar = static_cast<Ogre::Entity*>(placed[1]->movableObject);
    const Ogre::MaterialPtr stone = rock->getSubEntity(0)->getMaterial();
    EXPECT_EQ(stone->getName(), "rock_0");
    EXPECT_EQ(unitTexture(stone, "diffuse_tex"), "rockStone.png");
    EXPECT_EQ(unitTexture(pillar->getSubEntity(0)->getMaterial(), "normals_tex"), "pillarStone_n.png");
    // The pillar is normal-mapped and its file stores no tangents: they were built.
    EXPECT_TRUE(pillar->getMesh()->getSubMesh(0)->vertexData->vertexDeclaration->findElementBySemantic(
        Ogre::VES_TANGENT));

    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), Ogre::ColourValue::Black); // no light
    scene->addLight(Ogre::Vector3(0.2f, -1.0f, 0.1f));
    scene->renderFrame();
    scene->keepFrame("backgrounds");
    // From above, the flat tops: the texture's colour at the light's slope
    // plus the grey specular texture times the highlight, 0.187 on the rock
    // and 0.606 on the shinier pillar. The rock casts shadows and the scene
    // renders none: nothing may darken it.
    const float slope = 0.976f;
    const Ogre::ColourValue specular = rgb(0x808080);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), rgb(0xc03020) * slope + specular * 0.187f);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 0.6f)),
                  (rgb(0x3050d0) * slope + specular * 0.606f).saturateCopy());
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 6.0f)), Ogre::ColourValue::Black);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(Backgrounds, ABodyInTheLevelsWorldIsFoundByAClosestHitRay)
{
    place(placedBg("BG1", "bg_rock", "2 0 -3") + placedBg("BG2", "bg_pillar", "-3 0 2"));
    background& rock = *placed[0];
    background& pillar = *placed[1];
    pillar.setScale(Ogre::Vector3(2.0f, 2.0f, 2.0f));
    ASSERT_TRUE(rock.rigidBody);
    ASSERT_TRUE(pillar.rigidBody);
    EXPECT_EQ(physics.world.getNumCollisionObjects(), 2);
    EXPECT_EQ(rock.rigidBody->getBroadphaseHandle()->m_collisionFilterGroup, 1);
    EXPECT_EQ(rock.rigidBody->getBroadphaseHandle()->m_collisionFilterMask, 6);

    // A placed background's body is shaped from its drawn mesh: 1.5 off the
    // rock's centre its side slopes down to y = 0, its flat top is at y = 1.
    const auto onRock = castDown(3.5f, -3.0f);
    ASSERT_TRUE(onRock.hasHit());
    EXPECT_EQ(onRock.m_collisionObject, rock.rigidBody);
    EXPECT_NEAR(onRock.m_hitPointWorld.y(), 0.0f, 1e-3f);
    EXPECT_NEAR(castDown(2.0f, -3.0f).m_hitPointWorld.y(), 1.0f, 1e-3f);
    // The pillar's capsule (radius 1, half height 1.5) scaled by 2 tops out at 5.
    const auto onPillar = castDown(-3.0f, 2.0f);
    ASSERT_TRUE(onPillar.hasHit());
    EXPECT_EQ(onPillar.m_collisionObject, pillar.rigidBody);
    EXPECT_NEAR(onPillar.m_hitPointWorld.y(), 5.0f, 1e-3f);
    // Rays of group 1 are not in the bodies' mask; nothing where nothing stands.
    EXPECT_FALSE(castDown(3.5f, -3.0f, 1, 1).hasHit());
    EXPECT_FALSE(castDown(7.0f, 7.0f).hasHit());

    // Moved, the body follows the node.
    rock.setWorldPosition(Ogre::Vector3(-6.0f, 2.0f, -6.0f));
    EXPECT_FALSE(castDown(2.0f, -3.0f).hasHit());
    EXPECT_NEAR(castDown(-6.0f, -6.0f).m_hitPointWorld.y(), 3.0f, 1e-3f);
}

TEST_F(Backgrounds, ACopyIsNamedAfterTheLevelsNextNumberAndGetsItsOwnBody)
{
    place(placedBg("BG7", "bg_rock", "2 0 -3"));
    auto* copy = static_cast<background*>(placed[0]->clone());
    current.level.backgrounds.push_back(copy);
    EXPECT_EQ(copy->name, "BG8");
    EXPECT_EQ(copy->templateObject, game.backgroundLibrary.at("bg_rock"));
    ASSERT_TRUE(copy->rigidBody);
    EXPECT_NE(copy->rigidBody, placed[0]->rigidBody);
    EXPECT_EQ(physics.world.getNumCollisionObjects(), 2);
    EXPECT_EQ(copy->obbs.size(), placed[0]->obbs.size());
    delete copy;
    current.level.backgrounds.pop_back();
    EXPECT_EQ(physics.world.getNumCollisionObjects(), 1);
}

TEST_F(Backgrounds, ACopyOfTheDefinitionTakesItsBodyFromTheCompanionCollisionMesh)
{
    const background& definition = *game.backgroundLibrary.at("bg_rock");
    EXPECT_EQ(definition.collisionMeshName, "rock.meshColl");
    auto* copy = static_cast<background*>(definition.clone());
    current.level.backgrounds.push_back(copy);
    EXPECT_EQ(copy->name, "BG1");
    // The copy's body stands where the copy stands, at once.
    EXPECT_NEAR(castDown(0.0f, 0.0f).m_hitPointWorld.y(), 1.0f, 1e-3f);
    copy->setWorldPosition(Ogre::Vector3(-4.0f, 0.0f, 4.0f));
    // 1.5 off the centre the drawn rock slopes to y = 0; the companion is a box up to y = 1.
    const auto hit = castDown(-2.5f, 4.0f);
    ASSERT_TRUE(hit.hasHit());
    EXPECT_EQ(hit.m_collisionObject, copy->rigidBody);
    EXPECT_NEAR(hit.m_hitPointWorld.y(), 1.0f, 1e-3f);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(Backgrounds, TheShapeFollowsTheCollisionType)
{
    place(placedBg("BG1", "bg_pillar", "0 0 0") + placedBg("BG2", "bg_cloud", "5 0 5"));
    background& definition = *game.backgroundLibrary.at("bg_pillar");
    background& cloudDefinition = *game.backgroundLibrary.at("bg_cloud");
    const std::vector<std::pair<int, int>> meshShapes = {{1, TRIANGLE_MESH_SHAPE_PROXYTYPE},
                                                         {2, CONVEX_HULL_SHAPE_PROXYTYPE},
                                                         {3, SPHERE_SHAPE_PROXYTYPE},
                                                         {4, BOX_SHAPE_PROXYTYPE},
                                                         {5, CAPSULE_SHAPE_PROXYTYPE}};
    for (const auto& [type, shape] : meshShapes) {
        definition.collisionType = type;
        placed[0]->rebuildGraphics();
        ASSERT_TRUE(placed[0]->collisionShape) << type;
        EXPECT_EQ(placed[0]->collisionShape->getShapeType(), shape) << type;
        EXPECT_EQ(placed[0]->compoundShape->getNumChildShapes(), 1) << type;
    }
    // The 2 x 6 x 2 pillar stands along Y.
    EXPECT_EQ(static_cast<btCapsuleShape*>(placed[0]->collisionShape)->getUpAxis(), 1);
    // Sprites get boxes for meshes and hulls; types 0 and 6 get no body.
    for (const auto& [type, shape] : std::vector<std::pair<int, int>>{{1, BOX_SHAPE_PROXYTYPE},
                                                                      {2, BOX_SHAPE_PROXYTYPE},
                                                                      {0, -1},
                                                                      {6, -1}}) {
        cloudDefinition.collisionType = type;
        placed[1]->rebuildGraphics();
        EXPECT_EQ(placed[1]->collisionShape ? placed[1]->collisionShape->getShapeType() : -1, shape) << type;
    }
    EXPECT_EQ(physics.world.getNumCollisionObjects(), 1);
}

TEST_F(Backgrounds, SpritesTakeTheirSizeAndPriorityAndMeshesTheirLayer)
{
    place(placedBg("BG1", "bg_cloud", "0 0 0", "layer=\"2\"") + placedBg("BG2", "bg_cloud", "0 0 -5",
                                                                           "queuePriority=\"7\"") +
          placedBg("BG3", "bg_rock", "5 0 5"));
    background& cloud = *placed[0];
    // 256 x 128 pixels at one unit per 32.
    EXPECT_EQ(cloud.spriteSize, Ogre::Vector2(8.0f, 4.0f));
    EXPECT_EQ(cloud.sceneNode->getScale(), Ogre::Vector3(8.0f, 1.0f, 4.0f));
    EXPECT_EQ(cloud.isLayered, 1);
    EXPECT_EQ(cloud.priority, 1001);
    EXPECT_EQ(cloud.movableObject->getRenderQueueGroup(), 40);
    EXPECT_EQ(placed[1]->priority, 7);
    EXPECT_EQ(placed[2]->isLayered, 0);
    EXPECT_EQ(placed[2]->movableObject->getRenderQueueGroup(), 40);
    // Collision type 6: no body, the definition's default outline on the background's node.
    EXPECT_FALSE(cloud.rigidBody);
    ASSERT_EQ(cloud.obbs.size(), 1u);
    EXPECT_EQ(cloud.obbs[0]->sceneNode, cloud.sceneNode);
    EXPECT_EQ(placed[2]->obbs.size(), 1u);

    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(3.0f, 0.0f, 0.0f)), rgb(0xf0f4ff)); // the cloud
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-7.0f, 0.0f, 3.0f)), Ogre::ColourValue::Black);
}

TEST_F(Backgrounds, AHiddenLayerOrTheDisabledFlagKeepsABackgroundHidden)
{
    current.level.layers[0].isVisible = 1;
    current.level.layers[5].isVisible = 0;
    place(placedBg("BG1", "bg_rock", "0 0 0", "layer=\"5\"") + placedBg("BG2", "bg_rock", "5 0 5"));
    background& onHidden = *placed[0];
    background& shown = *placed[1];
    onHidden.setVisible(true);
    shown.setVisible(true);
    EXPECT_FALSE(onHidden.movableObject->getVisible());
    EXPECT_EQ(onHidden.movableObject->getQueryFlags(), 0u);
    EXPECT_TRUE(shown.movableObject->getVisible());
    EXPECT_EQ(shown.movableObject->getQueryFlags(), 8u);
    shown.isDisabled = 1;
    shown.setVisible(true);
    EXPECT_FALSE(shown.movableObject->getVisible());
    current.level.layers.clear();
}

TEST_F(Backgrounds, ShadowsFollowTheDefinitionAndTheBackgroundParameterStartsAtZero)
{
    place(placedBg("BG1", "bg_rock", "0 0 0") + placedBg("BG2", "bg_cloud", "5 0 5"));
    EXPECT_TRUE(placed[0]->movableObject->getCastShadows());
    EXPECT_FALSE(placed[1]->movableObject->getCastShadows());
    for (const background* each : placed) {
        auto* drawn = static_cast<Ogre::Entity*>(each->movableObject);
        for (unsigned index = 0; index < drawn->getNumSubEntities(); ++index)
            EXPECT_EQ(drawn->getSubEntity(index)->getCustomParameter(1), Ogre::Vector4::ZERO) << each->name;
    }
}

TEST_F(Backgrounds, AMissingMeshShowsTheStandInWithOneErrorLine)
{
    auto* lost = new background();
    current.level.backgrounds.push_back(lost);
    lost->meshName = "nowhere.mesh";
    lost->collisionType = 4;
    lost->init(Ogre::Vector3::ZERO);
    lost->createCollisionBody();
    auto* drawn = static_cast<Ogre::Entity*>(lost->movableObject);
    EXPECT_EQ(drawn->getMesh()->getName(), "interro.mesh");
    EXPECT_EQ(drawn->getSubEntity(0)->getMaterialName(), "BOX_notFound");
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; }),
              1);
    EXPECT_TRUE(log.contains("[ERROR] can't find background mesh: nowhere.mesh"));
    // Its body is shaped from the stand-in.
    EXPECT_TRUE(lost->rigidBody);

    auto* flat = new background();
    current.level.backgrounds.push_back(flat);
    flat->meshName = "nowhere.mesh";
    flat->isLayered = 1;
    flat->init(Ogre::Vector3::ZERO);
    EXPECT_EQ(static_cast<Ogre::Entity*>(flat->movableObject)->getMesh()->getName(), "plane1U.mesh");
}

TEST_F(Backgrounds, AMissingTextureOrDefinitionHasItsStandIn)
{
    auto* cloud = new background();
    current.level.backgrounds.push_back(cloud);
    cloud->spriteName = "noCloud.png";
    cloud->init(Ogre::Vector3::ZERO);
    const Ogre::MaterialPtr material = static_cast<Ogre::Entity*>(cloud->movableObject)->getSubEntity(0)->getMaterial();
    EXPECT_EQ(unitAt(passAt(material, 0, 0), 0)->getTextureName(), "notFound.jpg");
    EXPECT_TRUE(log.contains("[ERROR] can't find sprite texture: noCloud.png"));
    // The 64 x 64 stand-in: 2 x 2 units.
    EXPECT_EQ(cloud->sceneNode->getScale(), Ogre::Vector3(2.0f, 1.0f, 2.0f));

    place(placedBg("BG1", "noSuchDefinition", "0 0 0"));
    EXPECT_EQ(placed[0]->templateObject, game.backgroundLibrary.at("bg_NotFound"));
    EXPECT_EQ(static_cast<Ogre::Entity*>(placed[0]->movableObject)->getMesh()->getName(), "interro.mesh");

    // Without the stand-by definition too, the background stays as read.
    delete game.backgroundLibrary.at("bg_NotFound");
    game.backgroundLibrary.erase("bg_NotFound");
    place("<BG name=\"BG2\"><toybox parentName=\"gone\"/></BG>");
    EXPECT_EQ(placed[0]->templateObject, nullptr);
    EXPECT_EQ(static_cast<Ogre::Entity*>(placed[0]->movableObject)->getMesh()->getName(), "interro.mesh");
}

} // namespace
