// The effects scene with a Level bound to the Game, a gun, shot records and
// particle templates whose emitter timings decide the dying times, and the
// systems the Level's death effects are made of, found by name.
#pragma once

#include "combat/ShotDeathEffects.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/effects/sfxLibraryEntry.h"
#include "play/Level.h"
#include "world/EffectsTestScene.h"

#include <OgreMaterialManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreSceneManager.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

class ShotDeathScene {
public:
    ShotDeathScene()
    {
        // Template, first emitter's duration (0: endless), longest particle life.
        static const bool made = [] {
            for (auto [name, duration, life] : {std::tuple{"shotDeath_impactA", 0.5f, 1.5f},
                                                {"shotDeath_impactB", 0.0f, 0.3f},
                                                {"shotDeath_cancel", 0.3f, 0.2f},
                                                {"shotDeath_trailA", 0.0f, 0.8f},
                                                {"shotDeath_trailB", 0.0f, 0.05f},
                                                {"shotDeath_long", 5.0f, 5.0f}}) {
                auto& particles = Ogre::ParticleSystemManager::getSingleton();
                Ogre::ParticleEmitter* emitter = particles.createTemplate(name, "EffectsTest")->addEmitter("Point");
                emitter->setDuration(duration);
                emitter->setTimeToLive(life * 0.5f, life);
                emitter->setRepeatDelay(0.5f, 0.7f);
            }
            Ogre::MaterialManager::getSingleton().create("shotDeath_ribbon", "EffectsTest");
            return true;
        }();
        (void)made;
        for (const char* name : {"shotDeath_impactA", "shotDeath_impactB", "shotDeath_cancel", "shotDeath_trailA",
                                 "shotDeath_trailB", "shotDeath_long", "shotDeath_untemplated"})
            game.sfxLibrary[name] = new sfxLibraryEntry;
        game.level = &level;
        game.isBulletDeadAfterLifeSpawnSfx = true;
    }
    ~ShotDeathScene()
    {
        shots.clear();
        for (auto& entry : game.sfxLibrary)
            delete entry.second;
        game.sfxLibrary.clear();
        game.particleTemplateValues.clear();
        game.cancelSfxName.clear();
        game.level = nullptr;
    }

    // A free record, as the pools make them.
    bullet& record()
    {
        shots.push_back(std::make_unique<bullet>());
        shots.back()->sceneManager = effects.scene;
        shots.back()->createNode();
        return *shots.back();
    }
    // The record fired by the gun, in view.
    bullet& launched(bullet& shot)
    {
        Ogre::Vector3 direction(0.0f, 0.0f, -1.0f);
        shot.launch(&gun, Ogre::Vector3(1.0f, 0.0f, 0.0f), 1.0f, direction, nullptr, nullptr);
        shot.isVisible = 1;
        return shot;
    }
    std::size_t systemCount() const { return effects.scene->getMovableObjects("ParticleSystem").size(); }
    // The systems whose names begin with the prefix; those of them emitting.
    std::vector<Ogre::ParticleSystem*> systemsNamed(const std::string& prefix) const
    {
        std::vector<Ogre::ParticleSystem*> named;
        for (const auto& entry : effects.scene->getMovableObjects("ParticleSystem"))
            if (entry.first.rfind(prefix, 0) == 0)
                named.push_back(static_cast<Ogre::ParticleSystem*>(entry.second));
        return named;
    }
    std::vector<Ogre::ParticleSystem*> playing(const std::string& prefix) const
    {
        std::vector<Ogre::ParticleSystem*> emitting = systemsNamed(prefix);
        emitting.erase(std::remove_if(emitting.begin(), emitting.end(),
                                      [](const Ogre::ParticleSystem* system) { return !system->getEmitting(); }),
                       emitting.end());
        return emitting;
    }
    // Every death effect stopped and the cancel pool made for the Game's
    // template, as a level's start does.
    void resetDeathEffects() { level.shotDeathEffects->reset(effects.scene, game.cancelSfxName); }

    EffectsTestScene effects;
    Game& game = effects.game;
    Level level;
    Weapon gun;
    std::vector<std::unique_ptr<bullet>> shots;
};
