// The placed effect's point light and its blink rule.
#include "world/sfx.h"

#include "core/Game.h"

#include <OgreLight.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>

float sfx::blinkFlicker(float t, float speed, float random, float intensity)
{
    const float wave = (0.5f * std::sin((random + speed) * t + random) + 1.0f + 0.5f * std::sin(t * speed)) * 0.5f;
    return intensity * wave + (1.0f - intensity);
}

void sfx::createLight(int range)
{
    if (light || !sceneManager || !sceneNode)
        return;
    // A range below 1 would make the attenuation divide by zero.
    range = std::max(range, 1);
    omniRange = static_cast<float>(range);
    light = sceneManager->createLight();
    sceneNode->attachObject(light);
    light->setType(Ogre::Light::LT_POINT);
    light->setVisible(true);
    light->setCastShadows(false);
    light->setDiffuseColour(colour * flicker);
    light->setAttenuation(omniRange, 1.0f, 4.5f / omniRange, 75.0f / (omniRange * omniRange));
}

void sfx::updateLight()
{
    if (!light)
        return;
    float brightness = 1.0f;
    if (isOmniBlink) {
        flicker = blinkFlicker(Game::getSingletonPtr()->playClock, omniSinSpeed, omniBlinkRandom, omniSinIntensity);
        brightness = flicker;
    }
    if (status == statusEnding)
        brightness *= fade;
    light->setDiffuseColour(colour * brightness * omniMultiplier);
}

void sfx::setLightVisible(bool visible)
{
    if (light)
        light->setVisible(visible);
}

void sfx::destroyLight()
{
    if (!light)
        return;
    light->detachFromParent();
    sceneManager->destroyLight(light);
    light = nullptr;
}
