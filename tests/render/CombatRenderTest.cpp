// Combat in the sample game's first level, played through the keyboard as a
// player would: the ship's gun destroys an enemy and the displayed score counts
// up to the total, the chain of that kill times out, power-ups lift the ship
// to its last guns and a lock-on missile reaches a locked enemy, an enemy shot
// flown into costs the ship life, a bomb clears the enemy shots on screen for
// score, and the enemy life bar and the gauge follow the fight. Real frames on both renderers; the frames kept for
// the eye show shots, a score pop-up and a life bar.
#include "support/KeyboardHands.h"
#include "support/RenderColours.h"
#include "support/SampleLevelPlay.h"

#include "app/CameraProjection.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "data/GameFileReader.h"
#include "play/Level.h"
#include "play/ScorePopup.h"
#include "play/playState.h"
#include "platform/Random.h"
#include "world/GameCamera.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <OgreFontManager.h>
#include <OgreMaterialManager.h>
#include <OgreParticleSystem.h>
#include <OgreTechnique.h>
#include <OgreRenderWindow.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

constexpr unsigned visitSeed = 7;
// Frames without a new point after which the displayed score must have
// caught up with the total (one count-up step per 16 ms).
constexpr int quietFrames = 15;
// The ship steers for a target until it is this close on screen (a share
// of the screen).
constexpr float steerSlack = 0.01f;
// A shot that reaches the ship dies this close to it on screen.
constexpr float shotReach = 0.05f;
constexpr int shotsForTheBomb = 3;

std::size_t flyingCount(const Game& game)
{
    const auto isFlying = [](const bullet* shot) { return shot && shot->state == bullet::stateFlying; };
    return static_cast<std::size_t>(std::count_if(game.enemyBullets.begin(), game.enemyBullets.end(), isFlying));
}

bool isPopupShowing(const Level& level)
{
    return std::any_of(level.scorePopups.begin(), level.scorePopups.end(),
                       [](const std::unique_ptr<ScorePopup>& popup) { return popup->active; });
}

std::string uvCoords(Ogre::OverlayContainer& panel)
{
    std::string span = panel.getParameter("uv_coords");
    Ogre::StringUtil::trim(span);
    return span;
}

std::string fillSpan(float fill) { return "0 0 " + Ogre::StringConverter::toString(fill) + " 1"; }

class Combat : public SampleLevelPlay {
protected:
    void SetUp() override
    {
        SampleLevelPlay::SetUp();
        if (IsSkipped())
            return;
        platform::seedRandom(visitSeed);
        hands = std::make_unique<KeyboardHands>(game.keyboard);
    }

    // The game as the program starts it: its settings, its libraries and a
    // new game's lives, life and bombs, with the post effects on.
    void configure() override { game.postFX = true; }

    Ogre::Vector2 onScreen(const Ogre::Vector3& world) const
    {
        Ogre::Vector2 screen;
        worldToScreen(screen, world, *play.camera->playCamera);
        return screen;
    }

    // Holds the arrow keys that bring the ship towards the screen point,
    // across and, when `isAlongToo`, up and down the screen as well.
    void steerTowards(const Ogre::Vector2& target, bool isAlongToo)
    {
        const Ogre::Vector2 ship = play.player->screenPosition;
        hands->hold(OIS::KC_RIGHT, target.x > ship.x + steerSlack);
        hands->hold(OIS::KC_LEFT, target.x < ship.x - steerSlack);
        hands->hold(OIS::KC_UP, isAlongToo && target.y < ship.y - steerSlack);
        hands->hold(OIS::KC_DOWN, isAlongToo && target.y > ship.y + steerSlack);
    }

    // The ship lines up under the enemy ahead of it nearest across the screen.
    void steerUnderEnemy()
    {
        const Ogre::Vector2 ship = play.player->screenPosition;
        std::optional<Ogre::Vector2> enemy;
        for (const Enemy* member : play.onScreenEnemies) {
            if (member->status != Enemy::statusAlive || !member->sceneNode)
                continue;
            const Ogre::Vector2 place = onScreen(member->sceneNode->_getDerivedPosition());
            if (place.y < ship.y && (!enemy || std::abs(place.x - ship.x) < std::abs(enemy->x - ship.x)))
                enemy = place;
        }
        steerTowards(enemy.value_or(ship), false);
    }

