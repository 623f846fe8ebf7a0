// The placed effect's glow sprite: it fades in and out in a seventh of a
// second as the effect comes into and out of sight.
#include "world/sfx.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

#include <algorithm>

std::string sfx::glowMaterialOf(const std::string& type)
{
    if (type == "Basic")
        return "Glows/GlowStreak03";
    if (type == "Anamorphic")
        return "Glows/GlowStreak02";
    if (type == "Sun")
        return "Glows/GlowSun";
    if (type == "Star")
        return "Glows/GlowStar";
    return "";
}

void sfx::createGlow()
{
    if (glow || !sceneManager || !sceneNode)
        return;
    glow = sceneManager->createBillboardSet("bbsGlow" + Ogre::StringConverter::toString(reinterpret_cast<size_t>(this)), 20);
    const std::string material = glowMaterialOf(glowType);
    if (!material.empty()) {
        if (Ogre::MaterialManager::getSingleton().getByName(material))
            glow->setMaterialName(material, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        else
            Ogre::LogManager::getSingleton().logMessage("[ERROR] glow material not found: " + material);
    }
    glow->setDefaultDimensions(glowSscale * 5.0f, glowSscale * 5.0f);
    glow->setQueryFlags(0);
    glow->setCastShadows(false);
    glow->createBillboard(Ogre::Vector3::ZERO, Ogre::ColourValue::White);
    sceneNode->attachObject(glow);
}

void sfx::updateGlow(double dt)
{
    const float step = static_cast<float>(7.0 * dt);
    fade = hidden ? std::max(fade - step, 0.0f) : std::min(fade + step, 1.0f);
    if (!glow || glow->getNumBillboards() == 0)
        return;
    const float brightness = isOmniBlink && dt > 0.0 ? flicker : 1.0f;
    Ogre::Billboard* billboard = glow->getBillboard(0);
    billboard->setColour(glowColour * brightness);
    const float size = glowSscale * 50.0f * fade * brightness;
    billboard->setDimensions(size, size);
}

void sfx::setGlowVisible(bool visible)
{
    if (glow)
        glow->setVisible(visible);
}

void sfx::destroyGlow()
{
    if (!glow)
        return;
    sceneManager->destroyBillboardSet(glow);
    glow = nullptr;
}
