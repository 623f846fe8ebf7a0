// The stage score screen's parts: the five lines, the panel and its picture,
// and showing or hiding them all.
#include "frontend/ScoreMenu.h"

#include "app/AudioService.h"
#include "app/BarLayers.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"
#include "frontend/menuButton.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgrePass.h>
#include <OgreTextureUnitState.h>

#include <string>

namespace {

const char* const panelName = "PanelSCORES";
const char* const overlayName = "OverlayBGSCORES";
const char* const materialPrefix = "score_";
const char* const defaultPanelMaterial = "defaultPicture";
constexpr std::uint16_t lineZOrder = 650;
constexpr std::uint16_t rebuiltZOrder = 649;
// The lines stand centred on their place: shifted up by half their height.
constexpr unsigned lineVerticalMode = 0;
constexpr std::uint16_t panelZOrder = 648;
constexpr float titleFontSize = 20.0f;
constexpr float totalFontSize = 24.0f;
constexpr float lineAppearSeconds = 0.5f;

// Where each line stands while the screen is up.
const Ogre::Vector2 titlePlace(0.0f, -0.4f);
const Ogre::Vector2 levelTitlePlace(0.0f, -0.2f);
const Ogre::Vector2 levelScorePlace(0.0f, -0.05f);
const Ogre::Vector2 totalTitlePlace(0.0f, 0.2f);
const Ogre::Vector2 totalScorePlace(0.0f, 0.35f);
// After a level that is not played for score only the total is shown.
const Ogre::Vector2 totalTitleAlonePlace(0.0f, -0.3f);
const Ogre::Vector2 totalScoreAlonePlace(0.0f, 0.0f);

std::unique_ptr<menuButton> makeLine(const char* name, float fontSize, const Game& game, const playState* owner)
{
    auto line = std::make_unique<menuButton>();
    line->text = name;
    line->label = name;
    line->type = menuDeactivated;
    line->fontSize = fontSize * game.globalHUDFontSizeFactor;
    line->build(owner);
    line->setZOrder(lineZOrder - menuButton::baseZOrder);
    line->labelText->zOrder = lineZOrder;
    line->labelText->verticalAlignment = lineVerticalMode;
    line->labelText->updateCharHeight();
    return line;
}

void placeLine(menuButton& line, const Ogre::Vector2& place)
{
    line.basePosition = line.position = place;
    line.slideFrom = line.slideTo = place;
}

void drawLine(menuButton& line)
{
    Ogre::ColourValue colour(line.colour.r, line.colour.g, line.colour.b, line.alpha);
    line.applyTransform(line.position, line.scale, colour);
}

// The viewport's height over its width, 1 before anything was drawn.
float viewportShape()
{
    const Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const int viewportWidth = overlays.getViewportWidth();
    const int viewportHeight = overlays.getViewportHeight();
    if (viewportWidth <= 0 || viewportHeight <= 0)
        return 1.0f;
    return static_cast<float>(viewportHeight) / static_cast<float>(viewportWidth);
}

// The panel's picture: its own copy of the game's picture, named with the
// screen's prefix.
Ogre::MaterialPtr panelMaterial(const std::string& picture)
{
    Ogre::MaterialPtr material;
    if (!picture.empty() && createAnimatedPictureMaterial(picture, std::string()))
        material = copyBarMaterial(picture, materialPrefix + picture);
    return material ? material : findMaterial(defaultPanelMaterial);
}

} // namespace

ScoreMenu::ScoreMenu() = default;

ScoreMenu::~ScoreMenu() { destroy(); }

std::array<menuButton*, 5> ScoreMenu::lines() const
{
    return {titleEntry.get(), levelTitleEntry.get(), levelScoreEntry.get(), totalTitleEntry.get(),
            totalScoreEntry.get()};
}

void ScoreMenu::create(playState* owner)
{
    game = Game::getSingletonPtr();
    timer = 0.0f;
    phase = phaseFadeIn;
    loadSound(game->scoreSound, false, false, false, false);
    titleEntry = makeLine("SCORES", titleFontSize, *game, owner);
    levelTitleEntry = makeLine("LEVEL SCORES", titleFontSize, *game, owner);
    levelScoreEntry = makeLine("0", titleFontSize, *game, owner);
    totalTitleEntry = makeLine("TOTAL SCORES", totalFontSize, *game, owner);
    totalScoreEntry = makeLine("0", totalFontSize, *game, owner);
    for (menuButton* line : {titleEntry.get(), levelScoreEntry.get(), totalScoreEntry.get()})
        drawLine(*line);
    createPanel();
    setPicture();
    refresh(false);
}

