#include "data/ItemsReader.h"

#include "app/Log.h"
#include "data/LibraryFile.h"
#include "world/Item.h"
#include "world/Obb.h"

#include <memory>

namespace {

const char* const itemsFailureLine = "Error creating tinyxml2::XMLDocument";

// A definition without outlines still needs one to be picked up: a 10 x 10
// box, one unit high for a mesh, flat in the sprite's own plane for a sprite.
void addDefaultOutline(Item& item)
{
    auto* outline = new Obb();
    item.outlines.push_back(outline);
    outline->size.z = 1.0f;
    if (!item.spriteName.empty()) {
        outline->isLayered = 1;
        outline->size.z = 0.0f;
    }
}

void storeDefinition(std::unique_ptr<Item> definition, std::map<std::string, Item*>& library)
{
    Item*& slot = library[definition->itemName];
    delete slot;
    slot = definition.release();
}

Item* definitionOf(const Item& placed, const std::map<std::string, Item*>& library)
{
    const auto found = library.find(placed.parentName);
    if (found != library.end())
        return found->second;
    const auto standIn = library.find("ItemNotFound");
    if (standIn == library.end())
        return nullptr;
    if (!placed.parentName.empty())
        logLineOnce("[ERROR] can't find item: " + placed.parentName + namedBy("", xmlFileBeingRead()));
    return standIn->second;
}

void placeFromDefinition(Item& placed, Item& definition, Player* player)
{
    placed.templateObject = &definition;
    placed.spriteName = definition.spriteName;
    placed.meshName = definition.meshName;
    placed.createVisual(placed.pos, player);
    placed.copyObbs();
    placed.rebuildGraphics();
    placed.thumbnail.clear();
}

} // namespace

void loadItemsGamebox(std::string fileName, std::string group, std::map<std::string, Item*>& library)
{
    readLibraryFile(fileName, group, "Item", itemsFailureLine, [&library](const XmlNode& element) {
        auto definition = std::make_unique<Item>();
        readItem(element, *definition, nullptr);
        if (definition->outlines.empty())
            addDefaultOutline(*definition);
        definition->isLibraryDefinition = 1;
        definition->isStatic = true;
        storeDefinition(std::move(definition), library);
    });
}

void readLevelItems(const XmlNode& root, Level* level, std::vector<Item*>& items,
                    const std::map<std::string, Item*>& library, Player* player)
{
    for (const XmlNode* element : childElements(root, "Item")) {
        auto placed = std::make_unique<Item>();
        readItem(*element, *placed, level);
        Item* definition = definitionOf(*placed, library);
        // Without even the stand-in definition the item has nothing to show.
        if (!definition) {
            logLine("[ERROR] item definition not found: " + placed->parentName + namedBy("", xmlFileBeingRead()));
            continue;
        }
        items.push_back(placed.get());
        placeFromDefinition(*placed.release(), *definition, player);
    }
}
