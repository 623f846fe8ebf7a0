// The Level and the play flow around it in the sample game's first level,
// with sound on a silent output and keys as a player presses them: what
// making the Level loads and leaving play leaves on screen, the end of a
// dying enemy's shots, the gauges with the HUD, pausing with and without
// the pause menu, a restart after scripted control, and the render layers
// of placed effects and the numbers of copies.
#include "support/SampleLevelPlay.h"
#include "support/SoundFiles.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/OverlayWidget.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "frontend/GameHUD.h"
#include "frontend/PauseMenu.h"
#include "platform/SdlEvents.h"
#include "platform/SdlKeyboard.h"
#include "platform/sound/ChannelGroup.h"
#include "play/Level.h"
#include "play/NameNumber.h"
#include "play/playState.h"
#include "world/Item.h"
#include "world/RenderQueueGroups.h"
#include "world/Trigger.h"
#include "world/background.h"
#include "world/sfx.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

bool isOverlayShown(const Ogre::Overlay* overlay) { return overlay && overlay->isVisible(); }

bool isOverlayShown(const char* name)
{
    return isOverlayShown(Ogre::OverlayManager::getSingleton().getByName(name));
}

bool isEditorGroupPlaying() { return audio().editorGroup && audio().editorGroup->isPlaying(); }

// The enemy whose gun fired the shot.
Enemy* shooterOf(const bullet& shot)
{
    return shot.weapon ? dynamic_cast<Enemy*>(shot.weapon->templateObject) : nullptr;
}

class PlayFlow : public SampleLevelPlay {
protected:
    void SetUp() override
    {
        // The program's start makes the one HUD of the run and opens the
        // sound banks of the program's folder.
        game.hud = new GameHUD();
        programFolder = game.programFolder;
        game.programFolder = ZARNITH_GAME_DIR;
        soundtest::useSilentSoundOutput();
        initSound();
        SampleLevelPlay::SetUp();
        if (IsSkipped())
            return;
        ASSERT_NE(keyboard, nullptr);
        ASSERT_TRUE(runUntil([&] { return play.player->status == Player::statusPlaying; }));
    }

    void afterUnload() override
    {
        shutdownSound();
        game.programFolder = programFolder;
        delete game.hud;
        game.hud = nullptr;
    }

    void configure() override { game.shootButton[0] = OIS::KC_X; }

    // The ship is kept out of harm: these runs watch the level, not a death.
    void beforeFrame() override
    {
        if (game.level)
            play.player->invincibilityTime = 1.0f;
    }

    bool isPauseTextShown() const { return game.hud->pauseText && isOverlayShown(game.hud->pauseText->overlay); }

    std::string programFolder;
};

TEST_F(PlayFlow, TheLevelLoadsItsSoundsEndsOnlyCancellableShotsAndLeavesNoVignette)
{
    for (const std::string* name :
         {&game.gaugeReadySound, &game.gaugeStartSound, &game.cancelSoundName, &game.Sound1up, &game.textSound}) {
        ASSERT_FALSE(name->empty());
        EXPECT_TRUE(isSoundLoaded(*name)) << *name;
    }
    EXPECT_NE(audio().pauseSound, nullptr) << game.pauseSound;
    EXPECT_TRUE(isOverlayShown("EditorVignette"));

    // An enemy's later shots cannot be cancelled, as a weapon file's
    // "isCancellable" false makes them; its death ends only the earlier ones.
    Enemy* shooter = nullptr;
    ASSERT_TRUE(runUntil([&] {
        for (const bullet* shot : game.enemyBullets)
            if (shot->state == bullet::stateFlying && (shooter = shooterOf(*shot)))
                return true;
        return false;
    }));
    for (std::vector<Weapon*>& set : shooter->weaponSets)
        for (Weapon* gun : set)
            gun->isCancellable = 0;
    const auto flyingOf = [&](std::uint8_t cancellable) {
        std::vector<const bullet*> flying;
        for (const bullet* shot : game.enemyBullets)
            if (shot->state == bullet::stateFlying && shooterOf(*shot) == shooter && shot->isCancellable == cancellable)
                flying.push_back(shot);
        return flying;
    };
    ASSERT_TRUE(runUntil([&] { return !flyingOf(0).empty() || shooter->status != Enemy::statusAlive; }));
    ASSERT_EQ(shooter->status, Enemy::statusAlive) << "the enemy left before it fired again";
    const std::vector<const bullet*> kept = flyingOf(0);
    shooter->isDeathCancelsBullets = 1;
    shooter->die(false);
    EXPECT_TRUE(flyingOf(1).empty());
    EXPECT_EQ(flyingOf(0), kept);

    manager->changeState(&outside);
    EXPECT_FALSE(isOverlayShown("EditorVignette")) << "the screens after play would be grey";
}

TEST_F(PlayFlow, TheGaugesFollowTheHudAndTheirPictureSwitches)
{
    Level& level = *play.level;
    const auto gaugeShown = [&] {
        return std::vector<bool>{isOverlayShown(level.gaugeEmptyOverlay), isOverlayShown(level.gaugeLifeOverlay),
                                 isOverlayShown(level.gaugeReadyOverlay), isOverlayShown(level.chainEmptyOverlay),
                                 isOverlayShown(level.chainLifeOverlay)};
    };
    using Shown = std::vector<bool>;
    EXPECT_EQ(gaugeShown(), Shown({true, true, false, true, true}));
    // With the game file's ready mode, a full gauge waits for its button.
    game.isGaugeSwitch = true;
    game.addGauge(static_cast<int>(game.maxGauge));
    ASSERT_TRUE(game.isGaugeReady);
    EXPECT_EQ(gaugeShown(), Shown({true, true, true, true, true}));
    game.hud->setVisible(false);
    EXPECT_EQ(gaugeShown(), Shown({false, false, false, false, false}));
    game.hud->setVisible(true);
    EXPECT_EQ(gaugeShown(), Shown({true, true, true, true, true}));
    // A game file that names no pictures for the bars turns them off.
    game.isGaugeGfx = false;
    game.isChainTimerGfx = false;
    game.hud->setVisible(true);
    EXPECT_EQ(gaugeShown(), Shown({false, false, false, false, false}));
}

