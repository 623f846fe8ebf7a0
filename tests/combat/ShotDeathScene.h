// The effects scene with a Level bound to the Game, a gun, shot records and
// particle templates whose emitter timings decide the dying times.
#pragma once

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/effects/sfxLibraryEntry.h"
#include "play/Level.h"
#include "world/EffectsTestScene.h"

#include <OgreMaterialManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystemManager.h>

#include <memory>
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

    EffectsTestScene effects;
    Game& game = effects.game;
    Level level;
    Weapon gun;
    std::vector<std::unique_ptr<bullet>> shots;
};
