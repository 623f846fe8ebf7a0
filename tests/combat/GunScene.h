// A gun bound by hand to an owner node in the effects scene, with a Level
// for its render layers and particle templates for its effects: one whose
// first emitter runs for half a second and one that runs without end.
#pragma once

#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/effects/sfxLibraryEntry.h"
#include "play/Level.h"
#include "world/EffectsTestScene.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystemManager.h>

#include <tuple>

// The render priority an object was given: Ogre keeps it without a getter.
struct RenderPriority : Ogre::MovableObject {
    static Ogre::ushort of(const Ogre::MovableObject& object)
    {
        return object.*(&RenderPriority::mRenderQueuePriority);
    }
};

class GunScene {
public:
    static constexpr float shortEffectSeconds = 0.5f;

    GunScene()
    {
        static const bool made = [] {
            for (auto [name, duration] : {std::tuple{"gun_short", shortEffectSeconds}, {"gun_endless", 0.0f}}) {
                Ogre::ParticleEmitter* emitter =
                    Ogre::ParticleSystemManager::getSingleton().createTemplate(name, "EffectsTest")->addEmitter("Point");
                emitter->setDuration(duration);
            }
            return true;
        }();
        (void)made;
        for (const char* name : {"gun_short", "gun_endless"})
            game.sfxLibrary[name] = new sfxLibraryEntry;
        level.playerLayerIndex = 7;
        level.topWaveLayerIndex = 12;
        game.level = &level;
        owner = effects.addNode(Ogre::Vector3(2.0f, 0.0f, 3.0f));
        bind(gun);
    }
    ~GunScene()
    {
        for (auto& entry : game.sfxLibrary)
            delete entry.second;
        game.sfxLibrary.clear();
        game.particleTemplateValues.clear();
        game.level = nullptr;
        game.enemyFirePause = 0.0f;
        game.isBulletOnTopOfPlayer = false;
        game.isForceWeaponFXonTopOfPlayer = false;
    }

    // The gun node under the owner and its rotation node, as binding makes them.
    void bind(Weapon& bound)
    {
        bound.sceneManager = effects.scene;
        bound.level = &level;
        bound.parentNode = owner;
        bound.sceneNode = owner->createChildSceneNode();
        bound.rotationNode = bound.sceneNode->createChildSceneNode();
    }
    std::size_t systemCount() const { return effects.scene->getMovableObjects("ParticleSystem").size(); }

    EffectsTestScene effects;
    Game& game = effects.game;
    Level level;
    Ogre::SceneNode* owner = nullptr;
    Weapon gun;
};
