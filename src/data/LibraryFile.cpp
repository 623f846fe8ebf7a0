#include "data/LibraryFile.h"

#include "app/Log.h"
#include "core/ResourceAvailability.h"

#include <OgreString.h>

#include <cstring>
#include <memory>

const char* const libraryFailureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";
const char* const wavesFileName = "gamebox.waves";
const char* const weaponsFileName = "gamebox.weapons";
const char* const playersFileName = "gamebox.players";
const char* const explosionsFileName = "gamebox.explosions";
const char* const effectsFileName = "gamebox.sfx";
const char* const itemsFileName = "gamebox.items";

namespace {

// "[ERROR] <file>: <element> <what>", the file left out when the element is
// read on its own. Once a line: a file of many records that lack the same
// attribute says so once, not once a record.
void reportElement(const XmlNode& node, const std::string& what)
{
    const std::string& file = xmlFileBeingRead();
    logLineOnce("[ERROR] " + (file.empty() ? std::string() : file + ": ") + std::string(node.name(), node.name_size()) +
            " " + what);
}

void reportMissing(const XmlNode& node, const char* what, const char* name)
{
    reportElement(node, std::string("without ") + what + ": " + name);
}

template <typename Value>
void readReported(const XmlNode& node, const char* name, Value& target)
{
    if (attributeText(node, name))
        readOptional(node, name, target);
    else
        reportMissing(node, "attribute", name);
}

} // namespace

void readLibraryFile(const std::string& fileName, const std::string& group, const char* recordElement,
                     const char* failureLine, const std::function<void(const XmlNode& record)>& readRecord)
{
    std::string baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    if (!groupHolds(group, baseName))
        return;
    const std::unique_ptr<XmlText> xml = parseXmlResource(baseName, group);
    if (!xml) {
        logUnusedFile("library file", baseName, failureLine);
        return;
    }
    const XmlFileScope scope(baseName);
    for (const XmlNode* element : childElements(*xml->firstElement()->parent(), recordElement))
        readRecord(*element);
}

std::string requiredText(const XmlNode& node, const char* name)
{
    const char* text = attributeText(node, name);
    return text ? text : "";
}

const char* reportedAttributeText(const XmlNode& node, const char* name)
{
    if (const char* text = attributeText(node, name))
        return text;
    reportMissing(node, "attribute", name);
    return nullptr;
}

const XmlNode* reportedChild(const XmlNode& node, const char* name)
{
    if (const XmlNode* child = node.first_node(name))
        return child;
    reportMissing(node, "element", name);
    return nullptr;
}

void reportUnusable(const XmlNode& node, const char* name, const std::string& text)
{
    reportElement(node, std::string("with unusable ") + name + ": \"" + text + "\"");
}

std::string reportedRequiredText(const XmlNode& node, const char* name)
{
    const char* text = reportedAttributeText(node, name);
    return text ? text : "";
}

void readRequired(const XmlNode& node, const char* name, std::string& target) { readReported(node, name, target); }
void readRequired(const XmlNode& node, const char* name, bool& target) { readReported(node, name, target); }
void readRequired(const XmlNode& node, const char* name, int& target) { readReported(node, name, target); }
void readRequired(const XmlNode& node, const char* name, float& target) { readReported(node, name, target); }
