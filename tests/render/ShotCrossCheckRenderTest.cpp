// A randomized but repeatable cross-check of the shot steps: the sample
// game's busiest level played through the manager for 480 drawn frames of
// 1/60 s, the gun held, the ship steered at random, a bomb set off, and
// volleys of shots launched between frames at random places, headings,
// speeds and steering modes, some at enemies or at the ship, some piercing
// or destroyable. Each frame's line must match the run recorded in
// tests/data/shot_cross_check_golden.txt, whose first line names the
// columns; the first frame that differs is named.
// ZARNITH_RECORD_CROSS_CHECK=1 writes that file from the run instead.
#include "support/KeyboardHands.h"
#include "support/SampleLevelPlay.h"
#include "support/ShotLaunchAids.h"

#include "combat/Player.h"
#include "combat/ShotLaunches.h"
#include "combat/bullet.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "platform/Random.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <vector>

namespace {

constexpr double crossCheckStep = 1.0 / 60.0;
constexpr unsigned crossCheckSeed = 1234567;
// A volley every tenth of a second; the arrow held (or none) changes every
// third of a second; the bomb goes off after the ship's invincibility at
// the start.
constexpr int crossCheckFrames = 480, volleyEvery = 6, steerEvery = 20, bombFrame = 400;
constexpr std::array<int, 4> steeringArrows{OIS::KC_LEFT, OIS::KC_RIGHT, OIS::KC_UP, OIS::KC_DOWN};
// Fewer than so many shots a side in a volley. One in so many: enemy shots
// at the ship, destroyable enemy shots, piercing player shots, player
// shots at an enemy on screen.
constexpr unsigned mostEnemyShots = 40, mostPlayerShots = 24, mostShotHitPoints = 3, volleySteeringModes = 7;
constexpr unsigned aimedAtShipOneIn = 4, destroyableOneIn = 4, piercingOneIn = 8, atEnemyOneIn = 2;
// A shot lives one to four seconds, flies at half to one and a half times
// its gun's speed and turns by up to a quarter turn either way.
constexpr float shortestShotLife = 1.0f, shotLifeSpread = 3.0f, leastSpeedShare = 0.5f, shotTurnSpread = 180.0f;
constexpr float volleyFarAhead = 1000.0f;
constexpr std::uint64_t fnvOffsetBasis = 14695981039346656037ull, fnvPrime = 1099511628211ull;
const char* const crossCheckColumns =
    "# frame enemyShotEnds playerShotEnds enemiesHit damage kills score life lives bombs mode digest";

class ShotCrossCheck : public SampleLevelPlay {
protected:
    const char* levelName() const override { return "Level02"; }

    void SetUp() override
    {
        SampleLevelPlay::SetUp();
        if (IsSkipped())
            return;
        // Entering seeds the game's generator from the clock and draws from
        // it (a spawner lays its copies out at random): the level restarts
        // from the test's seed, as the pause menu's restart does.
        platform::seedRandom(crossCheckSeed);
        play.startLevel();
        hands = std::make_unique<KeyboardHands>(game.keyboard);
        enemyGun = shotlaunchaids::firstEnemyGun(play.waves);
        playerGun = shotlaunchaids::firstShotGun(play.player->weaponSets);
    }

    // 0 to 1 in steps of 2^-24, which a float holds exactly.
    float unit() { return std::ldexp(static_cast<float>(engine() >> 8), -24); }
    unsigned below(std::size_t count) { return engine() % static_cast<unsigned>(count); }

    Ogre::Vector3 randomPointInView()
    {
        const float x = unit(), y = unit();
        return shotlaunchaids::pointInView(*play.playCamera, x, y, playerPosition(*play.player).y);
    }

