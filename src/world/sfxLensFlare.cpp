// The placed effect's lens flare.
#include "world/sfx.h"

#include "world/LensFlare.h"

#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

void sfx::createLensFlare(const Ogre::Vector3& where, float flareScale, const std::string& type)
{
    if (lensFlare || !sceneManager)
        return;
    lensFlare = std::make_unique<LensFlare>();
    // The type only names the flare: every flare has the same look.
    lensFlare->create(where, sceneManager, flareScale,
                      type + Ogre::StringConverter::toString(reinterpret_cast<size_t>(this)));
}

void sfx::updateLensFlare(double dt)
{
    if (!lensFlare || !sceneNode)
        return;
    const float brightness = isOmniBlink && dt > 0.0 ? flicker : 1.0f;
    lensFlare->update(sceneNode->_getDerivedPosition(), static_cast<float>(dt), lensFlareScale, brightness, hidden);
}

void sfx::setLensFlareVisible(bool visible)
{
    if (lensFlare)
        lensFlare->setVisible(visible);
}

void sfx::destroyLensFlare()
{
    lensFlare.reset();
}
