// Fits the shadow camera of each texture shadow to its light: a near plane
// close to the light and a far plane at the light's reach.
#pragma once

#include <OgreSceneManager.h>

class shadowListener : public Ogre::SceneManager::Listener {
public:
    static constexpr float nearClipDistance = 0.01f;

    // The one listener of the run.
    static shadowListener* getInstance();

    void shadowTextureCasterPreViewProj(Ogre::Light* light, Ogre::Camera* camera, size_t iteration) override;
};
