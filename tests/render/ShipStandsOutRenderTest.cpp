// The sample's ship stands out in every level: once it is in play, its hull
// on screen differs plainly in colour from what lies around it, whatever the
// level's sky, light and post effects.
#include "support/RenderColours.h"
#include "support/SampleLevelPlay.h"

#include "app/CameraProjection.h"
#include "combat/Player.h"

#include <OgreSceneNode.h>

namespace {

// Points of the hull in the ship's own space, clear of the canopy, the
// engine and the rotors: the wings' middles and the back of the fuselage.
const Ogre::Vector3 hullPoints[] = {{-1.6f, 0.2f, 0.0f}, {1.6f, 0.2f, 0.0f}, {0.0f, 0.3f, 0.8f}};
// The ship's surroundings: a ring about it, beyond its wings.
constexpr float ringRadius = 9.0f;
constexpr int ringPoints = 12;
// Hull and surroundings at least this far apart in colour.
constexpr float standsOut = 0.3f;

class ShipStandsOut : public SampleLevelPlay, public ::testing::WithParamInterface<const char*> {
protected:
    const char* levelName() const override { return GetParam(); }

    Ogre::ColourValue meanOnScreen(const std::vector<Ogre::Vector3>& local) const
    {
        const Ogre::SceneNode& node = *play.player->sceneNode;
        Ogre::ColourValue sum(0.0f, 0.0f, 0.0f);
        for (const Ogre::Vector3& point : local) {
            Ogre::Vector2 screen;
            worldToScreen(screen, node._getDerivedPosition() + node._getDerivedOrientation() * point,
                          *play.player->camera);
            sum += scene->colourOnScreen(screen.x, screen.y);
        }
        return sum / static_cast<float>(local.size());
    }
};

TEST_P(ShipStandsOut, FromWhatLiesAroundIt)
{
    // The intro flight over and its blinking done.
    ASSERT_TRUE(runUntil([&] {
        const Player* ship = play.player;
        return ship && ship->sceneNode && ship->camera && ship->status == Player::statusPlaying
               && ship->invincibilityTime <= 0.0f;
    }));
    std::vector<Ogre::Vector3> ring;
    for (int i = 0; i < ringPoints; ++i) {
        const Ogre::Radian angle(Ogre::Math::TWO_PI * static_cast<float>(i) / ringPoints);
        ring.emplace_back(ringRadius * Ogre::Math::Cos(angle), 0.0f, ringRadius * Ogre::Math::Sin(angle));
    }
    const Ogre::ColourValue hull = meanOnScreen({std::begin(hullPoints), std::end(hullPoints)});
    const Ogre::ColourValue around = meanOnScreen(ring);
    scene->keepFrame(std::string("ship-") + GetParam());
    EXPECT_GT(colourDistance(hull, around), standsOut) << "hull " << hull << ", around it " << around;
}

INSTANTIATE_TEST_SUITE_P(SampleLevels, ShipStandsOut, ::testing::Values("Level01", "Level02", "Level03"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
