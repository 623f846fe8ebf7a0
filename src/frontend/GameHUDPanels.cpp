// The HUD's pictures and single texts: the background panel behind the
// lines, the picture around a game drawn at a fixed screen ratio, and the
// loading and pause texts.
#include "frontend/GameHUD.h"

#include "app/BarLayers.h"
#include "app/OverlayVisibility.h"
#include "app/OverlayWidget.h"
#include "app/ResourceLookup.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureMaterials.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {

constexpr unsigned short backgroundZOrder = 645;
constexpr unsigned pauseZOrder = 647;
constexpr unsigned loadingZOrder = 650;
const char* const screenFont = "ArialBlkOutline18";
constexpr unsigned pauseCharHeight = 22;
constexpr unsigned loadingCharHeight = 13;
constexpr float loadingScale = 0.5f;
const char* const gameBackgroundOverlay = "GameBackground";
const char* const gameBackgroundElement = "Game/BG";
constexpr int screenRatioNone = 0;

// The window's first viewport is drawn again in full.
void markBackgroundChanged(const Game& game)
{
    if (game.renderWindow && game.renderWindow->getNumViewports() > 0)
        game.renderWindow->getViewport(0)->_updateDimensions();
}

// The picture keeps its shape at the window's full height, centred across.
void fitGameBackground(Ogre::OverlayElement& element, const std::string& picture, const Game& game)
{
    const Ogre::TextureUnitState* unit = unitAt(findMaterial(picture), 0, 0, 0);
    const Ogre::Vector2 texture = unit ? unitTextureSize(unit) : Ogre::Vector2::ZERO;
    const float w = texture.x;
    const float h = texture.y > 0.0f ? texture.y : 1.0f;
    const float windowWidth = static_cast<float>(game.renderWindow->getWidth());
    const float windowHeight = static_cast<float>(game.renderWindow->getHeight());
    const float width = w / h * windowHeight;
    element.setDimensions(width, windowHeight);
    element.setPosition((windowWidth - width) * 0.5f, 0.0f);
}

void renderOneFrame(const Game& game)
{
    Ogre::Root* root = Ogre::Root::getSingletonPtr();
    if (root && game.renderWindow)
        root->renderOneFrame();
}

} // namespace

void GameHUD::createBackgroundPanel()
{
    destroyBackgroundPanel();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    const std::string& picture = game->gameHUDBG_texture;
    createAnimatedPictureMaterial(picture, std::string());
    backgroundPanel = makeBarPanel("PanelBG", findMaterial(picture), true);
    backgroundOverlay = makeBarOverlay("OverlayBG", backgroundPanel, backgroundZOrder);
    layoutBackgroundPanel();
    hideBackgroundPanel();
}

void GameHUD::destroyBackgroundPanel() { destroyBarLayer(backgroundOverlay, backgroundPanel); }

void GameHUD::layoutBackgroundPanel()
{
    if (!backgroundPanel)
        return;
    const Ogre::Vector2& size = game->gameHUDBG_dimension;
    const Ogre::Vector2& place = game->gameHUDBG_position;
    backgroundPanel->setDimensions(size.x, size.y);
    backgroundPanel->setPosition(place.x * 0.5f, place.y * -0.5f);
}

void GameHUD::showBackgroundPanel() { setOverlayVisible(backgroundOverlay, true); }

void GameHUD::hideBackgroundPanel() { setOverlayVisible(backgroundOverlay, false); }

void GameHUD::setBackground(const std::string& picture)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays)
        return;
    markBackgroundChanged(*game);
    const bool isShown = !picture.empty() && game->screenRatio != screenRatioNone;
    setOverlayVisible(gameBackgroundOverlay, isShown);
    if (!isShown || !overlays->hasOverlayElement(gameBackgroundElement))
        return;
    createAnimatedPictureMaterial(picture, std::string());
    Ogre::OverlayElement& element = *overlays->getOverlayElement(gameBackgroundElement);
    if (const Ogre::MaterialPtr material = findMaterial(picture))
        element.setMaterial(material);
    element.setCustomParameter(1, Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f));
    if (game->renderWindow)
        fitGameBackground(element, picture, *game);
}

void GameHUD::createLoading()
{
    destroyLoading();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    loadingText = new OverlayWidget();
    loadingText->text = "Loading";
    loadingText->fontName = screenFont;
    loadingText->charHeight = loadingCharHeight;
    loadingText->scaleX = loadingText->scaleY = loadingScale;
    loadingText->zOrder = loadingZOrder;
    loadingText->create();
    loadingText->setVisible(true);
}

void GameHUD::destroyLoading()
{
    delete loadingText;
    loadingText = nullptr;
}

void GameHUD::showLoading()
{
    renderOneFrame(*game);
    if (!loadingText)
        createLoading();
    if (loadingText)
        loadingText->setVisible(true);
    renderOneFrame(*game);
    if (game->renderWindow) {
        game->renderWindow->update();
        game->renderWindow->update();
    }
}

void GameHUD::hideLoading()
{
    if (loadingText)
        loadingText->setVisible(false);
}

void GameHUD::createPause()
{
    destroyPause();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    pauseText = new OverlayWidget();
    pauseText->text = game->getText("PAUSE");
    pauseText->fontName = fontExists(game->gameHUDFont) ? game->gameHUDFont : screenFont;
    pauseText->charHeight = pauseCharHeight;
    pauseText->zOrder = pauseZOrder;
    pauseText->create();
    pauseText->setupAnimation();
}

void GameHUD::destroyPause()
{
    delete pauseText;
    pauseText = nullptr;
}

void GameHUD::showPause()
{
    if (!pauseText)
        createPause();
    if (!pauseText)
        return;
    pauseText->setVisible(true);
    pauseText->verticalAlignment = 0;
    pauseText->updateCharHeight();
}

void GameHUD::hidePause()
{
    if (pauseText)
        pauseText->setVisible(false);
}
