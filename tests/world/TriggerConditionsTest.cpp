// The activation conditions of a trigger, case by case: buttons, the camera
// view, contact with the player or an enemy, the status of linked objects,
// the Game's counters and the first enemy of a linked wave.
#include "TriggerTestScene.h"

#include "app/ObbOutlines.h"
#include "combat/Enemy.h"
#include "world/Obb.h"
#include "support/FrameStep.h"

#include <functional>

namespace {

void releaseEverything(Game& game)
{
    game.shootHeld.fill(false);
    game.shootPressed.fill(false);
    game.shootReleased.fill(false);
    game.startHeld = game.selectHeld = game.startPressed = game.selectPressed = false;
    game.startReleased = game.selectReleased = false;
    game.leftPressed = game.rightPressed = game.upPressed = game.downPressed = false;
    game.leftReleased = game.rightReleased = game.upReleased = game.downReleased = false;
    game.moveLeft = game.moveRight = game.moveUp = game.moveDown = 0.0f;
}

// A hand-made screen outline, as a projection would leave it.
Obb* squareAt(const Ogre::Vector2& centre)
{
    auto* outline = new Obb();
    makeSquareOutline(*outline, centre, 0.02f);
    return outline;
}

// An enemy of the status whose one outline sits at the screen point.
Enemy* enemyAt(const Ogre::Vector2& centre, std::uint32_t status = 2)
{
    auto* enemy = new Enemy();
    enemy->status = status;
    enemy->outlines.push_back(squareAt(centre));
    return enemy;
}

} // namespace

class TriggerConditionsTest : public TriggerTest {
protected:
    void TearDown() override
    {
        releaseEverything(game);
        game.currentContinues = 0;
        level.waves.clear();
        TriggerTest::TearDown();
    }

    // A contact trigger in view, with the screen centre of its outline.
    Trigger* contactTrigger(std::uint32_t type, std::uint32_t activation, Ogre::Vector2& centre)
    {
        Trigger* trigger = place(type, activation, inView());
        EXPECT_NE(trigger->outline, nullptr) << "every contact trigger has an outline";
        if (!trigger->outline)
            return trigger;
        trigger->outline->updateScreenPolygon();
        centre = trigger->outline->centre;
        EXPECT_TRUE(std::isfinite(centre.x) && std::isfinite(centre.y));
        return trigger;
    }

    // Enemies of a running wave hit for their whole life, which the wave's
    // update kills; waves of the statuses, which the play state counts.
    void killEnemies(int count)
    {
        Wave& wave = addWave(Wave::statusRunning);
        wave.level = &level;
        for (int i = 0; i < count; ++i) {
            wave.members.push_back(enemyAt(farAway));
            wave.members.back()->isOutsideInvincibilityLimits = 0;
            wave.members.back()->hit(1, nullptr, 0, Ogre::Vector3::ZERO, false);
        }
        state.waves = {&wave};
        state.updateWaves(frame);
    }
    void listWaves(std::initializer_list<std::uint32_t> statuses)
    {
        state.waves.clear();
        for (std::uint32_t status : statuses)
            state.waves.push_back(&addWave(status));
        state.updateWaves(frame);
    }

    const Ogre::Vector2 farAway{5.0f, 5.0f};
};

TEST_F(TriggerConditionsTest, AlwaysOnAndUnknownActivations)
{
    Trigger* trigger = place(0, 10, inView());
    for (std::uint32_t unknown : {10u, 15u, 16u, 99u}) {
        trigger->activation_type = unknown;
        EXPECT_FALSE(trigger->isConditionMet()) << unknown << ": never met, even in view";
    }
    trigger->isAlwaysOn = true;
    trigger->setWorldPosition(outOfView());
    world.updateTransforms();
    EXPECT_TRUE(trigger->isConditionMet());
}

