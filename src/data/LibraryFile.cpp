#include "data/LibraryFile.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreString.h>

#include <cstring>
#include <memory>

const char* const libraryFailureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";

namespace {

bool isNamed(const XmlNode& element, const char* name)
{
    const std::size_t length = std::strlen(name);
    return element.name_size() == length && std::memcmp(element.name(), name, length) == 0;
}

// The parsed file, or null after a failure was logged.
std::unique_ptr<XmlText> parseLibrary(const std::string& baseName, const std::string& group, const char* failureLine)
{
    try {
        return std::make_unique<XmlText>(baseName, group);
    } catch (...) {
        // Whatever went wrong, the file contributes nothing and says so once.
        logNormal(failureLine);
        return nullptr;
    }
}

} // namespace

void readLibraryFile(const std::string& fileName, const std::string& group, const char* recordElement,
                     const char* failureLine, const std::function<void(const XmlNode& record)>& readRecord)
{
    std::string baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    if (!groupHolds(group, baseName))
        return;
    const std::unique_ptr<XmlText> xml = parseLibrary(baseName, group, failureLine);
    if (!xml)
        return;
    for (XmlNode* element = xml->firstElement(); element; element = element->next_sibling())
        if (element->type() == rapidxml::node_element && isNamed(*element, recordElement))
            readRecord(*element);
}

std::string requiredText(const XmlNode& node, const char* name)
{
    const char* text = attributeText(node, name);
    return text ? text : "";
}

std::string reportedRequiredText(const XmlNode& node, const char* name)
{
    if (const char* text = attributeText(node, name))
        return text;
    logLine("[ERROR] " + std::string(node.name(), node.name_size()) + " without attribute: " + name);
    return "";
}
