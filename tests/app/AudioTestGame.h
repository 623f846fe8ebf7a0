// A small exported game for the audio service tests: its four sound banks,
// loose sound files in the resource group "GAMERSC", and the Game's game and
// program folders pointed at it (sound on, not paused). Everything is undone when it goes.
#pragma once

#include "app/SoundDefinition.h"
#include "core/Game.h"
#include "support/OgreTestRoot.h"
#include "support/ResourceGroupScope.h"
#include "support/SoundFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

class AudioTestGame {
public:
    explicit AudioTestGame(const std::string& bankKey = soundtest::bankKey)
    {
        sharedTestRoot();
        folder.write("game/data/Sounds/SoundFX/broken.wav", "RIFF\x10\x00\x00\x00WAVE and nothing more");
        tone("game/data/Sounds/SoundFX/click.ogg", soundtest::oggFormat, 0.1);
        tone("game/data/Sounds/SoundFX/pause.wav", soundtest::wavFormat, 0.2);
        tone("game/data/Sounds/SoundFX/hum3d.wav", soundtest::wavFormat, 0.5);
        tone("game/data/Sounds/SoundFX/theme_file.ogg", soundtest::oggFormat, 2.0);
        bank("sounds.tzn", bankKey,
             {{"shot", source("shot.wav", soundtest::wavFormat, 0.3)},
              {"explosion", source("explosion.flac", soundtest::flacFormat, 0.5)},
              {"NONE", source("NONE.wav", soundtest::wavFormat, 0.1)},
              {"beep", source("beep.wav", soundtest::wavFormat, 0.25)}});
        bank("sounds3D.tzn", bankKey, {{"engine", source("engine.wav", soundtest::wavFormat, 0.5)}});
        bank("pauseSound.tzn", bankKey, {{"pause_bank", source("pause_bank.ogg", soundtest::oggFormat, 0.2)}});
        bank("musics.tzn", bankKey,
             {{"theme", source("theme.ogg", soundtest::oggFormat, 2.0)},
              {"boss", source("boss.ogg", soundtest::oggFormat, 1.0)}});
        ResourceGroupScope::addFolder(folder.path() + "game/data/Sounds/SoundFX", "GAMERSC");

        Game& game = *Game::getSingletonPtr();
        game.gameFolder = folder.path() + "game";
        game.programFolder = game.gameFolder + "/";
        game.resourceAvailability.clear();
        game.isSoundOn = true;
        game.isPaused = false;
        game.pauseSound = "pause.wav";
    }
    ~AudioTestGame()
    {
        Game& game = *Game::getSingletonPtr();
        for (auto& [name, definition] : game.soundLibrary)
            delete definition;
        game.soundLibrary.clear();
        game.resourceAvailability.clear();
        game.gameFolder.clear();
        game.programFolder.clear();
        game.isSoundOn = true;
        game.isPaused = false;
    }
    AudioTestGame(const AudioTestGame&) = delete;
    AudioTestGame& operator=(const AudioTestGame&) = delete;

    TempFolder folder;

private:
    void tone(const std::string& relative, int format, double seconds)
    {
        folder.write(relative, "");
        ASSERT_TRUE(soundtest::writeTone(folder.path() + relative, format, seconds));
    }
    std::string source(const std::string& name, int format, double seconds)
    {
        tone("sources/" + name, format, seconds);
        return folder.path() + "sources/" + name;
    }
    void bank(const std::string& name, const std::string& key,
              const std::vector<std::pair<std::string, std::string>>& sounds)
    {
        folder.write("game/data/Sounds/" + name, "");
        ASSERT_TRUE(soundtest::writeTestBank(folder.path() + "game/data/Sounds/" + name, key, sounds));
    }

    ResourceGroupScope group{{"GAMERSC"}};
};
