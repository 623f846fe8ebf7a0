// A HUD element's bar: four layers (the back, the fill, the second fill and
// the ready layer), each a panel with a material cloned for the element on an
// overlay of its own. The fill layers show their part of the texture through
// "uv_coords", so outside it they draw nothing.
#include "frontend/HUDElement.h"

#include "app/BarLayers.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/PictureFrames.h"
#include "data/pictureDefinition.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMaterialManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <sstream>

namespace {

// Layer sizes are texture pixels over 512.
constexpr float pixelsToScreen = 0.001953125f;
const Ogre::Vector2 standInPixels(256.0f, 32.0f);

// The names and depth of one layer: its material is the texture's name
// followed by `word`; every name ends with the element's suffix.
struct barLayerKind {
    const char* word;
    const char* panel;
    const char* overlay;
    unsigned short zOrder;
};

const barLayerKind backKind{"BARBACK", "barOverlayEmpty", "lifeBarOverlayEmptyContainer", 643};
const barLayerKind frontKind{"BARFRONT", "barOverlayLife", "lifeBarOverlayLifeContainer", 644};
const barLayerKind front2Kind{"BARFRONT2", "barOverlayLife2", "lifeBarOverlayLife2Container", 645};
const barLayerKind readyKind{"BARREADY", "barOverlayReady", "lifeBarOverlayReadyContainer", 644};

Ogre::MaterialPtr cloneLayerMaterial(const std::string& texture, const barLayerKind& kind, const std::string& suffix)
{
    return copyBarMaterial(texture, texture + kind.word + suffix);
}

Ogre::OverlayContainer* makePanel(const barLayerKind& kind, const std::string& suffix,
                                  const Ogre::MaterialPtr& material, bool isTinted)
{
    return makeBarPanel(kind.panel + suffix, material, isTinted);
}

Ogre::Overlay* makeOverlay(const barLayerKind& kind, const std::string& suffix, Ogre::OverlayContainer* panel)
{
    return makeBarOverlay(kind.overlay + suffix, panel, kind.zOrder);
}

// Width and height in pixels of a texture the game holds; the stand-in size
// for one it lacks or that cannot be loaded.
Ogre::Vector2 texturePixels(const std::string& name)
{
    if (!resourceExists(name) || !Ogre::TextureManager::getSingletonPtr())
        return standInPixels;
    const Ogre::TexturePtr texture = loadTexture(name);
    if (!texture || texture->getWidth() == 0 || texture->getHeight() == 0)
        return standInPixels;
    return Ogre::Vector2(static_cast<float>(texture->getWidth()), static_cast<float>(texture->getHeight()));
}

// A picture sheet's ready layer shows one frame.
Ogre::Vector2 framePixels(const std::string& name)
{
    const Ogre::Vector2 pixels = texturePixels(name);
    const pictureDefinition* picture = findPicture(&Game::getSingletonPtr()->pictureLibrary, name);
    if (!picture)
        return pixels;
    const tileCounts tiles = tileCountsOf(*picture, name);
    return Ogre::Vector2(pixels.x / static_cast<float>(tiles.across), pixels.y / static_cast<float>(tiles.down));
}

} // namespace

std::string HUDElement::barSuffix() const
{
    std::ostringstream suffix;
    suffix << static_cast<const void*>(this);
    return suffix.str();
}

void HUDElement::measureBar()
{
    const Ogre::Vector2 backPixels = texturePixels(backTextureName);
    backSize = backPixels * pixelsToScreen;
    isHorizontal = backPixels.x / backPixels.y >= 1.0f;
    frontSize = texturePixels(frontTextureName) * pixelsToScreen;
    readySize = framePixels(readyTextureName) * pixelsToScreen;
}

void HUDElement::createBar(const std::string& back, const std::string& front, const std::string& ready)
{
    // The earlier bar goes first, while its names still lead to its materials.
    destroyBar();
    backTextureName = back;
    frontTextureName = front;
    readyTextureName = ready;
    measureBar();
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    const std::string suffix = barSuffix();
    const Ogre::MaterialPtr backMaterial = cloneLayerMaterial(back, backKind, suffix);
    const Ogre::MaterialPtr frontMaterial = cloneLayerMaterial(front, frontKind, suffix);
    const Ogre::MaterialPtr front2Material = cloneLayerMaterial(front, front2Kind, suffix);
    const Ogre::MaterialPtr readyMaterial = cloneLayerMaterial(ready, readyKind, suffix);
    // Fill layers without a texture of their own show the plain "none".
    const bool hasFront = !front.empty();
    const Ogre::MaterialPtr none = hasFront ? Ogre::MaterialPtr() : findMaterial("none");
    emptyLayer = makePanel(backKind, suffix, backMaterial, true);
    lifeLayer = makePanel(frontKind, suffix, hasFront ? frontMaterial : none, hasFront);
    life2Layer = makePanel(front2Kind, suffix, hasFront ? front2Material : none, hasFront);
    readyLayer = makePanel(readyKind, suffix, readyMaterial, true);
    readyOverlay = makeOverlay(readyKind, suffix, readyLayer);
    emptyOverlay = makeOverlay(backKind, suffix, emptyLayer);
    lifeOverlay = makeOverlay(frontKind, suffix, lifeLayer);
    life2Overlay = makeOverlay(front2Kind, suffix, life2Layer);
    // The shared "none" keeps its own addressing.
    if (hasFront) {
        clampBarToBorder(frontMaterial);
        clampBarToBorder(front2Material);
    }
}

void HUDElement::destroyBar()
{
    destroyBarLayer(emptyOverlay, emptyLayer);
    destroyBarLayer(lifeOverlay, lifeLayer);
    destroyBarLayer(life2Overlay, life2Layer);
    destroyBarLayer(readyOverlay, readyLayer);
    const std::string suffix = barSuffix();
    removeBarMaterial(backTextureName + backKind.word + suffix);
    removeBarMaterial(frontTextureName + frontKind.word + suffix);
    removeBarMaterial(frontTextureName + front2Kind.word + suffix);
    removeBarMaterial(readyTextureName + readyKind.word + suffix);
}
