// Sizing and placing a widget: the aspect its layout is designed for, the
// letterbox factors, a picture's size from its texture, the text's height and
// alignment, and the screen place of a widget anchored in the world.
#include "app/OverlayWidget.h"

#include "app/CameraProjection.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "data/pictureDefinition.h"

#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgreCamera.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {

constexpr float wideAspect = 1.7777778f;
constexpr float classicAspect = 1.3333334f;
constexpr float portraitAspect = 0.75f;
constexpr float windowFrameTextAspect = 1.3274336f;
// Text heights are given in pixels of a 400-pixel-high screen; pixel-sized
// pictures count 512 pixels to the screen's height.
constexpr float charHeightUnit = 0.0025f;
constexpr float pixelSizeUnit = 512.0f;

// Width / height of the game's window; 16:9 without a window or a height.
float windowAspect()
{
    const Ogre::RenderWindow* window = Game::getSingletonPtr()->renderWindow;
    if (!window || window->getHeight() == 0)
        return wideAspect;
    return static_cast<float>(window->getWidth()) / static_cast<float>(window->getHeight());
}

// The aspect the game's screens are designed for: the game's screen ratio,
// the window's own shape for ratio 0 and back on the start menu.
float designAspect()
{
    const Game& game = *Game::getSingletonPtr();
    if (game.gameMode == gameModeBackToStartMenu)
        return windowAspect();
    switch (game.screenRatio) {
    case 1:
        return wideAspect;
    case 2:
        return classicAspect;
    case 3:
        return portraitAspect;
    default:
        return windowAspect();
    }
}

// The game's view: the window's second viewport when it has more than one.
Ogre::Viewport* layoutViewport()
{
    Ogre::RenderWindow* window = Game::getSingletonPtr()->renderWindow;
    if (!window || window->getNumViewports() == 0)
        return nullptr;
    return window->getViewport(window->getNumViewports() > 1 ? 1 : 0);
}

// Every one of these setters makes Ogre lay the whole text out again at the
// next frame: each is set only when its value changes.
void placeText(Ogre::TextAreaOverlayElement& area, float charHeight, float top,
               Ogre::TextAreaOverlayElement::Alignment alignment)
{
    if (area.getCharHeight() != charHeight)
        area.setCharHeight(charHeight);
    if (area.getTop() != top)
        area.setTop(top);
    if (area.getLeft() != 0.0f)
        area.setLeft(0.0f);
    if (area.getAlignment() != alignment)
        area.setAlignment(alignment);
}

} // namespace

float OverlayWidget::textAspect() const
{
    return isWindowFrame && !isPixelSize ? windowFrameTextAspect : designAspect();
}

Ogre::Vector2 OverlayWidget::getPictureAspect()
{
    const Ogre::MaterialPtr material = panel ? panel->getMaterial() : Ogre::MaterialPtr();
    const Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0);
    const Ogre::Vector2 texture = unit ? unitTextureSize(unit) : Ogre::Vector2::ZERO;
    float w = std::max(texture.x, 1.0f);
    float h = std::max(texture.y, 1.0f);
    const auto& pictures = Game::getSingletonPtr()->pictureLibrary;
    if (const pictureDefinition* picture = findPicture(&pictures, pictureName)) {
        const tileCounts tiles = tileCountsOf(*picture, pictureName);
        w /= static_cast<float>(tiles.across);
        h /= static_cast<float>(tiles.down);
    }
    pixelWidth = isCustomPixel ? customPixelWidth : w;
    pixelHeight = isCustomPixel ? customPixelHeight : h;
    return Ogre::Vector2(w / h, 1.0f);
}

