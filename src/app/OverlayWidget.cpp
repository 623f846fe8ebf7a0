// The widget's Ogre elements and their content: the panel, the overlay and
// the text area, the picture or text they show, visibility, text, Z order and
// dimming.
#include "app/OverlayWidget.h"

#include "app/CaptionText.h"
#include "app/OverlayTextFonts.h"
#include "app/ResourceLookup.h"
#include "app/TextUtils.h"
#include "core/materials/MaterialLookup.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgrePanelOverlayElement.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgrePass.h>
#include <OgreTextureUnitState.h>

#include <sstream>

namespace {

const char* const defaultPictureMaterial = "defaultPicture";
constexpr unsigned baseZOrder = 300;
constexpr unsigned zOrderRange = 38;

} // namespace

OverlayWidget::OverlayWidget() { reset(); }

OverlayWidget::OverlayWidget(const OverlayWidget& source, bool withoutOgreObjects)
{
    reset();
    isFitWidth = source.isFitWidth;
    isAnchored = source.isAnchored;
    horizontalAlignment = source.horizontalAlignment;
    verticalAlignment = source.verticalAlignment;
    appearDuration = source.appearDuration;
    holdDuration = source.holdDuration;
    disappearDuration = source.disappearDuration;
    colour = source.colour;
    isFadeIn = source.isFadeIn;
    isFadeOut = source.isFadeOut;
    slideStart = source.slideStart;
    slideEnd = source.slideEnd;
    position = source.position;
    scaleX = source.scaleX;
    scaleY = source.scaleY;
    spareFactor = source.spareFactor;
    revealInterval = source.revealInterval;
    fontName = source.fontName;
    charHeight = source.charHeight;
    startAngle = source.startAngle;
    endAngle = source.endAngle;
    startScale = source.startScale;
    endScale = source.endScale;
    text = source.text;
    isText = source.isText;
    pictureName = source.pictureName;
    slideInDirection = source.slideInDirection;
    slideOutDirection = source.slideOutDirection;
    zOrder = source.zOrder;
    isDarken = source.isDarken;
    spareFlag = source.spareFlag;
    isWindowFrame = source.isWindowFrame;
    isPixelSize = source.isPixelSize;
    isCustomPixel = source.isCustomPixel;
    isSlideIn = source.isSlideIn;
    isSlideOut = source.isSlideOut;
    isScaleIn = source.isScaleIn;
    isScaleOut = source.isScaleOut;
    isRotateIn = source.isRotateIn;
    isRotateOut = source.isRotateOut;
    anchor = source.anchor;
    if (!withoutOgreObjects)
        create();
}

OverlayWidget::~OverlayWidget() { destroyOverlays(); }

// The Ogre elements are not settings: they stay with the widget.
void OverlayWidget::reset()
{
    isFitWidth = false;
    isAnchored = false;
    elapsed = 0.0;
    shownTime = 0.0;
    appearTime = 0.0;
    disappearTime = 0.0;
    appearDuration = 0.5f;
    holdDuration = 5.0f;
    disappearDuration = 0.5f;
    scaleX = 0.5f;
    scaleY = 0.5f;
    pixelWidth = 256.0f;
    pixelHeight = 256.0f;
    spareFactor = 1.0f;
    revealInterval = 0.0f;
    revealTimer = 0.0f;
    revealedCount = 0;
    transitionState = 0;
    isFadeIn = true;
    isFadeOut = true;
    slideStart = Ogre::Vector2::ZERO;
    slideEnd = Ogre::Vector2::ZERO;
    position = Ogre::Vector2::ZERO;
    startAngle = 0.0f;
    endAngle = 0.0f;
    startScale = Ogre::Vector2(100.0f, 100.0f);
    endScale = Ogre::Vector2(100.0f, 100.0f);
    slideInDirection = 0;
    slideOutDirection = 0;
    isSlideIn = false;
    isSlideOut = false;
    isScaleIn = false;
    isScaleOut = false;
    isRotateIn = false;
    isRotateOut = false;
    text = "text";
    displayedText.clear();
    typedCount = untyped;
    fontName = fallbackFont;
    pictureName.clear();
    charHeight = 32;
    horizontalAlignment = 0;
    verticalAlignment = 0;
    isText = true;
    zOrder = baseZOrder;
    spareFlag = false;
    isWindowFrame = false;
    isPixelSize = false;
    isCustomPixel = false;
    longestLine.clear();
    longestLineLength = 0.0f;
    lineCount = 0.0f;
    colour = Ogre::ColourValue::White;
    customViewportWidth = 0.0f;
    customViewportHeight = 0.0f;
    referenceAspect = 1.7777778f;
    factorX = 1.0f;
    factorY = 1.0f;
    isDarken = false;
    anchor = nullptr;
}

// The widget's address as text: unique among the living widgets.
std::string OverlayWidget::elementName() const
{
    std::ostringstream name;
    name << static_cast<const void*>(this);
    return name.str();
}

