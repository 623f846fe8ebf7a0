// Items picked up: the effect of every kind, the medal score rule under each
// medal option, the end of a medal chain, and the stand-in for a missing mesh.
#include "world/ItemTestScene.h"

#include "support/LogCapture.h"

#include <OgreEntity.h>
#include <OgreMesh.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class ItemPickup : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }
    void TearDown() override { scene.reset(); }

    // A new scene, Game counters in a known state.
    void fresh()
    {
        scene.reset();
        scene = std::make_unique<ItemTestScene>();
        game.currentLife = 3;
        game.maxEnergy = 10;
        game.currentBombs = 0;
        game.maxSmartBombs = 2;
        game.isSmartbombUseButton = true;
        game.smartBombTime = 0.0f;
        game.smartBombDuration = 2.0;
        game.multiplier = 1.0;
        game.maxMultiplier = 4.0;
        game.baseWeaponLevel = 0.0f;
        game.weaponLevel = 0;
        game.isWeaponChangeLocked = false;
        game.powerUpLevel = 0.0f;
        game.maxPlayerPowerUps = 5;
        game.gaugeValue = 0.0f;
        game.maxGauge = 100.0f;
        game.isGaugeActive = false;
        game.totalScore = 0;
        game.levelScore = 0;
        game.maximumScore = 1000000000;
        game.isShowItemScore = false;
        game.medalType = 0;
        game.medalTotal = 0;
        game.medalChainValue = 0;
        game.maxMedailValue = 100000;
        game.isMedalsChaining = game.isMedalsTotalChaining = game.isChainingMedalScoreAsMult = false;
        game.isChainingMedalIncrementMedailScore = game.isLoosingMedailBreakMultiplier = false;
        scene->player.weaponSets.resize(4);
        scene->player.focusWeaponSet = -1;
    }

    // An item of the kind dropped on the player and one frame later.
    int pickUp(int kind, const std::function<void(Item&)>& configure = {})
    {
        scene->definition.itemKind = kind;
        scene->definition.Score = 10;
        if (configure)
            configure(scene->definition);
        Item& item = scene->drop(scene->player.sceneNode->getPosition());
        scene->run(item, 2.0 / 60.0);
        return item.status == 4 ? kind : -1;
    }

    std::unique_ptr<ItemTestScene> scene;
    Game& game = *Game::getSingletonPtr();
};

struct EffectCase {
    const char* what;
    int kind;
    std::function<void(Item&, Game&, Player&)> before;
    std::function<void(const Game&, const Player&)> check;
};

