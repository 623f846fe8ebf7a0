// The frame every reader of the exported game's XML files runs: find the file
// in a resource group, parse a private copy in place, walk it, release it all,
// and report a parse failure with the reader's one fixed log line.
#pragma once

#include <rapidxml/rapidxml.hpp>

#include <functional>
#include <string>
#include <vector>

using XmlNode = rapidxml::xml_node<char>;

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

// Every child element of the given name, in document order.
std::vector<XmlNode*> childElements(const XmlNode& node, const char* name);
