// Building the enemies' looks when play starts, and putting the effects on
// their render layers.
#include "play/playState.h"

#include "app/TextUtils.h"
#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/Level.h"
#include "platform/TerminationSignals.h"
#include "world/sfx.h"

namespace {

// Member 0 is the template the spawner copies; a wave without members has
// nothing to build from and is left as it is.
void buildWave(Wave& wave)
{
    if (wave.members.empty() || !wave.members.front())
        return;
    if (!wave.isDisabled) {
        wave.updateMemberTransforms();
        wave.members.front()->createVisuals();
        if (wave.spawner)
            wave.spawner->buildEnemies();
    }
    for (Enemy* member : wave.members)
        if (member)
            member->detachWeaponNodes();
    for (std::size_t i = 1; i < wave.members.size(); ++i)
        if (Enemy* member = wave.members[i]; member && member->visualsBuiltHook)
            member->visualsBuiltHook(*member);
}

} // namespace

void playState::buildEnemyVisuals()
{
    // A quit signal ends the build: the program is closing.
    for (Wave* wave : waves)
        if (wave && !platform::terminationRequested())
            buildWave(*wave);
    pumpWindowsMessages();
}

void playState::refreshEntityValues()
{
    const Level* level = Game::getSingletonPtr()->level;
    if (!level)
        return;
    for (sfx* effect : sfxList)
        if (effect)
            effect->setLayer(static_cast<std::uint8_t>(level->getLayerIndex(static_cast<std::int32_t>(effect->layerId))));
}
