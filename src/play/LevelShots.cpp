// The Level's side of the shot pools: the records are the Game's, made and
// freed with the level; the Level hands them out from its free stacks, keeps
// the live ones in firing order and takes them all back at a reset, when
// every shot's death effect stops.
#include "play/Level.h"

#include "combat/ShotDeathEffects.h"
#include "combat/bullet.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"

#include <OgreSceneNode.h>

#include <limits>
#include <unordered_set>

namespace {

using NodeSet = std::unordered_set<const Ogre::Node*>;

// Ogre takes a child out by moving its parent's last child into its place,
// and finds a child given by pointer by searching from the front: taken out
// one by one, the shots of a full pool cost a search over all the parent's
// children each. Walked from the back and taken out by place, every child is
// looked at once; the ones behind the walk are kept ones, whatever moves.
void detachChildren(Ogre::Node& parent, const NodeSet& nodes)
{
    const Ogre::Node::ChildNodeMap& children = parent.getChildren();
    for (std::size_t i = children.size(); i-- > 0;) {
        if (!nodes.count(children[i]))
            continue;
        if (i <= std::numeric_limits<unsigned short>::max())
            parent.removeChild(static_cast<unsigned short>(i));
        else
            parent.removeChild(children[i]);
    }
}

// Every record's node out of the scene, each parent's children walked once.
template <std::size_t Count>
void detachNodes(const std::array<bullet*, Count>& records)
{
    NodeSet nodes;
    nodes.reserve(Count);
    std::unordered_set<Ogre::Node*> parents;
    for (const bullet* record : records) {
        if (!record || !record->node || !record->node->getParent())
            continue;
        nodes.insert(record->node);
        parents.insert(record->node->getParent());
    }
    for (Ogre::Node* parent : parents)
        detachChildren(*parent, nodes);
}

// A record back to free: no flight state, no trail, its node hidden.
void clearRecord(bullet& record)
{
    record.resetState();
    record.destroyParticles();
    record.destroyRibbonTrail();
    record.isRibbonCounted = 0;
    record.impactPlayTime = 0.0;
    if (record.node)
        record.node->setVisible(false, true);
}

// Pushed from 0 upward, so the highest index is taken first.
template <std::size_t Count>
void refill(std::vector<std::int32_t>& free, ShotList& live, std::array<bullet*, Count>& records)
{
    detachNodes(records);
    free.clear();
    live.reset(Count);
    free.reserve(Count);
    for (std::size_t i = 0; i < Count; ++i) {
        free.push_back(static_cast<std::int32_t>(i));
        if (records[i])
            clearRecord(*records[i]);
    }
}

} // namespace

void Level::releaseShotPools()
{
    if (bulletBatch) {
        bulletBatch->destroyAll();
        delete bulletBatch;
        bulletBatch = nullptr;
    }
    // Out of the scene in one walk first: the records then destroy their
    // nodes without searching their parents' children for them.
    Game& game = *Game::getSingletonPtr();
    detachNodes(game.enemyBullets);
    detachNodes(game.playerBullets);
    game.destroyBulletPools();
    freeEnemyBullets.clear();
    freePlayerBullets.clear();
    liveEnemyBullets.clear();
    livePlayerBullets.clear();
    secondEnemyBullets.clear();
    secondPlayerBullets.clear();
    trailParticleCount = ribbonTrailCount = 0;
}

bullet* Level::takeBullet(bool isPlayerPool)
{
    std::vector<std::int32_t>& free = isPlayerPool ? freePlayerBullets : freeEnemyBullets;
    if (free.empty())
        return nullptr;
    Game& game = *Game::getSingletonPtr();
    const std::int32_t index = free.back();
    bullet* record = isPlayerPool ? game.playerBullets[index] : game.enemyBullets[index];
    if (!record)
        return nullptr;
    free.pop_back();
    (isPlayerPool ? livePlayerBullets : liveEnemyBullets).push_back(index);
    ++shotCount;
    return record;
}

void Level::resetShotPools()
{
    Game& game = *Game::getSingletonPtr();
    refill(freeEnemyBullets, liveEnemyBullets, game.enemyBullets);
    refill(freePlayerBullets, livePlayerBullets, game.playerBullets);
    shotDeathEffects->reset(game.sceneManager, game.cancelSfxName);
    trailParticleCount = ribbonTrailCount = 0;
}
