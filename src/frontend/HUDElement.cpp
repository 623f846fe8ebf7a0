// A HUD element's defaults, its text or picture widget and its showing.
#include "frontend/HUDElement.h"

#include "app/OverlayVisibility.h"
#include "app/OverlayWidget.h"

#include <Overlay/OgreOverlayManager.h>

#include <algorithm>

namespace {

// HUD texts and elements are drawn above the bars.
constexpr unsigned hudElementZOrder = 646;

// Alignments and sizes from data are never negative for the widget.
unsigned widgetValue(std::int32_t value) { return static_cast<unsigned>(std::max<std::int32_t>(0, value)); }

// The element stands still: it neither fades, slides, scales nor turns.
void clearAnimation(OverlayWidget& widget)
{
    widget.isFadeIn = widget.isFadeOut = false;
    widget.isSlideIn = widget.isSlideOut = false;
    widget.isScaleIn = widget.isScaleOut = false;
    widget.isRotateIn = widget.isRotateOut = false;
    widget.startAngle = widget.endAngle = 0.0f;
}

} // namespace

HUDElement::HUDElement() { initDefaults(); }

HUDElement::~HUDElement()
{
    destroyBar();
    delete widget;
}

void HUDElement::initDefaults()
{
    screenName = "HUD element";
    UID = -1;
    type = hudElementText;
    position = Ogre::Vector2(0.0f, 0.9f);
    scale = 0.1f;
    isHidden = false;
    updateNumberAnimationSpeed = 0.0f;
    showFadeDuration = 0.25;
    hideFadeDuration = 0.15;
    showHideCustomVariableName = -1;
    fontName = "verdana";
    fontSize = 15;
    textColor = Ogre::ColourValue::White;
    align = 1;
    alignMode = 1;
    keyString.clear();
    text = "Score: ";
    imageName = "gameover.jpg";
    internalVariable = "displayedScore";
    customVariable = 0;
    isDisplayVariable = false;
    isInternalVariable = true;
    isTimeFormating = false;
    isThousandsFormating = false;
    lastValue = 0.0;
    shownValue = 0.0;
    easeStep = 0.0f;
    isHorizontal = true;
    lifeOffset = Ogre::Vector2::ZERO;
    maxValue = 1.0;
    bar_color1 = Ogre::Vector4(0.7f, 0.0f, 0.0f, 1.0f);
    bar_color2 = Ogre::Vector4(0.9f, 0.4f, 0.0f, 1.0f);
    bar_color3 = Ogre::Vector4(1.0f, 0.8f, 0.0f, 1.0f);
    bar_color4 = Ogre::Vector4(0.0f, 1.0f, 0.6f, 1.0f);
    layerNumber = 1;
    isBossLifeBar = false;
    isEnemyHPLifeBar = false;
    barValue = 1.0f;
    introRunning = false;
    introTime = 0.0f;
    barIntroDuration = 1.0f;
    introWidthFactor = 2.0f;
    backTextureName.clear();
    frontTextureName.clear();
    readyTextureName.clear();
    backSize = frontSize = readySize = Ogre::Vector2::ZERO;
}

void HUDElement::copyFields()
{
    widget->isText = type == hudElementText;
    widget->text = text;
    widget->fontName = fontName;
    widget->charHeight = widgetValue(fontSize);
    widget->colour = textColor;
    widget->horizontalAlignment = widgetValue(align);
    widget->verticalAlignment = widgetValue(alignMode);
    widget->position = widget->slideStart = widget->slideEnd = position;
    widget->scaleX = widget->scaleY = scale;
    widget->pictureName = imageName;
}

void HUDElement::create()
{
    delete widget;
    widget = nullptr;
    // Without an overlay system (a render-less run) there is nothing to build.
    if (!Ogre::OverlayManager::getSingletonPtr())
        return;
    widget = new OverlayWidget();
    copyFields();
    clearAnimation(*widget);
    widget->zOrder = hudElementZOrder;
    widget->create();
    applyDefinition();
    widget->setupAnimation();
}

void HUDElement::applyDefinition()
{
    if (!widget)
        return;
    copyFields();
    widget->createContent();
    widget->setupAnimation();
    if (widget->isText)
        updateText();
}

void HUDElement::setVisible(bool show)
{
    isShown = show;
    if (widget)
        widget->setVisible(show);
    // The ready layer waits for a ready state no element has: it stays hidden.
    setOverlayVisible(emptyOverlay, show);
    setOverlayVisible(lifeOverlay, show);
    updateBar();
}
