// Shot, laser and particle materials, drawn: the sample game's blue shot of
// two frames, a laser beam of its 4 x 1 sheet and a spark particle, with the
// constants on the clones and the stand-ins for what is missing.
#include "render/ConstantReadback.h"
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/TempFolder.h"

#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/ShotMaterials.h"

#include <OgreManualObject.h>
#include <OgreParticle.h>
#include <OgreParticleSystem.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ShotMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }
    void TearDown() override { game.isParticlesZbuffer = false; }

    // A white quad of the size in the play plane, drawn with the material
    // as the shot batch and the beams draw theirs: with vertex colours.
    void placeQuad(const std::string& material, const Ogre::Vector3& position, const Ogre::Vector3& size)
    {
        Ogre::ManualObject* quad = scene->scene->createManualObject();
        quad->begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST, "GAMERSC");
        const float x = size.x * 0.5f;
        const float z = size.z * 0.5f;
        const Ogre::Vector3 corners[] = {{-x, 0.0f, -z}, {x, 0.0f, -z}, {x, 0.0f, z}, {-x, 0.0f, z}};
        const Ogre::Vector2 uvs[] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
        for (int i = 0; i < 4; ++i) {
            quad->position(corners[i]);
            quad->textureCoord(uvs[i]);
            quad->colour(Ogre::ColourValue::White);
        }
        quad->quad(0, 3, 2, 1);
        quad->end();
        scene->place(quad, position);
    }

    // One particle of the size, standing still, drawn with the material.
    void placeParticle(const std::string& material, const Ogre::Vector3& position, float size)
    {
        Ogre::ParticleSystem* system = scene->scene->createParticleSystem(1);
        system->setMaterialName(material, "GAMERSC");
        system->setDefaultDimensions(size, size);
        system->setBounds(Ogre::AxisAlignedBox(-size, -size, -size, size, size, size));
        scene->place(system, position);
        system->_update(0.0f); // makes the particle pool
        Ogre::Particle* particle = system->createParticle();
        ASSERT_NE(particle, nullptr);
        particle->mPosition = position;
        particle->mTimeToLive = particle->mTotalTimeToLive = 1000.0f;
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

// The particle pictures fade linearly from their heart to nothing at their
// edge, 2 units out on a particle 4 units wide.
float particleFade(float distance) { return 1.0f - distance / 2.0f; }

TEST_F(ShotMaterials, AShotALaserBeamAndAParticleAreDrawnWithTheirOwnMaterials)
{
    LibraryEntry shot(game.spriteLibrary, "shotBlue.png", 2.0f, 1.0f);
    LibraryEntry laser(game.spriteLibrary, "laserRed.png", 4.0f, 1.0f);
    createBulletMaterials("shotBlue.png");
    EXPECT_FLOAT_EQ(createLaserMaterials("laserRed.png"), 1.0f);
    createParticleMaterial("sparkParticle.png");
    createParticleMaterial("sparkGlow.jpg");
    placeQuad("bullet_shotBlue.png", Ogre::Vector3(-5.0f, 0.0f, -4.0f), Ogre::Vector3(4.0f, 1.0f, 4.0f));
    placeQuad("laser_laserRed.png", Ogre::Vector3(0.0f, 0.0f, 4.0f), Ogre::Vector3(14.0f, 1.0f, 3.0f));
    placeParticle("particle_sparkParticle.png", Ogre::Vector3(0.0f, 0.0f, -4.0f), 4.0f);
    placeParticle("particle_sparkGlow.jpg", Ogre::Vector3(5.0f, 0.0f, -4.0f), 4.0f);

    scene->renderFrame();
    scene->keepFrame("shots");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-5.0f, 0.0f, -4.0f)), rgb(0x60a0ff)); // the shot's first frame
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 4.0f)), rgb(0xffd0d0));  // the beam's core
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, 4.4f)), rgb(0xff3030));  // and its rim
    // The pixels nearest the points lie 0.044 and 1.78 units from the hearts:
    // the spark white there, fading out at its edge; the glow its own colour.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, -4.0f)), grey(particleFade(0.044f)));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.0f, 0.0f, -2.2f)), grey(particleFade(1.78f)));
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(5.0f, 0.0f, -4.0f)), rgb(0xffd060) * particleFade(0.044f));

    // Half a second later the shot shows its second frame.
    scene->setClock(0.6f);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-5.0f, 0.0f, -4.0f)), rgb(0xa0d0ff));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(ShotMaterials, TheClonesCarryTheSheetsConstantsAndTheLaserItsScroll)
{
    LibraryEntry shot(game.spriteLibrary, "shotBlue.png", 2.0f, 1.0f);
    shot->spriteAnimRate = 3.0f;
    LibraryEntry laser(game.spriteLibrary, "laserRed.png", 4.0f, 1.0f);
    createBulletMaterials("shotBlue.png");
    const Ogre::MaterialPtr bullet = findMaterial("bullet_shotBlue.png", "GAMERSC");
    ASSERT_TRUE(bullet);
    EXPECT_EQ(vertexConstant(bullet, "numTilesUV"), (std::vector<float>{2.0f, 1.0f}));
    EXPECT_EQ(vertexConstant(bullet, "animSPeed"), std::vector<float>{3.0f});
    EXPECT_EQ(vertexConstant(bullet, "laserScroll"), std::vector<float>{0.0f});

    // 512 x 128 pixels in 4 x 1 frames: square frames.
    EXPECT_FLOAT_EQ(createLaserMaterials("laserRed.png"), 1.0f);
    const Ogre::MaterialPtr beam = findMaterial("laser_laserRed.png", "GAMERSC");
    ASSERT_TRUE(beam);
    EXPECT_EQ(vertexConstant(beam, "laserScroll"), std::vector<float>{10.0f});
    EXPECT_EQ(vertexConstant(beam, "numTilesUV"), (std::vector<float>{4.0f, 1.0f}));
    EXPECT_TRUE(materialModule().flags.at("laserRed.png").hasAlpha);
    EXPECT_TRUE(passAt(beam, 0, 0)->getTransparentSortingForced());
    // Without a sprite entry the texture is one frame: 256 x 128 pixels.
    EXPECT_FLOAT_EQ(createLaserMaterials("hudBlink.png"), 2.0f);
}

