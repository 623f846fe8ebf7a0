// The Level's shadows: the scene's shadow technique with the material scheme
// that matches it, and each object's own cast-shadows flag.
#include "play/Level.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/materials/MeshMaterials.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Item.h"
#include "world/background.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreViewport.h>

namespace {

void applyShadowFlag(entity* object, bool isSpriteLighting)
{
    if (!object || !object->movableObject)
        return;
    Ogre::MovableObject& movable = *object->movableObject;
    movable.setCastShadows(object->isCastShadows != 0);
    if (auto* mesh = dynamic_cast<Ogre::Entity*>(&movable))
        setLightingParameters(mesh, object->isCastShadows != 0);
    // Unlit sprites are flat cards: their shadows would show as rectangles.
    if (!isSpriteLighting && object->isLayered)
        movable.setCastShadows(false);
}

} // namespace

void Level::setShadows(bool on)
{
    isShadows = on;
    if (Ogre::SceneManager* scene = Game::getSingletonPtr()->sceneManager)
        scene->setShadowTechnique(on ? Ogre::SHADOWTYPE_TEXTURE_MODULATIVE_INTEGRATED : Ogre::SHADOWTYPE_NONE);
    if (camera && camera->viewport)
        camera->viewport->setMaterialScheme(on ? "NORMAL" : "NOSHADOWS");
}

void Level::updateShadowFlags()
{
    for (background* placed : backgrounds)
        applyShadowFlag(placed, isSpriteLighting);
    if (state)
        for (Item* item : state->items)
            applyShadowFlag(item, isSpriteLighting);
    applyShadowFlag(Game::getSingletonPtr()->player, isSpriteLighting);
    for (Wave* wave : waves)
        if (wave && !wave->members.empty())
            applyShadowFlag(wave->members.front(), isSpriteLighting);
}