    // A shot of the gun's look from the point towards the other, in the world
    // (the ship's gun fires under the camera rig), flying at random around its gun's.
    void launch(ShotLaunches& launches, Weapon& gun, const Ogre::Vector3& at, const Ogre::Vector3& toward)
    {
        bullet* shot = play.level->takeBullet(&gun == playerGun);
        if (!shot)
            return;
        Ogre::Vector3 heading = Ogre::Vector3(toward.x - at.x, 0.0f, toward.z - at.z).normalisedCopy();
        shot->velocity = heading;
        shot->aimPoint = toward;
        shot->speed = gun.currentSpeed * (leastSpeedShare + unit());
        shot->timeToLive = shortestShotLife + shotLifeSpread * unit();
        shot->damage = gun.damage;
        shot->aimSpeed = gun.aimSpeed;
        shot->changeDirectionType = static_cast<std::int32_t>(below(volleySteeringModes));
        shot->changeDirectionStartTime = unit();
        shot->changeDirectionDuration = leastSpeedShare + unit();
        shot->changeDirectionAngle = shotTurnSpread * (unit() - 0.5f);
        shot->isPlayerBullet = &gun == playerGun;
        shot->isInvincible = shot->isPlayerBullet && below(piercingOneIn) == 0;
        shot->isDestructible = !shot->isPlayerBullet && below(destroyableOneIn) == 0;
        shot->hitPoints = static_cast<std::int32_t>(1 + below(mostShotHitPoints));
        launches.launch(*shot, &gun, at, gun.bulletScale, heading, play.sceneManager->getRootSceneNode(),
                        gun.bulletDefinition);
    }

    void launchVolley()
    {
        ShotLaunches launches;
        for (unsigned n = below(mostEnemyShots); n > 0; --n) {
            const Ogre::Vector3 at = randomPointInView();
            const float turn = Ogre::Math::TWO_PI * unit();
            const Ogre::Vector3 away = at + Ogre::Vector3(std::cos(turn), 0.0f, std::sin(turn));
            launch(launches, *enemyGun, at, below(aimedAtShipOneIn) == 0 ? playerPosition(*play.player) : away);
        }
        const std::vector<Enemy*>& enemies = play.onScreenEnemies;
        for (unsigned n = below(mostPlayerShots); n > 0; --n) {
            const Ogre::Vector3 at = randomPointInView();
            Ogre::Vector3 toward = at + play.playCamera->getDerivedUp() * volleyFarAhead;
            if (!enemies.empty() && below(atEnemyOneIn) == 0)
                toward = enemies[below(enemies.size())]->sceneNode->_getDerivedPosition();
            launch(launches, *playerGun, at, toward);
        }
    }

    // One turn of the main loop, prepared by the player's hands.
    void playFrame(int frame)
    {
        hands->hold(game.shootButton[0], play.player->status == Player::statusPlaying);
        hands->hold(game.shootButton[static_cast<std::size_t>(game.smartBombButton)], frame == bombFrame);
        arrow = frame % steerEvery == 0 ? below(steeringArrows.size() + 1) : arrow;
        for (std::size_t key = 0; key < steeringArrows.size(); ++key)
            hands->hold(steeringArrows[key], key == arrow);
        if (frame % volleyEvery == 0)
            launchVolley();
        manager->update(crossCheckStep);
        scene->renderFrame();
    }

    // The pool's records that ended in the frame (flying before and no longer,
    // or launched and dying), added to the FNV-1a digest of (pool, record, frame).
    template <std::size_t Count>
    int shotEnds(const std::array<bullet*, Count>& records, std::vector<std::int32_t>& before, std::uint32_t pool,
                 int frame)
    {
        before.resize(Count, bullet::stateFree);
        int ends = 0;
        for (std::size_t i = 0; i < Count; ++i) {
            const std::int32_t was = before[i], now = records[i] ? records[i]->state : bullet::stateFree;
            before[i] = now;
            const bool launchedDying = was == bullet::stateFree && now == bullet::stateDying;
            if (now == bullet::stateFlying || (was != bullet::stateFlying && !launchedDying))
                continue;
            ++ends;
            for (std::uint32_t word : {pool, static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(frame)})
                for (int byte = 0; byte < 4; ++byte, word >>= 8)
                    digest = (digest ^ (word & 0xFFu)) * fnvPrime;
        }
        return ends;
    }

