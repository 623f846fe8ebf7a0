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
