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
    widget.isFadeIn = overlay.reported("isOverlayFadeIn", false);
    widget.isFadeOut = overlay.reported("isOverlayFadeOut", false);
    widget.scaleX = widget.scaleY = overlay.reported("textureScale", 1.0f);
    widget.appearDuration = overlay.reported("startDuration", 1.0f);
    widget.holdDuration = overlay.optional("normalDuration", 1.0f);
    widget.disappearDuration = overlay.reported("endDuration", 1.0f);
    widget.revealInterval = overlay.optional("timeBetweenLetter", 0.0f);
}

void readTransitions(const XmlNode& element, OverlayWidget& widget)
{
    const SectionAttributes in = SectionAttributes::child(element, "overlayIN");
    widget.slideInDirection = static_cast<unsigned>(in.reported("inPosDirection", 0));
    widget.isSlideIn = in.reported("isPositionIn", false);
    widget.isScaleIn = in.reported("isScaleIn", false);
    widget.isRotateIn = in.reported("isRotationIn", false);
    const SectionAttributes out = SectionAttributes::child(element, "overlayOUT");
    widget.slideOutDirection = static_cast<unsigned>(out.reported("OutPosDirection", 0));
    widget.isSlideOut = out.reported("isPositionOut", false);
    widget.isScaleOut = out.reported("isScaleOut", false);
    widget.isRotateOut = out.reported("isRotationOut", false);
    const SectionAttributes scroll = SectionAttributes::child(element, "overlayScroll");
    widget.slideStart = scroll.reported("startPos", Ogre::Vector2::ZERO);
    widget.slideEnd = scroll.reported("endPos", Ogre::Vector2::ZERO);
    widget.position = scroll.reported("normalPos", Ogre::Vector2::ZERO);
    const SectionAttributes rotation = SectionAttributes::child(element, "overlayRot");
    widget.startAngle = rotation.reported("startRotAngle", 0.0f);
    widget.endAngle = rotation.reported("endRotAngle", 0.0f);
    const SectionAttributes scale = SectionAttributes::child(element, "overlayScale");
    widget.startScale = scale.reported("startScale", Ogre::Vector2::ZERO);
    widget.endScale = scale.reported("endScale", Ogre::Vector2::ZERO);
}

// The text comes from the game's text table under the trigger's key, with
// the element's own text where the table has none. A key made here is
// entered with an empty text, which must not hide the element's text.
void readContent(const XmlNode& element, OverlayWidget& widget, Trigger& trigger)
{
    const XmlNode* node = element.first_node("overlayText");
    const SectionAttributes content(node);
    widget.isText = content.reported("isTextOnly", true);
    widget.pictureName = content.reported("imageName", std::string());
    const std::string ownText = content.reported("overlayText", std::string());
    const std::string fontName = content.reported("fontName", std::string());
    widget.charHeight = static_cast<unsigned>(content.reported("fontSize", 32));
    widget.colour = content.reported("fontColor", Ogre::ColourValue::White);
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
