#include "data/TriggerOverlayReader.h"

#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/materials/PictureMaterials.h"
#include "data/SectionAttributes.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/Trigger.h"

#include <string>

namespace {

void readTiming(const XmlNode& element, OverlayWidget& widget)
{
    const SectionAttributes overlay = SectionAttributes::child(element, "overlay");
    widget.isAnchored = overlay.optional("isWorldSpace", false);
    widget.isFadeIn = overlay.required("isOverlayFadeIn", false);
    widget.isFadeOut = overlay.required("isOverlayFadeOut", false);
    widget.scaleX = widget.scaleY = overlay.required("textureScale", 1.0f);
    widget.appearDuration = overlay.required("startDuration", 1.0f);
    widget.holdDuration = overlay.optional("normalDuration", 1.0f);
    widget.disappearDuration = overlay.required("endDuration", 1.0f);
    widget.revealInterval = overlay.optional("timeBetweenLetter", 0.0f);
}

void readTransitions(const XmlNode& element, OverlayWidget& widget)
{
    const SectionAttributes in = SectionAttributes::child(element, "overlayIN");
    widget.slideInDirection = static_cast<unsigned>(in.required("inPosDirection", 0));
    widget.isSlideIn = in.required("isPositionIn", false);
    widget.isScaleIn = in.required("isScaleIn", false);
    widget.isRotateIn = in.required("isRotationIn", false);
    const SectionAttributes out = SectionAttributes::child(element, "overlayOUT");
    widget.slideOutDirection = static_cast<unsigned>(out.required("OutPosDirection", 0));
    widget.isSlideOut = out.required("isPositionOut", false);
    widget.isScaleOut = out.required("isScaleOut", false);
    widget.isRotateOut = out.required("isRotationOut", false);
    const SectionAttributes scroll = SectionAttributes::child(element, "overlayScroll");
    widget.slideStart = scroll.required("startPos", Ogre::Vector2::ZERO);
    widget.slideEnd = scroll.required("endPos", Ogre::Vector2::ZERO);
    widget.position = scroll.required("normalPos", Ogre::Vector2::ZERO);
    const SectionAttributes rotation = SectionAttributes::child(element, "overlayRot");
    widget.startAngle = rotation.required("startRotAngle", 0.0f);
    widget.endAngle = rotation.required("endRotAngle", 0.0f);
    const SectionAttributes scale = SectionAttributes::child(element, "overlayScale");
    widget.startScale = scale.required("startScale", Ogre::Vector2::ZERO);
    widget.endScale = scale.required("endScale", Ogre::Vector2::ZERO);
}

// The text comes from the game's text table under the trigger's key, with
// the element's own text where the table has none. A key made here is
// entered with an empty text, which must not hide the element's text.
void readContent(const XmlNode& element, OverlayWidget& widget, Trigger& trigger)
{
    const XmlNode* node = element.first_node("overlayText");
    const SectionAttributes content(node);
    widget.isText = content.required("isTextOnly", true);
    widget.pictureName = content.required("imageName", std::string());
    const std::string ownText = content.required("overlayText", std::string());
    const std::string fontName = content.required("fontName", std::string());
    widget.charHeight = static_cast<unsigned>(content.required("fontSize", 32));
    widget.colour = content.required("fontColor", Ogre::ColourValue::White);
    widget.horizontalAlignment = static_cast<unsigned>(content.optional("align", 0));
    trigger.isManualRenderingOrder = content.optional("isManualRenderingOrder", false);
    trigger.manualRenderingOrder = content.optional("manualRenderingOrder", 1);
    Game& game = *Game::getSingletonPtr();
    std::string key;
    std::string text;
    if (node) {
        const char* keyString = attributeText(*node, "keyString");
        key = keyString ? std::string(keyString) : game.makeTextKey(game.defaultTexts);
        text = game.getDefaultText(key, ownText);
        if (!keyString && text.empty())
            text = ownText;
    }
    trigger.keyString = key;
    widget.text = text;
    widget.fontName = game.getTextForLanguage(fontName);
}

// A picture the pictures library lacks leaves the widget without one.
void preparePicture(OverlayWidget& widget)
{
    Game& game = *Game::getSingletonPtr();
    if (!game.pictureLibrary.count(widget.pictureName))
        widget.pictureName.clear();
    else
        createAnimatedPictureMaterial(widget.pictureName, std::string());
}

} // namespace

void readOverlay(const XmlNode& element, Trigger& trigger, Level* level)
{
    if (!element.first_node("overlay"))
        return;
    auto* widget = new OverlayWidget();
    trigger.overlay = widget;
    // A widget shown in world space follows its point through the level's camera.
    if (level && level->camera)
        widget->anchor = level->camera->playCamera;
    readTiming(element, *widget);
    readContent(element, *widget, trigger);
    readTransitions(element, *widget);
    preparePicture(*widget);
    widget->create();
}
