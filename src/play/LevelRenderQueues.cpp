// The Level's layers in the render queues: every object's queue offset is
// the position of its layer in the layer order, and backgrounds on a
// scrolling layer hang under that layer's node.
#include "play/Level.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "play/playState.h"
#include "world/Item.h"
#include "world/background.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// A wave draws shots at its layer only when it has a member with outlines.
bool hasOutlinedMember(const Wave& wave)
{
    return !wave.members.empty() && wave.members.front() && !wave.members.front()->outlines.empty();
}

} // namespace

void Level::assignRenderQueues()
{
    for (background* placed : backgrounds)
        if (placed)
            placed->setLayerAndPriority(static_cast<std::uint8_t>(getLayerIndex(placed->layerId)), placed->priority);
    topWaveLayerIndex = 0;
    for (Wave* wave : waves) {
        if (!wave)
            continue;
        const std::uint16_t index = getLayerIndex(wave->layerId);
        wave->setLayer(static_cast<std::uint8_t>(index));
        if (hasOutlinedMember(*wave))
            topWaveLayerIndex = std::max(topWaveLayerIndex, index);
    }
    if (state)
        for (Item* item : state->items)
            if (item)
                item->setLayerAndPriority(static_cast<std::uint8_t>(getLayerIndex(item->layerId)), item->priority);
    Player* player = Game::getSingletonPtr()->player;
    if (player)
        player->setLayer(static_cast<std::uint8_t>(getLayerIndex(player->layerId)));
    if (state)
        state->refreshEntityValues();
    if (player)
        playerLayerIndex = player->layer;
}

void Level::attachEntitiesToLayers()
{
    for (auto& entry : layers) {
        levelLayer& layer = entry.second;
        if (layer.Y == 0.0f || !layer.sceneNode)
            continue;
        for (background* placed : backgrounds) {
            if (!placed || !placed->sceneNode || static_cast<std::int32_t>(placed->layerId) != layer.number)
                continue;
            if (Ogre::SceneNode* parent = placed->sceneNode->getParentSceneNode())
                parent->removeChild(placed->sceneNode);
            layer.sceneNode->addChild(placed->sceneNode);
        }
    }
}
