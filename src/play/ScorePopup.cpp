#include "play/ScorePopup.h"

#include "app/Log.h"
#include "app/TextUtils.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/FiniteVector.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

const char* const cameraNodeName = "CamNode1";
constexpr std::int64_t largestShownScore = 999999999;
// Scores rise a little in front of where they were won.
constexpr float scoreLift = 4.0f;
constexpr int firstPopupQueue = 40;
// Ogre aborts on a render queue above this.
constexpr int lastRenderQueue = 105;
constexpr unsigned short popupPriority = 40000;
// Successive characters overlap a little; a separator takes half a place
// and sits a fifth of a character to the left.
constexpr float characterAdvance = 0.85f;
constexpr float separatorShift = 0.2f;
const char* const scoreMaterial = "defaultScore_";
const char* const multiplierMaterial = "multiplier_";
const char* const scorePointTile = "11";
const char* const scoreCommaTile = "12";
const char* const multiplierSignTile = "10";
const char* const multiplierPointTile = "11";

bool isSeparator(const std::string& material)
{
    return material == std::string(scoreMaterial) + scorePointTile ||
           material == std::string(scoreMaterial) + scoreCommaTile ||
           material == std::string(multiplierMaterial) + multiplierPointTile;
}

std::vector<PopupGlyph> rowOf(const std::vector<std::string>& materials, float w)
{
    std::vector<PopupGlyph> row;
    float x = 0.0f;
    for (const std::string& material : materials) {
        const bool separator = isSeparator(material);
        row.push_back({material, x - (separator ? w * separatorShift : 0.0f)});
        x += (separator ? w * 0.5f : w) * characterAdvance;
    }
    return row;
}

} // namespace

std::string scorePopupText(std::int64_t value, int formatting)
{
    std::string text = std::to_string(std::min(value, largestShownScore));
    text.erase(std::remove(text.begin(), text.end(), '-'), text.end());
    text = formatThousands(text, formatting);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text.substr(0, ScorePopup::characterSlots);
}

std::string multiplierPopupText(double multiplier)
{
    std::ostringstream text;
    text << std::round(multiplier * 100.0) * 0.01;
    // The multiplication sign takes the first slot.
    return text.str().substr(0, ScorePopup::characterSlots - 1);
}

std::vector<PopupGlyph> scoreGlyphs(const std::string& text, float w)
{
    std::vector<std::string> materials;
    for (const char c : text) {
        const std::string tile = c == ',' ? scoreCommaTile : c == '.' ? scorePointTile : std::string(1, c);
        materials.push_back(scoreMaterial + tile);
    }
    return rowOf(materials, w);
}

std::vector<PopupGlyph> multiplierGlyphs(const std::string& text, float w)
{
    std::vector<std::string> materials{std::string(multiplierMaterial) + multiplierSignTile};
    for (const char c : text)
        materials.push_back(multiplierMaterial + (c == '.' ? std::string(multiplierPointTile) : std::string(1, c)));
    return rowOf(materials, w);
}

ScorePopup::~ScorePopup()
{
    if (!sceneManager)
        return;
    for (std::size_t slot = 0; slot < characterSlots; ++slot)
        destroySlot(slot);
    if (node)
        sceneManager->destroySceneNode(node);
}

void ScorePopup::init(Ogre::SceneManager* scene, Level* owner)
{
    sceneManager = scene;
    level = owner;
    if (!scene || !scene->hasSceneNode(cameraNodeName))
        return;
    node = scene->getSceneNode(cameraNodeName)->createChildSceneNode();
}

void ScorePopup::start(const Ogre::Vector3& position, float scale, std::int64_t value, bool isScore,
                       double multiplier)
{
    placeNode(isScore ? position + Ogre::Vector3(0.0f, 0.0f, scoreLift) : position);
    const float size = finiteIn(scale, 0.0f, largestDataScale, 1.0f);
    if (isScore && std::min(value, largestShownScore) != 0) {
        showScore(value, size);
        active = 1;
    } else if (!isScore && multiplier != 0.0 && std::isfinite(multiplier)) {
        showMultiplier(multiplier, size);
        active = 1;
    }
}

