#include "data/LayoutFile.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <memory>

const char* const layoutFailureLine = "Error creating tinyxml2::XMLDocument";

namespace {

const char* const gameGroup = "GAMERSC";

// Resource groups are strict: a file is opened from the group that holds it.
std::string groupOf(const std::string& name) { return groupHolds(gameGroup, name) ? gameGroup : "Media"; }

} // namespace

bool readLayoutFile(const std::string& name, const std::function<void(XmlNode& root)>& walk)
{
    if (!Ogre::ResourceGroupManager::getSingleton().resourceGroupExists(gameGroup) || !resourceExists(name))
        return false;
    std::unique_ptr<XmlText> xml;
    try {
        xml = std::make_unique<XmlText>(name, groupOf(name));
    } catch (const rapidxml::parse_error&) {
        logUnusedFile("layout file", name, layoutFailureLine);
        return false;
    } catch (const Ogre::Exception&) {
        // Remembered as present, but gone since (the resource test keeps its answers).
        return false;
    }
    // An empty document has nothing to read and must not empty what it would fill.
    XmlNode* root = xml->firstElement();
    if (!root) {
        logUnusedFile("layout file", name, layoutFailureLine);
        return false;
    }
    walk(*root);
    return true;
}
