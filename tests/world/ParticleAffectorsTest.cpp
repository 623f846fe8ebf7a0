#include "world/affectors/ParticleAffectors.h"
#include "world/affectors/cameraSpeedAffector.h"
#include "world/affectors/dragAffector.h"
#include "world/affectors/noYAffector.h"
#include "world/affectors/scaleInterpolationAffector.h"

#include "ParticleTestSystem.h"
#include "core/Game.h"

#include <OgreDataStream.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>

#include <gtest/gtest.h>

namespace {

// The factories stay registered with the shared root for the rest of the run.
void registerAffectorFactoriesOnce()
{
    sharedTestRoot();
    static const bool registered = (createParticleAffectorFactories(), true);
    (void)registered;
}

} // namespace

TEST(ParticleAffectors, DragHalvesOrStopsParticles)
{
    ParticleTestSystem particles;
    Ogre::Particle& moving = particles.addParticle(Ogre::Vector3::ZERO, {4, 0, -2});
    dragAffector drag(particles.system);
    ASSERT_TRUE(drag.setParameter("intensity", "2"));
    EXPECT_FLOAT_EQ(drag.intensity, 2.0f);

    drag._affectParticles(particles.system, 0.25f);
    EXPECT_EQ(moving.mDirection, Ogre::Vector3(2, 0, -1));

    drag._affectParticles(particles.system, 0.6f);
    EXPECT_EQ(moving.mDirection, Ogre::Vector3::ZERO);
}

TEST(ParticleAffectors, DragNeverSpeedsParticlesUp)
{
    ParticleTestSystem particles;
    Ogre::Particle& moving = particles.addParticle(Ogre::Vector3::ZERO, {1, 2, 3});
    dragAffector drag(particles.system);
    drag.setParameter("intensity", "-3");
    drag._affectParticles(particles.system, 0.5f);
    EXPECT_EQ(moving.mDirection, Ogre::Vector3(1, 2, 3));
}

TEST(ParticleAffectors, DragIntensityParameterReadsAndWrites)
{
    ParticleTestSystem particles;
    dragAffector drag(particles.system);
    EXPECT_EQ(drag.getParameter("intensity"), "0");
    drag.setParameter("intensity", "0.125");
    EXPECT_EQ(drag.getParameter("intensity"), "0.125");
    drag.setParameter("intensity", "1.23456789");
    EXPECT_EQ(drag.getParameter("intensity"), "1.23457");
    drag.setParameter("intensity", "strong");
    EXPECT_FLOAT_EQ(drag.intensity, 0.0f);
    drag.setParameter("intensity", "nan");
    EXPECT_FLOAT_EQ(drag.intensity, 0.0f);
}

TEST(ParticleAffectors, NoYFlattensNewParticlesKeepingTheirSpeed)
{
    ParticleTestSystem particles;
    noYAffector flatten(particles.system);
    Ogre::Particle& slanted = particles.addParticle(Ogre::Vector3::ZERO, {3, 4, 0});
    Ogre::Particle& upward = particles.addParticle(Ogre::Vector3::ZERO, {0, 2, 0});
    Ogre::Particle& flat = particles.addParticle(Ogre::Vector3::ZERO, {0, 0, -7});

    flatten._initParticle(&slanted);
    flatten._initParticle(&upward);
    flatten._initParticle(&flat);

    EXPECT_TRUE(slanted.mDirection.positionEquals({5, 0, 0}, 1e-5f));
    EXPECT_EQ(upward.mDirection, Ogre::Vector3::ZERO);
    EXPECT_TRUE(flat.mDirection.positionEquals({0, 0, -7}, 1e-5f));
}

TEST(ParticleAffectors, CameraSpeedMovesParticlesBackByTheRigMovement)
{
    Game& game = Game::getSingleton();
    const Ogre::Vector3 savedMovement = game.cameraMovement;
    game.cameraMovement = {1, 0, -2};

    ParticleTestSystem particles;
    Ogre::Particle& particle = particles.addParticle({10, 0, 5}, Ogre::Vector3::ZERO);
    cameraSpeedAffector compensate(particles.system);
    compensate._affectParticles(particles.system, 0.0f);
    EXPECT_EQ(particle.mPosition, Ogre::Vector3(10, 0, 5));
    compensate._affectParticles(particles.system, 0.016f);
    EXPECT_EQ(particle.mPosition, Ogre::Vector3(9, 0, 7));

    game.cameraMovement = savedMovement;
}

TEST(ParticleAffectors, FactoriesMakeAffectorsOfTheirType)
{
    registerAffectorFactoriesOnce();
    ParticleTestSystem particles;
    const char* const types[] = {"cameraSpeed", "ResetY", "drag", "scaleInterpolator"};
    for (const char* type : types)
        EXPECT_EQ(particles.system->addAffector(type)->getType(), type);
    ASSERT_EQ(particles.system->getNumAffectors(), 4u);
    EXPECT_NE(dynamic_cast<dragAffector*>(particles.system->getAffector(2)), nullptr);
    EXPECT_NE(dynamic_cast<scaleInterpolationAffector*>(particles.system->getAffector(3)), nullptr);
    particles.system->removeAllAffectors();
}

TEST(ParticleAffectors, ScriptUsingTheFourTypesParses)
{
    registerAffectorFactoriesOnce();
    const std::string script =
        "particle_system ZnAffectorScriptTest\n"
        "{\n"
        "    quota 20\n"
        "    affector cameraSpeed\n    {\n    }\n"
        "    affector ResetY\n    {\n    }\n"
        "    affector scaleInterpolator\n    {\n"
        "        relative_size true\n"
        "        values 0 1 0.5 2 1 0\n"
        "    }\n"
        "    affector drag\n    {\n        intensity 2.5\n    }\n"
        "}\n";
    Ogre::DataStreamPtr stream(
        new Ogre::MemoryDataStream("affectors.particle", const_cast<char*>(script.data()), script.size()));
    auto& manager = Ogre::ParticleSystemManager::getSingleton();
    manager.parseScript(stream, Ogre::RGN_DEFAULT);

    Ogre::ParticleSystem* parsed = manager.getTemplate("ZnAffectorScriptTest");
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(parsed->getNumAffectors(), 4u);
    EXPECT_EQ(parsed->getAffector(0)->getType(), "cameraSpeed");
    EXPECT_EQ(parsed->getAffector(1)->getType(), "ResetY");
    EXPECT_EQ(parsed->getAffector(2)->getParameter("relative_size"), "true");
    EXPECT_EQ(parsed->getAffector(2)->getParameter("values"), "0 1 0.5 2 1 0 ");
    EXPECT_EQ(parsed->getAffector(3)->getParameter("intensity"), "2.5");
    manager.removeTemplate("ZnAffectorScriptTest");
}
