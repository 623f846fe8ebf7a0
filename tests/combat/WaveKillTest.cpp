// What a wave gives for a kill: points by the chain and kill-factor rules and
// the gauge unless its score is suppressed, and the items of each copy or of
// the destroyed group, after which the group is killed; a group that ends
// enemy fire on its death cancels every enemy shot.
#include "combat/ShotFlightScene.h"
#include "combat/WaveScene.h"

#include <functional>

namespace wavetest {
namespace {

using WaveKill = WaveTest;

TEST_F(WaveKill, ScoresEachKillByTheScoringRules)
{
    struct Case {
        const char* name;
        std::function<void(Game&, Wave&, Wave& parent)> setUp;
        std::int64_t points;
    };
    const std::vector<Case> cases{
        {"plain", [](Game&, Wave&, Wave&) {}, 10},
        {"score suppressed", [](Game&, Wave& w, Wave&) { w.suppressScoreRecursive(); }, 0},
        {"parent kills its children and is not running",
         [](Game&, Wave& w, Wave& parent) {
             parent.killChildren = 1;
             parent.status = Wave::statusKilling;
             w.parentObject = &parent;
         },
         0},
        {"parent kills its children and runs",
         [](Game&, Wave& w, Wave& parent) {
             parent.killChildren = 1;
             parent.status = Wave::statusRunning;
             w.parentObject = &parent;
         },
         10},
        {"chain of one kill: twice the points at twice the multiplier",
         [](Game& g, Wave&, Wave&) {
             g.isChaining = true;
             g.chainTimer = 1.0f;
             g.timeBetweenChains = 1.0f;
             g.maxChains = 10;
             g.chainAddedPoints = 1.0;
             g.maxMultiplier = 10.0;
         },
         40},
        {"kill factor 2",
         [](Game& g, Wave&, Wave&) {
             g.isKillFactor = true;
             g.killFactor = 2.0;
         },
         20},
        {"total chaining counts every kill so far",
         [](Game& g, Wave&, Wave&) {
             g.isChaining = g.isEnemiesTotalChaining = true;
             g.killScore = 30;
             g.timeBetweenChains = 0.0f;
             g.chainAddedPoints = 0.0;
             g.maxChains = 10;
         },
         80},
    };
    for (const Case& c : cases) {
        game.totalScore = 0;
        game.killScore = 0;
        game.chainCount = 0;
        game.multiplier = 1.0;
        game.isChaining = game.isKillFactor = game.isEnemiesTotalChaining = false;
        game.maxGauge = 100.0f;
        game.gaugeValue = 0.0f;
        game.killAddGauge = 3.7;
        const int killedBefore = game.killedEnemyTotal;
        Wave& wave = addWave(2, inView());
        Wave& parent = addWave(1, inView());
        wave.members.front()->score = 10;
        c.setUp(game, wave, parent);
        wave.killMember(0, false);
        EXPECT_EQ(game.totalScore, c.points) << c.name;
        EXPECT_EQ(game.killedEnemyTotal - killedBefore, c.points > 0 ? 1 : 0) << c.name;
        EXPECT_FLOAT_EQ(game.gaugeValue, c.points > 0 ? 3.0f : 0.0f) << c.name << ": the whole part of the gain";
        EXPECT_EQ(wave.killCount, 1u) << c.name;
    }
    EXPECT_EQ(level.killedEnemyCount, static_cast<std::int32_t>(cases.size()));
}

TEST_F(WaveKill, DropsItemsForEachCopyOrForTheDestroyedGroup)
{
    itemdroptest::addDefinition(game, "Coin");
    struct Case {
        const char* name;
        std::uint32_t spawns;
        std::function<void(Wave&)> setUp;
        std::vector<std::uint32_t> kills;
        std::size_t items;
        std::uint32_t status;
    };
    const std::vector<Case> cases{
        {"group of one", 1, [](Wave& w) { w.itemNumber = 2; }, {0}, 2, Wave::statusKilling},
        {"group of three, one killed", 3, [](Wave&) {}, {1}, 0, Wave::statusRunning},
        {"group of three, all killed", 3, [](Wave&) {}, {1, 2, 0}, 1, Wave::statusKilling},
        {"each copy", 3, [](Wave& w) { w.isEachCopiesSpawnItem = 1; }, {1, 2, 0}, 3, Wave::statusKilling},
        {"no score, no items", 1, [](Wave& w) { w.noScore = 1; }, {0}, 0, Wave::statusKilling},
        {"the item None", 1, [](Wave& w) { w.itemSpawned = "None"; }, {0}, 0, Wave::statusKilling},
        {"item factor", 1,
         [this](Wave& w) {
             w.itemNumber = 3;
             game.itemDropFactor = 1.5f;
         },
         {0}, 4, Wave::statusKilling},
    };
    for (const Case& c : cases) {
        game.itemDropFactor = 1.0f;
        const std::size_t before = takenItems().size();
        Wave& wave = addWave(c.spawns, inView());
        buildCopies(wave);
        wave.status = Wave::statusRunning;
        wave.itemSpawned = "Coin";
        c.setUp(wave);
        for (std::uint32_t index : c.kills)
            wave.killMember(index, false);
        EXPECT_EQ(takenItems().size() - before, c.items) << c.name;
        EXPECT_EQ(wave.status, c.status) << c.name;
    }
}

TEST_F(WaveKill, ADestroyedGroupThatCancelsFireEndsEveryCancellableEnemyShotUnlessItScoresNothing)
{
    itemdroptest::addDefinition(game, "Coin");
    // A group killed without score leaves no items, the cancel's included.
    for (const std::uint8_t noScore : {1, 0}) {
        level.create(world.scene);
        level.resetShotPools();
        // Shots of an enemy of another group: one that can be cancelled, one not.
        bullet* cancellable = level.takeBullet(false);
        bullet* lasting = level.takeBullet(false);
        for (bullet* shot : {cancellable, lasting}) {
            shot->timeToLive = 10.0;
            ShotFlightScene::launch(*shot, inView(), Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        }
        lasting->isCancellable = 0;
        Wave& wave = addWave(1, inView());
        wave.status = Wave::statusRunning;
        wave.isDeathCancelBullets = 1;
        wave.cancelBulletItemName = "Coin";
        wave.noScore = noScore;
        const std::size_t before = takenItems().size();
        wave.killMember(0, false);
        EXPECT_EQ(cancellable->state == bullet::stateFlying, noScore == 1);
        EXPECT_EQ(lasting->state, bullet::stateFlying);
        EXPECT_EQ(takenItems().size() - before, 1u - noScore) << "the cancelled shot leaves the group's item";
        // The pools go with the scene they were made in.
        level.destroy();
    }
}

} // namespace
} // namespace wavetest
