// The Level's effects: its effects manager and its explosion light.
#include "play/Level.h"

#include "combat/ShotDeathEffects.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "world/FiniteVector.h"
#include "world/sfxManager.h"

#include <OgreLight.h>
#include <OgreSceneNode.h>


Level::Level() : effects(new sfxManager), shotDeathEffects(std::make_unique<ShotDeathEffects>())
{
    effects->level = this;
    effects->camera = camera;
    if (Game* game = Game::getSingletonPtr()) {
        effects->explosions = &game->explosionLibrary;
        effects->sceneManager = game->sceneManager;
    }
}

Level::~Level()
{
    effects->destroyAll();
    delete effects;
    delete bulletBatch;
}

namespace {

// The light fades by this much range a second.
constexpr double explosionFadePerSecond = 250.0;

// A range of 0 or less would divide by nothing: the light goes out instead.
void reachOut(Ogre::Light& light, float range)
{
    if (range <= 0.0f) {
        light.setVisible(false);
        return;
    }
    light.setAttenuation(range, 1.0f, 4.5f / range, 75.0f / (range * range));
}

} // namespace

void Level::flashExplosionLight(const Ogre::Vector3& position, int range, const Ogre::ColourValue& colour)
{
    if (!explosionLight || !Game::getSingletonPtr()->isExplosionSpawnLight)
        return;
    explosionLightRange = static_cast<float>(range);
    explosionLight->setDiffuseColour(colour);
    explosionLight->setVisible(true);
    reachOut(*explosionLight, explosionLightRange);
    if (Ogre::SceneNode* node = explosionLight->getParentSceneNode())
        node->setPosition(finiteOr(position, 0.0f));
}

void Level::updateExplosionLight(double dt)
{
    if (!(explosionLightRange >= 0.0f)) {
        explosionLightRange = 0.0f;
        if (explosionLight)
            explosionLight->setVisible(false);
        return;
    }
    if (explosionLightRange > 0.0f)
        explosionLightRange = static_cast<float>(explosionLightRange - dt * explosionFadePerSecond);
    if (explosionLight)
        reachOut(*explosionLight, explosionLightRange);
}
