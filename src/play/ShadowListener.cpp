#include "play/ShadowListener.h"

#include <OgreCamera.h>
#include <OgreLight.h>

shadowListener* shadowListener::getInstance()
{
    static shadowListener instance;
    return &instance;
}

void shadowListener::shadowTextureCasterPreViewProj(Ogre::Light* light, Ogre::Camera* camera, size_t /*iteration*/)
{
    camera->setNearClipDistance(nearClipDistance);
    camera->setFarClipDistance(light->getAttenuationRange());
}