TEST_F(ItemPickup, EachKindGivesItsEffectAndItsPoints)
{
    const std::vector<EffectCase> cases = {
        {"life", itemKindLife, [](Item& i, Game&, Player&) { i.energyGiven = 2; },
         [](const Game& g, const Player&) { EXPECT_EQ(g.currentLife, 5); }},
        {"life lost", itemKindLife, [](Item& i, Game&, Player&) { i.energyGiven = -2; },
         [](const Game& g, const Player&) { EXPECT_EQ(g.currentLife, 1); }},
        {"life loss guarded", itemKindLife,
         [](Item& i, Game&, Player& p) {
             i.energyGiven = -2;
             p.isLifeLossBlocked = true;
         },
         [](const Game& g, const Player&) { EXPECT_EQ(g.currentLife, 3); }},
        {"item counter", itemKindCounter, nullptr,
         [](const Game&, const Player& p) { EXPECT_EQ(p.itemCount, 1); }},
        {"force field for a time", itemKindForceField,
         [](Item& i, Game&, Player&) {
             i.ForceFieldDuration = 4.0f;
             i.ForceFieldLife = 7.9f;
             i.ForceFieldSFX = "shield";
         },
         [](const Game&, const Player& p) {
             EXPECT_TRUE(p.forceField.isActive);
             EXPECT_FLOAT_EQ(p.forceField.duration, 4.0f);
             EXPECT_EQ(p.forceField.life, 0);
             EXPECT_EQ(p.forceField.particleName, "shield");
             EXPECT_FLOAT_EQ(p.forceField.radius, 0.0f);
         }},
        {"force field for hits", itemKindForceField,
         [](Item& i, Game&, Player&) {
             i.ForceFielduseLife = true;
             i.ForceFieldLife = 7.9f;
             i.isForceFieldUseRadius = true;
             i.forceFieldRadius = 10.0f;
         },
         [](const Game&, const Player& p) {
             EXPECT_EQ(p.forceField.life, 7);
             EXPECT_FLOAT_EQ(p.forceField.radius, 10.0f);
         }},
        {"bomb stocked", itemKindBomb, nullptr,
         [](const Game& g, const Player&) {
             EXPECT_EQ(g.currentBombs, 1);
             EXPECT_FLOAT_EQ(g.smartBombTime, 0.0f);
         }},
        {"bomb stock full", itemKindBomb, [](Item&, Game& g, Player&) { g.currentBombs = 2; },
         [](const Game& g, const Player&) { EXPECT_EQ(g.currentBombs, 2); }},
        {"bomb without stock goes off", itemKindBomb, [](Item&, Game& g, Player&) { g.isSmartbombUseButton = false; },
         [](const Game& g, const Player&) {
             EXPECT_EQ(g.currentBombs, 0);
             EXPECT_FLOAT_EQ(g.smartBombTime, 2.0f);
         }},
        {"weapon", itemKindWeapon, [](Item& i, Game&, Player&) { i.weaponSlot = 2; },
         [](const Game& g, const Player&) {
             EXPECT_FLOAT_EQ(g.baseWeaponLevel, 2.0f);
             EXPECT_EQ(g.weaponLevel, 2);
         }},
        {"weapon locked", itemKindWeapon,
         [](Item& i, Game& g, Player&) {
             i.weaponSlot = 2;
             g.isWeaponChangeLocked = true;
         },
         [](const Game& g, const Player&) {
             EXPECT_FLOAT_EQ(g.baseWeaponLevel, 2.0f);
             EXPECT_EQ(g.weaponLevel, 0);
         }},
        {"weapon in focus mode", itemKindWeapon,
         [](Item& i, Game&, Player& p) {
             i.weaponSlot = 2;
             p.isFocusMode = true;
             p.focusWeaponSet = 1;
         },
         [](const Game& g, const Player&) { EXPECT_EQ(g.weaponLevel, 0); }},
        {"weapon in focus mode without a focus set", itemKindWeapon,
         [](Item& i, Game&, Player& p) {
             i.weaponSlot = 3;
             p.isFocusMode = true;
         },
         [](const Game& g, const Player&) { EXPECT_EQ(g.weaponLevel, 3); }},
        {"energy", itemKindEnergy, [](Item& i, Game&, Player&) { i.powerUpAdd = 1.5f; },
         [](const Game& g, const Player&) { EXPECT_FLOAT_EQ(g.powerUpLevel, 1.5f); }},
        {"gauge", itemKindGauge, [](Item& i, Game&, Player&) { i.gaugeAdd = 25; },
         [](const Game& g, const Player&) { EXPECT_FLOAT_EQ(g.gaugeValue, 25.0f); }},
        {"multiplier", itemKindMultiplier, [](Item& i, Game&, Player&) { i.multiplier = 0.5; },
         [](const Game& g, const Player&) { EXPECT_DOUBLE_EQ(g.multiplier, 1.5); }},
        {"multiplier capped", itemKindMultiplier,
         [](Item& i, Game& g, Player&) {
             i.multiplier = 2.0;
             g.multiplier = 3.0;
         },
         [](const Game& g, const Player&) { EXPECT_DOUBLE_EQ(g.multiplier, 4.0); }},
    };
    for (const EffectCase& effect : cases) {
        SCOPED_TRACE(effect.what);
        fresh();
        const int kind = pickUp(effect.kind, [&](Item& item) {
            if (effect.before)
                effect.before(item, game, scene->player);
        });
        EXPECT_EQ(kind, effect.kind);
        // Points count at the multiplier after the effect.
        EXPECT_EQ(game.totalScore, static_cast<std::int64_t>(10 * game.multiplier));
        effect.check(game, scene->player);
    }
}

