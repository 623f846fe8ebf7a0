// A widget's appearance and disappearance: the set-up of each appearance and
// the frame that runs the transition clocks, the fade, the slide, the scale
// and the rotation.
#include "app/OverlayWidget.h"

#include "app/CaptionText.h"
#include "app/TextUtils.h"
#include "app/WidgetTiming.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/PictureMaterials.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgrePass.h>

namespace {

constexpr float degreesToRadians = 0.017453292f;
constexpr float percent = 0.01f;

} // namespace

void OverlayWidget::setupAnimation()
{
    elapsed = 0.0;
    shownTime = 0.0;
    appearTime = 0.0;
    disappearTime = 0.0;
    revealedCount = 0;
    revealTimer = 0.0f;
    slideStart = position;
    displayedText.clear();
    typedCount = untyped;
    if (revealInterval <= 0.0f)
        revealedCount = static_cast<int>(codePointCount(text));
    longestLine = longestTextLine(toWideString(text));
    const Ogre::Vector2 lines = measureTextLines(text);
    longestLineLength = lines.x;
    lineCount = lines.y;
    fitToViewport();
    if (isSlideIn)
        slideStart = slideInStart(position, slideInDirection);
    if (isSlideOut)
        slideEnd = slideOutEnd(position, slideOutDirection);
    if (overlay) {
        overlay->setScroll(factorX * position.x, factorY * position.y);
        overlay->setScale(1.0f, 1.0f);
        overlay->setRotate(Ogre::Radian(0.0f));
    }
    if (isText) {
        if (textArea)
            textArea->setColour(colour);
        updateCharHeight();
        return;
    }
    if (pictureName.empty() || !panel)
        return;
    const Ogre::Pass* pass = passAt(findMaterial(pictureName), 0, 0);
    if (pass && pass->hasVertexProgram()) {
        panel->setCustomParameter(1, Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f));
        setElapsedTimeParameter(*panel, pictureName);
    }
}

void OverlayWidget::update(double dt, const Ogre::Vector3& point)
{
    if (isAnchored)
        placeAt3D(point);
    elapsed += dt;
    if (transitionState == transitionAppearing) {
        if (isText)
            updateCharHeight();
        if (overlay)
            overlay->show();
        appearTime = advanceTransition(appearTime, dt, appearDuration);
    } else if (transitionState == transitionDisappearing) {
        disappearTime = advanceTransition(disappearTime, dt, disappearDuration);
    }
    if (elapsed > 0.0)
        shownTime += dt;
    updateTypewriter(dt);
    updateFadeIn();
    animateScroll();
    animateScale();
    animateRotation();
}

void OverlayWidget::updateFadeIn()
{
    if (!panel || !panel->getMaterial() || (!textArea && pictureName.empty()))
        return;
    float alpha;
    if (transitionState == transitionAppearing && isFadeIn)
        alpha = fadeInAlpha(appearTime, appearDuration);
    else if (transitionState == transitionDisappearing && isFadeOut)
        alpha = fadeOutAlpha(disappearTime, disappearDuration);
    else
        return;
    if (!textArea) {
        applyPictureAlpha(alpha);
        return;
    }
    Ogre::ColourValue shown(colour.r, colour.g, colour.b, alpha);
    if (isDarken) {
        shown.r *= alpha;
        shown.g *= alpha;
        shown.b *= alpha;
    }
    textArea->setColour(shown);
}

void OverlayWidget::animateScroll()
{
    if (!overlay)
        return;
    Ogre::Vector2 place;
    if (transitionState == transitionAppearing && isSlideIn && appearTime <= appearDuration)
        place = slideStart + (position - slideStart) * easeIn(appearTime, appearDuration);
    else if (transitionState == transitionDisappearing && isSlideOut && disappearTime <= disappearDuration)
        place = position + (slideEnd - position) * easeOut(disappearTime, disappearDuration);
    else
        return;
    overlay->setScroll(place.x * factorX, place.y * factorY);
}

void OverlayWidget::animateScale()
{
    if (!overlay)
        return;
    Ogre::Vector2 scale;
    if (transitionState == transitionAppearing && isScaleIn && appearTime <= appearDuration) {
        const Ogre::Vector2 start = startScale * percent;
        scale = start + (Ogre::Vector2::UNIT_SCALE - start) * easeIn(appearTime, appearDuration);
    } else if (transitionState == transitionDisappearing && isScaleOut && disappearTime <= disappearDuration) {
        const Ogre::Vector2 change = endScale * percent - Ogre::Vector2::UNIT_SCALE;
        scale = Ogre::Vector2::UNIT_SCALE + change * easeOut(disappearTime, disappearDuration);
    } else {
        return;
    }
    overlay->setScale(scale.x, scale.y);
}

void OverlayWidget::animateRotation()
{
    if (!overlay)
        return;
    float angle = 0.0f;
    if (transitionState == transitionAppearing && isRotateIn && appearTime <= appearDuration)
        angle = startAngle - startAngle * easeIn(appearTime, appearDuration);
    else if (transitionState == transitionDisappearing && isRotateOut && disappearTime <= disappearDuration)
        angle = endAngle * easeOut(disappearTime, disappearDuration);
    else
        return;
    overlay->setRotate(Ogre::Radian(angle * degreesToRadians));
}
