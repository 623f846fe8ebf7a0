// The Level's pools of shot death effects, and the settings of a cancel
// burst.
#include "combat/ShotDeathEffects.h"

#include "core/effects/ParticleSystemAccess.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

namespace {

// Particle system names stay clear of the names content gives its objects.
const std::string impactNamePrefix = "particlesImpactBullet";
const std::string cancelNamePrefix = "particlesCancelBullet";

// A cancel burst moves with the node it plays under and plays on out of
// view; its first emitter waits for the burst.
void prepareCancel(Ogre::ParticleSystem& system)
{
    setFirstEmitterEnabled(&system, false);
    system.setNonVisibleUpdateTimeout(0.0f);
    system.setKeepParticlesInLocalSpace(true);
    // The plain repeat delay reads as the least one.
    if (Ogre::ParticleEmitter* first = emitterAt(&system, 0))
        first->setRepeatDelay(0.0f, 0.0f);
}

} // namespace

void ShotDeathEffects::reset(Ogre::SceneManager* scene, const std::string& cancelTemplate)
{
    for (auto& entry : impactPools)
        entry.second->stopAll();
    if (cancelPool && cancelPool->templateName() == cancelTemplate) {
        cancelPool->stopAll();
        return;
    }
    cancelPool.reset();
    if (scene && !cancelTemplate.empty())
        cancelPool = std::make_unique<ShotEffectPool>(*scene, cancelTemplate, cancelNamePrefix, cancelBursts,
                                                      prepareCancel);
}

ShotEffectPool& ShotDeathEffects::impacts(Ogre::SceneManager& scene, const std::string& templateName)
{
    const auto found = impactPools.find(templateName);
    if (found != impactPools.end())
        return *found->second;
    // Named after the template as well: each template has a pool of its own.
    auto pool = std::make_unique<ShotEffectPool>(scene, templateName, impactNamePrefix + templateName + ":",
                                                 impactBursts, nullptr);
    return *impactPools.emplace(templateName, std::move(pool)).first->second;
}

void ShotDeathEffects::step(double dt)
{
    for (auto& entry : impactPools)
        entry.second->step(dt);
    if (cancelPool)
        cancelPool->step(dt);
}

void ShotDeathEffects::destroy()
{
    impactPools.clear();
    cancelPool.reset();
}
