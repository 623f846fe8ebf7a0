#include "world/affectors/scaleInterpolationAffector.h"

#include "ParticleTestSystem.h"

#include <gtest/gtest.h>

namespace {

class ScaleInterpolation : public ::testing::Test {
protected:
    ParticleTestSystem particles;
    scaleInterpolationAffector scaler{particles.system};
};

} // namespace

TEST_F(ScaleInterpolation, InterpolatesBetweenThePoints)
{
    ASSERT_TRUE(scaler.setParameter("values", "0 1 0.5 2 1 0"));
    EXPECT_FLOAT_EQ(scaler.interpolate(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(scaler.interpolate(0.25f), 1.5f);
    EXPECT_FLOAT_EQ(scaler.interpolate(0.5f), 2.0f);
    EXPECT_FLOAT_EQ(scaler.interpolate(0.75f), 1.0f);
    EXPECT_FLOAT_EQ(scaler.interpolate(1.0f), 0.0f);
    EXPECT_FLOAT_EQ(scaler.interpolate(1.5f), 0.0f);
    EXPECT_FLOAT_EQ(scaler.interpolate(-0.5f), 1.0f);
}

TEST_F(ScaleInterpolation, ValuesTextKeepsWholePairsOnly)
{
    scaler.setParameter("values", "0 1 0.5");
    ASSERT_EQ(scaler.values.size(), 1u);
    EXPECT_EQ(scaler.values[0], std::make_pair(0.0f, 1.0f));

    scaler.setParameter("values", "0\t2   1 3");
    EXPECT_EQ(scaler.values.size(), 2u);
    EXPECT_FLOAT_EQ(scaler.interpolate(0.5f), 2.5f);

    scaler.setParameter("values", "");
    EXPECT_TRUE(scaler.values.empty());
    EXPECT_FLOAT_EQ(scaler.interpolate(0.3f), 1.0f);
}

TEST_F(ScaleInterpolation, ValuesReadBackWithATrailingBlank)
{
    EXPECT_EQ(scaler.getParameter("values"), "");
    scaler.setParameter("values", "0 1 1 0");
    EXPECT_EQ(scaler.getParameter("values"), "0 1 1 0 ");
    scaler.setParameter("values", "0.333333333 2.5");
    EXPECT_EQ(scaler.getParameter("values"), "0.333333 2.5 ");
}

TEST_F(ScaleInterpolation, RelativeSizeParameterReadsAndWrites)
{
    EXPECT_EQ(scaler.getParameter("relative_size"), "false");
    scaler.setParameter("relative_size", "true");
    EXPECT_TRUE(scaler.relativeSize);
    EXPECT_EQ(scaler.getParameter("relative_size"), "true");
    scaler.setParameter("relative_size", "maybe");
    EXPECT_FALSE(scaler.relativeSize);
}

TEST_F(ScaleInterpolation, SizesParticlesByTheirAgeWhenRelative)
{
    particles.system->setDefaultDimensions(10, 20);
    scaler.setParameter("values", "0 1 0.5 2 1 0");
    Ogre::Particle& young = particles.addParticle(Ogre::Vector3::ZERO, Ogre::Vector3::ZERO);
    Ogre::Particle& middle = particles.addParticle(Ogre::Vector3::ZERO, Ogre::Vector3::ZERO);
    middle.mTimeToLive = 3.0f; // a quarter of its life of 4 s

    scaler._affectParticles(particles.system, 0.016f);
    EXPECT_FALSE(young.hasOwnDimensions());

    scaler.relativeSize = true;
    scaler._affectParticles(particles.system, 0.016f);
    ASSERT_TRUE(young.hasOwnDimensions());
    EXPECT_FLOAT_EQ(young.getOwnWidth(), 10.0f);
    EXPECT_FLOAT_EQ(young.getOwnHeight(), 20.0f);
    EXPECT_FLOAT_EQ(middle.getOwnWidth(), 15.0f);
    EXPECT_FLOAT_EQ(middle.getOwnHeight(), 30.0f);
}

TEST_F(ScaleInterpolation, NegativeScalesGiveSizeZero)
{
    particles.system->setDefaultDimensions(10, 10);
    scaler.setParameter("values", "0 -2 1 -2");
    scaler.relativeSize = true;
    Ogre::Particle& particle = particles.addParticle(Ogre::Vector3::ZERO, Ogre::Vector3::ZERO);
    scaler._affectParticles(particles.system, 0.016f);
    EXPECT_FLOAT_EQ(particle.getOwnWidth(), 0.0f);
    EXPECT_FLOAT_EQ(particle.getOwnHeight(), 0.0f);
}