struct MedalCase {
    const char* what;
    std::function<void(Game&)> options;
    std::int64_t firstPoints, secondPoints, chainValue;
};

TEST_F(ItemPickup, MedalsScoreByTheMedalOptionsAndAdvanceTheirDefinition)
{
    const std::vector<MedalCase> cases = {
        {"plain", [](Game&) {}, 10, 10, 0},
        {"score grows with the counter", [](Game& g) { g.isChainingMedalIncrementMedailScore = true; }, 10, 20, 0},
        {"capped", [](Game& g) {
             g.isChainingMedalIncrementMedailScore = true;
             g.maxMedailValue = 15;
         }, 10, 15, 0},
        {"total chaining", [](Game& g) { g.isMedalsTotalChaining = true; }, 10, 20, 0},
        {"score as multiplier", [](Game& g) { g.isChainingMedalScoreAsMult = true; }, 10, 10, 20},
        {"chaining", [](Game& g) { g.isMedalsChaining = true; }, 10, 10, 2},
    };
    for (const MedalCase& medal : cases) {
        SCOPED_TRACE(medal.what);
        fresh();
        medal.options(game);
        scene->definition.medalType = 2;
        pickUp(itemKindMedal);
        EXPECT_EQ(game.totalScore, medal.firstPoints);
        pickUp(itemKindMedal);
        EXPECT_EQ(game.totalScore, medal.firstPoints + medal.secondPoints);
        EXPECT_EQ(game.medalChainValue, medal.chainValue);
        EXPECT_EQ(game.medalType, 2);
        EXPECT_EQ(scene->definition.medalCounter, 3);
    }
}

TEST_F(ItemPickup, ALostMedalBreaksTheChainOnlyWhenTheGameSaysSo)
{
    game.medalChainValue = 5;
    game.medalType = 2;
    game.medalTotal = 300;
    game.multiplier = 3.0;
    scene->definition.itemKind = itemKindMedal;
    scene->definition.medalCounter = 4;
    Item& medal = scene->drop(scene->ground);
    medal.breakMedalChain();
    EXPECT_EQ(game.medalChainValue, 5);

    game.isLoosingMedailBreakMultiplier = true;
    game.itemLibrary["medal"] = &scene->definition;
    medal.breakMedalChain();
    game.itemLibrary.erase("medal");
    EXPECT_EQ(game.medalChainValue, 0);
    EXPECT_EQ(game.medalType, 0);
    EXPECT_EQ(game.medalTotal, 0);
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
    EXPECT_EQ(scene->definition.medalCounter, 1);

    game.isChainingMedalScoreAsMult = true;
    medal.itemKind = itemKindCounter;
    medal.breakMedalChain();
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
    medal.itemKind = itemKindMedal;
    medal.breakMedalChain();
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
}

TEST_F(ItemPickup, AMissingMeshIsReportedAndStoodInFor)
{
    LogCapture log;
    scene->definition.meshName = "nowhere.mesh";
    Item& mesh = scene->drop(scene->ground);
    EXPECT_TRUE(log.contains("[ERROR] can't find mesh: nowhere.mesh, named by gamebox.items"));
    EXPECT_EQ(mesh.meshEntity->getMesh()->getName(), "interro.mesh");

    scene->definition.spriteName = "nowhere.png";
    Item& sprite = scene->drop(scene->ground);
    EXPECT_EQ(sprite.meshEntity->getMesh()->getName(), "plane1U.mesh");
    EXPECT_TRUE(sprite.isLayered);
    EXPECT_GE(sprite.priority, 30000);
}

} // namespace
