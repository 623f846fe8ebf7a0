// The render layers of a level file's "Level" element and their order.
#include "data/LevelSettingsReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "data/SectionValues.h"
#include "play/Level.h"

#include <OgreSceneManager.h>

#include <algorithm>
#include <string>

namespace {

constexpr Need optional = Need::optional;
constexpr Need required = Need::required;

levelLayer layerOf(const XmlNode& element)
{
    const SectionValues values(&element);
    levelLayer layer;
    layer.name = values.text("name", required, layer.name);
    layer.number = values.integer("number", required, 0);
    // Only the editor shows it.
    layer.color = SectionAttributes(&element).reported("color", Ogre::ColourValue::Black);
    layer.Y = values.real("Y", required, 0.0f);
    layer.isLocked = values.flag("isLocked", optional, layer.isLocked);
    layer.isVisible = values.flag("isVisible", required, 0);
    return layer;
}

void readLayer(const XmlNode& element, Level& level)
{
    levelLayer layer = layerOf(element);
    if (Ogre::SceneManager* scene = Game::getSingletonPtr()->sceneManager)
        layer.sceneNode = scene->getRootSceneNode()->createChildSceneNode();
    level.replaceLayer(layer);
}

// The numbers "number0", "number1" ... up to one per layer, in this order.
// A missing one is left out with one "[ERROR] " line.
void readOrder(const XmlNode& order, Level& level)
{
    for (std::size_t i = 0; i < level.layers.size(); ++i) {
        const std::string name = "number" + std::to_string(i);
        if (!attributeText(order, name.c_str())) {
            reportedRequiredText(order, name.c_str());
            continue;
        }
        level.layerOrder.push_back(SectionValues(&order).integer(name.c_str(), required, 0));
    }
}

void addDefaultLayer(Level& level)
{
    levelLayer layer;
    layer.name = "Default";
    level.replaceLayer(layer);
    level.layerOrder.push_back(layer.number);
}

} // namespace

void readLevelLayers(const XmlNode& element, Level& level)
{
    for (const XmlNode* layer : childElements(element, "LAYER"))
        readLayer(*layer, level);
    if (level.layers.empty()) {
        addDefaultLayer(level);
        level.layerNameCounter = 0;
        return;
    }
    if (const XmlNode* order = element.first_node("LAYERORDER")) {
        readOrder(*order, level);
    } else {
        logLine("[ERROR] Level without LAYERORDER: its layers in the order of their numbers");
        for (const auto& entry : level.layers)
            level.layerOrder.push_back(entry.first);
    }
    const auto highest = std::max_element(level.layerOrder.begin(), level.layerOrder.end());
    level.layerNameCounter = highest == level.layerOrder.end() ? 0 : std::max(*highest, 0);
}
