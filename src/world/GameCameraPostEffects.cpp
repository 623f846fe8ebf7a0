// The switches of the level's post-effect compositors and of the vignette
// overlay, by the level's settings and the player's post-effect settings.
#include "world/GameCamera.h"

#include "core/Game.h"
#include "play/Level.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCompositorInstance.h>
#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace {

void enableCompositor(Ogre::CompositorInstance* compositor, bool on)
{
    if (compositor)
        compositor->setEnabled(on);
}

Ogre::Overlay* vignetteOverlay()
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    return overlays ? overlays->getByName("EditorVignette") : nullptr;
}

bool isColourCorrected(const Level& level)
{
    return level.IsPostCC && (level.Brightness != 1.0f || level.Contrast != 1.0f || level.Saturation != 1.0f ||
                              level.Gamma != 1.0f);
}

} // namespace

void GameCamera::setVignetteStrength(float strength)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays || !overlays->hasOverlayElement("PostFX/Vignette"))
        return;
    const Ogre::MaterialPtr& material = overlays->getOverlayElement("PostFX/Vignette")->getMaterial();
    if (!material || material->getNumTechniques() == 0 || material->getTechnique(0)->getNumPasses() == 0)
        return;
    Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
    if (pass->getNumTextureUnitStates() == 0)
        return;
    pass->getTextureUnitState(0)->setColourOperationEx(Ogre::LBX_BLEND_MANUAL, Ogre::LBS_TEXTURE, Ogre::LBS_CURRENT,
                                                      Ogre::ColourValue::White, Ogre::ColourValue::White, strength);
}

void GameCamera::applyPostEffects()
{
    if (!level)
        return;
    const Game& game = *Game::getSingletonPtr();
    if (level->isPostEffects && game.postFX) {
        enableCompositor(level->colourCompositor,
                         level->isPostNoise || level->isPostChromatic || isColourCorrected(*level));
        enableCompositor(level->tvCompositor, level->isPostTV && level->TV_intensity > 0.0f);
        enableCompositor(level->pixelateCompositor, level->IsPostPixel && level->pixelSize != 1.0f);
        Ogre::Overlay* vignette = vignetteOverlay();
        if (!level->isPostVignette) {
            if (vignette)
                vignette->hide();
        } else if (vignette) {
            vignette->show();
            setVignetteStrength(level->Vignette_strength);
        }
    }
    if (game.postFX && game.IsPostFXOutline)
        enableCompositor(level->fourthCompositor, true);
    level->resizePostEffects();
}

void GameCamera::disablePostEffects()
{
    if (!level)
        return;
    const Game& game = *Game::getSingletonPtr();
    if (game.postFX) {
        enableCompositor(level->colourCompositor, false);
        if (level->isPostEffects) {
            enableCompositor(level->tvCompositor, false);
            enableCompositor(level->pixelateCompositor, false);
        }
        if (Ogre::Overlay* vignette = vignetteOverlay())
            vignette->hide();
        level->resizePostEffects();
    }
    if (game.postFX && game.IsPostFXOutline && level->fourthCompositor) {
        level->fourthCompositor->setEnabled(true);
        level->fourthCompositor->notifyResized();
    }
}
