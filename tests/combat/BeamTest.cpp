// Laser beams drawn by their gun: the strip's segments and tapered ends
// read back from its vertices, and the fade once firing stops.
#include "combat/GunScene.h"

#include <OgreHardwareBuffer.h>
#include <OgreManualObject.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double step = 1.0 / 60.0;

// The strip's vertex positions, in drawing order.
std::vector<Ogre::Vector3> stripPoints(const Ogre::ManualObject& strip)
{
    std::vector<Ogre::Vector3> points;
    if (strip.getSections().empty())
        return points;
    const Ogre::VertexData* data = strip.getSections().front()->getRenderOperation()->vertexData;
    const Ogre::VertexElement* element = data->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    const Ogre::HardwareVertexBufferSharedPtr buffer = data->vertexBufferBinding->getBuffer(element->getSource());
    Ogre::HardwareBufferLockGuard lock(buffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
    for (std::size_t i = 0; i < data->vertexCount; ++i) {
        float* position = nullptr;
        element->baseVertexPointerToElement(static_cast<unsigned char*>(lock.pData) + i * buffer->getVertexSize(),
                                            &position);
        points.emplace_back(position[0], position[1], position[2]);
    }
    return points;
}

class BeamTest : public ::testing::Test {
protected:
    BeamTest()
    {
        gun.isLaser = 1;
        gun.laserTexture = "beamTest.png";
        gun.createLaserEffects();
        gun.cycleState = Weapon::cycleShooting;
        gun.isFiring = 1;
    }
    ~BeamTest() override { gun.stopLasers(); }

    // A beam whose one record has flown to the point ahead of the gun.
    void fireTo(const Ogre::Vector3& ahead)
    {
        gun.fireLaser(Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z);
        ASSERT_EQ(gun.beams.size(), 1u);
        gun.beams.front()->node->setPosition(ahead);
    }

    GunScene scene;
    Weapon& gun = scene.gun;
};

TEST_F(BeamTest, TheStripHasASegmentPerUnitPlusEightNarrowsItsEndsAndReachesTheEndPoint)
{
    const Ogre::Vector3 gunAt = scene.owner->getPosition();
    gun.bulletScale = 0.5f;
    scene.owner->setScale(Ogre::Vector3(2.0f));
    // The full half-width: scale 0.5 x 3 x intensity 1 x the gun's world scale 2.
    const float full = 3.0f;
    // The record's place (before the owner's scale), the end point past it
    // or within a tenth of it, the beam's length and where the strip ends.
    struct Case {
        float recordAhead, endAhead, length, stripEnd;
    };
    for (const Case& c : {Case{0.0f, 0.0f, 0.0f, 0.0f}, Case{50.0f, 100.0f, 100.0f, 100.0f},
                          Case{40.5f, 81.05f, 81.0f, 81.0f}}) {
        fireTo(Ogre::Vector3(0.0f, 0.0f, -c.recordAhead));
        gun.laserIntensity = 1.0f;
        gun.laserEndPoint = gunAt + Ogre::Vector3(0.0f, 0.0f, -c.endAhead);
        gun.updateLasers(step);
        const std::vector<Ogre::Vector3> points = stripPoints(*gun.laserObject);
        const int segments = static_cast<int>(c.length) + 8;
        ASSERT_EQ(points.size(), 2u * (segments + 1)) << c.length;
        EXPECT_TRUE(((points[0] + points[1]) * 0.5f).positionEquals(gunAt, 1e-3f));
        EXPECT_TRUE(points.back().positionEquals(gunAt + Ogre::Vector3(0.0f, 0.0f, -c.stripEnd), 1e-3f));
        EXPECT_TRUE(gun.laserEndNode->getPosition().positionEquals(gun.laserEndPoint));
        gun.stopLasers();
        if (c.length == 0.0f)
            continue;
        // Half-widths of the pairs: the first four grow, the last ones shrink
        // to a point, the middle has the full width.
        const auto halfWidth = [&points](int pair) { return points[2 * pair].distance(points[2 * pair + 1]) * 0.5f; };
        const float startFactors[] = {0.104f, 0.42525f, 0.784f, 0.99275f};
        for (int pair = 0; pair < 4; ++pair)
            EXPECT_NEAR(halfWidth(pair), full * startFactors[pair], 1e-3f) << pair;
        const float endFactors[] = {1.0f, 1.0f, 0.84f, 0.56f, 0.0f};
        for (int back = 0; back < 5; ++back)
            EXPECT_NEAR(halfWidth(segments - 4 + back), full * endFactors[back], 1e-3f) << back;
        EXPECT_NEAR(halfWidth(segments / 2), full, 1e-3f);
        // Across the beam, in the play plane.
        EXPECT_NEAR(points[10].z, points[11].z, 1e-4f);
        EXPECT_NEAR(points[10].y, gunAt.y, 1e-4f);
    }
}

TEST_F(BeamTest, TheAimPointLiesAlongTheGunsAimOrWhenTheGameAsksAlongTheBeam)
{
    gun.aimDirection = Ogre::Vector3::UNIT_X;
    for (const bool isAlongBeam : {false, true}) {
        scene.game.isDefaultBulletGoalBulletDirection = isAlongBeam;
        fireTo(Ogre::Vector3::ZERO);
        // The owner stands at (2, 0, 3); the beam goes along -z.
        EXPECT_EQ(gun.beams.front()->aimPoint, isAlongBeam ? Ogre::Vector3(2, 0, -1997) : Ogre::Vector3(2002, 0, 3));
        gun.stopLasers();
    }
    scene.game.isDefaultBulletGoalBulletDirection = false;
}

TEST_F(BeamTest, AReleasedBeamFadesOutInAboutASixthOfASecondThenEnds)
{
    // A player gun that stops firing, and an enemy gun still shooting while
    // enemy fire is held.
    struct Case {
        bool isPlayer;
        bool stopsFiring;
        float firePause;
    };
    for (const Case& c : {Case{true, true, 0.0f}, Case{false, false, 1.0f}}) {
        gun.isPlayerWeapon = c.isPlayer;
        gun.cycleState = Weapon::cycleShooting;
        gun.isFiring = 1;
        scene.game.enemyFirePause = 0.0f;
        fireTo(Ogre::Vector3(0.0f, 0.0f, -20.0f));
        gun.laserEndPoint = gun.beams.front()->node->_getDerivedPosition();
        int growing = 0;
        while (gun.laserIntensity < 1.0f && growing < 60) {
            gun.updateLasers(step);
            ++growing;
        }
        EXPECT_EQ(growing, 9); // 7 a second
        if (c.stopsFiring) {
            gun.isFiring = 0;
            gun.cycleState = Weapon::cycleWaiting;
        }
        scene.game.enemyFirePause = c.firePause;
        int fading = 0;
        float last = gun.laserIntensity;
        while (!gun.beams.empty() && fading < 60) {
            last = gun.laserIntensity;
            gun.updateLasers(step);
            ++fading;
            if (c.stopsFiring && !gun.beams.empty()) {
                EXPECT_DOUBLE_EQ(gun.beams.front()->timeToLive, 0.15);
            }
        }
        // From 1.0 at 5.9 a second, below 0.1 after 0.153 s: the tenth step.
        EXPECT_EQ(fading, 10) << c.isPlayer;
        EXPECT_GE(last, 0.1f);
        EXPECT_EQ(gun.laserIntensity, 0.0f);
        EXPECT_EQ(gun.laserObject->getSections().size(), 0u);
        EXPECT_EQ(gun.laserEndNode->getScale(), Ogre::Vector3(0.001f));
        EXPECT_FALSE(gun.laserEndParticles && gun.laserEndParticles->getEmitting());
    }
}

} // namespace