    // What the frame did and where play stands after it, as a line of the record.
    std::string tally(int frame)
    {
        const int enemyEnds = shotEnds(game.enemyBullets, enemyStates, bullet::enemyPool, frame);
        const int playerEnds = shotEnds(game.playerBullets, playerStates, bullet::playerPool, frame);
        int hit = 0, damage = 0;
        for (const Wave* wave : play.waves)
            for (const Enemy* member : wave->members) {
                std::int32_t& left = enemyLives.emplace(member, member->currentLife).first->second;
                hit += member->currentLife < left;
                damage += std::max(left - member->currentLife, 0);
                left = member->currentLife;
            }
        enemyShotEnds += enemyEnds;
        playerShotEnds += playerEnds;
        enemiesHit += hit;
        lifeLost += game.currentLife < life;
        bombsUsed += game.currentBombs < bombs;
        life = game.currentLife;
        bombs = game.currentBombs;
        char line[160];
        std::snprintf(line, sizeof line, "%d %d %d %d %d %d %lld %d %d %d %d %016llx\n", frame, enemyEnds, playerEnds,
                      hit, damage, game.killedEnemyTotal, static_cast<long long>(game.totalScore), game.currentLife,
                      game.currentLives, game.currentBombs, game.gameMode, static_cast<unsigned long long>(digest));
        return line;
    }

    std::mt19937 engine{crossCheckSeed};
    std::unique_ptr<KeyboardHands> hands;
    Weapon *enemyGun = nullptr, *playerGun = nullptr;
    std::vector<std::int32_t> enemyStates, playerStates;
    std::map<const Enemy*, std::int32_t> enemyLives;
    std::uint64_t digest = fnvOffsetBasis;
    std::size_t arrow = steeringArrows.size();
    int life = 0, bombs = 0, enemyShotEnds = 0, playerShotEnds = 0, enemiesHit = 0, lifeLost = 0, bombsUsed = 0;
};

TEST_F(ShotCrossCheck, ManyShotsPlayAsRecorded)
{
    ASSERT_TRUE(hands->ready() && enemyGun && playerGun);
    std::string run = std::string(crossCheckColumns) + "\n";
    for (int frame = 0; frame < crossCheckFrames; ++frame) {
        playFrame(frame);
        run += tally(frame);
    }
    // Something to check: shots of both sides ended, enemies hit and killed
    // (from none in the new game), points scored, the ship hit, the bomb used.
    EXPECT_TRUE(enemyShotEnds && playerShotEnds && enemiesHit && game.killedEnemyTotal && game.totalScore
                && lifeLost && bombsUsed)
        << "shot ends " << enemyShotEnds << " enemy, " << playerShotEnds << " player; enemies hit " << enemiesHit
        << "; kills " << game.killedEnemyTotal << "; score " << game.totalScore << "; the ship hit " << lifeLost
        << " times; bombs used " << bombsUsed;

    const std::string golden = std::string(ZARNITH_TEST_DATA_DIR) + "/shot_cross_check_golden.txt";
    if (std::getenv("ZARNITH_RECORD_CROSS_CHECK")) {
        ASSERT_TRUE(std::ofstream(golden) << run) << "cannot write " << golden;
        return;
    }
    std::ifstream recorded(golden);
    std::istringstream played(run);
    std::string was, now;
    ASSERT_TRUE(std::getline(recorded, was) && std::getline(played, now) && now == was) << "no record of these columns in " << golden;
    for (int frame = 0; std::getline(recorded, was) && std::getline(played, now); ++frame)
        ASSERT_EQ(now, was) << "frame " << frame << " differs from the record; the columns:\n" << crossCheckColumns;
    EXPECT_TRUE(recorded.eof() && !std::getline(played, now)) << "the run and the record differ in length";
}

} // namespace