void OverlayWidget::create()
{
    destroyOverlays();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const std::string name = elementName();
    panel = static_cast<Ogre::OverlayContainer*>(overlays.createOverlayElement("Panel", name));
    panel->setMetricsMode(Ogre::GMM_RELATIVE);
    panel->setHorizontalAlignment(Ogre::GHA_CENTER);
    panel->setVerticalAlignment(Ogre::GVA_CENTER);
    panel->setDimensions(1.0f, 1.0f);
    panel->setPosition(0.0f, 0.0f);
    overlay = overlays.create(name);
    overlay->add2D(panel);
    overlay->setZOrder(static_cast<Ogre::ushort>(zOrder));
    overlay->hide();
    createContent();
    fitToViewport();
}

void OverlayWidget::createContent()
{
    if (!panel)
        return;
    // A text's panel only groups its text: drawn, it would blend a quad over
    // the whole window for every text on screen, which a screen of many
    // texts (the high-score table) cannot afford.
    static_cast<Ogre::PanelOverlayElement*>(panel)->setTransparent(isText);
    if (isText)
        createTextContent();
    else
        createPictureContent();
}

void OverlayWidget::createPictureContent()
{
    Ogre::MaterialPtr material = pictureName.empty() ? Ogre::MaterialPtr() : findMaterial(pictureName);
    if (!material)
        material = findMaterial(defaultPictureMaterial);
    panel->setMaterial(material);
}

void OverlayWidget::createTextContent()
{
    panel->setMaterial(findMaterial(defaultPictureMaterial));
    if (fontName.empty())
        return;
    if (!textArea) {
        Ogre::OverlayElement* element =
            Ogre::OverlayManager::getSingleton().createOverlayElement("TextArea", "t" + elementName());
        textArea = static_cast<Ogre::TextAreaOverlayElement*>(element);
        textArea->setMetricsMode(Ogre::GMM_RELATIVE);
        panel->addChild(textArea);
    }
    textArea->setDimensions(1.0f, 1.0f);
    // Ogre throws for a font it does not know or cannot load; without the
    // fallback font the text area stays without one and draws nothing.
    if (!fontLoads(fontName))
        fontName = fallbackFont;
    if (fontLoads(fontName))
        textArea->setParameter("font_name", fontName);
    textArea->setParameter("horz_align", "center");
    textArea->setParameter("vert_align", "center");
    textArea->setColour(colour);
    textArea->show();
    setCaptionText(*textArea, text);
    typedCount = untyped;
    isDarken = true;
    // The colour is drawn premultiplied (the darken flag scales it by alpha).
    if (const Ogre::MaterialPtr& material = textArea->getMaterial())
        material->setSceneBlending(Ogre::SBF_ONE, Ogre::SBF_ONE_MINUS_SOURCE_ALPHA);
    longestLine = longestTextLine(toWideString(text));
    updateCharHeight();
}

void OverlayWidget::destroyOverlays()
{
    if (!overlay)
        return;
    // At shutdown the overlay system may already have freed every element.
    if (Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr()) {
        if (textArea)
            panel->removeChild(textArea->getName());
        overlays->destroy(overlay);
        overlays->destroyOverlayElement(panel);
        if (textArea)
            overlays->destroyOverlayElement(textArea);
    }
    overlay = nullptr;
    panel = nullptr;
    textArea = nullptr;
}

void OverlayWidget::setVisible(bool visible)
{
    if (!overlay)
        return;
    if (!visible) {
        overlay->hide();
        return;
    }
    overlay->show();
    if (!isText && !pictureName.empty() && findMaterial(pictureName))
        applyPictureAlpha(isWindowFrame || isPixelSize ? 1.0f : 0.8f);
}

// Through custom parameter 1 of the panel when the material has a fragment
// program to read it, else through texture unit 0's alpha blending.
void OverlayWidget::applyPictureAlpha(float alpha)
{
    Ogre::Pass* pass = panel ? passAt(panel->getMaterial(), 0, 0) : nullptr;
    if (!pass)
        return;
    if (pass->hasFragmentProgram()) {
        panel->setCustomParameter(1, Ogre::Vector4(1.0f, 1.0f, 1.0f, alpha));
        return;
    }
    if (Ogre::TextureUnitState* unit = unitAt(pass, 0))
        unit->setAlphaOperation(Ogre::LBX_MODULATE, Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL, 1.0f, alpha);
}

void OverlayWidget::setText(const std::string& newText)
{
    if (newText == text)
        return;
    text = newText;
    if (textArea)
        setCaptionText(*textArea, text);
    typedCount = untyped;
    updateCharHeight();
}

void OverlayWidget::setZOrder(std::uint16_t value)
{
    zOrder = baseZOrder + value % zOrderRange;
    if (overlay)
        overlay->setZOrder(static_cast<Ogre::ushort>(zOrder));
}

void OverlayWidget::setDimmed(bool dimmed)
{
    if (!textArea)
        return;
    const float k = dimmed ? 0.5f : 1.0f;
    Ogre::ColourValue shown(colour.r, colour.g, colour.b, k);
    if (isDarken) {
        shown.r *= k;
        shown.g *= k;
        shown.b *= k;
    }
    textArea->setColour(shown);
}
