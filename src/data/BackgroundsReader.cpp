#include "data/BackgroundsReader.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"
#include "data/AttributeValues.h"
#include "data/LibraryFile.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"
#include "world/background.h"

#include <OgreStringConverter.h>

#include <memory>

namespace {

const char* const backgroundFailureLine = "Error creating tinyxml2::XMLDocument";

struct placement {
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    std::uint32_t layerId = 0;
    std::uint16_t priority = 0;
};

// Values that would put a node at infinity or abort Ogre fall back to the
// neutral placement, as the editor's own "nan(ind)" positions do.
void readPosition(const XmlNode& element, placement& place)
{
    place.position = placedPositionOf(element);
    if (const char* sca = reportedAttributeText(element, "sca")) {
        const float uniform = Ogre::StringConverter::parseVector3(sca).x;
        place.scale = Ogre::Vector3(finiteIn(uniform, -largestDataScale, largestDataScale, 1.0f));
    }
    place.orientation = usableTurn(Ogre::StringConverter::parseQuaternion(reportedRequiredText(element, "orient")),
                                   Ogre::Quaternion::IDENTITY);
    if (const char* layer = attributeText(element, "layer"))
        place.layerId = static_cast<std::uint32_t>(Ogre::StringConverter::parseInt(layer));
    if (const char* priority = attributeText(element, "queuePriority"))
        place.priority = static_cast<std::uint16_t>(Ogre::StringConverter::parseUnsignedInt(priority));
}

void readCollisionType(const XmlNode& element, background& target)
{
    target.collisionType = 0;
    if (const XmlNode* collisions = element.first_node("Collisions"))
        readRequired(*collisions, "collType", target.collisionType);
}

void readToybox(const XmlNode& element, background& target)
{
    const XmlNode* toybox = element.first_node("toybox");
    if (!toybox)
        return;
    readOptional(*toybox, "parentName", target.parentName);
    readOptional(*toybox, "screenName", target.screenName);
    readOptional(*toybox, "thumbnail", target.thumbnail);
}

Obb* readOutline(const XmlNode& element)
{
    auto* outline = new Obb();
    outline->isLayered = 1;
    for (std::size_t i = 0; i < outline->customPoints.size(); ++i) {
        const std::string attribute = "point" + std::to_string(i);
        if (const char* point = reportedAttributeText(element, attribute.c_str()))
            outline->customPoints[i] = parseFiniteVector2(point, Ogre::Vector2::ZERO);
    }
    return outline;
}

void readOutlines(const XmlNode& element, background& target)
{
    for (const XmlNode* child : childElements(element, "OBB"))
        target.obbs.push_back(readOutline(*child));
    if (target.obbs.empty() && target.collisionType == collisionCameraSphere) {
        auto* outline = new Obb();
        outline->size = Ogre::Vector3(4.0f, 4.0f, 0.0f);
        outline->isLayered = 1;
        target.obbs.push_back(outline);
    }
}

void bindToDefinition(background& placed, const std::map<std::string, background*>& library)
{
    auto definition = library.find(placed.parentName);
    if (definition == library.end()) {
        if (!placed.parentName.empty())
            logLineOnce("[ERROR] can't find background: " + placed.parentName + namedBy("", xmlFileBeingRead()));
        definition = library.find("bg_NotFound");
    }
    // Without even the stand-by definition the background stays as read.
    if (definition == library.end() || !definition->second)
        return;
    const background& source = *definition->second;
    placed.templateObject = definition->second;
    placed.isCastShadows = source.isCastShadows;
    placed.spriteName = source.spriteName;
    placed.meshName = source.meshName;
}

} // namespace

void readBackground(const XmlNode& element, background& target, bool instanceMode)
{
    target.name = reportedRequiredText(element, "name");
    readOptional(element, "meshName", target.meshName);
    readOptional(element, "spriteName", target.spriteName);
    if (!target.spriteName.empty()) {
        target.isLayered = 1;
        target.meshName.clear();
    }
    bool castShadows = target.isCastShadows != 0;
    readOptional(element, "isCastShadows", castShadows);
    target.isCastShadows = castShadows ? 1 : 0;
    readToybox(element, target);
    readCollisionType(element, target);

    placement place;
    if (const XmlNode* position = element.first_node("position"))
        readPosition(*position, place);
    target.placedPosition = place.position;
    target.position = place.position;
    target.scale = place.scale;
    target.orientation = place.orientation;
    target.layerId = place.layerId;
    target.priority = place.priority;
    if (instanceMode)
        return;

    const std::string companion = target.meshName + "Coll";
    target.collisionMeshName = resourceExists(companion) ? companion : target.meshName;
    readOutlines(element, target);
}

void loadBackgroundGamebox(const std::string& fileName, const std::string& group,
                           std::map<std::string, background*>& library)
{
    readLibraryFile(fileName, group, "BG", backgroundFailureLine, [&library](const XmlNode& element) {
        auto definition = std::make_unique<background>();
        readBackground(element, *definition, false);
        definition->isLibraryDefinition = 1;
        background*& slot = library[definition->name];
        delete slot;
        slot = definition.release();
    });
}

void readLevelBackgrounds(const XmlNode& root, std::vector<background*>& backgrounds,
                          const std::map<std::string, background*>& library)
{
    for (const XmlNode* element : childElements(root, "BG")) {
        auto* placed = new background();
        backgrounds.push_back(placed);
        readBackground(*element, *placed, true);
        bindToDefinition(*placed, library);
        placed->thumbnail.clear();
        placed->init(placed->placedPosition);
        placed->rebuildGraphics();
    }
}