    // The ship flies into the enemy shot nearest on screen.
    void steerIntoShot()
    {
        const Ogre::Vector2 ship = play.player->screenPosition;
        std::optional<Ogre::Vector2> best;
        for (const bullet* shot : game.enemyBullets) {
            if (!shot || shot->state != bullet::stateFlying)
                continue;
            const Ogre::Vector2 place = onScreen(shot->worldPosition());
            if (!best || place.distance(ship) < best->distance(ship))
                best = place;
        }
        steerTowards(best.value_or(ship), true);
    }

    void keepSafe() { play.player->invincibilityTime = 1.0f; }

    void expectDestroyedByShots();
    void expectChainTimesOut();
    void expectLockOnFires();
    void expectHitByShot();
    void expectBombClears();
    void expectGaugeFollows();

    std::unique_ptr<KeyboardHands> hands;
};

// The gun is held down under the enemies until one is destroyed; on the
// way the life bar of the enemy hit shows its hit points left.
void Combat::expectDestroyedByShots()
{
    const int fire = game.shootButton[0];
    const int bombs = game.currentBombs;
    std::int64_t scoreBefore = 0;
    const Enemy* destroyed = nullptr;
    const auto isDestroyed = [&] {
        for (const Wave* wave : play.waves)
            for (const Enemy* member : wave->members)
                if (member->currentLife <= 0 && member->status != Enemy::statusAlive)
                    destroyed = member;
        return destroyed != nullptr;
    };
    ASSERT_TRUE(runUntil(isDestroyed, [&] {
        keepSafe();
        scoreBefore = game.totalScore;
        hands->hold(fire, play.player->status == Player::statusPlaying);
        steerUnderEnemy();
    }));
    EXPECT_EQ(game.currentBombs, bombs);
    EXPECT_EQ(game.killedEnemyTotal, 1);
    EXPECT_GT(game.chainTimer, 0.0f) << "the kill starts the chain's time";
    // At least its points, more with a chain going.
    EXPECT_GE(game.totalScore - scoreBefore, destroyed->score);
    EXPECT_TRUE(isPopupShowing(*play.level));

    // The gun goes on until the frame to keep, with shots, a pop-up and a bar.
    Level& level = *play.level;
    const auto everythingShows = [&] {
        return isPopupShowing(level) && level.lifeOverlay->isVisible() && level.barShown > 0.0f
               && !level.livePlayerBullets.empty() && level.barShown == level.barTarget;
    };
    ASSERT_TRUE(runUntil(everythingShows, [&] {
        keepSafe();
        hands->hold(fire, true);
        steerUnderEnemy();
    }));
    scene->keepFrame("Combat-shots-popup-lifebar");
    EXPECT_GT(scene->spreadOnScreen(0.2f, 0.8f), 0.25f);
    // A pop-up's first character is a billboard drawn with its tile's material.
    const auto popup = std::find_if(level.scorePopups.begin(), level.scorePopups.end(),
                                    [](const std::unique_ptr<ScorePopup>& shown) { return shown->active; });
    const Ogre::ParticleSystem* character = (*popup)->characterSystems[0];
    ASSERT_NE(character, nullptr);
    EXPECT_EQ(character->getNumParticles(), 1u);
    const Ogre::MaterialPtr tile = Ogre::MaterialManager::getSingleton().getByName(character->getMaterialName());
    ASSERT_TRUE(tile);
    EXPECT_NE(tile->getBestTechnique(), nullptr) << character->getMaterialName();
    // The bar follows the hit points of the enemy hit last.
    ASSERT_NE(level.barEnemy, nullptr);
    const float left = static_cast<float>(level.barEnemy->currentLife) / static_cast<float>(level.barEnemy->life);
    EXPECT_FLOAT_EQ(level.barTarget, left);
    EXPECT_TRUE(level.emptyOverlay->isVisible());
    EXPECT_NEAR(level.lifePanel->getWidth(), game.lifeBarDimensions.x * left, 1e-5f);
    EXPECT_EQ(uvCoords(*level.lifePanel), fillSpan(left));
    // On screen the bar is drawn in its colour up to the fill, its back beyond.
    const float barLeft = game.lifeBarPosition.x - 0.5f * game.lifeBarDimensions.x;
    const auto barAt = [&](float share) {
        return scene->colourOnScreen(barLeft + share * game.lifeBarDimensions.x, game.lifeBarPosition.y);
    };
    const Ogre::Vector4& tint = game.EnemyLifeBar_color;
    const Ogre::ColourValue barColour(tint.x, tint.y, tint.z);
    EXPECT_COLOUR(barAt(0.5f * left), barColour);
    EXPECT_GT(colourDistance(barAt(0.5f + 0.5f * left), barColour), 0.5f);

    // Once no point is added for a while the display shows the total.
    hands->hold(fire, false);
    std::int64_t total = game.totalScore;
    int quiet = 0;
    ASSERT_TRUE(runUntil(
        [&] {
            quiet = game.totalScore == total ? quiet + 1 : 0;
            total = game.totalScore;
            return quiet >= quietFrames;
        },
        [&] { keepSafe(); }));
    EXPECT_EQ(game.displayedScore, game.totalScore);
}

