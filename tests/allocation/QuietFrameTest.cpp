// A frame in which nothing changed allocates nothing and looks nothing up by
// name: a placed effect with a light, a lens flare and a glow, an overlay
// widget whose typewriter has finished, and live explosion elements (a burst
// and a sprite sheet), stepped after a warm-up as the play state steps them.
#include "allocation/AllocationCount.h"

#include "app/OverlayWidget.h"
#include "data/ExplosionsReader.h"
#include "world/LensFlare.h"
#include "world/SfxTestScene.h"
#include "world/sfxManager.h"
#include "support/FrameStep.h"

#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreMaterialManager.h>

#include <gtest/gtest.h>

namespace {

constexpr int warmUpFrames = 60; // the typewriter, the glow fade and the explosions' starts are over
constexpr int quietFrames = 10;

const char* const madeMaterials[] = {"LensFlare/SunGlow", "LensFlare/SunSprite", "LensFlare/SunSpriteHalo01",
                                     "LensFlare/SunSpriteHalo03", "Glows/GlowStreak03", "defaultPicture"};

void lightFlareAndGlow(sfx& effect)
{
    effect.isOmni = true;
    effect.isOmniBlink = true;
    effect.isLensFlare = true;
    effect.isGlow = true;
}

ExplosionElement* longElement(const std::string& particleName, const std::string& textureName)
{
    auto* element = new ExplosionElement;
    element->particleName = particleName;
    element->textureName = textureName;
    element->duration = 10.0;
    return element;
}

} // namespace

TEST(QuietFrame, AFrameWithoutChangeAllocatesNothingAndUsesTheBoundCameras)
{
    SfxTestScene scene;
    sharedTestOverlaySystem();
    if (!Ogre::HardwareBufferManager::getSingletonPtr())
        new Ogre::DefaultHardwareBufferManager;
    for (const char* material : madeMaterials)
        Ogre::MaterialManager::getSingleton().create(material, Ogre::RGN_DEFAULT);

    sfx& effect = scene.place(Ogre::Vector3::ZERO, lightFlareAndGlow);
    OverlayWidget widget;
    widget.text = "GAME OVER";
    widget.revealInterval = 0.05f;
    widget.create();
    widget.setupAnimation();
    widget.transitionState = 1;
    explosionLibraryMap library;
    library["Puff"] = explosionDefinition(new ExplosionRef, {longElement("fx_burst", ""),
                                                             longElement("explosion_sprite_alpha", "sheet.png")});
    sfxManager explosions;
    explosions.sceneManager = scene.scene;
    explosions.explosions = &library;
    Ogre::Vector3 at = Ogre::Vector3::ZERO;
    ASSERT_TRUE(explosions.spawn("Puff", at, 2.0f, true, 45, 0, 0.0f));

    const auto step = [&] {
        scene.game.playClock += static_cast<float>(frame);
        effect.update(frame);
        widget.update(frame, Ogre::Vector3::ZERO);
        explosions.update(frame);
    };
    for (int warmUp = 0; warmUp < warmUpFrames; ++warmUp)
        step();
    ASSERT_EQ(effect.status, 2u);
    ASSERT_FALSE(effect.hidden);
    ASSERT_EQ(widget.displayedText, "GAME OVER");
    AllocationCount count;
    for (int quiet = 0; quiet < quietFrames; ++quiet)
        step();
    EXPECT_EQ(count.stop(), 0u);
    ASSERT_EQ(explosions.instances.size(), 2u);
    for (const ExplosionElement* instance : explosions.instances) {
        EXPECT_EQ(instance->state, ExplosionElement::stateRunning);
        EXPECT_EQ(instance->cameraNode, scene.cameraNode);
    }

    // A change still reaches Ogre in the next frame.
    EXPECT_EQ(widget.textArea->getCaption().asUTF8(), "GAME OVER");
    widget.text = "CONTINUE?";
    widget.charHeight = 40;
    step();
    EXPECT_EQ(widget.textArea->getCaption().asUTF8(), "CONTINUE?");
    EXPECT_FLOAT_EQ(widget.textArea->getCharHeight(), 0.1f);

    // The frame follows the cameras bound when the effect was made, whatever
    // "PlayCam" names: one looking away sees neither the flare nor the effect.
    Ogre::Camera* away = scene.addCamera("AwayCam", Ogre::Vector3(0, 0, 100), Ogre::Vector3(0, 0, 200));
    ASSERT_GT(effect.lensFlare->visibleIntensity, 0.0f);
    effect.lensFlare->camera = away;
    step();
    EXPECT_FLOAT_EQ(effect.lensFlare->visibleIntensity, 0.0f);
    effect.camera = away;
    step();
    EXPECT_TRUE(effect.hidden);

    explosions.destroyAll();
    for (auto& explosion : library)
        freeExplosion(explosion.second);
    for (const char* material : madeMaterials)
        Ogre::MaterialManager::getSingleton().remove(material, Ogre::RGN_DEFAULT);
}
