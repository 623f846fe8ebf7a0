// Attachments: a wave's children map points to the waves and effects it
// names, and a wave or effect that rides on a wave hangs its scene node under
// that wave's first member, so that it follows it.
#include "play/playState.h"

#include "app/Log.h"
#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "play/EntityNames.h"
#include "world/sfx.h"

#include <OgreSceneNode.h>

#include <set>

namespace {

const std::string wavePrefix = "Wave";
const std::string effectPrefix = "sfx";

void logNotFound(const Wave& wave) { logLine("[ERROR] attached enemy not found on " + levelName(wave)); }

// Whether the wave is among the object's resolved children, at any depth.
bool isBelow(const entity& wave, const entity& object, std::set<const entity*>& seen)
{
    if (&object == &wave)
        return true;
    if (!seen.insert(&object).second)
        return false;
    for (const auto& child : object.children)
        if (child.second && isBelow(wave, *child.second, seen))
            return true;
    return false;
}

// A child that has the wave among its own children (or is the wave) would
// send the status and visibility round for ever: it counts as not found.
bool makesCycle(const Wave& wave, const entity& child)
{
    std::set<const entity*> seen;
    return isBelow(wave, child, seen);
}

template <class Object>
void resolveChildren(Wave& wave, const std::vector<Object*>& objects, const std::string& prefix)
{
    for (auto child = wave.children.begin(); child != wave.children.end();) {
        if (child->second) {
            ++child;
            continue;
        }
        Object* found = findByName(objects, child->first);
        if (found && !makesCycle(wave, *found)) {
            child->second = found;
        } else if (found || startsWith(child->first, prefix)) {
            child = wave.children.erase(child);
            logNotFound(wave);
            continue;
        }
        ++child;
    }
}

Ogre::SceneNode* firstMemberNode(const Wave& wave)
{
    return wave.members.empty() || !wave.members.front() ? nullptr : wave.members.front()->sceneNode;
}

void moveUnder(Ogre::SceneNode* node, Ogre::SceneNode* parent)
{
    if (!node || !parent)
        return;
    if (Ogre::SceneNode* current = node->getParentSceneNode())
        current->removeChild(node);
    parent->addChild(node);
}

// Whether riding on the wave would hang the rider under one of its own
// descendants: the chain of riders from the wave comes back to the rider.
bool ridesOnItself(const Wave& rider, const Wave* parent, const std::vector<Wave*>& waves)
{
    std::set<const Wave*> seen;
    while (parent && seen.insert(parent).second) {
        if (parent == &rider)
            return true;
        parent = parent->attachedToEntityName.empty() ? nullptr : findByName(waves, parent->attachedToEntityName);
    }
    return false;
}

void rideOn(Wave& rider, Wave& parent)
{
    rider.parentObject = &parent;
    rider.parentNode = firstMemberNode(parent);
    if (rider.spawner) {
        rider.spawner->parentNode = rider.parentNode;
        moveUnder(rider.spawner->spawnerLayerNode, rider.parentNode);
    }
}

void attachWave(Wave& wave, const std::vector<Wave*>& waves)
{
    if (wave.attachedToEntityName.empty())
        return;
    Wave* parent = findByName(waves, wave.attachedToEntityName);
    if (!parent)
        return;
    if (ridesOnItself(wave, parent, waves)) {
        wave.attachedToEntityName.clear();
        logNotFound(wave);
        return;
    }
    rideOn(wave, *parent);
}

void attachEffect(sfx& effect, const std::vector<Wave*>& waves)
{
    if (!startsWith(effect.attachedToEntityName, wavePrefix))
        return;
    Wave* parent = findByName(waves, effect.attachedToEntityName);
    if (!parent)
        return;
    effect.attachedObject = parent;
    effect.parentNode = firstMemberNode(*parent);
    moveUnder(effect.sceneNode, effect.parentNode);
}

} // namespace

void playState::attachEntities()
{
    logLine("Init Attached entities");
    for (Wave* wave : waves) {
        if (!wave)
            continue;
        resolveChildren(*wave, waves, wavePrefix);
        resolveChildren(*wave, sfxList, effectPrefix);
        attachWave(*wave, waves);
    }
    for (sfx* effect : sfxList)
        if (effect)
            attachEffect(*effect, waves);
}
