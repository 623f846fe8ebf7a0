// The level build at play start: the graphics of the level's objects are made
// or remade where their library definition changed since the last build (or
// everything when the Game asks for a full rebuild); each library's change
// marks are cleared once it has been walked.
#include "play/Level.h"

#include "app/OverlayWidget.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/ContinueMenu.h"
#include "frontend/GameEndScreen.h"
#include "frontend/GameHUD.h"
#include "frontend/ScoreMenu.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/Trigger.h"
#include "world/background.h"
#include "world/sfx.h"
#include "world/sfxManager.h"

namespace {

bool isMarked(const Game& game, const entity* definition)
{
    return game.isRebuildAll || (definition && definition->isChanged);
}

template <typename Library>
void clearMarks(Library& library)
{
    for (auto& entry : library)
        if (entry.second)
            entry.second->isChanged = 0;
}

void resetMarkedWeapons(const Game& game, const std::vector<std::vector<Weapon*>>& weaponSets)
{
    for (const std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            if (weapon && isMarked(game, weapon->definition))
                weapon->reset();
}

// The pictures of the enemy bars (the engine's own when the game names
// none), the gauges and the HUD's background get their materials anew.
void makeBarPictureMaterials(const Game& game)
{
    const auto orDefault = [](const std::string& name, const char* fallback) {
        return name.empty() ? std::string(fallback) : name;
    };
    const std::string pictures[] = {orDefault(game.enemyLifebarTextureBack, "enemyBar_back.png"),
                                    orDefault(game.enemyLifebarTextureFront, "enemyBar_front.png"),
                                    orDefault(game.enemyBossLifebarTextureBack, "enemyBar_back.png"),
                                    orDefault(game.enemyBossLifebarTextureFront, "enemyBar_front.png"),
                                    game.GaugeTextureBack,
                                    game.GaugeTextureFront,
                                    game.GaugeTextureReady,
                                    game.ChainGaugeTextureBack,
                                    game.ChainGaugeTextureFront,
                                    game.gameHUDBG_texture};
    for (const std::string& picture : pictures)
        if (!picture.empty())
            createAnimatedPictureMaterial(picture, std::string());
}

void buildPlayer(const Game& game, Player* player)
{
    if (!player)
        return;
    if (!player->meshName.empty() && isMarked(game, player->templateObject)) {
        player->loadMesh(player->meshName);
        player->respawn(true);
    }
    resetMarkedWeapons(game, player->weaponSets);
}

void buildWave(const Game& game, Wave& wave, bool isSpriteLighting)
{
    if (isMarked(game, wave.templateObject))
        wave.loadMemberMesh();
    for (Enemy* member : wave.members) {
        if (!member)
            continue;
        resetMarkedWeapons(game, member->weaponSets);
        // Flat sprites throw no useful shadow unless lit as sprites.
        if (!isSpriteLighting && member->isLayered)
            member->isCastShadows = 0;
    }
}

void buildTrigger(Trigger& trigger)
{
    if (trigger.overlay)
        trigger.overlay->createContent();
    trigger.updateOverlayPosition();
    trigger.loadSound();
}

} // namespace

void Level::build()
{
    Game& game = *Game::getSingletonPtr();
    for (background* scenery : backgrounds)
        if (scenery)
            scenery->create();
    clearMarks(game.backgroundLibrary);

    if (state)
        for (Item* item : state->items)
            if (item)
                item->refreshMesh();
    clearMarks(game.itemLibrary);

    buildPlayer(game, game.player);
    clearMarks(game.playerLibrary);
    for (Wave* wave : waves)
        if (wave)
            buildWave(game, *wave, isSpriteLighting);
    clearMarks(game.waveLibrary);
    clearMarks(game.weaponLibrary);

    // Placed effects have no change marks: their particles are remade only on a full rebuild.
    if (game.isRebuildAll && placedEffects)
        for (sfx* effect : *placedEffects)
            if (effect && effect->isParticles) {
                effect->destroyVisuals();
                effect->createParticleSystem();
            }
    if (state)
        for (Trigger* trigger : state->triggers)
            if (trigger)
                buildTrigger(*trigger);

    if (game.hud) {
        game.hud->setBackground(backgroundGameName);
        game.hud->createBackgroundPanel();
    }
    createScorePopupTextures();
    createMultiplierPopupTextures();
    makeBarPictureMaterials(game);
    if (state && state->endScreen)
        state->endScreen->createElements();
    if (state && state->continueMenu)
        state->continueMenu->remakeTexts();
    if (state && state->scoreMenu)
        state->scoreMenu->rebuildTexts();
    if (effects)
        effects->createParticleItem();
    if (game.hud)
        game.hud->layout();
    if (camera)
        camera->createSkybox();
}
