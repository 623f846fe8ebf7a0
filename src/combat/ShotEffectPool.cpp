// The systems of one shot effect template, made once and played in turn.
#include "combat/ShotEffectPool.h"

#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "world/FiniteVector.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Seconds of margin after the last particle of a burst.
constexpr double playMargin = 0.1;
constexpr float longestEmitterDuration = 9999.0f;

double playTimeOf(Ogre::ParticleSystem* system)
{
    const Ogre::ParticleEmitter* emitter = emitterAt(system, 0);
    if (!emitter)
        return 0.0;
    const float duration = finiteIn(emitter->getDuration(), 0.0f, longestEmitterDuration, 0.0f);
    return duration + emitter->getMaxTimeToLive() + playMargin;
}

// The node under the parent, at the place; it changes parents only when
// the burst plays under another node than the last.
void placeNode(Ogre::SceneNode& node, const ShotEffectPlace& place)
{
    Ogre::SceneNode* current = node.getParentSceneNode();
    if (current != place.parent) {
        if (current)
            current->removeChild(&node);
        place.parent->addChild(&node);
    }
    node.setPosition(place.position);
    node.setOrientation(place.orientation);
    node.setScale(place.nodeScale);
}

} // namespace

ShotEffectPool::ShotEffectPool(Ogre::SceneManager& scene, const std::string& templateName,
                               const std::string& namePrefix, std::size_t count, Preparation prepare)
    : scene(scene), name(templateName)
{
    constexpr bool isBullet = true;
    constexpr bool isAlwaysVisible = false;
    slots.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Ogre::ParticleSystem* system = createSpriteEffect(Game::getSingletonPtr(), namePrefix + std::to_string(i),
                                                          templateName, &scene, isBullet, isAlwaysVisible);
        if (!system)
            break;
        prepareShotSystem(system);
        if (prepare)
            prepare(*system);
        Slot slot;
        slot.system = system;
        slot.node = scene.createSceneNode();
        // The place gives the node its whole scale: the parent's adds none.
        slot.node->setInheritScale(false);
        slots.push_back(slot);
    }
    if (!slots.empty())
        play = playTimeOf(slots.front().system);
}

ShotEffectPool::~ShotEffectPool()
{
    for (Slot& slot : slots) {
        destroyShotSystem(&scene, slot.system);
        scene.destroySceneNode(slot.node);
    }
}

double ShotEffectPool::burst(const ShotEffectPlace& place, const ShotEffectLook& look)
{
    if (slots.empty() || !place.parent)
        return 0.0;
    Slot& slot = slots[next];
    next = (next + 1) % slots.size();
    placeNode(*slot.node, place);
    if (!slot.system->isAttached())
        slot.node->attachObject(slot.system);
    scaleShotEffect(slot.system, name, look.shotScale);
    startFromBeginning(slot.system);
    slot.system->setRenderQueueGroupAndPriority(look.group, look.priority);
    slot.timeLeft = std::min(play, longestBurst);
    slot.isPlaying = true;
    return play;
}

void ShotEffectPool::step(double dt)
{
    for (Slot& slot : slots) {
        if (!slot.isPlaying)
            continue;
        slot.timeLeft -= dt;
        if (slot.timeLeft <= 0.0)
            stop(slot);
    }
}

void ShotEffectPool::stopAll()
{
    for (Slot& slot : slots)
        stop(slot);
}

void ShotEffectPool::stop(Slot& slot)
{
    slot.isPlaying = false;
    slot.system->setEmitting(false);
    setFirstEmitterEnabled(slot.system, false);
    slot.system->clear();
    if (slot.system->isAttached())
        slot.system->detachFromParent();
}