TEST_F(TriggerConditionsTest, ButtonsPressedHeldAndReleased)
{
    struct Case {
        int activation;
        int button;
        std::function<void(Game&)> press;
        bool expected;
        const char* what;
    };
    const std::vector<Case> cases = {
        {1, 3, [](Game& g) { g.shootHeld[3] = true; }, true, "shoot 3 held"},
        {1, 3, [](Game& g) { g.shootHeld[2] = true; }, false, "another shoot button held"},
        {0, 7, [](Game& g) { g.shootPressed[7] = true; }, true, "shoot 7 pressed"},
        {2, 0, [](Game& g) { g.shootReleased[0] = true; }, true, "shoot 0 released"},
        {0, 0, [](Game& g) { g.shootReleased[0] = true; }, false, "released is not pressed"},
        {1, 8, [](Game& g) { g.startHeld = true; }, true, "start held"},
        {0, 8, [](Game& g) { g.startPressed = true; }, true, "start pressed"},
        {2, 9, [](Game& g) { g.selectReleased = true; }, true, "select released"},
        {0, 9, [](Game& g) { g.startPressed = true; }, false, "start is not select"},
        {0, 10, [](Game& g) { g.leftPressed = true; }, true, "left pressed"},
        {2, 11, [](Game& g) { g.rightReleased = true; }, true, "right released"},
        {0, 12, [](Game& g) { g.upPressed = true; }, true, "up pressed"},
        {2, 13, [](Game& g) { g.downReleased = true; }, true, "down released"},
        {2, 13, [](Game& g) { g.downPressed = true; }, false, "pressed is not released"},
        {1, 10, [](Game& g) { g.moveLeft = 1.0f; }, true, "left held"},
        {1, 11, [](Game& g) { g.moveLeft = 1.0f; }, false, "left is not right"},
        {1, 11, [](Game& g) { g.moveRight = 0.3f; }, true, "a light push counts once normalised"},
        {1, 11, [](Game& g) { g.moveRight = g.moveUp = 1.0f; }, true, "diagonal: 0.707 is past 0.7"},
        {1, 12, [](Game& g) { g.moveRight = g.moveUp = 1.0f; }, true, "diagonal up"},
        {1, 11, [](Game& g) { g.moveRight = 1.0f, g.moveUp = 1.2f; }, false, "steeper: right below 0.7"},
        {1, 12, [](Game& g) { g.moveRight = 1.0f, g.moveUp = 1.2f; }, true, "steeper: up past 0.7"},
        {1, 12, [](Game& g) { g.moveUp = g.moveDown = 1.0f; }, false, "up and down cancel"},
        {1, 13, [](Game& g) { g.moveDown = 1.0f; }, true, "down held"},
        {1, 12, [](Game& g) { g.moveDown = 1.0f; }, false, "down is not up"},
        {1, 14, [](Game& g) { g.moveDown = 1.0f, g.shootHeld.fill(true); }, false, "button 14 does not exist"},
        {0, -1, [](Game& g) { g.shootPressed.fill(true); }, false, "button -1 does not exist"},
    };
    // In view of the camera: the buttons decide, not the view.
    Trigger* trigger = place(15, 0, inView());
    for (const Case& c : cases) {
        releaseEverything(game);
        c.press(game);
        trigger->button_activation = c.activation;
        trigger->button = c.button;
        trigger->elapsed = frame;
        EXPECT_EQ(trigger->isConditionMet(), c.expected) << c.what;
        if (c.activation != 1 && c.expected) {
            trigger->elapsed = 0.0;
            EXPECT_FALSE(trigger->isConditionMet()) << c.what << ": not on the frame after the reset";
        }
    }
    releaseEverything(game);
    trigger->button_activation = 3;
    EXPECT_TRUE(trigger->isConditionMet()) << "an unknown button activation falls through to the view";
}

TEST_F(TriggerConditionsTest, CameraViewWithoutLinks)
{
    Wave& wave = addWave(0);
    for (std::uint32_t activation : {0u, 2u, 3u, 11u, 12u}) {
        Trigger* seen = place(0, activation, inView());
        Trigger* hidden = place(0, activation, outOfView());
        EXPECT_TRUE(seen->isConditionMet()) << activation;
        EXPECT_FALSE(hidden->isConditionMet()) << activation;
        if (activation != 0) {
            // Objects that are neither active nor done: the view no longer counts.
            seen->linkedObjects = {&wave};
            wave.isStarted = 0;
            EXPECT_FALSE(seen->isConditionMet()) << activation << " with a linked object";
        }
    }
}

TEST_F(TriggerConditionsTest, PlayerContactThroughItsOutlines)
{
    Ogre::Vector2 centre;
    Trigger* trigger = contactTrigger(0, 1, centre);
    player.outlines.push_back(squareAt(farAway));
    EXPECT_FALSE(trigger->isConditionMet()) << "miss";
    player.outlines.push_back(squareAt(centre));
    EXPECT_TRUE(trigger->isConditionMet()) << "the second outline hits";

    player.isBeingMoved = true;
    EXPECT_FALSE(trigger->isConditionMet()) << "a player moved by a trigger is ignored";
    player.isBeingMoved = false;
    for (std::uint32_t status : {0u, 1u, 3u, 4u}) {
        player.status = status;
        EXPECT_FALSE(trigger->isConditionMet()) << "player status " << status;
    }
    player.status = 2;

    Ogre::Vector2 otherCentre;
    Trigger* timer = contactTrigger(5, 1, otherCentre);
    ASSERT_NE(timer->outline, nullptr);
    EXPECT_TRUE(timer->isConditionMet()) << "a contact trigger of any type tests its outline";
    timer->update(frame);
    EXPECT_EQ(timer->status, 2u);
}

