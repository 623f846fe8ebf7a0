// The frame every reader of the exported game's XML files runs: find the file
// in a resource group, parse a private copy in place, walk it, release it all,
// and name a file that could not be used in one line.
#pragma once

#include <OgreDataStream.h>
#include <OgreVector.h>

#include <rapidxml/rapidxml.hpp>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using XmlNode = rapidxml::xml_node<char>;

// A parsed private copy of one resource. Names and values point into it, so
// they live as long as this object.
class XmlText {
public:
    // Throws Ogre's exception when the resource cannot be opened and
    // rapidxml::parse_error when it is malformed or nested too deep, and,
    // unless `isEmptyAllowed`, when it holds no element at all (empty, blank
    // or only comments). A quit signal stops the read the same way, with
    // one line saying so.
    XmlText(const std::string& name, const std::string& group, bool isEmptyAllowed = false);
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;

    // The first top-level element; null only for an allowed empty text.
    XmlNode* firstElement() { return document.first_node(); }

private:
    void readWhole(Ogre::DataStream& stream, const std::string& name);
    static void stopIfQuitting(const std::string& name);

    std::vector<char> text;
    rapidxml::xml_document<char> document;
};

// The parsed resource, or null, logging nothing, when it could not be opened
// or parsed, whatever was thrown.
std::unique_ptr<XmlText> parseXmlResource(const std::string& name, const std::string& group,
                                          bool isEmptyAllowed = false);

// Names a file whose failed parse leaves all of it unused, in one "[ERROR] "
// line that ends with the reader's fixed failure line in brackets, once in a
// run however often the file is read; `what` says what kind of file it is
// ("level file"). Nothing once a quit signal has come: the read was stopped.
void logUnusedFile(const std::string& what, const std::string& fileName, const std::string& failureLine);

// The file whose document a reader is walking, named by the lines that
// report damaged data in it; empty when an element is read on its own.
const std::string& xmlFileBeingRead();

// Names the file being read for as long as it lives; an inner scope hands
// the outer name back when it ends.
class XmlFileScope {
public:
    explicit XmlFileScope(const std::string& name);
    ~XmlFileScope();
    XmlFileScope(const XmlFileScope&) = delete;
    XmlFileScope& operator=(const XmlFileScope&) = delete;

private:
    std::string outer;
};

// Parses the resource `name` of `group` and hands its root element to `walk`,
// the file named as the one being read. On a failure (parseXmlResource)
// returns false without walking, for the reader to name the file
// (logUnusedFile); nothing of the document outlives the call.
bool readXmlResource(const std::string& name, const std::string& group, const std::function<void(XmlNode& root)>& walk);
// The same for the scores a player's folder keeps and the levels looked into
// before play: a well-formed file without any element is read as holding
// nothing, and `walk` gets a null root.
bool readXmlDocument(const std::string& name, const std::string& group, const std::function<void(XmlNode* root)>& walk);

// The text of an attribute, or null when the element lacks it.
const char* attributeText(const XmlNode& node, const char* name);

// Ogre's converter with one rule more: a number that is not finite ("nan",
// "inf", "1e400") does not convert either. A real is then the fallback, a
// vector's component 0. Such numbers would abort Ogre once they reach a
// scene node.
float parseFiniteReal(const std::string& text, float fallback);
Ogre::Vector2 parseFiniteVector2(const std::string& text, const Ogre::Vector2& fallback);
Ogre::Vector3 parseFiniteVector3(const std::string& text, const Ogre::Vector3& fallback);

// Optional attributes: the target changes only when the attribute is present.
void readOptional(const XmlNode& node, const char* name, std::string& target);
void readOptional(const XmlNode& node, const char* name, bool& target);
void readOptional(const XmlNode& node, const char* name, int& target);
void readOptional(const XmlNode& node, const char* name, float& target);
void readOptional(const XmlNode& node, const char* name, Ogre::Vector2& target);

// The most elements of one name a list of a file gives, unless its reader
// holds it to less.
constexpr std::size_t maxListElements = 10000;

// The child elements of one name in document order, at most `limit` of
// them, walked as they are used. The walk ends as soon as a quit signal has
// come, also between the elements a reader turns into objects: the program
// is closing and a long read or build must not hold it.
class ChildElementRange {
public:
    class iterator {
    public:
        iterator(XmlNode* node, const char* name, std::size_t left);
        XmlNode* operator*() const { return node; }
        iterator& operator++();
        bool operator!=(const iterator& other) const { return node != other.node; }

    private:
        XmlNode* node;
        const char* name;
        std::size_t left;
    };

    ChildElementRange(const XmlNode& parent, const char* name, std::size_t limit);
    iterator begin() const { return iterator(parent.first_node(name), name, limit); }
    iterator end() const { return iterator(nullptr, name, 0); }
    // How many elements a whole walk gives.
    std::size_t size() const;

private:
    const XmlNode& parent;
    const char* name;
    std::size_t limit;
};

// Every child element of the given name, at most `maxListElements` of them;
// the rest are named in one line, as below.
ChildElementRange childElements(const XmlNode& node, const char* name);
// The same, at most `limit` of them: a list a file may make as long as it
// likes is held to what the game can afford. What is left out is named with
// `fileName` in one "[ERROR] " line.
ChildElementRange limitedChildElements(const XmlNode& node, const char* name, std::size_t limit,
                                       const std::string& fileName);
// The one line naming what a list over its limit left out; nothing when
// nothing was.
void logLeftOut(const std::string& fileName, const char* name, std::size_t leftOut, std::size_t limit);
