#include "world/LensFlare.h"

#include "app/Log.h"
#include "world/FiniteVector.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreMaterialManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

constexpr unsigned int billboardPool = 20;

// Which halo set each flare sits in, its size before the size factor, its
// place along the flare line and its colour at full brightness.
struct FlareLayout {
    bool inFirstHalo;
    float size;
    float positionFactor;
    float red, green, blue; // alpha 1
};

const FlareLayout flareLayouts[LensFlare::flareCount] = {
    {true, 50.0f, 2.4f, 0.28f, 0.039f, 0.125f},  {true, 44.0f, 2.5f, 0.34f, 0.034f, 0.11f},
    {true, 45.0f, 1.7f, 0.21f, 0.08f, 0.005f},   {true, 40.0f, 2.2f, 0.31f, 0.18f, 0.015f},
    {true, 10.0f, 0.23f, 0.25f, 0.13f, 0.01f},   {true, 15.0f, 0.19f, 0.25f, 0.13f, 0.01f},
    {true, 8.0f, 0.7f, 0.25f, 0.13f, 0.01f},     {false, 20.0f, 0.33f, 0.24f, 0.02f, 0.095f},
    {false, 90.0f, 1.0f, 0.27f, 0.027f, 0.16f},  {false, 40.0f, 2.36f, 0.25f, 0.034f, 0.12f},
    {false, 45.0f, 1.5f, 0.31f, 0.18f, 0.015f},  {false, 45.0f, 2.4f, 0.31f, 0.18f, 0.015f},
};

// Billboard sizes must not go negative (Ogre aborts) nor be NaN.
float billboardSize(float size)
{
    return std::isfinite(size) ? std::max(size, 0.0f) : 0.0f;
}

} // namespace

LensFlare::LensFlare()
{
    flareColours.fill(Ogre::ColourValue::White);
}

LensFlare::~LensFlare()
{
    if (!sceneManager)
        return;
    if (node) {
        node->detachAllObjects();
        sceneManager->destroySceneNode(node);
    }
    for (Ogre::BillboardSet* set : {glowSet, sunSet, firstHaloSet, secondHaloSet})
        if (set)
            sceneManager->destroyBillboardSet(set);
}

// The flare type of the owner has no effect: every flare looks the same, and
// the set names carry this object's address to stay unique.
void LensFlare::create(const Ogre::Vector3& /*position: the node starts at the origin*/,
                       Ogre::SceneManager* manager, float scale, const std::string& /*name*/)
{
    if (node || !manager)
        return;
    nodeScale = scale;
    sceneManager = manager;
    camera = manager->hasCamera("PlayCam") ? manager->getCamera("PlayCam") : nullptr;
    std::ostringstream unique;
    unique << static_cast<const void*>(this);
    const float halo = 500.0f * sizeFactor;
    glowSet = createSet("sunbbsglow" + unique.str(), "LensFlare/SunGlow", 50.0f * sizeFactor, 50.0f * sizeFactor);
    sunSet = createSet("sunbbs" + unique.str(), "LensFlare/SunSprite", 1.0f, 1.0f);
    firstHaloSet = createSet("sunFlaresNet" + unique.str(), "LensFlare/SunSpriteHalo01", halo, halo);
    secondHaloSet = createSet("sunFlaresFlou" + unique.str(), "LensFlare/SunSpriteHalo03", halo, halo);
    glowColour = Ogre::ColourValue(0.5f, 0.5f, 0.5f, 1.0f);
    sunColour = Ogre::ColourValue::White;
    if (glowSet)
        glowBillboard = glowSet->createBillboard(Ogre::Vector3(0.0f, 0.0f, -0.5f));
    if (sunSet)
        sunBillboard = sunSet->createBillboard(Ogre::Vector3(0.0f, 0.0f, -0.1f), Ogre::ColourValue(0.6f, 0.55f, 0.3f));
    createFlares();
    node = sceneManager->getRootSceneNode()->createChildSceneNode();
    for (Ogre::BillboardSet* set : {glowSet, sunSet, firstHaloSet, secondHaloSet})
        if (set)
            node->attachObject(set);
}

// Null, logged, when the material is missing: the flare goes without that set.
Ogre::BillboardSet* LensFlare::createSet(const std::string& setName, const std::string& material, float width,
                                         float height)
{
    const Ogre::MaterialPtr found = Ogre::MaterialManager::getSingleton().getByName(material);
    if (!found) {
        logLine("[ERROR] lens flare material not found: " + material);
        return nullptr;
    }
    Ogre::BillboardSet* set = sceneManager->createBillboardSet(setName, billboardPool);
    set->setMaterial(found);
    set->setDefaultDimensions(width, height);
    set->setQueryFlags(0);
    set->setCastShadows(false);
    return set;
}

