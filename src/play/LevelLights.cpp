// The Level's sun and ambient light.
#include "play/Level.h"

#include "core/Game.h"

#include <OgreLight.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

// The sun's node sits this high above the scene.
const Ogre::Vector3 sunNodePosition(0.0f, 100.0f, 0.0f);
constexpr float degreesToRadians = 0.017453292f;
// Only objects whose query flags share this bit take the explosion light.
constexpr Ogre::uint32 explosionLightMask = 128;
const char* const explosionLightName = "Explosion01";
const char* const sunName = "sun";

void destroyLightAndNode(Ogre::SceneManager& scene, const char* name, Ogre::SceneNode*& node)
{
    if (scene.hasLight(name))
        scene.destroyLight(name);
    if (node)
        scene.destroySceneNode(node);
    node = nullptr;
}

} // namespace

void Level::setAmbientLight()
{
    Ogre::SceneManager* scene = Game::getSingletonPtr()->sceneManager;
    if (!scene)
        return;
    // A scene without lights (nothing drawn) has no sun to colour.
    if (scene->hasLight("sun"))
        scene->getLight("sun")->setDiffuseColour(Col * SunInt);
    scene->setAmbientLight(Amb * AmbiantInt);
    setSunDirection();
}

void Level::setSunDirection()
{
    if (!sunNode)
        return;
    sunNode->setPosition(sunNodePosition);
    const Ogre::Quaternion aboutX(Ogre::Radian(Rot.x * degreesToRadians), Ogre::Vector3::UNIT_X);
    const Ogre::Quaternion aboutY(Ogre::Radian(Rot.y * degreesToRadians), Ogre::Vector3::UNIT_Y);
    const Ogre::Quaternion aboutZ(Ogre::Radian(Rot.z * degreesToRadians), Ogre::Vector3::UNIT_Z);
    sunNode->setOrientation(aboutX * aboutY * aboutZ);
}

void Level::createLights()
{
    // A scene that already holds them (a level made twice) keeps its own.
    if (!sceneManager || sceneManager->hasLight(explosionLightName) || sceneManager->hasLight(sunName))
        return;
    const Ogre::Vector4& colour = Game::getSingletonPtr()->explosionLightColor;
    explosionLight = sceneManager->createLight(explosionLightName);
    explosionLight->setType(Ogre::Light::LT_POINT);
    explosionLight->setDiffuseColour(Ogre::ColourValue(colour.x, colour.y, colour.z, colour.w));
    explosionLight->setAttenuation(1.0f, 1.0f, 4.5f, 75.0f);
    explosionLight->setLightMask(explosionLightMask);
    explosionLightNode = sceneManager->createSceneNode();
    explosionLightNode->attachObject(explosionLight);

    Ogre::Light* sun = sceneManager->createLight(sunName);
    sun->setType(Ogre::Light::LT_DIRECTIONAL);
    sun->setSpecularColour(Ogre::ColourValue::White);
    sun->setAttenuation(2800.0f, 1.0f, 1.0f, 1.0f);
    sun->setCastShadows(true);
    sunNode = sceneManager->getRootSceneNode()->createChildSceneNode();
    sunNode->attachObject(sun);
}

void Level::destroyLights()
{
    if (!sceneManager || !explosionLightNode)
        return;
    destroyLightAndNode(*sceneManager, explosionLightName, explosionLightNode);
    destroyLightAndNode(*sceneManager, sunName, sunNode);
    explosionLight = nullptr;
}
