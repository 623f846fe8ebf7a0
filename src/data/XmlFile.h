// The frame every reader of the exported game's XML files runs: find the file
// in a resource group, parse a private copy in place, walk it, release it all,
// and report a parse failure with the reader's one fixed log line.
#pragma once

#include <OgreVector.h>

#include <rapidxml/rapidxml.hpp>

#include <functional>
#include <string>
#include <vector>

using XmlNode = rapidxml::xml_node<char>;

// A parsed private copy of one resource. Names and values point into it, so
// they live as long as this object.
class XmlText {
public:
    // Throws Ogre's exception when the resource cannot be opened and
    // rapidxml::parse_error when it is malformed or nested too deep.
    XmlText(const std::string& name, const std::string& group);
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;

    // The first top-level element, or null for an empty document.
    XmlNode* firstElement() { return document.first_node(); }

private:
    std::vector<char> text;
    rapidxml::xml_document<char> document;
};

// Parses the resource `name` of `group` and hands its root element to `walk`.
// On a parse failure logs `failureLine` at the normal level and returns false;
// nothing of the document outlives the call.
bool readXmlResource(const std::string& name, const std::string& group, const std::string& failureLine,
                     const std::function<void(XmlNode& root)>& walk);

// The text of an attribute, or null when the element lacks it.
const char* attributeText(const XmlNode& node, const char* name);

// Optional attributes: the target changes only when the attribute is present.
void readOptional(const XmlNode& node, const char* name, std::string& target);
void readOptional(const XmlNode& node, const char* name, bool& target);
void readOptional(const XmlNode& node, const char* name, int& target);
void readOptional(const XmlNode& node, const char* name, float& target);
void readOptional(const XmlNode& node, const char* name, Ogre::Vector2& target);

// Every child element of the given name, in document order.
std::vector<XmlNode*> childElements(const XmlNode& node, const char* name);