// With the guns quiet no kill comes for the game's time between chains: the
// chain's time runs out while the level plays, the chain breaks, the
// multiplier is back at 1 and the chain gauge empties.
void Combat::expectChainTimesOut()
{
    hands->releaseAll();
    ASSERT_TRUE(runUntil([&] { return game.chainTimer == 0.0f; }, [&] { keepSafe(); }));
    EXPECT_EQ(game.chainCount, 0);
    EXPECT_EQ(game.multiplier, 1.0);
    EXPECT_EQ(play.level->chainFill, 0.0f);
}

// Power-ups lift the ship to its last power-up level, which keeps the
// lock-on missiles beside its main guns. Held while enemies are on screen,
// the lock button locks them and a missile flies at each; one reaches the
// enemy it locked.
void Combat::expectLockOnFires()
{
    // The power-ups of gold picked up, one level a piece.
    game.addEnergy(static_cast<float>(game.maxPlayerPowerUps));
    EXPECT_EQ(game.weaponLevel, game.maxPlayerPowerUps);
    const std::vector<Weapon*>* set = play.player->activeWeaponSet();
    ASSERT_NE(set, nullptr);
    const auto lockOnGun = std::find_if(set->begin(), set->end(), [](const Weapon* gun) { return gun->isLockOn; });
    ASSERT_NE(lockOnGun, set->end());
    const Weapon& missiles = **lockOnGun;
    const int lockKey = game.shootButton[static_cast<std::size_t>(game.lockButton)];
    std::map<const Enemy*, int> lifeWhenLocked;
    const auto lockedTargetHit = [&] {
        for (const std::int32_t index : play.level->livePlayerBullets) {
            const bullet& shot = *game.playerBullets[static_cast<std::size_t>(index)];
            if (const auto* target = dynamic_cast<const Enemy*>(shot.lockTarget); target && shot.isLockedOn)
                lifeWhenLocked.emplace(target, target->currentLife);
        }
        return std::any_of(lifeWhenLocked.begin(), lifeWhenLocked.end(),
                           [](const auto& locked) { return locked.first->currentLife < locked.second; });
    };
    ASSERT_TRUE(runUntil(lockedTargetHit, [&] {
        keepSafe();
        // A press with nothing to lock fires nothing until it is pressed again.
        hands->hold(lockKey, play.player->status == Player::statusPlaying && !play.onScreenEnemies.empty()
                                 && missiles.cycleState != Weapon::cycleFinished);
        steerUnderEnemy();
    }));
    scene->keepFrame("Combat-lock-on");
    hands->releaseAll();
}