TEST_F(PlayFlow, PausingSoundsWithoutTheMenuAndARestartEndsScriptedControl)
{
    tap(SDL_SCANCODE_P);
    EXPECT_TRUE(game.isPaused);
    EXPECT_TRUE(isEditorGroupPlaying()) << "the pause sound";
    EXPECT_TRUE(isPauseTextShown());
    tap(SDL_SCANCODE_P);
    EXPECT_FALSE(game.isPaused);
    EXPECT_FALSE(isEditorGroupPlaying());
    EXPECT_FALSE(isPauseTextShown());
    // The menu's own sounds take over: the pause sound is cut, and the menu
    // says it is paused.
    tap(SDL_SCANCODE_ESCAPE);
    EXPECT_TRUE(game.isPaused);
    EXPECT_TRUE(play.pauseMenu->isOpen);
    EXPECT_FALSE(isEditorGroupPlaying());
    EXPECT_FALSE(isPauseTextShown());
    tap(SDL_SCANCODE_RETURN);
    ASSERT_FALSE(game.isPaused);

    // Triggers held the ship and a drop took over its definition's name;
    // the pause menu's restart puts the level back to its start.
    Player& ship = *play.player;
    ship.isFrozen = ship.isNoShooting = ship.isNoSmartBomb = ship.isBeingMoved = true;
    ASSERT_FALSE(game.itemLibrary.empty());
    game.spawnItem(game.itemLibrary.begin()->first, ship.sceneNode->_getDerivedPosition());
    const auto namedItems = [&] {
        int named = 0;
        for (const Item* item : game.itemPool)
            named += !item->screenName.empty();
        return named;
    };
    ASSERT_GT(namedItems(), 0);
    play.startLevel();
    runFrame();
    EXPECT_FALSE(ship.isFrozen || ship.isNoShooting || ship.isNoSmartBomb || ship.isBeingMoved);
    EXPECT_EQ(namedItems(), 0);
    tap(SDL_SCANCODE_P);
    EXPECT_TRUE(game.isPaused) << "the ship's pause key works after the restart";
    // A pause key from the stage scores, taken once the next level has loaded, does not pause it.
    keyboard->queueKey(sdlEvents::keyDown(SDL_SCANCODE_P).key);
    keyboard->queueKey(sdlEvents::keyUp(SDL_SCANCODE_P).key);
    manager->changeState(&play);
    runFrame();
    runFrame();
    EXPECT_FALSE(game.isPaused);
}

// The second level draws its ground layer, which holds its effects, above
// its clouds.
class LayeredPlayFlow : public PlayFlow {
protected:
    const char* levelName() const override { return "Level02"; }
};

TEST_F(LayeredPlayFlow, PlacedEffectsTakeTheirLayersAndCopiesTakeTheNextNumbers)
{
    Level& level = *play.level;
    int layered = 0;
    for (const sfx* effect : play.sfxList) {
        if (!effect->particleSystem)
            continue;
        const std::uint8_t index = static_cast<std::uint8_t>(level.getLayerIndex(static_cast<std::int32_t>(effect->layerId)));
        layered += index > 0;
        EXPECT_EQ(effect->particleSystem->getRenderQueueGroup(), renderQueueGroupOf(storedLayerOf(index)))
            << effect->name;
    }
    EXPECT_GT(layered, 0);

    // Each next number is above every number that ends a name of its kind,
    // and stays with the Level as its kind's last number.
    const auto above = [](std::int32_t number, const auto& objects, const auto& nameOf) {
        for (const auto* object : objects)
            if (nameNumber(nameOf(*object)) >= number)
                return false;
        return number > 0;
    };
    const std::int32_t wave = level.nextWaveNumber();
    EXPECT_TRUE(above(wave, play.waves, [](const Wave& w) { return w.waveName; }));
    EXPECT_EQ(level.lastWaveNameCounter, wave);
    const std::int32_t trigger = level.nextTriggerNumber();
    EXPECT_TRUE(above(trigger, play.triggers, [](const Trigger& t) { return t.name; }));
    EXPECT_EQ(level.lastTriggerNameCounter, trigger);
    const std::int32_t effect = level.nextSfxNumber();
    EXPECT_TRUE(above(effect, play.sfxList, [](const sfx& s) { return s.name; }));
    EXPECT_EQ(level.lastSfxNameCounter, effect);
    const std::int32_t scenery = level.nextBackgroundNumber();
    EXPECT_TRUE(above(scenery, level.backgrounds, [](const background& b) { return b.name; }));
    const std::int32_t item = level.nextItemNumber();
    EXPECT_TRUE(above(item, play.items, [](const Item& i) { return i.name; }));
    ASSERT_FALSE(play.items.empty());
    EXPECT_EQ(Item(*play.items.front()).name, "Item" + std::to_string(item));
}

} // namespace