TEST_F(TriggerConditionsTest, EnemyContactWithActiveCollidingEnemiesOfActiveWaves)
{
    Ogre::Vector2 centre;
    Trigger* trigger = contactTrigger(0, 9, centre);
    Wave& wave = addWave(2);
    level.waves.push_back(&wave);
    EXPECT_FALSE(trigger->isConditionMet()) << "no members";

    wave.members.push_back(enemyAt(farAway));
    EXPECT_FALSE(trigger->isConditionMet()) << "miss";
    wave.members.push_back(enemyAt(centre));
    EXPECT_TRUE(trigger->isConditionMet()) << "the second member hits";

    wave.members.back()->isCollideWPlayer = 0;
    EXPECT_FALSE(trigger->isConditionMet()) << "collision off";
    wave.members.back()->isCollideWPlayer = 1;
    for (std::uint32_t status : {0u, 1u, 3u, 4u}) {
        wave.members.back()->status = status;
        EXPECT_FALSE(trigger->isConditionMet()) << "enemy status " << status;
    }
    wave.members.back()->status = 2;
    for (std::uint32_t status : {0u, 1u, 3u, 4u}) {
        wave.status = status;
        EXPECT_FALSE(trigger->isConditionMet()) << "wave status " << status;
    }
    Wave& later = addWave(2);
    later.members.push_back(enemyAt(centre));
    level.waves.push_back(&later);
    EXPECT_TRUE(trigger->isConditionMet()) << "a later active wave";
}

TEST_F(TriggerConditionsTest, LinkedObjectsActiveOrDone)
{
    struct Linked {
        std::uint32_t status;
        bool isStarted;
        bool isDisabled;
        bool isTrigger;
    };
    struct Case {
        std::uint32_t activation;
        std::vector<Linked> objects;
        bool expected;
        const char* what;
    };
    const std::vector<Case> cases = {
        {2, {{2, true, false, false}, {2, true, false, true}}, true, "all active"},
        {2, {{2, true, false, false}, {1, true, false, false}}, false, "one only starting"},
        {2, {{2, true, false, false}, {2, false, false, false}}, false, "one active but not started"},
        {2, {{2, true, false, false}, {0, false, true, false}}, true, "a disabled one is skipped"},
        {3, {{3, true, false, false}, {4, true, false, false}}, true, "done and ending"},
        {3, {{3, true, false, false}, {2, true, false, false}}, false, "one still active"},
        {3, {{3, true, false, false}, {3, false, false, false}}, false, "one done but not started"},
        {3, {{3, true, false, false}, {0, true, false, true}}, true, "a waiting trigger counts as done"},
        {3, {{3, true, false, false}, {1, true, false, true}}, true, "a trigger whose condition is met too"},
        {3, {{3, true, false, false}, {0, true, false, false}}, false, "a waiting wave does not"},
        {3, {{3, true, false, false}, {2, true, true, false}}, true, "a disabled active one is skipped"},
        {11, {{0, true, false, false}, {2, true, false, false}}, true, "one active"},
        {11, {{0, true, false, false}, {1, true, false, false}}, false, "none active"},
        {11, {{0, true, false, false}, {2, true, true, false}}, false, "the active one is disabled"},
        {11, {{2, false, false, false}}, false, "active but not started"},
        {12, {{2, true, false, false}, {4, true, false, false}}, true, "one ending"},
        {12, {{2, true, false, false}, {1, true, false, false}}, false, "none done"},
        {12, {{1, true, false, true}}, true, "a trigger whose condition is met"},
        {12, {{2, true, false, true}}, false, "an active trigger"},
        {12, {{3, true, true, false}, {0, true, false, false}}, false, "the done one is disabled"},
    };
    for (const Case& c : cases) {
        Trigger* trigger = place(0, c.activation, inView());
        for (const Linked& each : c.objects) {
            entity* object = each.isTrigger ? static_cast<entity*>(place(0, 2, outOfView())) : &addWave();
            object->status = each.status;
            object->isStarted = each.isStarted;
            object->isDisabled = each.isDisabled;
            trigger->linkedObjects.push_back(object);
        }
        EXPECT_EQ(trigger->isConditionMet(), c.expected) << c.activation << ": " << c.what;
    }
}

