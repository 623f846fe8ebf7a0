// Cost of the effects manager in a busy frame: explosions are spawned every
// frame, as many finish and are retired, and all the others are stepped.
// One run keeps 200 plain bursts alive; the other spawns the sample game's
// explosions that show sprite sheets, each element with its own material.
#include "world/WorldTestScene.h"

#include "data/ExplosionsReader.h"
#include "data/SampleArchive.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"
#include "world/sfxManager.h"

#include <OgreDataStream.h>
#include <OgreMaterialManager.h>
#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr double frame = 1.0 / 60.0;
constexpr int explosionsPerFrame = 10;
constexpr int framesAlive = 10; // 10 explosions x 2 elements x 10 frames = 200 live
constexpr int warmUpFrames = 90; // longer than any explosion lives: the live count is steady

void loadParticlePlugin()
{
    static const bool loaded = [] {
        sharedTestRoot().loadPlugin(std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        return true;
    }();
    (void)loaded;
}

// A burst as the game's explosion templates are: one point emitter, one fader.
void defineTemplate()
{
    static const bool made = [] {
        loadParticlePlugin();
        Ogre::ParticleSystem* burst = Ogre::ParticleSystemManager::getSingleton().createTemplate(
            "benchmarkBurst", Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
        burst->setParticleQuota(20);
        burst->addEmitter("Point")->setEmissionRate(100.0f);
        burst->addAffector("ColourFader");
        return true;
    }();
    (void)made;
}

// The sample game's particle templates. Its sprite-sheet material template
// wants a render system (shaders, a texture): a plain one stands in for it.
void defineSampleTemplates()
{
    static const bool made = [] {
        loadParticlePlugin();
        const std::string script = sampleArchiveText("data.tzn", "zarnithEffects.particle");
        Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(
            "zarnithEffects.particle", const_cast<char*>(script.data()), script.size()));
        Ogre::ParticleSystemManager::getSingleton().parseScript(stream, Ogre::RGN_DEFAULT);
        Ogre::MaterialManager::getSingleton().create("Particles/Explo", Ogre::RGN_DEFAULT);
        return true;
    }();
    (void)made;
}

// Spawns with `spawnFrame` and steps the manager once a frame, timed after
// the live count has settled.
void runFrames(benchmark::State& state, sfxManager& manager, const std::function<void()>& spawnFrame)
{
    const auto step = [&] {
        spawnFrame();
        manager.update(frame);
    };
    for (int warmUp = 0; warmUp < warmUpFrames; ++warmUp)
        step();
    for (auto _ : state)
        step();
    state.counters["live"] = static_cast<double>(manager.instances.size());
    manager.destroyAll();
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
    runFrames(state, manager, [&manager] {
        for (int index = 0; index < explosionsPerFrame; ++index) {
            Ogre::Vector3 at(static_cast<float>(index), 0.0f, 0.0f);
            manager.spawn("Burst", at, 1.0f, true, 45, 0, 0.0f);
        }
    });
    freeExplosion(library["Burst"]);
}
BENCHMARK(BM_EffectsManagerFrameWith200Elements)->Unit(benchmark::kMicrosecond);

// Every frame a small explosion (a burst, then a sprite-sheet puff) and a
// smart bomb (a sprite-sheet fireball, then sparks), read from the sample
// game's explosions file.
void BM_EffectsManagerFrameWithSampleSpriteExplosions(benchmark::State& state)
{
    defineSampleTemplates();
    WorldTestScene world;
    world.addNode()->getParentSceneNode()->createChildSceneNode("CamNode1");
    ResourceGroupScope group{{"GAMERSC"}};
    TempFolder folder;
    folder.write("gamebox.explosions", sampleArchiveText("game.tzn", "gamebox.explosions"));
    ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
    explosionLibraryMap library;
    loadExplosionsGamebox("gamebox.explosions", "GAMERSC", library);
    sfxManager manager;
    manager.sceneManager = world.scene;
    manager.explosions = &library;
    runFrames(state, manager, [&manager] {
        for (const char* name : {"Explosion_small", "ExplosionNew_BoDSmart"}) {
            Ogre::Vector3 at = Ogre::Vector3::ZERO;
            manager.spawn(name, at, 1.0f, true, 45, 0, 0.0f);
        }
    });
    for (auto& explosion : library)
        freeExplosion(explosion.second);
}
BENCHMARK(BM_EffectsManagerFrameWithSampleSpriteExplosions)->Unit(benchmark::kMicrosecond);

} // namespace
