// The life of an explosion element instance: it waits for its start time,
// then shakes the camera, flashes the light, emits and plays its sound, and
// finishes once its duration has passed and it has run at least one frame.
#include "core/effects/ExplosionElement.h"

#include "app/AudioService.h"
#include "app/CameraProjection.h"
#include "app/SoundDefinition.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <OgreCamera.h>
#include <OgreMath.h>
#include <OgreRoot.h>
#include <OgreSceneNode.h>
#include <OgreTimer.h>

namespace {

// The pan of an explosion at the screen's edge when the game pans fully.
const float edgePan = 0.9f;

// Pans by where the explosion is seen across the play camera's screen; an
// element without a node, or a game without panning, leaves the pan alone.
void panByScreenPosition(platform::Channel channel, const Ogre::SceneNode* node, const GameCamera* camera,
                         float panning)
{
    if (!(panning > 0.0f) || !node || !camera || !camera->playCamera)
        return;
    Ogre::Vector2 screen;
    worldToScreen(screen, node->_getDerivedPosition(), *camera->playCamera);
    const float x = Ogre::Math::Clamp(screen.x, 0.0f, 1.0f);
    const float strength = panning * edgePan;
    panChannel(channel, x * strength - (1.0f - x) * strength);
}

} // namespace

void ExplosionElement::update(double dt)
{
    elapsed += dt;
    if (state == stateRunning) {
        if (elapsed >= timeBeforeStart + duration && hasRunFrame) {
            state = stateFinished;
            setFirstEmitterEnabled(particleSystem, false);
        }
        hasRunFrame = 1;
    } else if (state == stateWaiting && timeBeforeStart <= elapsed) {
        state = stateRunning;
        begin();
    }
}

void ExplosionElement::begin()
{
    if (isCameraShake && camera)
        camera->shakeTime = cameraShakeStrength;
    Game* game = Game::getSingletonPtr();
    Level* level = game ? game->level : nullptr;
    if (isLight && node && level)
        level->flashExplosionLight(node->_getDerivedPosition(), static_cast<int>(lightRange),
                                   lightColor * lightIntensity);
    setFirstEmitterEnabled(particleSystem, true);
    if (!soundName.empty() && soundExists(soundName))
        playSound();
}

void ExplosionElement::playSound()
{
    const Game* game = Game::getSingletonPtr();
    float volume = explosionVolume;
    if (game) {
        const auto entry = game->soundLibrary.find(soundName);
        if (entry != game->soundLibrary.end() && entry->second)
            volume *= entry->second->volume;
    }
    const platform::Channel channel = ::playSound(soundName, volume, noSoundPosition, false);
    if (channel.isValid()) {
        randomizePitch(channel, soundPitch);
        panByScreenPosition(channel, node, camera, game ? game->explosionSoundPanning : 0.0f);
    }
    Level* level = game ? game->level : nullptr;
    if (!level)
        return;
    if (Ogre::Root* root = Ogre::Root::getSingletonPtr())
        level->lastExplosionSoundTime = static_cast<double>(root->getTimer()->getMilliseconds());
    level->lastExplosionSound = soundName;
}
