// The enemy-visual pass when play starts, on a small level: an enabled wave
// gets its spawner's copies and a disabled one none, and the guns of every
// member of both are off the scene until the member is shown.
#include "combat/WaveScene.h"

#include "combat/Weapon.h"

#include <OgreSceneNode.h>

namespace wavetest {
namespace {

using EnemyVisuals = WaveTest;

TEST_F(EnemyVisuals, EnabledWavesGetTheirCopiesAndNoMemberKeepsItsGunsInTheScene)
{
    Enemy armed;
    armed.weaponSets.push_back({new Weapon()});
    Wave& enabled = addWave(3, inView());
    Wave& disabled = addWave(2, inView());
    disabled.isDisabled = 1;
    int copiesBuilt = 0;
    for (Wave* wave : {&enabled, &disabled}) {
        wave->members.front()->setupFromDefinition(armed, false);
        wave->members.front()->visualsBuiltHook = [&copiesBuilt](Enemy&) { ++copiesBuilt; };
        ASSERT_NE(wave->members.front()->weaponSets[0][0]->sceneNode->getParent(), nullptr);
    }

    state.buildEnemyVisuals();

    EXPECT_EQ(enabled.members.size(), 3u);
    EXPECT_EQ(disabled.members.size(), 1u);
    EXPECT_EQ(copiesBuilt, 2);
    for (const Wave* wave : {&enabled, &disabled})
        for (const Enemy* member : wave->members) {
            ASSERT_EQ(member->weaponSets.size(), 1u);
            EXPECT_EQ(member->weaponSets[0][0]->sceneNode->getParent(), nullptr) << wave->waveName;
        }
}

} // namespace
} // namespace wavetest
