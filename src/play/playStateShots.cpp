// The play state's fixed steps of the shots in flight.
#include "play/playState.h"

#include "combat/ShotStep.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/Level.h"

namespace {

using LiveShot = std::list<std::int32_t>::const_iterator;

constexpr std::ptrdiff_t cacheLineBytes = 64;
// The part of an Ogre node a step reads and writes: from its start to the
// end of its scale.
constexpr std::ptrdiff_t nodeBytesStepped = 168;

void prefetch(const void* start, std::ptrdiff_t bytes)
{
    const char* first = static_cast<const char*>(start);
    for (std::ptrdiff_t at = 0; at < bytes; at += cacheLineBytes)
        __builtin_prefetch(first + at);
    __builtin_prefetch(first + bytes - 1);
}

// Records and nodes lie far apart in memory, and a step touches each once:
// the record after next and the next record's node are fetched into the
// cache while this record steps. The step reads the record's first fields,
// up to its ribbon trail.
template <std::size_t Count>
void fetchAhead(const std::list<std::int32_t>& live, LiveShot next, const std::array<bullet*, Count>& records)
{
    if (next == live.end())
        return;
    prefetch(records[static_cast<std::size_t>(*next)]->node, nodeBytesStepped);
    const LiveShot afterNext = std::next(next);
    if (afterNext == live.end())
        return;
    const bullet* coming = records[static_cast<std::size_t>(*afterNext)];
    prefetch(coming, reinterpret_cast<const char*>(&coming->ribbonTrail + 1) - reinterpret_cast<const char*>(coming));
}

template <std::size_t Count>
void stepLiveShots(std::list<std::int32_t>& live, const std::array<bullet*, Count>& records, double dt,
                   const Ogre::Vector3& target)
{
    ShotStep shots(target);
    for (auto it = live.begin(); it != live.end();) {
        bullet* record = records[static_cast<std::size_t>(*it)];
        const auto next = std::next(it);
        fetchAhead(live, next, records);
        // Each record gets the whole step: a flight may shorten its own.
        double step = dt;
        shots.advance(*record, step);
        it = record->state == bullet::stateFree ? live.erase(it) : next;
    }
}

} // namespace

void playState::updateEnemyBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    if (game.level)
        stepLiveShots(game.level->liveEnemyBullets, game.enemyBullets, dt, target);
}

void playState::updatePlayerBullets(double dt, const Ogre::Vector3& target)
{
    Game& game = *Game::getSingletonPtr();
    if (game.level)
        stepLiveShots(game.level->livePlayerBullets, game.playerBullets, dt, target);
}
