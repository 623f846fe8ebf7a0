#include "frontend/ScreenPanel.h"

#include "core/materials/MaterialLookup.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgrePass.h>
#include <OgreTextureUnitState.h>

namespace {

const char* const defaultPictureMaterial = "defaultPicture";
const char* const gameGroup = "GAMERSC";
constexpr std::size_t alphaParameter = 1;

} // namespace

void ScreenPanel::create(const std::string& panelName, const std::string& overlayName, unsigned short zOrder)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    panel = static_cast<Ogre::OverlayContainer*>(overlays.createOverlayElement("Panel", panelName));
    panel->setMetricsMode(Ogre::GMM_RELATIVE);
    panel->setHorizontalAlignment(Ogre::GHA_CENTER);
    panel->setVerticalAlignment(Ogre::GVA_CENTER);
    overlay = overlays.create(overlayName);
    overlay->add2D(panel);
    overlay->setZOrder(zOrder);
    overlay->hide();
}

void ScreenPanel::showMaterial(const Ogre::MaterialPtr& made)
{
    material = made ? made : findMaterial(defaultPictureMaterial);
    if (panel && material)
        panel->setMaterial(material);
}

void ScreenPanel::place(float width, float height)
{
    if (!panel)
        return;
    panel->setDimensions(width, height);
    moveTo(-0.5f * width, -0.5f * height);
}

void ScreenPanel::moveTo(float left, float top)
{
    if (panel)
        panel->setPosition(left, top);
}

void ScreenPanel::setVisible(bool visible)
{
    if (!overlay)
        return;
    if (visible)
        overlay->show();
    else
        overlay->hide();
}

void ScreenPanel::setAlpha(float alpha)
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (!pass || !panel)
        return;
    if (pass->hasFragmentProgram()) {
        panel->setCustomParameter(alphaParameter, Ogre::Vector4(1.0f, 1.0f, 1.0f, alpha));
        return;
    }
    if (Ogre::TextureUnitState* unit = unitAt(pass, 0))
        unit->setAlphaOperation(Ogre::LBX_MODULATE, Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL, 1.0f, alpha);
}

void ScreenPanel::resetShaderAlpha()
{
    Ogre::Pass* pass = passAt(material, 0, 0);
    if (pass && pass->hasVertexProgram() && panel)
        panel->setCustomParameter(alphaParameter, Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f));
}

void ScreenPanel::destroy(const std::string& ownMaterialName)
{
    if (Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr()) {
        if (overlay)
            overlays->destroy(overlay);
        if (panel)
            overlays->destroyOverlayElement(panel);
    }
    overlay = nullptr;
    panel = nullptr;
    material.reset();
    if (!ownMaterialName.empty())
        removeMaterial(ownMaterialName, gameGroup);
}