void ScoreMenu::createPanel()
{
    material = panelMaterial(game->HSMenuBG);
    const Ogre::Pass* pass = passAt(material, 0, 0);
    panel = makeBarPanel(panelName, material, pass && pass->hasVertexProgram());
    overlay = makeBarOverlay(overlayName, panel, panelZOrder);
    overlay->hide();
}

void ScoreMenu::destroy()
{
    for (std::unique_ptr<menuButton>* line :
         {&titleEntry, &levelTitleEntry, &levelScoreEntry, &totalTitleEntry, &totalScoreEntry})
        line->reset();
    destroyBarLayer(overlay, panel);
    material.reset();
    if (game && !game->HSMenuBG.empty())
        removeBarMaterial(materialPrefix + game->HSMenuBG);
}

void ScoreMenu::open()
{
    setPicture();
    refresh(true);
    game->startBackgroundFadeOut(0.5f);
    shownValue = 0;
    fadeOutEffects();
}

void ScoreMenu::setPicture()
{
    if (!game->HSMenuBG.empty() && panel)
        material = panel->getMaterial();
    if (!material)
        material = findMaterial(defaultPanelMaterial);
    if (panel && material)
        panel->setMaterial(material);
    updateAlpha(0.0f);
    refresh(false);
}

void ScoreMenu::updateAlpha(float alpha)
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (!pass || !panel)
        return;
    if (pass->hasFragmentProgram()) {
        panel->setCustomParameter(1, Ogre::Vector4(1.0f, 1.0f, 1.0f, alpha));
        return;
    }
    if (Ogre::TextureUnitState* unit = unitAt(pass, 0))
        unit->setAlphaOperation(Ogre::LBX_MODULATE, Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL, 1.0f, alpha);
}

void ScoreMenu::refresh(bool show)
{
    const float shape = viewportShape();
    if (panel) {
        panel->setDimensions(shape * width, height);
        panel->setPosition(-0.5f * shape * width, -0.5f * height);
    }
    if (show)
        showLines();
    else {
        for (menuButton* line : lines())
            if (line)
                line->setVisible(false);
        if (overlay)
            overlay->hide();
    }
    game->shootPressed[0] = false;
    timer = 0.0f;
    totalTime = 0.0f;
    phase = phaseFadeIn;
    shownValue = 0;
    updateAlpha(0.0f);
}

void ScoreMenu::showLines()
{
    playState::setControllerTimeFactor(0.0f);
    countStep = 1.0f;
    if (overlay)
        overlay->show();
    const std::array<Ogre::Vector2, 5> places = {titlePlace, levelTitlePlace, levelScorePlace, totalTitlePlace,
                                                 totalScorePlace};
    const std::array<menuButton*, 5> all = lines();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!all[i])
            return;
        all[i]->alphaFrom = 0.0f;
        all[i]->alphaTo = 1.0f;
        all[i]->slideDuration = lineAppearSeconds;
        all[i]->slideTime = lineAppearSeconds;
        placeLine(*all[i], places[i]);
        all[i]->updateTexts();
    }
    for (menuButton* title : {titleEntry.get(), levelTitleEntry.get(), totalTitleEntry.get()})
        title->setVisible(true);
    if (isGameplayLevel())
        return;
    titleEntry->setVisible(false);
    levelTitleEntry->setVisible(false);
    placeLine(*totalTitleEntry, totalTitleAlonePlace);
    placeLine(*totalScoreEntry, totalScoreAlonePlace);
}

bool ScoreMenu::isGameplayLevel() const
{
    const auto entry = static_cast<std::size_t>(game->levelIndex);
    return entry >= game->levels.size() || !game->levels[entry] || game->levels[entry]->isGameplayLevel;
}

// The level's build makes the three titles and the level's number again,
// at the in-game screens' depth below the lines as built; the total's
// number keeps its text.
void ScoreMenu::rebuildTexts()
{
    for (menuButton* line : {titleEntry.get(), levelTitleEntry.get(), totalTitleEntry.get(), levelScoreEntry.get()}) {
        if (!line || !line->labelText)
            continue;
        line->labelText->zOrder = rebuiltZOrder;
        line->labelText->create();
        line->labelText->setVisible(false);
    }
}