void ScorePopup::update(double dt)
{
    clock += dt;
    if (clock > lifetime)
        stop();
}

void ScorePopup::stop()
{
    for (Ogre::ParticleSystem* system : characterSystems)
        if (system)
            for (unsigned short e = 0; e < system->getNumEmitters(); ++e)
                system->getEmitter(e)->setEnabled(false);
    active = 0;
    clock = 0.0;
    if (node && node->getParent())
        node->getParent()->removeChild(node);
}

void ScorePopup::showScore(std::int64_t value, float scale)
{
    const std::int64_t shown = std::min(value, largestShownScore);
    const bool rebuild = isShowingMultiplier || shown != lastScore;
    const float w = scale * scoreTileWidth;
    const std::string text = scorePopupText(value, Game::getSingletonPtr()->scoreFormating);
    showGlyphs(scoreGlyphs(text, w), rebuild, scoreParticleTemplate, w, scale * scoreTileHeight);
    lastScore = shown;
    isShowingMultiplier = 0;
}

void ScorePopup::showMultiplier(double multiplier, float scale)
{
    const double shown = std::round(multiplier * 100.0) * 0.01;
    const bool rebuild = !isShowingMultiplier || shown != lastMultiplier;
    const float w = scale * multiplierTileWidth;
    showGlyphs(multiplierGlyphs(multiplierPopupText(multiplier), w), rebuild, multiplierParticleTemplate, w,
               scale * multiplierTileHeight);
    lastMultiplier = shown;
    isShowingMultiplier = 1;
}

void ScorePopup::showGlyphs(const std::vector<PopupGlyph>& glyphs, bool rebuild, const std::string& particleTemplate,
                            float w, float h)
{
    for (std::size_t slot = 0; slot < glyphs.size() && slot < characterSlots; ++slot) {
        if (rebuild)
            rebuildSlot(slot, glyphs[slot].material, particleTemplate);
        Ogre::ParticleSystem* system = characterSystems[slot];
        if (!system)
            continue;
        system->setDefaultDimensions(w, h);
        if (Ogre::ParticleEmitter* emitter = emitterAt(system, 0))
            emitter->setPosition(Ogre::Vector3(glyphs[slot].x, 0.0f, 0.0f));
        restartFirstEmitter(system);
    }
}

void ScorePopup::rebuildSlot(std::size_t slot, const std::string& material, const std::string& particleTemplate)
{
    destroySlot(slot);
    if (!sceneManager || !node)
        return;
    if (!hasParticleTemplate(particleTemplate)) {
        logLineOnce("[ERROR] can't find particle template: " + particleTemplate + namedBy("the score pop-ups", ""));
        return;
    }
    std::ostringstream name;
    name << "ParticleScore_xxxscore_" << slot << static_cast<const void*>(this);
    Ogre::ParticleSystem* system = sceneManager->createParticleSystem(name.str(), particleTemplate);
    system->setMaterialName(material, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    const int layer = level ? level->playerLayerIndex : 0;
    system->setRenderQueueGroupAndPriority(
        static_cast<Ogre::uint8>(std::min(firstPopupQueue + layer, lastRenderQueue)), popupPriority);
    node->attachObject(system);
    characterSystems[slot] = system;
}

void ScorePopup::destroySlot(std::size_t slot)
{
    Ogre::ParticleSystem*& system = characterSystems[slot];
    if (!system)
        return;
    if (system->isAttached())
        system->detachFromParent();
    sceneManager->destroyParticleSystem(system);
    system = nullptr;
}

void ScorePopup::placeNode(const Ogre::Vector3& position)
{
    if (!node)
        return;
    if (!node->getParent() && sceneManager->hasSceneNode(cameraNodeName))
        sceneManager->getSceneNode(cameraNodeName)->addChild(node);
    if (node->getParent())
        node->_setDerivedPosition(finiteOr(position, 0.0f));
}
