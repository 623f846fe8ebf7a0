// The beam's scene objects: the strip under the root (it is drawn in world
// space), the end node with the end and impact effects, and the start node
// on the gun with the start effect.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"

#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "combat/bulletEffects.h"

#include <OgreManualObject.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

constexpr Ogre::ushort beamEffectPriority = 40001;

Ogre::ParticleSystem* makeBeamSystem(Weapon& gun, const std::string& templateName, const char* prefix,
                                     Ogre::SceneNode* node, bool isLocal)
{
    if (!isEffectNameSet(templateName))
        return nullptr;
    Ogre::ParticleSystem* system =
        createSpriteEffect(gun.game, gunEffectName(prefix, gun), templateName, gun.sceneManager, false, false);
    if (!system)
        return nullptr;
    node->attachObject(system);
    setFirstEmitterEnabled(system, false);
    system->setKeepParticlesInLocalSpace(isLocal);
    system->setRenderQueueGroupAndPriority(playerShotEffectGroup(gun.level), beamEffectPriority);
    return system;
}

void destroyNode(Ogre::SceneManager* scene, Ogre::SceneNode*& node)
{
    if (!node)
        return;
    node->detachAllObjects();
    if (node->getParentSceneNode())
        node->getParentSceneNode()->removeChild(node);
    scene->destroySceneNode(node);
    node = nullptr;
}

} // namespace

void Weapon::createLaserEffects()
{
    destroyLaserEffects();
    if (!sceneManager)
        return;
    Ogre::SceneNode* root = sceneManager->getRootSceneNode();
    if (!laserObjectNode) {
        laserObjectNode = root->createChildSceneNode();
        laserObject = sceneManager->createManualObject();
        laserObjectNode->attachObject(laserObject);
    }
    if (!laserEndNode)
        laserEndNode = root->createChildSceneNode();
    if (!laserEndParticles)
        laserEndParticles = makeBeamSystem(*this, laserSfxEndName, "LaserEnd01", laserEndNode, true);
    if (!laserImpactParticles)
        laserImpactParticles = makeBeamSystem(*this, impactSfxName, "LaserEndImpact01", laserEndNode, false);
    if (!laserStartParticles && isEffectNameSet(laserSfxStartName) && sceneNode) {
        laserStartNode = sceneNode->createChildSceneNode();
        laserStartParticles = makeBeamSystem(*this, laserSfxStartName, "LaserStart01", laserStartNode, true);
    }
}

void Weapon::destroyLaserEffects()
{
    if (!laserObject || !sceneManager)
        return;
    destroyNode(sceneManager, laserObjectNode);
    sceneManager->destroyManualObject(laserObject);
    laserObject = nullptr;
    laserEndNode->detachAllObjects();
    destroyShotSystem(sceneManager, laserEndParticles);
    destroyShotSystem(sceneManager, laserImpactParticles);
    destroyNode(sceneManager, laserEndNode);
    destroyNode(sceneManager, laserStartNode);
    destroyShotSystem(sceneManager, laserStartParticles);
}
