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

} // namespace

void Level::applyPostEffects()
{
    // Screen effects show only while the camera's mode value is 0.
    const bool isPlayView = !camera || camera->modeValue == 0;
    if (pixelateCompositor) {
        setConstant(effectConstants("modulatePixelate_out"), "pixelSize", pixelSize);
        switchCompositor(pixelateCompositor, isPlayView && IsPostPixel && pixelSize > 1.0f);
    }
    // Correction that changes nothing is left off.
    const bool isNeutral =
        Brightness == 1.0f && Contrast == 1.0f && Saturation == 1.0f && Gamma == 1.0f && Invert_strength == 0.0f;
    const float colourCorrection = IsPostCC && !isNeutral ? 1.0f : 0.0f;
    if (colourCompositor) {
        const Ogre::GpuProgramParametersSharedPtr constants = effectConstants("postProdFX");
        setConstant(constants, "b_isNoise", onOff(isPostNoise));
        setConstant(constants, "noisePostIntensity", noisePostIntensity);
        setConstant(constants, "b_isChroma", onOff(isPostChromatic));
        setConstant(constants, "chromaticPostIntensity", -chromaticPostIntensity);
        setConstant(constants, "b_isColorCorrec", colourCorrection);
        setConstant(constants, "contrast", Contrast);
        setConstant(constants, "brightness", Brightness);
        setConstant(constants, "saturation", Saturation);
        setConstant(constants, "gamma", Gamma);
        setConstant(constants, "invert", Invert_strength);
    }
    if (isPostVignette) {
        if (isPlayView)
            GameCamera::setVignette(true);
        GameCamera::setVignetteStrength(Vignette_strength);
    }
    if (colourCompositor)
        switchCompositor(colourCompositor,
                         isPlayView && (isPostNoise || isPostChromatic || colourCorrection != 0.0f));
    if (tvCompositor) {
        const Ogre::GpuProgramParametersSharedPtr constants = effectConstants("modulateTV_out");
        setConstant(constants, "TV_intensity", TV_intensity);
        setConstant(constants, "TV_Curvature", TV_Curvature * curvatureScale);
        switchCompositor(tvCompositor, isPlayView && isPostTV);
        // The HUD moves into the television picture with the play state's
        // game viewport, which is not built yet.
    }
}
