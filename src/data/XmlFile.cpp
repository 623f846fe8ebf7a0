#include "data/XmlFile.h"

#include "app/Log.h"
#include "data/XmlNesting.h"
#include "platform/TerminationSignals.h"

#include <OgreResourceGroupManager.h>
#include <OgreStringConverter.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

// The file whose document is being walked.
std::string fileBeingRead;

// Bytes read between two looks for a quit signal: a read of a huge file must
// not hold a closing program for seconds.
constexpr std::size_t readChunkBytes = 4 << 20;

float finiteComponent(float value) { return std::isfinite(value) ? value : 0.0f; }

} // namespace

XmlText::XmlText(const std::string& name, const std::string& group, bool isEmptyAllowed)
{
    {
        Ogre::DataStreamPtr stream = Ogre::ResourceGroupManager::getSingleton().openResource(name, group);
        readWhole(*stream, name);
        stream->close();
    }
    // XML holds no NUL: the parser would stop at it and take a binary file
    // for an empty one.
    if (std::find(text.begin(), text.end() - 1, '\0') != text.end() - 1)
        throw rapidxml::parse_error("NUL in the text", text.data());
    if (xmlNestingDepth(text.data()) > maxXmlNesting)
        throw rapidxml::parse_error("elements nested too deep", text.data());
    stopIfQuitting(name);
    // Default reading otherwise; a closing tag that names another element is
    // a damaged file, which rapidxml lets through unless told to check.
    document.parse<rapidxml::parse_validate_closing_tags>(text.data());
    stopIfQuitting(name);
    // Without an element there is nothing a reader could walk: such a file
    // is as unusable as a malformed one.
    if (!isEmptyAllowed && !document.first_node())
        throw rapidxml::parse_error("no element", text.data());
}

void XmlText::readWhole(Ogre::DataStream& stream, const std::string& name)
{
    // rapidxml parses in place: the text is read straight into a
    // zero-terminated buffer of its own that lives as long as the document.
    text.reserve(stream.size() + 1);
    std::size_t length = 0;
    while (!stream.eof()) {
        stopIfQuitting(name);
        text.resize(length + readChunkBytes);
        const std::size_t read = stream.read(text.data() + length, readChunkBytes);
        length += read;
        if (read == 0)
            break;
    }
    text.resize(length);
    text.push_back('\0');
}

void XmlText::stopIfQuitting(const std::string& name)
{
    if (!platform::terminationRequested())
        return;
    logLineOnce("stopped reading " + name + ": the program is quitting");
    throw rapidxml::parse_error("read stopped by a quit signal", nullptr);
}

std::unique_ptr<XmlText> parseXmlResource(const std::string& name, const std::string& group, bool isEmptyAllowed)
{
    try {
        return std::make_unique<XmlText>(name, group, isEmptyAllowed);
    } catch (...) {
        // Whatever went wrong, the file contributes nothing; its reader names it.
        return nullptr;
    }
}

const std::string& xmlFileBeingRead() { return fileBeingRead; }

XmlFileScope::XmlFileScope(const std::string& name) : outer(std::move(fileBeingRead)) { fileBeingRead = name; }

XmlFileScope::~XmlFileScope() { fileBeingRead = std::move(outer); }

void logUnusedFile(const std::string& what, const std::string& fileName, const std::string& failureLine)
{
    // A file whose read a quit signal stopped is not damaged.
    if (platform::terminationRequested())
        return;
    logLineOnce("[ERROR] " + what + " does not parse, nothing of it used: " + fileName + " (" + failureLine + ")");
}

bool readXmlResource(const std::string& name, const std::string& group, const std::function<void(XmlNode& root)>& walk)
{
    const std::unique_ptr<XmlText> xml = parseXmlResource(name, group);
    if (!xml)
        return false;
    const XmlFileScope scope(name);
    walk(*xml->firstElement());
    return true;
}

bool readXmlDocument(const std::string& name, const std::string& group, const std::function<void(XmlNode* root)>& walk)
{
    const std::unique_ptr<XmlText> xml = parseXmlResource(name, group, true);
    if (!xml)
        return false;
    const XmlFileScope scope(name);
    walk(xml->firstElement());
    return true;
}

const char* attributeText(const XmlNode& node, const char* name)
{
    const rapidxml::xml_attribute<char>* attribute = node.first_attribute(name);
    return attribute ? attribute->value() : nullptr;
}

float parseFiniteReal(const std::string& text, float fallback)
{
    const float read = Ogre::StringConverter::parseReal(text, fallback);
    return std::isfinite(read) ? read : fallback;
}

Ogre::Vector2 parseFiniteVector2(const std::string& text, const Ogre::Vector2& fallback)
{
    const Ogre::Vector2 read = Ogre::StringConverter::parseVector2(text, fallback);
    return {finiteComponent(read.x), finiteComponent(read.y)};
}

Ogre::Vector3 parseFiniteVector3(const std::string& text, const Ogre::Vector3& fallback)
{
    const Ogre::Vector3 read = Ogre::StringConverter::parseVector3(text, fallback);
    return {finiteComponent(read.x), finiteComponent(read.y), finiteComponent(read.z)};
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
        target = parseFiniteReal(text, 0.0f);
}

void readOptional(const XmlNode& node, const char* name, Ogre::Vector2& target)
{
    if (const char* text = attributeText(node, name))
        target = parseFiniteVector2(text, Ogre::Vector2::ZERO);
}

ChildElementRange::iterator::iterator(XmlNode* node, const char* name, std::size_t left)
    : node(left > 0 && !platform::terminationRequested() ? node : nullptr), name(name), left(left)
{
}

ChildElementRange::iterator& ChildElementRange::iterator::operator++()
{
    --left;
    node = left > 0 && !platform::terminationRequested() ? node->next_sibling(name) : nullptr;
    return *this;
}

ChildElementRange::ChildElementRange(const XmlNode& parent, const char* name, std::size_t limit)
    : parent(parent), name(name), limit(limit)
{
}

std::size_t ChildElementRange::size() const
{
    std::size_t count = 0;
    for (auto it = begin(); it != end(); ++it)
        ++count;
    return count;
}

ChildElementRange childElements(const XmlNode& node, const char* name)
{
    const std::string& fileName = xmlFileBeingRead();
    return limitedChildElements(node, name, maxListElements, fileName.empty() ? "an XML text" : fileName);
}

ChildElementRange limitedChildElements(const XmlNode& node, const char* name, std::size_t limit,
                                       const std::string& fileName)
{
    std::size_t count = 0;
    for (const XmlNode* child = node.first_node(name); child && !platform::terminationRequested();
         child = child->next_sibling(name))
        ++count;
    logLeftOut(fileName, name, count > limit ? count - limit : 0, limit);
    return ChildElementRange(node, name, limit);
}

void logLeftOut(const std::string& fileName, const char* name, std::size_t leftOut, std::size_t limit)
{
    if (leftOut > 0)
        logLineOnce("[ERROR] " + fileName + ": " + std::to_string(leftOut) + " " + name
                    + " elements over the limit of " + std::to_string(limit) + " left out");
}