void OverlayWidget::fitToViewport()
{
    const Ogre::Viewport* viewport = layoutViewport();
    if (!viewport)
        return;
    float aspect = isWindowFrame ? windowAspect() : designAspect();
    float vw = static_cast<float>(viewport->getActualWidth());
    float vh = static_cast<float>(viewport->getActualHeight());
    if (customViewportWidth != 0.0f || customViewportHeight != 0.0f) {
        vw = customViewportWidth;
        vh = customViewportHeight;
        aspect = 1.0f;
    }
    if (isWindowFrame) {
        vw = customViewportWidth;
        vh = customViewportHeight;
    }
    // A minimised window (or an unset custom size) keeps the last layout.
    if (!(vw > 0.0f && vh > 0.0f))
        return;
    referenceAspect = aspect;
    const float ratio = vw / vh;
    if (referenceAspect <= ratio) {
        factorY = 1.0f;
        factorX = referenceAspect * vh / vw;
    } else {
        factorX = 1.0f;
        factorY = ratio / referenceAspect;
    }
    if (!panel)
        return;
    if (isText) {
        if (!isAnchored) {
            panel->setDimensions(1.0f, 1.0f);
            panel->setPosition(-0.5f, -0.5f);
        }
        return;
    }
    fitPicture(isWindowFrame || isPixelSize ? referenceAspect : ratio);
    if (isPixelSize)
        placePixelSizedPicture();
}

// Sizes the picture for a screen of aspect `aspect` and centres it.
void OverlayWidget::fitPicture(float aspect)
{
    const float picture = getPictureAspect().x;
    if (isPixelSize) {
        height = pixelHeight / pixelSizeUnit;
        width = pixelWidth / pixelSizeUnit / referenceAspect;
    } else {
        width = isFitWidth ? 1.0f : picture / aspect;
        height = isFitWidth ? aspect / picture : 1.0f;
        if (Game::getSingletonPtr()->isShrinkOnNarrowScreens && aspect < referenceAspect) {
            width *= aspect / referenceAspect;
            height *= aspect / referenceAspect;
        }
    }
    width *= scaleX;
    height *= scaleY;
    panel->setDimensions(width, height);
    panel->setPosition((1.0f - width) / 2.0f - 0.5f, (1.0f - height) / 2.0f - 0.5f);
}

void OverlayWidget::placePixelSizedPicture()
{
    float x = -width / 2.0f;
    if (horizontalAlignment == 1)
        x = 0.0f;
    else if (horizontalAlignment == 2)
        x = -width;
    panel->setPosition(x, verticalAlignment != 0 ? -height : -height / 2.0f);
}

void OverlayWidget::placeAt3D(const Ogre::Vector3& point)
{
    if (!anchor || !panel)
        return;
    // Screen positions run 0..1 from the top left; the panel's place is
    // counted from the screen's centre. A point in the camera's plane is put
    // off the screen.
    const Ogre::Vector2 screen = screenPositionOf(anchor->getViewMatrix(), anchor->getProjectionMatrix(), point);
    const float x = screen.x - 1.0f;
    const float y = screen.y - 1.0f;
    panel->setPosition(x, y);
    if (!isText)
        panel->setPosition(x + 0.5f - width / 2.0f, y + 0.5f - height / 2.0f);
}

void OverlayWidget::updateCharHeight()
{
    if (!textArea || text.empty())
        return;
    const float aspect = textAspect();
    float f = 1.0f;
    const Ogre::Viewport* viewport = layoutViewport();
    if (viewport && !isWindowFrame && viewport->getHeight() > 0.0f) {
        const float shape = viewport->getWidth() / viewport->getHeight();
        if (shape >= aspect)
            f = shape / aspect;
    }
    const float size = static_cast<float>(charHeight) * charHeightUnit * f;
    const float block = static_cast<float>(charHeight) * lineCount;
    float top = 0.0f;
    if (verticalAlignment == 0)
        top = -block * charHeightUnit / 2.0f * f;
    else if (verticalAlignment == 2)
        top = block * charHeightUnit / 2.0f * f;
    if (isPixelSize)
        top = -block * charHeightUnit;
    Ogre::TextAreaOverlayElement::Alignment alignment = Ogre::TextAreaOverlayElement::Center;
    if (horizontalAlignment == 1)
        alignment = Ogre::TextAreaOverlayElement::Left;
    else if (horizontalAlignment == 2)
        alignment = Ogre::TextAreaOverlayElement::Right;
    placeText(*textArea, size, top, alignment);
}
