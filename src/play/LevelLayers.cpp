// The Level's layers as a level file gives them, and their teardown.
#include "play/Level.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

void destroyLayerNode(levelLayer& layer)
{
    if (!layer.sceneNode)
        return;
    // Objects placed on the layer keep their own nodes.
    layer.sceneNode->removeAllChildren();
    layer.sceneNode->getCreator()->destroySceneNode(layer.sceneNode);
    layer.sceneNode = nullptr;
}

} // namespace

void Level::replaceLayer(const levelLayer& layer)
{
    const auto earlier = layers.find(layer.number);
    if (earlier != layers.end())
        destroyLayerNode(earlier->second);
    layers[layer.number] = layer;
}

void Level::destroyLayers()
{
    for (auto& entry : layers)
        destroyLayerNode(entry.second);
    layers.clear();
    layerOrder.clear();
}
