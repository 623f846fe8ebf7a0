// Shared set-up of the play-flow tests: the Game in a known state with a
// level list, a Level and a Player of the test's own, and the two fades'
// overlays and materials made on the render-less test root (materials
// without texture units or programs: the visuals are the render tests' part).
#pragma once

#include "GameTestSupport.h"

#include "combat/Player.h"
#include "play/Level.h"
#include "play/playState.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMaterialManager.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace playflowtest {

// The fade overlays and materials for the test's lifetime.
class FadeResources {
public:
    FadeResources()
    {
        sharedTestOverlaySystem();
        Ogre::ResourceGroupManager::getSingleton().createResourceGroup(group);
        for (const char* name : {"FadeInOut", "BlackBG"})
            Ogre::OverlayManager::getSingleton().create(name);
        for (const char* name : {"Examples/OverlayMaterial", "BG/OverlayMaterial"})
            Ogre::MaterialManager::getSingleton().create(name, group)->createTechnique()->createPass();
    }
    ~FadeResources()
    {
        for (const char* name : {"FadeInOut", "BlackBG"})
            Ogre::OverlayManager::getSingleton().destroy(name);
    }
    FadeResources(const FadeResources&) = delete;
    FadeResources& operator=(const FadeResources&) = delete;

    static Ogre::Overlay* overlay(const std::string& name) { return Ogre::OverlayManager::getSingleton().getByName(name); }

private:
    const std::string group = "PlayFlowFades";
    ResourceGroupScope scope{{group}};
};

class PlayFlowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        resetPlayFlow();
        game.highScores = highScoreTable();
        game.reportedFadeResources.clear();
        game.fadeState = game.backgroundFadeState = 0;
        game.fadeOverlay = game.backgroundOverlay = nullptr;
        game.isStartMenuPresent = true;
        game.noHighScoreSave = true;
        game.preferenceFolder = preferences.path();
    }
    void TearDown() override
    {
        game.level = nullptr;
        game.player = nullptr;
        game.playerLibrary.clear(); // the tests' own players
        game.fadeOverlay = game.backgroundOverlay = nullptr;
        game.backgroundTextureUnit = nullptr;
        gametest::cleanGame();
    }

    // What the defaults and a new game leave as earlier tests set it.
    void resetPlayFlow()
    {
        game.resetGame();
        game.nextLevelName.clear();
        game.playerName.clear();
        game.isPaused = game.isChaining = false;
        game.displayCountdown = 0.0;
        game.isDisplayCountdownDone = false;
        game.deaths = 0;
        game.isNextLevelBreakMultiplier = game.isResetGaugeNextLevel = game.isResetGaugePlayerDeath = false;
        game.deathResetsMultiplier = game.isSmartBombLostWhenDead = game.isSmartBombsBreakMultiplier = false;
        game.dontAddToGaugeWhenStarted = false;
    }
    void setLevels(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto* entry = new gameFileEntry;
            entry->name = name;
            game.levels.push_back(entry);
        }
        game.levelName = game.levels.front()->name;
        game.levelIndex = 0;
    }
    // The Game playing a level with triggers, the ship in play.
    void play()
    {
        game.level = &level;
        game.player = &player;
        game.gameMode = 1;
        level.isRunning = true;
        playing.triggers = {noTrigger};
        level.state = &playing;
        player.status = 2;
    }

    Game& game = *Game::getSingletonPtr();
    TempFolder preferences;
    FadeResources fades;
    Level level;
    Player player;
    Trigger* const noTrigger = nullptr;
    playState playing;
};

} // namespace playflowtest
