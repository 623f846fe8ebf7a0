// The Level's pool of score and multiplier pop-ups: the digit strips handed
// to the tile materials, the first free pop-up started on request.
#include "play/Level.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/ShaderConstants.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

namespace {

const char* const defaultStrip = "score_default.png";
const char* const missingStripMessage = "[ERROR] can't find score texture: ";
// The shipped strip: 13 tiles of 16 by 24 pixels.
const Ogre::Vector2 defaultStripSize(208.0f, 24.0f);
constexpr int scoreTiles = 13;
constexpr int multiplierTiles = 12;
// Texture pixels to world units at scale 1.
constexpr float tileWorldScale = 0.125f;

// The strip to use (the default one, logged, when the game lacks it) and
// its size in pixels, the default size when it cannot be loaded.
std::string stripTexture(const std::string& name, Ogre::Vector2& size)
{
    size = defaultStripSize;
    std::string texture = name;
    if (!resourceExists(texture)) {
        logLine(missingStripMessage + texture);
        texture = defaultStrip;
    }
    const Ogre::TexturePtr loaded =
        Ogre::TextureManager::getSingletonPtr() ? loadTexture(texture) : Ogre::TexturePtr();
    if (!loaded)
        return defaultStrip;
    size = Ogre::Vector2(static_cast<float>(loaded->getWidth()), static_cast<float>(loaded->getHeight()));
    return texture;
}

// The game's particle template for pop-up characters when its effects
// library names it, else the shipped one.
std::string popupTemplate(const Game& game, const std::string& name, const std::string& fallback)
{
    return game.sfxLibrary.count(name) ? name : fallback;
}

void setTileMaterial(const std::string& material, const std::string& texture, int tile, int tiles)
{
    const Ogre::MaterialPtr found = Ogre::MaterialManager::getSingletonPtr() ? findMaterial(material) : Ogre::MaterialPtr();
    if (!found)
        return;
    if (Ogre::TextureUnitState* unit = unitAt(found, 0, 0, 0))
        setUnitTexture(unit, texture);
    const Ogre::GpuProgramParametersSharedPtr constants = vertexConstants(passAt(found, 0, 0));
    setConstant(constants, "tileNumber", static_cast<float>(tile));
    if (tiles > 0)
        setConstant(constants, "totalTileNumber", static_cast<float>(tiles));
}

} // namespace

void Level::createScorePopupTextures()
{
    const Game& game = *Game::getSingletonPtr();
    if (game.scoreTextureName.empty())
        return;
    Ogre::Vector2 size;
    const std::string texture = stripTexture(game.scoreTextureName, size);
    const std::string particles = popupTemplate(game, game.scoreParticleName, "scoreParticles");
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups) {
        popup->scoreTileWidth = static_cast<float>(static_cast<int>(size.x) / scoreTiles) * tileWorldScale;
        popup->scoreTileHeight = size.y * tileWorldScale;
        popup->scoreParticleTemplate = particles;
    }
    for (int tile = 0; tile < scoreTiles; ++tile)
        setTileMaterial("defaultScore_" + std::to_string(tile), texture, tile, scoreTiles);
}

void Level::createMultiplierPopupTextures()
{
    const Game& game = *Game::getSingletonPtr();
    if (game.multiplierTextureName.empty())
        return;
    Ogre::Vector2 size;
    std::string texture = stripTexture(game.multiplierTextureName, size);
    const std::string particles = popupTemplate(game, game.multiplierParticleName, "multiplierParticles");
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups) {
        popup->multiplierTileWidth = static_cast<float>(static_cast<int>(size.x) / multiplierTiles) * tileWorldScale;
        popup->multiplierTileHeight = size.y * tileWorldScale;
        popup->multiplierParticleTemplate = particles;
    }
    for (int tile = 0; tile < multiplierTiles; ++tile) {
        if (!resourceExists(texture)) {
            logLine(missingStripMessage + texture);
            texture = defaultStrip;
        }
        // These materials count their tiles themselves.
        setTileMaterial("multiplier_" + std::to_string(tile), texture, tile, 0);
    }
}

void Level::spawnScorePopup(const Ogre::Vector3& position, std::int64_t points)
{
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups)
        if (!popup->active) {
            popup->start(position, Game::getSingletonPtr()->scoreTextureScale, points, true, 0.0);
            return;
        }
}

void Level::spawnMultiplierPopup(const Ogre::Vector3& position, double multiplier)
{
    const Game& game = *Game::getSingletonPtr();
    if (multiplier == 1.0 || game.multiplierTextureName.empty() || !game.isShowMultiplier)
        return;
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups)
        if (!popup->active) {
            popup->start(position, game.multiplierTextureScale, 0, false, multiplier);
            return;
        }
}

void Level::stopAllScorePopups()
{
    for (const std::unique_ptr<ScorePopup>& popup : scorePopups)
        popup->stop();
}