void LensFlare::createFlares()
{
    for (int flare = 0; flare < flareCount; ++flare) {
        const FlareLayout& layout = flareLayouts[flare];
        flareColours[flare] = Ogre::ColourValue(layout.red, layout.green, layout.blue, 1.0f);
        Ogre::BillboardSet* set = layout.inFirstHalo ? firstHaloSet : secondHaloSet;
        if (!set)
            continue;
        flareBillboards[flare] = set->createBillboard(Ogre::Vector3::ZERO);
        const float size = layout.size * sizeFactor;
        flareBillboards[flare]->setDimensions(size, size);
    }
}

Ogre::Vector3 LensFlare::flareOffset(int flare, const Ogre::Vector3& sunPosition, const Ogre::Vector3& lookPoint)
{
    return (lookPoint - sunPosition) * flareLayouts[flare].positionFactor;
}

float LensFlare::targetIntensity(float cosine, float sizeFactor)
{
    const float target = std::pow(cosine, 7.0f) * (sizeFactor * 200.0f);
    return std::isfinite(target) ? std::max(target, 0.0f) : 0.0f;
}

float LensFlare::easeIntensity(float current, float target, float seconds)
{
    if (current < target)
        current = std::min(current + 200.0f * seconds, target);
    else if (current > target)
        current = std::max(current - 400.0f * seconds, target);
    return std::max(current, 0.0f);
}

void LensFlare::update(const Ogre::Vector3& sunPosition, float seconds, float scale, float brightness, bool hidden)
{
    if (!node)
        return;
    nodeScale = scale;
    node->setPosition(finiteOr(sunPosition, 0.0f));
    if (hidden) {
        setSetsVisible(false);
        currentIntensity = std::max(currentIntensity - 600.0f * seconds, 0.0f);
        if (glowBillboard)
            glowBillboard->setDimensions(billboardSize(currentIntensity), billboardSize(currentIntensity));
        return;
    }
    setSetsVisible(true);
    followCamera(sunPosition, seconds);
    if (glowBillboard)
        glowBillboard->setDimensions(billboardSize(currentIntensity), billboardSize(currentIntensity));
    if (sunBillboard) {
        const float sunSize = billboardSize(10.0f * brightness);
        sunBillboard->setDimensions(sunSize, sunSize);
    }
    applyColours(brightness);
    const float uniform = std::isfinite(nodeScale) ? nodeScale : 1.0f;
    node->setScale(uniform, uniform, uniform);
}

// Lays the flares on the line from the sun to the point the play camera looks
// at, as far away as the sun, and eases the glow towards the size the
// camera's angle to the sun gives. Without the play camera both stay as
// they are.
void LensFlare::followCamera(const Ogre::Vector3& sunPosition, float seconds)
{
    if (!camera)
        return;
    const Ogre::Vector3 cameraPosition = camera->getDerivedPosition();
    const Ogre::Vector3 view = camera->getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    const Ogre::Vector3 lookPoint = cameraPosition + view * sunPosition.distance(cameraPosition);
    for (int flare = 0; flare < flareCount; ++flare)
        if (flareBillboards[flare])
            flareBillboards[flare]->setPosition(finiteOr(flareOffset(flare, sunPosition, lookPoint), 0.0f));
    const float cosine = view.normalisedCopy().dotProduct((sunPosition - cameraPosition).normalisedCopy());
    const float target = targetIntensity(cosine, sizeFactor);
    currentIntensity = easeIntensity(currentIntensity, target, seconds);
    visibleIntensity = target * nodeScale;
}

void LensFlare::applyColours(float brightness)
{
    if (glowBillboard)
        glowBillboard->setColour(glowColour * brightness);
    if (sunBillboard)
        sunBillboard->setColour(sunColour * brightness);
    for (int flare = 0; flare < flareCount; ++flare)
        if (flareBillboards[flare])
            flareBillboards[flare]->setColour(flareColours[flare] * brightness);
}

void LensFlare::setSetsVisible(bool visible)
{
    for (Ogre::BillboardSet* set : {glowSet, sunSet, firstHaloSet, secondHaloSet})
        if (set)
            set->setVisible(visible);
}

void LensFlare::setVisible(bool visible)
{
    if (node)
        node->setVisible(visible, true);
}
