// The ship's rotating parts: built on its mesh node, turned each frame and
// destroyed. The records themselves belong to the ship's list.
#include "combat/Player.h"

#include "app/Log.h"
#include "combat/rotor.h"
#include "core/MeshAvailability.h"
#include "world/FiniteVector.h"
#include "world/RenderQueueGroups.h"

#include <OgreEntity.h>
#include <OgreMatrix3.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <sstream>

namespace {

const char* const missingMesh = "interro.mesh";

// Part i of this ship: the address keeps two ships' parts apart.
std::string partName(const char* prefix, std::size_t index, const Player* owner)
{
    std::ostringstream text;
    text << prefix << index << '_' << static_cast<const void*>(owner);
    return text.str();
}

} // namespace

void Player::createRotor()
{
    if (!sceneManager || !meshNode)
        return;
    for (std::size_t i = 0; i < rotors.size(); ++i) {
        rotor& part = *rotors[i];
        std::string shown = part.meshName;
        if (!loadMeshResource(part.meshName)) {
            logLine("[ERROR] can't find rotor mesh: " + part.meshName);
            shown = missingMesh;
        }
        part.entity = sceneManager->createEntity(partName("rotorMesh", i, this), shown,
                                                 Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        part.entity->setRenderQueueGroup(isLayered ? renderQueueGroupOf(layer) : unlayeredRenderQueueGroup);
        part.entity->setCastShadows(isCastShadows != 0);
        part.node = meshNode->createChildSceneNode(partName("rotorNode", i, this));
        part.node->attachObject(part.entity);
        part.node->setPosition(finiteOr(part.pos, 0.0f));
        part.node->setScale(finiteOr(Ogre::Vector3(part.sca), 1.0f));
        part.node->setOrientation(part.fixedOrientation());
    }
}

void Player::destroyRotors()
{
    for (rotor* part : rotors) {
        if (!part->entity)
            continue;
        if (part->node) {
            if (Ogre::SceneNode* parent = part->node->getParentSceneNode())
                parent->removeChild(part->node);
            part->node->detachAllObjects();
            sceneManager->destroySceneNode(part->node);
        }
        sceneManager->destroyEntity(part->entity);
        part->node = nullptr;
        part->entity = nullptr;
    }
}

void Player::turnRotors(double dt)
{
    for (rotor* part : rotors)
        if (part->node)
            part->node->yaw(Ogre::Radian(part->turnAngle(dt)), Ogre::Node::TS_LOCAL);
}
