#include "app/BarLayers.h"

#include "core/materials/MaterialLookup.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <iomanip>
#include <sstream>

const char* const barMaterialGroup = "GAMERSC";

namespace {

bool hasBarMaterialGroup()
{
    const Ogre::ResourceGroupManager* groups = Ogre::ResourceGroupManager::getSingletonPtr();
    return groups && groups->resourceGroupExists(barMaterialGroup) && Ogre::MaterialManager::getSingletonPtr();
}

} // namespace

void removeBarMaterial(const std::string& name)
{
    if (hasBarMaterialGroup())
        removeMaterial(name, barMaterialGroup);
}

Ogre::MaterialPtr copyBarMaterial(const std::string& texture, const std::string& copyName)
{
    if (!hasBarMaterialGroup())
        return Ogre::MaterialPtr();
    removeMaterial(copyName, barMaterialGroup);
    const Ogre::MaterialPtr source = texture.empty() ? findMaterial("none", "Media") : findMaterial(texture);
    return source ? source->clone(copyName, true, barMaterialGroup) : Ogre::MaterialPtr();
}

Ogre::OverlayContainer* makeBarPanel(const std::string& name, const Ogre::MaterialPtr& material, bool isTinted)
{
    Ogre::OverlayElement* element = Ogre::OverlayManager::getSingleton().createOverlayElement("Panel", name);
    auto* panel = static_cast<Ogre::OverlayContainer*>(element);
    panel->setMetricsMode(Ogre::GMM_RELATIVE);
    panel->setHorizontalAlignment(Ogre::GHA_CENTER);
    panel->setVerticalAlignment(Ogre::GVA_CENTER);
    panel->setDimensions(1.0f, 1.0f);
    panel->setPosition(0.0f, 0.0f);
    panel->show();
    if (material)
        panel->setMaterial(material);
    if (isTinted)
        panel->setCustomParameter(1, Ogre::Vector4(1.0f, 1.0f, 1.0f, 1.0f));
    return panel;
}

Ogre::Overlay* makeBarOverlay(const std::string& name, Ogre::OverlayContainer* panel, unsigned short zOrder)
{
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().create(name);
    overlay->add2D(panel);
    overlay->setZOrder(zOrder);
    return overlay;
}

void clampBarToBorder(const Ogre::MaterialPtr& material)
{
    if (Ogre::TextureUnitState* unit = unitAt(material, 0, 0, 0)) {
        unit->setTextureBorderColour(Ogre::ColourValue::ZERO);
        unit->setTextureAddressingMode(Ogre::TAM_BORDER);
    }
}

void destroyBarLayer(Ogre::Overlay*& overlay, Ogre::OverlayContainer*& panel)
{
    if (Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr()) {
        if (overlay)
            overlays->destroy(overlay);
        if (panel)
            overlays->destroyOverlayElement(panel);
    }
    overlay = nullptr;
    panel = nullptr;
}

void tintBarPanel(Ogre::OverlayContainer* panel, const Ogre::ColourValue& colour)
{
    if (!panel)
        return;
    const Ogre::MaterialPtr& material = panel->getMaterial();
    const Ogre::Technique* technique = material ? material->getBestTechnique() : nullptr;
    const Ogre::Pass* pass = technique && technique->getNumPasses() > 0 ? technique->getPass(0) : nullptr;
    if (pass && pass->hasFragmentProgram())
        panel->setCustomParameter(1, Ogre::Vector4(colour.r, colour.g, colour.b, colour.a));
}

void setBarTextureSpan(Ogre::OverlayContainer* panel, float u0, float u1)
{
    setBarTextureRect(panel, u0, 0.0f, u1, 1.0f);
}

void setBarTextureRect(Ogre::OverlayContainer* panel, float u0, float v0, float u1, float v1)
{
    if (!panel)
        return;
    std::ostringstream coordinates;
    coordinates << std::setprecision(6) << u0 << ' ' << v0 << ' ' << u1 << ' ' << v1;
    panel->setParameter("uv_coords", coordinates.str());
}
