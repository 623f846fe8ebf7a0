// The lists the play state rebuilds every frame for the collision steps, and
// the small per-frame loops over effects and waves.
#include "play/playState.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/background.h"
#include "world/sfx.h"

#include <OgreCamera.h>
#include <OgreMovableObject.h>
#include <OgreSceneNode.h>

#include <limits>

void playState::collectActiveEnemies()
{
    onScreenEnemies.clear();
    activeEnemies.clear();
    for (Wave* wave : waves) {
        if (wave->status != Wave::statusRunning || wave->isDisabled)
            continue;
        for (Enemy* member : wave->members) {
            if (!member || member->status != Enemy::statusAlive)
                continue;
            activeEnemies.push_back(member);
            if (member->isOnScreen)
                onScreenEnemies.push_back(member);
        }
    }
}

namespace {

bool hasScrollingLayer(Level* level, const background& entry)
{
    if (!level)
        return false;
    const levelLayer* layer = level->getLayer(static_cast<std::int32_t>(entry.layerId));
    return layer && layer->Y != 0.0f;
}

bool isSeen(const Ogre::Camera* camera, const background& entry)
{
    return camera && entry.movableObject && entry.movableObject->isAttached()
           && camera->isVisible(entry.movableObject->getWorldBoundingBox(true));
}

} // namespace

void playState::updateBackgroundVisibility()
{
    for (background* entry : levelEntities) {
        if (entry->sceneNode && hasScrollingLayer(level, *entry))
            entry->savedPosition = entry->sceneNode->_getDerivedPosition();
        entry->isOnScreen = isSeen(playCamera, *entry) ? 1 : 0;
    }
}

void playState::collectVisibleBackgrounds()
{
    visibleBackgrounds.clear();
    for (background* entry : levelEntities)
        if (entry->isOnScreen)
            visibleBackgrounds.push_back(entry);
}

Enemy* playState::findNearestEnemy(const std::vector<Enemy*>& list, const Ogre::Vector3& point)
{
    Enemy* nearest = nullptr;
    float best = std::numeric_limits<float>::max();
    for (Enemy* enemy : list) {
        if (enemy->status != Enemy::statusAlive || enemy->isHidden || enemy->outlines.empty() || !enemy->sceneNode)
            continue;
        const float distance = point.squaredDistance(enemy->sceneNode->_getDerivedPosition());
        if (distance <= best) {
            best = distance;
            nearest = enemy;
        }
    }
    return nearest;
}

void playState::updateSfx(double dt)
{
    for (sfx* effect : sfxList)
        effect->update(dt);
}

void playState::updateWaves(double dt)
{
    for (Wave* wave : waves)
        wave->update(dt);
    countWaves();
}

// The all-waves-finished triggers compare the two counts; they are taken
// again whenever the waves change, so no trigger test ever sees the counts
// of a level played before.
void playState::countWaves()
{
    int finished = 0;
    for (const Wave* wave : waves)
        if (wave->status == Wave::statusFinished || wave->status == Wave::statusFinishedWithIdleMember)
            ++finished;
    Game& game = *Game::getSingletonPtr();
    game.waveCount = static_cast<int>(waves.size());
    game.finishedWaveCount = finished;
}
