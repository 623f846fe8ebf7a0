// A scene manager on the shared test root for world-object tests and
// benchmarks: nodes, cameras and simple render objects without a window.
// Node transforms are brought up to date by hand, as a rendered frame would.
#pragma once

#include "support/OgreTestRoot.h"

#include <OgreCamera.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <string>

class WorldTestScene {
public:
    WorldTestScene()
    {
        sharedTestRoot();
        // Cameras need vertex buffers; without a render system they live in memory.
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        scene = Ogre::Root::getSingleton().createSceneManager();
    }
    ~WorldTestScene() { Ogre::Root::getSingleton().destroySceneManager(scene); }
    WorldTestScene(const WorldTestScene&) = delete;
    WorldTestScene& operator=(const WorldTestScene&) = delete;

    // A perspective camera on its own node at the position, looking at the target.
    Ogre::Camera* addCamera(const std::string& name, const Ogre::Vector3& position, const Ogre::Vector3& target)
    {
        Ogre::Camera* camera = scene->createCamera(name);
        camera->setNearClipDistance(1.0f);
        camera->setFarClipDistance(5000.0f);
        camera->setAspectRatio(16.0f / 9.0f);
        Ogre::SceneNode* node = scene->getRootSceneNode()->createChildSceneNode(position);
        node->attachObject(camera);
        node->lookAt(target, Ogre::Node::TS_WORLD);
        updateTransforms();
        return camera;
    }

    // An orthographic camera at the origin looking down -Z, whose screen maps
    // x and y of the world exactly: a window of 16 x 16 units.
    Ogre::Camera* addFlatCamera(const std::string& name)
    {
        Ogre::Camera* camera = scene->createCamera(name);
        camera->setProjectionType(Ogre::PT_ORTHOGRAPHIC);
        camera->setOrthoWindow(16.0f, 16.0f);
        camera->setNearClipDistance(1.0f);
        camera->setFarClipDistance(100.0f);
        scene->getRootSceneNode()->createChildSceneNode()->attachObject(camera);
        updateTransforms();
        return camera;
    }

    Ogre::SceneNode* addNode(const Ogre::Vector3& position = Ogre::Vector3::ZERO)
    {
        return scene->getRootSceneNode()->createChildSceneNode(position);
    }

    // What rendering a frame does to the node transforms.
    void updateTransforms() { scene->getRootSceneNode()->_update(true, false); }

    Ogre::SceneManager* scene = nullptr;
};
