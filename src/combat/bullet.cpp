#include "combat/bullet.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

bullet::~bullet()
{
    releaseEffects();
}

void bullet::createNode()
{
    if (node || !sceneManager)
        return;
    Ogre::SceneNode* parent = sceneManager->hasSceneNode("CamNode1") ? sceneManager->getSceneNode("CamNode1")
                                                                       : sceneManager->getRootSceneNode();
    node = parent->createChildSceneNode();
}

void bullet::releaseEffects()
{
    if (!node)
        return;
    // The shot's particle systems and ribbon trail are released here once shots have them.
    if (node->getParentSceneNode())
        node->getParentSceneNode()->removeChild(node);
    sceneManager->destroySceneNode(node);
    node = nullptr;
}
