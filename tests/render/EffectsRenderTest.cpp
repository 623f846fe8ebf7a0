// Explosions and particle effects, drawn: the sample game's 4 x 2 explosion
// sheet played over time by an explosion element, an animated sheet made
// by library name riding on the object it is attached to, and the pictures
// the sample's particle templates name, each decoded once.
#include "render/ConstantReadback.h"
#include "support/PictureDecodes.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/SampleGame.h"

#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/effects/ExplosionElement.h"
#include "core/effects/SpriteEffects.h"
#include "core/effects/sfxLibraryEntry.h"

#include <OgreEntity.h>
#include <OgreParticle.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Effects : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
};

// The first frame's fireball and the fifth frame's ember in "explosionSheet.png".
const Ogre::ColourValue firstFrame = rgb(0xfff0a0);
const Ogre::ColourValue fifthFrame = rgb(0xc04010);

TEST_F(Effects, AnExplosionShowsItsSheetFrameByFrameAndFades)
{
    ExplosionElement fireball;
    fireball.particleName = "explosion_sprite_alpha";
    fireball.textureName = "explosionSheet.png";
    fireball.textureDiv = Ogre::Vector2(4.0f, 2.0f);
    fireball.duration = 0.8;
    fireball.scaling = 1.5f;
    fireball.sceneManager = scene->scene;
    fireball.start(false);
    ASSERT_NE(fireball.particleSystem, nullptr);
    Ogre::ParticleSystem& system = *fireball.particleSystem;
    // 512 x 256 in 4 x 2 tiles: square tiles, 10 x 10 before the scaling.
    EXPECT_FLOAT_EQ(system.getDefaultWidth(), 15.0f);
    EXPECT_FLOAT_EQ(system.getDefaultHeight(), 15.0f);
    const Ogre::MaterialPtr material = findMaterial(fireball.spriteMaterialName(), "GAMERSC");
    ASSERT_TRUE(material);
    EXPECT_EQ(vertexConstant(material, "numTilesU"), std::vector<float>{4.0f});
    EXPECT_EQ(fragmentConstant(material, "textureDimensionsX"), std::vector<float>{512.0f});

    const Ogre::Vector3 centre(0.0f, 0.0f, 0.0f);
    const Ogre::Vector3 rim(4.0f, 0.0f, 0.0f); // inside the first frame's fireball only
    fireball.update(0.05);                     // starts: the emitter sends its one particle
    system._update(0.05f);
    scene->renderFrame();
    scene->keepFrame("explosion_frame0");
    EXPECT_COLOUR(scene->colourAt(centre), firstFrame);
    EXPECT_COLOUR(scene->colourAt(rim), firstFrame);

    for (int step = 0; step < 8; ++step) {
        fireball.update(0.05);
        system._update(0.05f);
    }
    // 0.45 s of 0.8: the fifth frame, a small ember, faded over the element's
    // duration to alpha 1 - 0.4 s / 0.8 s since the particle was born.
    scene->renderFrame();
    scene->keepFrame("explosion_frame4");
    EXPECT_COLOUR(scene->colourAt(centre), fifthFrame * 0.5f);
    EXPECT_COLOUR(scene->colourAt(rim), Ogre::ColourValue::Black);

    const std::string materialName = fireball.spriteMaterialName();
    fireball.destroy();
    EXPECT_FALSE(findMaterial(materialName, "GAMERSC"));
}

