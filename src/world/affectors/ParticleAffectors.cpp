#include "world/affectors/ParticleAffectors.h"

#include "world/affectors/cameraSpeedAffector.h"
#include "world/affectors/dragAffector.h"
#include "world/affectors/noYAffector.h"
#include "world/affectors/scaleInterpolationAffector.h"

// OgreParticleSystemManager.h needs the definitions OgreParticleSystem.h brings in.
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<Ogre::ParticleAffectorFactory>> factories;

void registerFactory(Ogre::ParticleAffectorFactory* factory)
{
    factories.emplace_back(factory);
    Ogre::ParticleSystemManager::getSingleton().addAffectorFactory(factory);
}

} // namespace

void createParticleAffectorFactories()
{
    registerFactory(new cameraSpeedAffectorFactory);
    registerFactory(new noYAffectorFactory);
    registerFactory(new scaleInterpolationAffectorFactory);
    registerFactory(new dragAffectorFactory);
}

void destroyParticleAffectorFactories()
{
    for (auto& factory : factories)
        factory.reset();
    factories.clear();
}