TEST_F(ShotMaterials, AShotWhoseTextureLostItsAlphaGetsAnAdditiveMaterial)
{
    LibraryEntry shot(game.spriteLibrary, "shotBlue.png", 2.0f, 1.0f);
    createBulletMaterials("shotBlue.png");
    const Ogre::MaterialPtr alpha = findMaterial("bullet_shotBlue.png", "GAMERSC");
    createBulletMaterials("shotBlue.png");
    EXPECT_EQ(findMaterial("bullet_shotBlue.png", "GAMERSC"), alpha);

    shot->hasAlpha = false;
    createBulletMaterials("shotBlue.png");
    const Ogre::MaterialPtr additive = findMaterial("bullet_shotBlue.png", "GAMERSC");
    EXPECT_NE(additive, alpha);
    EXPECT_EQ(passAt(additive, 0, 0)->getDestBlendFactor(), Ogre::SBF_ONE);
}

TEST_F(ShotMaterials, ParticleTexturesChooseTheirTemplateByAlpha)
{
    game.isParticlesZbuffer = true;
    createParticleMaterial("sparkParticle.png");
    createParticleMaterial("sparkGlow.jpg");
    const Ogre::MaterialPtr spark = findMaterial("particle_sparkParticle.png", "GAMERSC");
    const Ogre::MaterialPtr glow = findMaterial("particle_sparkGlow.jpg", "GAMERSC");
    ASSERT_TRUE(spark && glow);
    EXPECT_EQ(passAt(spark, 0, 0)->getDestBlendFactor(), Ogre::SBF_ONE_MINUS_SOURCE_ALPHA);
    EXPECT_EQ(passAt(glow, 0, 0)->getDestBlendFactor(), Ogre::SBF_ONE);
    EXPECT_TRUE(passAt(spark, 0, 0)->getDepthCheckEnabled());
    EXPECT_EQ(unitTexture(spark, ""), "(no unit)");
    EXPECT_EQ(unitAt(spark, 0, 0, 0)->getTextureName(), "sparkParticle.png");
}

TEST_F(ShotMaterials, MissingOrUnreadableTexturesAreLoggedAndGetNoMaterialOrTheStandIn)
{
    createBulletMaterials("gone.png");
    EXPECT_TRUE(log.contains("[ERROR] can't find bullet texture: gone.png"));
    EXPECT_FALSE(findMaterial("bullet_notFound.jpg", "GAMERSC"));
    createParticleMaterial("gone.png");
    EXPECT_TRUE(log.contains("[ERROR] can't find particle texture: gone.png"));
    EXPECT_FALSE(findMaterial("particle_notFound.jpg", "GAMERSC"));
    EXPECT_FLOAT_EQ(createLaserMaterials("gone.png"), 1.0f);
    EXPECT_TRUE(log.contains("[ERROR] can't find laser texture: gone.png"));
    EXPECT_TRUE(findMaterial("laser_notFound.jpg", "GAMERSC"));

    // A file that is no picture: the particle is drawn with the stand-in.
    TempFolder folder;
    folder.write("broken.png", "not a picture");
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(folder.path(), "FileSystem", "GAMERSC");
    createParticleMaterial("broken.png");
    Ogre::ResourceGroupManager::getSingleton().removeResourceLocation(folder.path(), "GAMERSC");
    EXPECT_TRUE(log.containsPrefix("Error loading particle texture: "));
    EXPECT_TRUE(findMaterial("particle_notFound.jpg", "GAMERSC"));
}

} // namespace
