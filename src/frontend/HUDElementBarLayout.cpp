// A HUD element's bar laid out: its layers placed and sized for the screen's
// shape, the fill drawn on the fill layers and their colours by the number
// of stacked layers the fill reaches.
#include "frontend/HUDElement.h"

#include "app/BarLayers.h"
#include "app/OverlayVisibility.h"
#include "core/Game.h"
#include "play/LifeBarLook.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>

#include <algorithm>

namespace {

constexpr int fewestLayers = 1;
constexpr int mostLayers = 4;
// Offsets of the fill layers count in tenths of the scale.
constexpr float offsetUnit = 0.1f;
// An opening bar moves across by this share of the width it lacks.
constexpr float introShift = 0.6f;
constexpr std::int32_t alignCentred = 0;
constexpr std::int32_t alignRight = 2;

// A layer's size on screen: its size in texture units by the scale, its
// width for the screen's shape.
Ogre::Vector2 onScreen(const Ogre::Vector2& size, float scale, float aspect)
{
    return Ogre::Vector2(size.x * scale / aspect, size.y * scale);
}

Ogre::ColourValue colourOf(const Ogre::Vector4& value) { return Ogre::ColourValue(value.x, value.y, value.z, value.w); }

void place(Ogre::OverlayContainer* panel, float x, float y, float width, float height)
{
    if (!panel)
        return;
    panel->setDimensions(width, height);
    panel->setPosition(x, y);
}

} // namespace

void HUDElement::updateBar()
{
    if (type != hudElementBar || !emptyLayer)
        return;
    const float aspect = Game::getSingletonPtr()->computeAspectRatio();
    Ogre::Vector2 back = onScreen(backSize, scale, aspect);
    Ogre::Vector2 front = onScreen(frontSize, scale, aspect);
    const Ogre::Vector2 ready = onScreen(readySize, scale, aspect);
    float px = position.x * 0.5f;
    const float py = 0.5f - position.y * 0.5f;
    if (introRunning) {
        const float share = barIntroDuration > 0.0f ? introTime / barIntroDuration : 1.0f;
        const float k = std::min(share, 1.0f) * introWidthFactor;
        const float fullWidth = back.x;
        back.x *= k;
        front.x *= k;
        px += (fullWidth - back.x) * introShift;
    }
    const float xoff = align == alignCentred ? -0.5f * back.x : align == alignRight ? -back.x : 0.0f;
    const int layers = std::clamp(layerNumber, fewestLayers, mostLayers);
    const float fill = static_cast<float>(layers) * barValue;
    const float f = topLayerShare(fill);

    place(emptyLayer, px + xoff, py - 0.5f - back.y, back.x, back.y);
    place(readyLayer, px + xoff, py - 0.5f - ready.y, ready.x, ready.y);
    const Ogre::Vector2 offset = lifeOffset * offsetUnit * scale;
    const float lifeX = px + offset.x + xoff;
    const float lifeTop = py - offset.y - 0.5f;
    if (isHorizontal) {
        setBarTextureRect(lifeLayer, 0.0f, 0.0f, f, 1.0f);
        place(lifeLayer, lifeX, lifeTop - front.y, f * front.x, front.y);
        setBarTextureRect(life2Layer, f, 0.0f, 1.0f, 1.0f);
        place(life2Layer, lifeX + f * front.x, lifeTop - front.y, front.x - f * front.x, front.y);
    } else {
        setBarTextureRect(lifeLayer, 0.0f, 1.0f - f, 1.0f, 1.0f);
        place(lifeLayer, lifeX, lifeTop - 0.5f * front.y + (1.0f - f) * front.y, front.x, f * front.y);
        setBarTextureRect(life2Layer, 0.0f, 0.0f, 1.0f, 1.0f - f);
        place(life2Layer, lifeX, lifeTop - 0.5f * front.y, front.x, front.y - f * front.y);
    }
    if (life2Layer && layers > 1)
        life2Layer->show();
    else if (life2Layer)
        life2Layer->hide();
    colourBar(fill);
}

void HUDElement::colourBar(float fill)
{
    LifeBarColours colours = layeredBarColours(
        {colourOf(bar_color1), colourOf(bar_color2), colourOf(bar_color3), colourOf(bar_color4)}, layerNumber, fill);
    // The fill takes the back layer's opacity.
    const float alpha = emptyLayer->hasCustomParameter(1) ? emptyLayer->getCustomParameter(1).w : 1.0f;
    colours.life.a = colours.life2.a = alpha;
    tintBarPanel(lifeLayer, colours.life);
    setOverlayVisible(life2Overlay, isShown && colours.isLife2Shown);
    if (colours.isLife2Shown)
        tintBarPanel(life2Layer, colours.life2);
}