TEST_F(TriggerConditionsTest, GameAndLevelCounters)
{
    struct Case {
        std::uint32_t activation;
        std::function<void(Game&, Level&)> set;
        bool expected;
        const char* what;
    };
    // Kills add up over the cases.
    const std::vector<Case> cases = {
        {4, [](Game& g, Level&) { g.totalScore = 10001; }, true, "score above"},
        {4, [](Game& g, Level&) { g.totalScore = 10000; }, false, "score equal"},
        {19, [](Game& g, Level&) { g.totalScore = 9999; }, true, "score below"},
        {19, [](Game& g, Level&) { g.totalScore = 10000; }, false, "score equal"},
        {5, [this](Game&, Level&) { killEnemies(10); }, false, "kills equal"},
        {5, [this](Game&, Level&) { killEnemies(1); }, true, "kills above"},
        {6, [this](Game&, Level&) { listWaves({3, 5, 3}); }, true, "all waves finished"},
        {6, [this](Game&, Level&) { listWaves({3, 2, 3}); }, false, "one wave left"},
        {6, [this](Game&, Level&) { listWaves({}); }, false, "no waves at all"},
        {13, [](Game& g, Level&) { g.currentContinues = 0; }, true, "fewer continues"},
        {13, [](Game& g, Level&) { g.currentContinues = 1; }, false, "as many continues"},
        {14, [](Game& g, Level&) { g.currentContinues = 2; }, true, "more continues"},
        {14, [](Game& g, Level&) { g.currentContinues = 1; }, false, "as many continues"},
    };
    for (const Case& c : cases) {
        game.totalScore = 0;
        game.currentContinues = 1;
        listWaves({});
        Trigger* trigger = place(0, c.activation, outOfView());
        c.set(game, level);
        EXPECT_EQ(trigger->isConditionMet(), c.expected) << c.activation << ": " << c.what;
    }
    EXPECT_EQ(level.killedEnemyCount, 11);
}

TEST_F(TriggerConditionsTest, FirstEnemyLifeOfLinkedWaves)
{
    struct Case {
        std::uint32_t activation;
        int firstLife;
        std::uint32_t firstStatus;
        bool expected;
        const char* what;
    };
    const std::vector<Case> cases = {
        {7, 0, 2, true, "life below"},
        {7, 1, 2, false, "life equal"},
        {7, 5, 3, true, "done"},
        {7, 5, 4, true, "ending"},
        {8, 2, 2, true, "life above"},
        {8, 1, 2, false, "life equal"},
        {8, 0, 3, false, "done does not count"},
    };
    for (const Case& c : cases) {
        Wave& wave = addWave(2);
        wave.members.push_back(enemyAt(farAway, c.firstStatus));
        wave.members.back()->currentLife = c.firstLife;
        wave.members.push_back(enemyAt(farAway));
        wave.members.back()->currentLife = c.activation == 7 ? 0 : 5; // only the first member counts
        Trigger* trigger = place(0, c.activation, outOfView());
        trigger->linkedObjects = {&wave};
        EXPECT_EQ(trigger->isConditionMet(), c.expected) << c.activation << ": " << c.what;
    }
}

TEST_F(TriggerConditionsTest, FirstEnemyLifeSkipsEmptyWavesOtherObjectsAndDisabledLinks)
{
    for (std::uint32_t activation : {7u, 8u}) {
        const int life = activation == 7 ? 0 : 5;
        Wave& empty = addWave(2);
        Wave& behindDisabledLink = addWave(2);
        behindDisabledLink.members.push_back(enemyAt(farAway));
        behindDisabledLink.members.back()->currentLife = life;
        Trigger* other = place(0, 2, outOfView());
        other->status = 3;

        Trigger* trigger = place(0, activation, outOfView());
        trigger->linkedObjects = {&empty, other, &behindDisabledLink};
        for (int i = 0; i < 3; ++i)
            trigger->incomingLinks.push_back(new class link("in"));
        trigger->incomingLinks[2]->isDisabled = 1;
        EXPECT_FALSE(trigger->isConditionMet()) << activation;

        trigger->incomingLinks[2]->isDisabled = 0;
        EXPECT_TRUE(trigger->isConditionMet()) << activation << ": the link is enabled again";
    }
}
