#include "combat/bulletEffects.h"

#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "world/RenderQueueGroups.h"

#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>

#include <algorithm>

bool isEffectNameSet(const std::string& name)
{
    return !name.empty() && name != "none" && name != "None";
}

void prepareShotSystem(Ogre::ParticleSystem* system)
{
    system->setIterationInterval(0.0f);
}

void startFromBeginning(Ogre::ParticleSystem* system)
{
    system->clear();
    restartFirstEmitter(system);
    system->setEmitting(true);
}

void destroyShotSystem(Ogre::SceneManager* scene, Ogre::ParticleSystem*& system)
{
    if (!system)
        return;
    if (system->isAttached())
        system->detachFromParent();
    scene->destroyParticleSystem(system);
    system = nullptr;
}

std::uint8_t shotEffectGroup(unsigned layerValue, unsigned offset)
{
    return static_cast<std::uint8_t>(
        std::min<unsigned>(unlayeredRenderQueueGroup + offset + std::min(layerValue, 255u), maxRenderQueueGroup));
}

Level* playLevel()
{
    const Game* game = Game::getSingletonPtr();
    return game ? game->level : nullptr;
}
