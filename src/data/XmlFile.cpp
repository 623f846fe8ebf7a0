#include "data/XmlFile.h"

#include "app/Log.h"
#include "data/XmlNesting.h"

#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>

#include <memory>

XmlText::XmlText(const std::string& name, const std::string& group)
{
    // rapidxml parses in place: it gets a zero-terminated copy of its own that
    // lives as long as the document.
    {
        Ogre::DataStreamPtr stream = Ogre::ResourceGroupManager::getSingleton().openResource(name, group);
        const std::string content = stream->getAsString();
        stream->close();
        text.assign(content.begin(), content.end());
        text.push_back('\0');
    }
    if (xmlNestingDepth(text.data()) > maxXmlNesting)
        throw rapidxml::parse_error("elements nested too deep", text.data());
    document.parse<0>(text.data());
}

bool readXmlResource(const std::string& name, const std::string& group, const std::string& failureLine,
                     const std::function<void(XmlNode& root)>& walk)
{
    std::unique_ptr<XmlText> xml;
    try {
        xml = std::make_unique<XmlText>(name, group);
    } catch (const rapidxml::parse_error&) {
        logNormal(failureLine);
        return false;
    }
    if (XmlNode* root = xml->firstElement())
        walk(*root);
    return true;
}

const char* attributeText(const XmlNode& node, const char* name)
{
    const rapidxml::xml_attribute<char>* attribute = node.first_attribute(name);
    return attribute ? attribute->value() : nullptr;
}

void readOptional(const XmlNode& node, const char* name, std::string& target)
{
    if (const char* text = attributeText(node, name))
        target = text;
}

void readOptional(const XmlNode& node, const char* name, bool& target)
{
    if (const char* text = attributeText(node, name))
        target = Ogre::StringConverter::parseBool(text, false);
}

void readOptional(const XmlNode& node, const char* name, int& target)
{
    if (const char* text = attributeText(node, name))
        target = Ogre::StringConverter::parseInt(text, 0);
}

void readOptional(const XmlNode& node, const char* name, float& target)
{
    if (const char* text = attributeText(node, name))
        target = Ogre::StringConverter::parseReal(text, 0.0f);
}

void readOptional(const XmlNode& node, const char* name, Ogre::Vector2& target)
{
    if (const char* text = attributeText(node, name))
        target = Ogre::StringConverter::parseVector2(text, Ogre::Vector2::ZERO);
}

std::vector<XmlNode*> childElements(const XmlNode& node, const char* name)
{
    std::vector<XmlNode*> children;
    for (XmlNode* child = node.first_node(name); child; child = child->next_sibling(name))
        children.push_back(child);
    return children;
}