TEST_F(Effects, AnEffectAttachedToAnObjectMovesWithIt)
{
    ASSERT_TRUE(loadMeshResource("plane1U.mesh"));
    auto* sheet = new sfxLibraryEntry;
    sheet->isAnimatedTexture = 1;
    sheet->columnsRows = Ogre::Vector2(4.0f, 2.0f);
    sheet->duration = 0.8f;
    game.sfxLibrary["explosionSheet.png"] = sheet;
    Ogre::ParticleSystem* effect =
        createSpriteEffect(&game, "attachedEffect", "explosionSheet.png", scene->scene, false, false);
    game.sfxLibrary.erase("explosionSheet.png");
    delete sheet;
    ASSERT_NE(effect, nullptr);
    EXPECT_FLOAT_EQ(effect->getDefaultWidth(), 16.0f); // 128 x 128 tiles
    EXPECT_EQ(vertexConstant(findMaterial("animatedParticle_explosionSheet.png"), "speed"),
              std::vector<float>{10.0f});

    Ogre::Entity* object = scene->placeMesh("plane1U.mesh", Ogre::Vector3(4.0f, -5.0f, 4.0f));
    Ogre::SceneNode* objectNode = object->getParentSceneNode();
    objectNode->createChildSceneNode(Ogre::Vector3(0.0f, 5.0f, 0.0f))->attachObject(effect);
    effect->setDefaultDimensions(4.0f, 4.0f);
    effect->setEmitting(true);
    effect->_update(0.02f);
    scene->renderFrame();
    scene->keepFrame("effect_attached");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 4.0f)), firstFrame);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, -4.0f)), Ogre::ColourValue::Black);

    objectNode->setPosition(-4.0f, -5.0f, -4.0f); // the particle keeps to its system's space
    scene->renderFrame();
    scene->keepFrame("effect_moved");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, -4.0f)), firstFrame);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 4.0f)), Ogre::ColourValue::Black);
}

// The sample's templates name their pictures as materials. One white
// particle 8 units wide shows its picture: the picture's colour at its centre
// and nothing near the corners of its square, where a material without the
// picture draws a flat block. However many impacts make their sparks, each
// picture is decoded once.
TEST_F(Effects, ParticleTemplatesShowThePicturesTheyNameDecodedOnce)
{
    constexpr int impacts = 12;
    // The middle of a radial gradient 64 texels wide, filtered.
    constexpr float centreTolerance = 16.0f / 255.0f;
    const PictureDecodes decodes({"png", "jpg"});
    samplegame::load(game);
    ExplosionElement burst; // an enemy's death
    burst.particleName = "Enemy_explosion";
    burst.sceneManager = scene->scene;
    burst.start(false);
    for (int impact = 1; impact < impacts; ++impact)
        createSpriteEffect(&game, "impact" + std::to_string(impact), "impact", scene->scene, true, false);
    struct Shown {
        const char* picture;
        Ogre::ParticleSystem* system;
        Ogre::ColourValue centre;
    };
    const Shown cases[] = {
        {"sparkGlow.jpg", burst.particleSystem, rgb(0xffd060)},
        {"smokePuff.png", createSpriteEffect(&game, "smoke", "explosionSmoke", scene->scene, false, false),
         rgb(0xc0c0c0)},
        {"sparkParticle.png", createSpriteEffect(&game, "impact0", "impact", scene->scene, true, false),
         rgb(0xffffff)},
    };
    for (const Shown& shown : cases) {
        ASSERT_NE(shown.system, nullptr) << shown.picture;
        Ogre::ParticleSystem& system = *shown.system;
        if (!system.isAttached())
            scene->place(&system, Ogre::Vector3::ZERO);
        system.setEmitting(false);
        system._update(0.0f); // readies the system's particles
        Ogre::Particle* particle = system.createParticle();
        ASSERT_NE(particle, nullptr);
        particle->mPosition = Ogre::Vector3::ZERO;
        particle->mDirection = Ogre::Vector3::ZERO;
        particle->mColour = Ogre::ColourValue::White;
        particle->setDimensions(8.0f, 8.0f);
        particle->mTimeToLive = particle->mTotalTimeToLive = 10.0f;
        system._update(0.0f);
        scene->renderFrame();
        scene->keepFrame(std::string("particle_") + shown.picture);
        EXPECT_LE(colourDistance(scene->colourAt(Ogre::Vector3::ZERO), shown.centre), centreTolerance)
            << shown.picture << ": " << scene->colourAt(Ogre::Vector3::ZERO);
        EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(3.4f, 0.0f, 3.4f)), Ogre::ColourValue::Black) << shown.picture;
        EXPECT_LE(decodes.of(shown.picture), 1) << shown.picture;
        system.detachFromParent();
    }
    burst.destroy();
    samplegame::forget(game);
}

} // namespace
