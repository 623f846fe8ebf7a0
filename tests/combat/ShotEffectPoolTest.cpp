// The pool a shot effect template plays from: bursts in turn where and as
// asked, the oldest moved when all play, stopping once played; the Level's
// pools do not grow with the shots that die; a template that cannot be made.
#include "combat/ShotDeathScene.h"
#include "support/LogCapture.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ShotEffectPoolTest : public ::testing::Test, public ShotDeathScene {};

TEST_F(ShotEffectPoolTest, BurstsPlayInTurnWhereAskedTheOldestMovesAndAllStopOncePlayed)
{
    struct Burst {
        bool underRig;
        Ogre::Vector3 at;
        float shotScale;
        std::uint8_t group;
        const char* system; // the pool's system that plays it
    };
    const Burst bursts[] = {{true, {1.0f, 2.0f, 3.0f}, 1.0f, 43, "shotEffectPool0"},
                            {false, {-5.0f, 0.0f, 0.0f}, 2.0f, 105, "shotEffectPool1"},
                            {true, {0.0f, 0.0f, 9.0f}, 0.5f, 50, "shotEffectPool2"},
                            {false, {7.0f, 7.0f, 7.0f}, 3.0f, 44, "shotEffectPool0"}};
    ShotEffectPool pool(*effects.scene, "shotDeath_impactA", "shotEffectPool", 3, nullptr);
    ASSERT_EQ(systemCount(), 3u);
    const float templateWidth = game.particleTemplateValues.at("shotDeath_impactA")[0];
    for (const Burst& b : bursts) {
        SCOPED_TRACE(&b - bursts);
        Ogre::SceneNode* parent = b.underRig ? effects.cameraNode : effects.scene->getRootSceneNode();
        const ShotEffectPlace place{parent, b.at, Ogre::Quaternion::IDENTITY, Ogre::Vector3(2.0f)};
        EXPECT_NEAR(pool.burst(place, {b.shotScale, b.group, 7}), 2.1, 1e-5); // duration + life + 0.1
        const Ogre::ParticleSystem& system = *effects.scene->getParticleSystem(b.system);
        const Ogre::SceneNode& node = *system.getParentSceneNode();
        EXPECT_TRUE(node.getParentSceneNode() == parent && node.getPosition() == b.at);
        EXPECT_EQ(node.getScale(), Ogre::Vector3(2.0f));
        EXPECT_FLOAT_EQ(system.getDefaultWidth(), templateWidth * b.shotScale);
        EXPECT_TRUE(system.getEmitting() && system.getRenderQueueGroup() == b.group);
    }
    EXPECT_EQ(systemCount(), 3u);
    pool.step(2.0);
    EXPECT_EQ(playing("shotEffectPool").size(), 3u);
    pool.step(0.2);
    const std::vector<Ogre::ParticleSystem*> all = systemsNamed("shotEffectPool");
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](auto* s) { return s->getEmitting() || s->isAttached(); }));
}

TEST_F(ShotEffectPoolTest, TheLevelsPoolsDoNotGrowWithTheShotsThatDie)
{
    constexpr int deaths = 400;
    gun.impactSfxName = "shotDeath_impactA";
    game.cancelSfxName = "shotDeath_cancel";
    resetDeathEffects();
    for (int i = 0; i < deaths; ++i)
        launched(record()).die(i % 2 == 0, i % 2 == 1);
    EXPECT_EQ(systemCount(), ShotDeathEffects::impactBursts + ShotDeathEffects::cancelBursts);
}

TEST_F(ShotEffectPoolTest, ATemplateThatCannotBeMadeIsReportedOnceAndPlaysNothing)
{
    // A sprite sheet needs the shots' sprite template, which these tests lack.
    auto* sheet = new sfxLibraryEntry;
    sheet->isAnimatedTexture = 1;
    game.sfxLibrary["shotEffectPool_sheet.png"] = sheet;
    LogCapture log;
    ShotEffectPool pool(*effects.scene, "shotEffectPool_sheet.png", "shotEffectPoolSheet", 3, nullptr);
    EXPECT_EQ(pool.burst({effects.cameraNode}, {}), 0.0);
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] ", 0) == 0; }),
              1);
    EXPECT_EQ(systemCount(), 0u);
}

} // namespace
