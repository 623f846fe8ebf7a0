// A scene for placed-effect tests: the effects scene with the play camera
// "PlayCam" at (0, 0, 100) looking down -Z, a Level bound to the Game, and
// the sample game's level particle templates with the runtime's affectors.
#pragma once

#include "core/effects/sfxLibraryEntry.h"
#include "data/SampleArchive.h"
#include "play/Level.h"
#include "world/EffectsTestScene.h"
#include "world/affectors/ParticleAffectors.h"
#include "world/sfx.h"

#include <OgreDataStream.h>
#include <OgreParticleSystemManager.h>

#include <memory>

class SfxTestScene : public EffectsTestScene {
public:
    SfxTestScene()
    {
        loadLevelParticleScript();
        game.level = &level;
        game.playClock = 0.0f;
        game.isPhysicsOcclusion = false;
        camera = addCamera("PlayCam", Ogre::Vector3(0, 0, 100), Ogre::Vector3::ZERO);
        game.sfxLibrary["levelEmbers"] = new sfxLibraryEntry;
    }
    ~SfxTestScene()
    {
        effects.clear();
        delete game.sfxLibrary["levelEmbers"];
        game.sfxLibrary.erase("levelEmbers");
        game.level = nullptr;
        game.isPhysicsOcclusion = false;
    }

    // A placed effect with its visuals built at the position; owned by the scene.
    sfx& place(const Ogre::Vector3& where, void (*configure)(sfx&) = nullptr)
    {
        effects.push_back(std::make_unique<sfx>("sfxTest" + std::to_string(effects.size() + 1)));
        sfx& effect = *effects.back();
        if (configure)
            configure(effect);
        effect.createVisuals(where);
        updateTransforms();
        return effect;
    }

    Level level;
    Ogre::Camera* camera = nullptr;
    std::vector<std::unique_ptr<sfx>> effects;

private:
    // The factories and the templates are process-wide: made once.
    static void loadLevelParticleScript()
    {
        static const bool loaded = [] {
            Ogre::ParticleSystemManager& particles = Ogre::ParticleSystemManager::getSingleton();
            bool hasFactories = false;
            auto factories = particles.getAffectorFactoryIterator();
            for (; factories.hasMoreElements(); factories.moveNext())
                hasFactories = hasFactories || factories.peekNextKey() == "drag";
            if (!hasFactories)
                createParticleAffectorFactories();
            const std::string script = sampleArchiveText("data.tzn", "zarnithLevelEffects.particle");
            Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(
                "zarnithLevelEffects.particle", const_cast<char*>(script.data()), script.size()));
            if (!particles.getTemplate("levelEmbers"))
                particles.parseScript(stream, "EffectsTest");
            return true;
        }();
        (void)loaded;
    }
};
