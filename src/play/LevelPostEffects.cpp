// The Level's post effects: its values written into the programs of the
// three compositors' materials, each compositor on only while its effect
// shows, and the vignette. The compositors exist only when the player's
// settings allow post effects; the materials come with the game.
#include "play/Level.h"

#include "core/materials/MaterialLookup.h"
#include "core/materials/ShaderConstants.h"
#include "world/GameCamera.h"

#include <OgreCompositorInstance.h>

namespace {

// The television look curves the picture by a fifth of its setting.
constexpr float curvatureScale = 0.2f;

Ogre::GpuProgramParametersSharedPtr effectConstants(const char* materialName)
{
    return fragmentConstants(passAt(findMaterial(materialName), 0, 0));
}

// Off first, so that a compositor switched on again starts afresh.
void switchCompositor(Ogre::CompositorInstance* compositor, bool on)
{
    compositor->setEnabled(false);
    if (on)
        compositor->setEnabled(true);
}

float onOff(bool flag) { return flag ? 1.0f : 0.0f; }

void applyPixelation(const Level& level, bool isPlayView)
{
    setConstant(effectConstants("modulatePixelate_out"), "pixelSize", level.pixelSize);
    switchCompositor(level.pixelateCompositor, isPlayView && level.IsPostPixel && level.pixelSize > 1.0f);
}

void applyColour(const Level& level, bool isPlayView)
{
    // Correction that changes nothing is left off.
    const bool isNeutral = level.Brightness == 1.0f && level.Contrast == 1.0f && level.Saturation == 1.0f &&
                           level.Gamma == 1.0f && level.Invert_strength == 0.0f;
    const float colourCorrection = level.IsPostCC && !isNeutral ? 1.0f : 0.0f;
    const Ogre::GpuProgramParametersSharedPtr constants = effectConstants("postProdFX");
    setConstant(constants, "b_isNoise", onOff(level.isPostNoise));
    setConstant(constants, "noisePostIntensity", level.noisePostIntensity);
    setConstant(constants, "b_isChroma", onOff(level.isPostChromatic));
    setConstant(constants, "chromaticPostIntensity", -level.chromaticPostIntensity);
    setConstant(constants, "b_isColorCorrec", colourCorrection);
    setConstant(constants, "contrast", level.Contrast);
    setConstant(constants, "brightness", level.Brightness);
    setConstant(constants, "saturation", level.Saturation);
    setConstant(constants, "gamma", level.Gamma);
    setConstant(constants, "invert", level.Invert_strength);
    // The vignette shows with the other screen effects.
    if (level.isPostVignette && isPlayView)
        GameCamera::setVignette(true);
    switchCompositor(level.colourCompositor,
                     isPlayView && (level.isPostNoise || level.isPostChromatic || colourCorrection != 0.0f));
}

void applyTelevision(const Level& level, bool isPlayView)
{
    const Ogre::GpuProgramParametersSharedPtr constants = effectConstants("modulateTV_out");
    setConstant(constants, "TV_intensity", level.TV_intensity);
    setConstant(constants, "TV_Curvature", level.TV_Curvature * curvatureScale);
    switchCompositor(level.tvCompositor, isPlayView && level.isPostTV);
}

} // namespace

void Level::applyPostEffects()
{
    // Screen effects show only while the camera's mode value is 0.
    const bool isPlayView = !camera || camera->modeValue == 0;
    if (pixelateCompositor)
        applyPixelation(*this, isPlayView);
    if (colourCompositor)
        applyColour(*this, isPlayView);
    // Its strength is set even while screen effects are not allowed.
    if (isPostVignette)
        GameCamera::setVignetteStrength(Vignette_strength);
    if (tvCompositor)
        applyTelevision(*this, isPlayView);
    placeOverlays();
}
