// The gauge, sound and effect sections of the game file: GAUGE, CHAINGAUGE,
// SOUNDS and GFX.
#include "core/Game.h"
#include "data/GameFileSection.h"

#include <algorithm>

namespace {

using sectionTable::optional;
using sectionTable::required;

// A bar without a back picture shows the plain pair, without its own effects.
void plainBarWhenUnset(std::string& back, std::string& front, bool& isGfx)
{
    if (!back.empty())
        return;
    back = plainBarBack;
    front = plainBarFront;
    isGfx = false;
}

void afterGauge(Game& game, const XmlNode*)
{
    plainBarWhenUnset(game.GaugeTextureBack, game.GaugeTextureFront, game.isGaugeGfx);
}

void afterChainGauge(Game& game, const XmlNode*)
{
    plainBarWhenUnset(game.ChainGaugeTextureBack, game.ChainGaugeTextureFront, game.isChainTimerGfx);
}

void afterSounds(Game& game, const XmlNode*)
{
    game.explosionSoundPanning = std::clamp(game.explosionSoundPanning, 0.0f, 1.0f);
}

GameFileSection gauge(Game& g)
{
    GameFileSection section{
        "GAUGE",
        {
            {"maxGauge", required, g.maxGauge, 100.0f},
            {"isGauge", required, g.isGauge, false},
            {"minStartgauge", required, g.minStartgauge, 100.0f},
            {"gaugeDrainSpeed", required, g.gaugeDrainSpeed, 20.0f},
            {"isGaugeSwitch", required, g.isGaugeSwitch, false},
            {"gaugeWeaponSetNumber", required, g.gaugeWeaponSetNumber, 0},
            {"gaugeButtonNumber", required, g.gaugeButtonNumber, 2},
            {"isResetGaugeNextLevel", optional, g.isResetGaugeNextLevel, true},
            {"hitAddGauge", optional, g.hitAddGauge, 0.0f},
            {"killAddGauge", optional, g.killAddGauge, 0.0},
            {"gaugeWeaponMultiplier", optional, g.gaugeWeaponMultiplier, 1.0},
            {"gaugeSpawnedItem", optional, g.gaugeSpawnedItem, ""},
            {"gaugeStartSpawnedItem", optional, g.gaugeStartSpawnedItem, ""},
            {"position", optional, g.gaugePosition, {0.0f, 0.05f}},
            {"dimensions", optional, g.gaugeDimensions, {0.25f, 0.02f}},
            {"GaugeTextureBack", optional, g.GaugeTextureBack, ""},
            {"GaugeTextureFront", optional, g.GaugeTextureFront, ""},
            {"GaugeTextureReady", optional, g.GaugeTextureReady, ""},
            {"isGaugeColoured", optional, g.isGaugeColoured, true},
            {"isGaugeGfx", optional, g.isGaugeGfx, true},
            {"isGaugeCancels", optional, g.isGaugeCancels, true},
            {"isButtonStartGaugeUntilTheEnd", optional, g.isButtonStartGaugeUntilTheEnd, false},
            {"isResetGaugePlayerDeath", optional, g.isResetGaugePlayerDeath, true},
            {"gaugeCancelDuration", optional, g.gaugeCancelDuration, 0.0f},
            {"gaugeInvincibleTime", optional, g.gaugeInvincibleTime, 0.0},
            {"dontAddToGaugeWhenStarted", optional, g.dontAddToGaugeWhenStarted, false},
            {"gaugeStartParticleFX", optional, g.gaugeStartParticleFX, ""},
            {"isGaugeWeaponStartEvenIfNotFull", optional, g.isGaugeWeaponStartEvenIfNotFull, false},
        },
    };
    section.afterRules = afterGauge;
    return section;
}

GameFileSection chainGauge(Game& g)
{
    GameFileSection section{
        "CHAINGAUGE",
        {
            {"position", required, g.chainGaugePosition, {0.0f, 0.05f}},
            {"dimensions", required, g.chainGaugeDimensions, {0.25f, 0.02f}},
            {"ChainGaugeTextureBack", required, g.ChainGaugeTextureBack, ""},
            {"ChainGaugeTextureFront", required, g.ChainGaugeTextureFront, ""},
            {"isChainGaugeColoured", optional, g.isChainGaugeColoured, true},
            {"isChainTimerGfx", optional, g.isChainTimerGfx, true},
        },
    };
    section.afterRules = afterChainGauge;
    return section;
}

GameFileSection sounds(Game& g)
{
    GameFileSection section{
        "SOUNDS",
        {
            {"startMenuMusic", required, g.startMenuMusic, ""},
            {"pauseSound", required, g.pauseSound, "pause.wav"},
            {"gameOverMusic", required, g.gameOverMusic, ""},
            {"gameWonMusic", required, g.gameWonMusic, ""},
            {"gameCompleteMusic", required, g.gameCompleteMusic, ""},
            {"startMenuValidate", required, g.startMenuValidate, "game_start.ogg"},
            {"startMenuBack", required, g.startMenuBack, "menuBack.mp3"},
            {"startMenuGo", required, g.startMenuGo, "menuGo.mp3"},
            {"startMenuClick", required, g.startMenuClick, "Menu_Click.ogg"},
            {"startMenuStartsGame", optional, g.startMenuStartsGame, "game_start.ogg"},
            {"Sound1up", optional, g.Sound1up, "item.wav"},
            {"gaugeReadySound", optional, g.gaugeReadySound, ""},
            {"gaugeReadySoundVolume", optional, g.gaugeReadySoundVolume, 1.0f},
            {"gaugeStartSound", optional, g.gaugeStartSound, ""},
            {"gaugeStartSoundVolume", optional, g.gaugeStartSoundVolume, 1.0f},
            {"cancelSoundName", optional, g.cancelSoundName, "item.wav"},
            {"defaultMasterVolume", optional, g.defaultMasterVolume, 80},
            {"defaultMusicVolume", optional, g.defaultMusicVolume, 60},
            {"defaultSfxVolume", optional, g.defaultSfxVolume, 60},
            {"explosionSoundPanning", optional, g.explosionSoundPanning, 0.0f},
            // A percent, written whole and kept as a real.
            {"pauseSoundVolume", optional, g.pauseSoundVolume, 70.0f, Reading::whole},
            {"textSoundVolume", optional, g.textSoundVolume, 0.2f},
            {"textSound", optional, g.textSound, "Menu_Click.ogg"},
            {"isPauseMusicDuringContinue", optional, g.isPauseMusicDuringContinue, false},
        },
    };
    section.afterRules = afterSounds;
    return section;
}

// The four collision effects fill two settings: the later of a pair given wins.
GameFileSection gfx(Game& g)
{
    return {
        "GFX",
        {
            {"screenRatio", optional, g.screenRatio, 1},
            {"cancelSfxName", optional, g.cancelSfxName, "Bullet_Cancel"},
            {"BGCollisionSfx", optional, g.playerCollisionSfx, ""},
            {"playerCollisionSfx", optional, g.playerCollisionSfx, ""},
            {"enemyCollisionSfx", optional, g.playerInvincibleCollisionSfx, ""},
            {"playerInvincibleCollisionSfx", optional, g.playerInvincibleCollisionSfx, ""},
            {"upSfx", optional, g.upSfx, "basic_1up"},
            {"spriteScale", optional, g.spriteScale, 1.0f},
            {"isExplosionSpawnLight", optional, g.isExplosionSpawnLight, true},
            {"isBulletDeadAfterLifeSpawnSfx", optional, g.isBulletDeadAfterLifeSpawnSfx, true},
        },
    };
}

} // namespace

std::vector<GameFileSection> gamePresentationSections(Game& game)
{
    return {gauge(game), chainGauge(game), sounds(game), gfx(game)};
}
