// Cost of the effects manager in a busy frame: 200 explosion elements live
// at all times, each with its own particle system; every frame ten
// explosions of two elements are spawned, the same number finish and are
// retired, and all the others are stepped.
#include "world/WorldTestScene.h"

#include "world/sfxManager.h"

#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>

#include <benchmark/benchmark.h>

namespace {

constexpr double frame = 1.0 / 60.0;
constexpr int explosionsPerFrame = 10;
constexpr int framesAlive = 10; // 10 explosions x 2 elements x 10 frames = 200 live

// A burst as the game's explosion templates are: one point emitter, one fader.
void defineTemplate()
{
    static const bool made = [] {
        sharedTestRoot().loadPlugin(std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystem* burst = Ogre::ParticleSystemManager::getSingleton().createTemplate(
            "benchmarkBurst", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
        burst->setParticleQuota(20);
        burst->addEmitter("Point")->setEmissionRate(100.0f);
        burst->addAffector("ColourFader");
        return true;
    }();
    (void)made;
}

void BM_EffectsManagerFrameWith200Elements(benchmark::State& state)
{
    defineTemplate();
    WorldTestScene world;
    world.addNode()->getParentSceneNode()->createChildSceneNode("CamNode1");
    explosionLibraryMap library;
    std::vector<ExplosionElement*> elements;
    for (int index = 0; index < 2; ++index) {
        auto* element = new ExplosionElement;
        element->particleName = "benchmarkBurst";
        element->timeBeforeStart = 0.0;
        element->duration = (framesAlive - 0.5) * frame; // retired on the update after it finishes
        element->position = Ogre::Vector3(static_cast<float>(index), 0.0f, 0.0f);
        elements.push_back(element);
    }
    library["Burst"] = explosionDefinition(new ExplosionRef, elements);
    sfxManager manager;
    manager.sceneManager = world.scene;
    manager.explosions = &library;
    const auto step = [&manager](int count) {
        for (int index = 0; index < count; ++index) {
            Ogre::Vector3 at(static_cast<float>(index), 0.0f, 0.0f);
            manager.spawn("Burst", at, 1.0f, true, 45, 0, 0.0f);
        }
        manager.update(frame);
    };
    for (int warmUp = 0; warmUp < 3 * framesAlive; ++warmUp)
        step(explosionsPerFrame);
    for (auto _ : state)
        step(explosionsPerFrame);
    state.counters["live"] = static_cast<double>(manager.instances.size());
    manager.destroyAll();
    for (ExplosionElement* element : elements)
        delete element;
    delete library["Burst"].first;
}
BENCHMARK(BM_EffectsManagerFrameWith200Elements)->Unit(benchmark::kMicrosecond);

} // namespace
