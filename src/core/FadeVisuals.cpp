#include "core/FadeVisuals.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/ShaderConstants.h"

#include <Overlay/OgreOverlayManager.h>

namespace {

void reportMissing(Game& game, const std::string& kind, const std::string& name)
{
    if (game.reportedFadeResources.insert(name).second)
        logLine("[ERROR] can't find " + kind + ": " + name + namedBy("the screen fades", ""));
}

} // namespace

Ogre::Overlay* findFadeOverlay(Game& game, const std::string& name)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    Ogre::Overlay* overlay = overlays ? overlays->getByName(name) : nullptr;
    if (!overlay)
        reportMissing(game, "overlay", name);
    return overlay;
}

Ogre::MaterialPtr findFadeMaterial(Game& game, const std::string& name)
{
    Ogre::MaterialPtr material = findMaterial(name);
    if (!material)
        reportMissing(game, "material", name);
    return material;
}

void setFadeAlpha(const Ogre::MaterialPtr& material, float alpha)
{
    setConstant(fragmentConstants(passAt(material, 0, 0)), "alpha", alpha);
}

double fadeProgress(bool fadingIn, double remaining, double duration)
{
    const double left = duration > 0.0 ? remaining / duration : 0.0;
    return fadingIn ? left : 1.0 - left;
}
