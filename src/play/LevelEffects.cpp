// The Level's effects: its effects manager and its explosion light.
#include "play/Level.h"

#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "world/FiniteVector.h"
#include "world/sfxManager.h"

#include <OgreLight.h>
#include <OgreSceneNode.h>

#include <algorithm>

Level::Level() : effects(new sfxManager)
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

void Level::flashExplosionLight(const Ogre::Vector3& position, int range, const Ogre::ColourValue& colour)
{
    if (!explosionLight)
        return;
    const float reach = static_cast<float>(std::max(range, 1));
    explosionLight->setDiffuseColour(colour);
    explosionLight->setAttenuation(reach, 1.0f, 4.5f / reach, 75.0f / (reach * reach));
    explosionLight->setVisible(true);
    if (Ogre::SceneNode* node = explosionLight->getParentSceneNode())
        node->setPosition(finiteOr(position, 0.0f));
    // The light fades out again in the level's update, with the level's lights.
}
