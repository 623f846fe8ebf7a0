// The Level's services to enemies and waves: wave numbering, the end of an
// enemy's own shots, its life bar and the multiplier pop-up.
#include "play/Level.h"

#include "app/AudioService.h"
#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/NameNumber.h"
#include "play/playState.h"

#include <OgreSceneNode.h>

#include <algorithm>

std::int32_t Level::nextWaveNumber()
{
    std::int32_t highest = 0;
    if (state)
        for (const Wave* wave : state->waves)
            if (wave)
                highest = std::max(highest, nameNumber(wave->waveName));
    lastWaveNameCounter = highest + 1;
    return lastWaveNameCounter;
}

void Level::cancelShotsOfEnemy(const Enemy* enemy, const std::string& itemName)
{
    Game& game = *Game::getSingletonPtr();
    bool isAnyCancelled = false;
    for (const std::int32_t index : liveEnemyBullets) {
        bullet* record = game.enemyBullets[static_cast<std::size_t>(index)];
        // A gun's owner is the enemy that holds it in a weapon set; a shot
        // its gun made uncancellable outlives the enemy.
        if (!record || record->state != bullet::stateFlying || !record->isCancellable || !record->weapon || !enemy
            || record->weapon->templateObject != enemy)
            continue;
        record->die(false, true);
        isAnyCancelled = true;
        if (!itemName.empty())
            game.spawnItem(itemName, record->worldPosition());
    }
    if (isAnyCancelled)
        playSound(game.cancelSoundName, 0.0f, noSoundPosition, false);
}