// Unprotected, the ship flies into the enemy fire until a shot that reaches
// it costs it life (or its force field, when one is up).
void Combat::expectHitByShot()
{
    const int life = game.currentLife;
    const int fieldLife = play.player->forceField.life;
    std::set<const bullet*> flying;
    const bullet* reached = nullptr;
    const auto hit = [&] {
        if (game.currentLife >= life && play.player->forceField.life >= fieldLife)
            return false;
        const Ogre::Vector2 ship = play.player->screenPosition;
        for (const bullet* shot : flying)
            if (shot->state != bullet::stateFlying
                && onScreen(shot->worldPosition()).distance(ship) < shotReach)
                reached = shot;
        return true;
    };
    ASSERT_TRUE(runUntil(hit, [&] {
        flying.clear();
        for (const bullet* shot : game.enemyBullets)
            if (shot && shot->state == bullet::stateFlying)
                flying.insert(shot);
        steerIntoShot();
    }));
    ASSERT_NE(reached, nullptr) << "the ship lost life, but to no enemy shot";
    // Without a force field up the shot's damage comes off the ship's life;
    // one shot leaves it flying.
    ASSERT_EQ(fieldLife, 0);
    EXPECT_EQ(game.currentLife, life - reached->damage);
    EXPECT_EQ(game.gameMode, gameModePlaying);
}

// With shots in the air and enemies on screen, one press of the bomb
// button ends every enemy shot and destroys the enemies for points.
void Combat::expectBombClears()
{
    hands->releaseAll();
    ASSERT_TRUE(runUntil(
        [&] { return flyingCount(game) >= shotsForTheBomb && !play.onScreenEnemies.empty(); },
        [&] {
            keepSafe();
            steerUnderEnemy();
        }));
    const int bombs = game.currentBombs;
    const std::int64_t score = game.totalScore;
    ASSERT_GT(bombs, 0);
    const int bomb = game.shootButton[static_cast<std::size_t>(game.smartBombButton)];
    hands->hold(bomb, true);
    runFrame();
    hands->hold(bomb, false);
    EXPECT_EQ(game.currentBombs, bombs - 1);
    EXPECT_EQ(flyingCount(game), 0u);
    // The enemies it destroys score once their deaths have played.
    EXPECT_TRUE(runUntil([&] { return game.totalScore > score; }, [&] { keepSafe(); }));
    scene->keepFrame("Combat-bomb");
    EXPECT_GT(scene->spreadOnScreen(0.2f, 0.8f), 0.25f);
}

// The gauge has taken every hit and kill by the game's rates, and its fill
// panel shows the share of the full gauge.
void Combat::expectGaugeFollows()
{
    ASSERT_TRUE(game.isGauge);
    const float atLeast = std::min(game.maxGauge, static_cast<float>(game.killAddGauge) * game.killedEnemyTotal);
    EXPECT_GT(game.gaugeValue, atLeast) << "hits fill it as well as kills";
    runFrame();
    const Level& level = *play.level;
    const float fill = game.gaugeValue / game.maxGauge;
    EXPECT_FLOAT_EQ(level.gaugeShown, fill);
    EXPECT_NEAR(level.gaugeLifePanel->getWidth(), game.gaugeDimensions.x * fill, 1e-5f);
    EXPECT_NEAR(level.gaugeEmptyPanel->getWidth(), game.gaugeDimensions.x, 1e-5f);
    EXPECT_EQ(uvCoords(*level.gaugeLifePanel), fillSpan(fill));
}

TEST_F(Combat, ShotsBombsBarsAndScoreInTheFirstLevel)
{
    ASSERT_EQ(manager->currentState(), &play);
    ASSERT_TRUE(hands->ready());
    ASSERT_NE(play.player, nullptr);
    expectDestroyedByShots();
    if (HasFatalFailure())
        return;
    expectChainTimesOut();
    if (HasFatalFailure())
        return;
    expectLockOnFires();
    if (HasFatalFailure())
        return;
    expectHitByShot();
    if (HasFatalFailure())
        return;
    expectBombClears();
    if (HasFatalFailure())
        return;
    expectGaugeFollows();
}

} // namespace
