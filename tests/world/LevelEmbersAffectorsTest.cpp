// The sample game's level embers: each of the runtime's affectors in the
// script does its part to a particle of the system made from it.
#include "world/SfxTestScene.h"

#include <OgreParticle.h>
#include <OgreParticleAffector.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

namespace {

class LevelEmbersAffectors : public ::testing::Test {
protected:
    LevelEmbersAffectors()
    {
        system = scene.scene->createParticleSystem("embers", "levelEmbers");
        scene.scene->getRootSceneNode()->attachObject(system);
        system->setEmitting(false);
        system->_update(0); // makes the particle pool
    }
    ~LevelEmbersAffectors() override { scene.scene->destroyParticleSystem(system); }

    Ogre::ParticleAffector& affector(const std::string& type)
    {
        for (unsigned short i = 0; i < system->getNumAffectors(); ++i)
            if (system->getAffector(i)->getType() == type)
                return *system->getAffector(i);
        throw std::runtime_error("no affector " + type);
    }
    Ogre::Particle& particle(const Ogre::Vector3& direction, float timeToLive = 2.0f)
    {
        Ogre::Particle* made = system->createParticle();
        made->mPosition = Ogre::Vector3(1, 1, 1);
        made->mDirection = direction;
        made->mTimeToLive = timeToLive;
        made->mTotalTimeToLive = 2.0f;
        return *made;
    }

    SfxTestScene scene;
    Ogre::ParticleSystem* system = nullptr;
};

} // namespace

TEST_F(LevelEmbersAffectors, ScriptUsesTheFourAffectors)
{
    EXPECT_EQ(system->getNumAffectors(), 4);
    for (const char* type : {"ResetY", "drag", "scaleInterpolator", "cameraSpeed"})
        EXPECT_NO_THROW(affector(type)) << type;
}

TEST_F(LevelEmbersAffectors, ResetYSendsNewEmbersSidewaysAtTheirSpeed)
{
    Ogre::Particle& ember = particle(Ogre::Vector3(3, 4, 0));
    affector("ResetY")._initParticle(&ember);
    EXPECT_TRUE(ember.mDirection.positionEquals(Ogre::Vector3(5, 0, 0), 1e-5f));
}

TEST_F(LevelEmbersAffectors, DragTakesHalfTheSpeedPerSecond)
{
    Ogre::Particle& ember = particle(Ogre::Vector3(4, 0, -2));
    affector("drag")._affectParticles(system, 1.0f);
    EXPECT_TRUE(ember.mDirection.positionEquals(Ogre::Vector3(2, 0, -1), 1e-5f));
}

TEST_F(LevelEmbersAffectors, ScaleInterpolatorSwellsEmbersToTwiceTheirSizeAtMidLife)
{
    Ogre::Particle& young = particle(Ogre::Vector3::ZERO, 2.0f);
    Ogre::Particle& middle = particle(Ogre::Vector3::ZERO, 1.0f);
    affector("scaleInterpolator")._affectParticles(system, 0.1f);
    EXPECT_FLOAT_EQ(young.getOwnWidth(), 0.5f * 4.0f);
    EXPECT_FLOAT_EQ(middle.getOwnWidth(), 2.0f * 4.0f);
    EXPECT_FLOAT_EQ(middle.getOwnHeight(), 2.0f * 4.0f);
}

TEST_F(LevelEmbersAffectors, CameraSpeedLeavesTheRigMovementBehind)
{
    scene.game.cameraMovement = Ogre::Vector3(1, 2, 3);
    Ogre::Particle& ember = particle(Ogre::Vector3::ZERO);
    affector("cameraSpeed")._affectParticles(system, 0.1f);
    EXPECT_EQ(ember.mPosition, Ogre::Vector3(0, -1, -2));
    scene.game.cameraMovement = Ogre::Vector3::ZERO;
}
