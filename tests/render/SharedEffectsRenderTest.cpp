// The level's shared particles and its enemies' own effects in the sample
// game's first level: sparks, the extra life's burst and the ready gauge's
// glow are made from the templates the game file names and burst when play
// fires them, the bursts gone a second later; a drone's effect switched off in the wave library stays dark
// while its engine flame burns; the saucers wear their sprite material, found
// again by their sprite's name; and the level left, its sky shows nothing.
#include "support/SampleLevelPlay.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameState.h"
#include "core/materials/SpriteMaterialName.h"
#include "play/Level.h"
#include "play/playState.h"
#include "platform/Random.h"
#include "world/GameCamera.h"
#include "world/sfxDefinition.h"
#include "world/sfxManager.h"

#include <OgreControllerManager.h>
#include <OgreEntity.h>
#include <OgreParticleSystem.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr unsigned visitSeed = 7;
// Frames a burst is given to show its first particles.
constexpr int burstFrames = 2;
// Frames after which every burst has faded: a second.
constexpr int burstEndFrames = 30;

class SharedEffects : public SampleLevelPlay {
protected:
    void SetUp() override
    {
        SampleLevelPlay::SetUp();
        if (IsSkipped())
            return;
        platform::seedRandom(visitSeed);
    }

    // The sample releases its gauge at once; with the switch it waits,
    // glowing, for the player's button.
    void configure() override { game.isGaugeSwitch = true; }

    // One turn of the main loop; the scene's clock stands still, so the
    // given particle systems are stepped with the frame.
    void runFrame(std::initializer_list<Ogre::ParticleSystem*> systems = {})
    {
        play.player->invincibilityTime = 1.0f;
        manager->update(frameStep);
        for (Ogre::ParticleSystem* system : systems)
            if (system)
                system->_update(static_cast<float>(frameStep));
        // The window gaining focus starts Ogre's own clock in play; this test
        // steps its systems itself, so that a slow frame ends no burst early.
        Ogre::ControllerManager::getSingleton().setTimeFactor(0.0f);
        scene->renderFrame();
    }

    std::size_t particlesAfterBurst(Ogre::ParticleSystem* system, int frames = burstFrames)
    {
        for (int frame = 0; frame < frames; ++frame)
            runFrame({system});
        return system ? system->getNumParticles() : 0;
    }

    // The first alive member of a wave copied from the library wave.
    const Enemy* aliveMemberOf(const std::string& libraryWave) const
    {
        for (const Wave* wave : play.waves) {
            if (!wave->templateObject || wave->templateObject->name != libraryWave)
                continue;
            for (const Enemy* member : wave->members)
                if (member->status == Enemy::statusAlive && member->movableObject)
                    return member;
        }
        return nullptr;
    }

};

TEST_F(SharedEffects, TheLevelsEffectsShowWhatTheGameAndItsLibrariesAskFor)
{
    sfxManager& effects = *play.level->effects;
    Ogre::SceneManager& sceneManager = *scene->scene;
    for (const char* shared : {"ParticleSparks", "particleItem", "particleReadyGauge"})
        EXPECT_TRUE(sceneManager.hasParticleSystem(shared)) << shared;
    ASSERT_NE(effects.sparksParticles, nullptr);
    ASSERT_NE(effects.itemParticles, nullptr);
    ASSERT_NE(effects.readyGaugeParticles, nullptr);
    EXPECT_EQ(effects.sparksParticles->getNumParticles(), 0u);

    // Sparks where a hit lands; the extra life as the score passes its mark;
    // the glow when the gauge is full.
    effects.emitSparks(play.player->sceneNode->_getDerivedPosition());
    EXPECT_GT(particlesAfterBurst(effects.sparksParticles), 0u);
    EXPECT_EQ(particlesAfterBurst(effects.sparksParticles, burstEndFrames), 0u) << "a burst, not a stream";
    EXPECT_EQ(effects.itemParticles->getNumParticles(), 0u);
    const int lives = game.currentLives;
    play.level->addScore(game.nextExtendScore);
    EXPECT_EQ(game.currentLives, lives + 1);
    EXPECT_GT(particlesAfterBurst(effects.itemParticles), 0u);
    EXPECT_EQ(particlesAfterBurst(effects.itemParticles, burstEndFrames), 0u) << "a burst, not a stream";
    EXPECT_EQ(effects.readyGaugeParticles->getNumParticles(), 0u);
    game.addGauge(static_cast<int>(game.maxGauge));
    EXPECT_GT(particlesAfterBurst(effects.readyGaugeParticles), 0u);

    // The first drones and saucers of the level, flying.
    const Enemy* drone = nullptr;
    const Enemy* saucer = nullptr;
    for (int frame = 0; frame < stageFrames && !(drone && saucer); ++frame) {
        runFrame();
        drone = drone ? drone : aliveMemberOf("Wave_DroneLine");
        saucer = saucer ? saucer : aliveMemberOf("Wave_SaucerArc");
    }
    ASSERT_NE(drone, nullptr);
    ASSERT_EQ(drone->sfxs.size(), 2u);
    Ogre::ParticleSystem* flame = drone->sfxs[0]->particleSystem;
    Ogre::ParticleSystem* switchedOff = drone->sfxs[1]->particleSystem;
    ASSERT_NE(flame, nullptr);
    ASSERT_NE(switchedOff, nullptr);
    for (int frame = 0; frame < burstFrames; ++frame)
        runFrame({flame, switchedOff});
    EXPECT_GT(flame->getNumParticles(), 0u);
    EXPECT_FALSE(switchedOff->getEmitting());
    EXPECT_EQ(switchedOff->getNumParticles(), 0u);
    ASSERT_NE(saucer, nullptr);
    EXPECT_EQ(findSpriteMaterialName(*saucer), "sprite_enemySaucer.png");
    const auto* shown = static_cast<const Ogre::Entity*>(saucer->movableObject);
    EXPECT_EQ(shown->getSubEntity(0)->getMaterialName(), "sprite_enemySaucer.png");
    EXPECT_EQ(findSpriteMaterialName(*drone), spriteMaterialNotFound);
    EXPECT_EQ(findSpriteMaterialName(*play.player), spriteMaterialNotFound) << "the sample's ship is a mesh";

    // Every layer of the sky is let go with the level.
    const Ogre::MaterialPtr sky = play.camera->skyEntity->getSubEntity(0)->getMaterial();
    const Ogre::Pass* skyPass = sky->getTechnique(0)->getPass(0);
    ASSERT_GE(skyPass->getNumTextureUnitStates(), 2u);
    manager->changeState(&outside);
    for (const Ogre::TextureUnitState* unit : skyPass->getTextureUnitStates())
        EXPECT_EQ(unit->getTextureName(), "empty.tga");
}

} // namespace
