#include "app/ScriptExpansion.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>

namespace {

using Ogre::ConcreteNode;
using Ogre::ConcreteNodeList;

const std::uint64_t tooMany = maxScriptNodes + 1;

// Deeper chains of bases or variables than this are counted as too many, so
// that measuring a hostile script cannot run out of stack itself.
const int maxDepth = 2000;

std::uint64_t sum(std::uint64_t a, std::uint64_t b) { return std::min(a + b, tooMany); }

std::uint64_t product(std::uint64_t a, std::uint64_t b)
{
    return a != 0 && b > tooMany / a ? tooMany : std::min(a * b, tooMany);
}

// An object, as the compiler tells it: its last two children are its braces,
// the first holding its body; the words before name it, a colon's its bases.
bool isObject(const ConcreteNode& node)
{
    const ConcreteNodeList& children = node.children;
    return children.size() >= 2 && children.back()->type == Ogre::CNT_RBRACE
           && (*std::next(children.rbegin()))->type == Ogre::CNT_LBRACE;
}

const ConcreteNodeList& bodyOf(const ConcreteNode& object) { return (*std::next(object.children.rbegin()))->children; }

bool isWord(const ConcreteNode& node) { return node.type == Ogre::CNT_WORD || node.type == Ogre::CNT_QUOTE; }

// The name of a top-level object: the word after its class, which stands
// after "abstract" when the object is one.
std::string nameOf(const ConcreteNode& object)
{
    auto word = object.children.begin();
    if (object.token == "abstract" && word != object.children.end())
        ++word;
    return word != object.children.end() && isWord(**word) ? (*word)->token : std::string();
}

// Whether the object or one inside it is named with a wildcard: the compiler
// copies such an object once for each of its bases' objects it matches.
// Past the deepest nesting measured it is taken to be.
bool holdsWildcard(const ConcreteNode& object, int level = 0)
{
    if (level > maxDepth)
        return true;
    for (const Ogre::ConcreteNodePtr& child : object.children)
        if (isWord(*child) && child->token.find('*') != std::string::npos)
            return true;
    for (const Ogre::ConcreteNodePtr& child : bodyOf(object))
        if (isObject(*child) && holdsWildcard(*child, level + 1))
            return true;
    return false;
}

// A value's text without the quotes around it.
std::string unquoted(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

using Objects = std::multimap<std::string, const ConcreteNode*>;

class Measure {
public:
    Measure(const ConcreteNodeList& script, const std::vector<const ConcreteNodeList*>& imports)
    {
        for (const ConcreteNodeList* list : imports) {
            collect(*list, importedObjects);
            collectValues(*list);
        }
        collect(script, scriptObjects);
        collectValues(script);
    }

    // Each file's objects find their bases among their own file's objects
    // first, then among the imported ones.
    std::uint64_t total(const ConcreteNodeList& list, bool isImported)
    {
        const Objects& own = isImported ? importedObjects : scriptObjects;
        std::uint64_t count = 0;
        for (const Ogre::ConcreteNodePtr& node : list)
            count = sum(count, nodeSize(*node, own));
        return count;
    }

private:
    static void collect(const ConcreteNodeList& list, Objects& objects)
    {
        for (const Ogre::ConcreteNodePtr& node : list)
            if (isObject(*node))
                objects.emplace(nameOf(*node), node.get());
    }

    // Every value each variable is set to, at any depth: which one a use
    // sees depends on its scope; the largest bounds them all.
    void collectValues(const ConcreteNodeList& list)
    {
        for (const Ogre::ConcreteNodePtr& node : list) {
            if (node->type == Ogre::CNT_VARIABLE_ASSIGN && node->children.size() == 2)
                values.emplace(node->children.front()->token, unquoted(node->children.back()->token));
            collectValues(node->children);
        }
    }

    std::uint64_t nodeSize(const ConcreteNode& node, const Objects& own)
    {
        if (node.type == Ogre::CNT_VARIABLE)
            return sum(1, variableSize(node.token));
        if (isObject(node))
            return objectSize(node, own);
        std::uint64_t size = 1;
        for (const Ogre::ConcreteNodePtr& child : node.children)
            size = sum(size, nodeSize(*child, own));
        return size;
    }

    std::uint64_t objectSize(const ConcreteNode& object, const Objects& own)
    {
        auto known = objectSizes.find(&object);
        if (known != objectSizes.end())
            return known->second;
        if (depth > maxDepth)
            return tooMany;
        // Reached again while being measured: its bases copy into one another for ever.
        objectSizes[&object] = tooMany;
        ++depth;
        std::uint64_t size = 1;
        std::uint64_t bases = 0;
        for (const Ogre::ConcreteNodePtr& child : object.children) {
            if (child->type == Ogre::CNT_COLON)
                for (const Ogre::ConcreteNodePtr& base : child->children)
                    bases = sum(bases, baseSize(base->token, own));
            else if (child->type != Ogre::CNT_LBRACE && child->type != Ogre::CNT_RBRACE)
                size = sum(size, nodeSize(*child, own));
        }
        for (const Ogre::ConcreteNodePtr& child : bodyOf(object))
            size = sum(size, nodeSize(*child, own));
        if (bases > 0 && holdsWildcard(object))
            size = product(size, sum(bases, 1));
        --depth;
        return objectSizes[&object] = sum(size, bases);
    }

    std::uint64_t baseSize(const std::string& name, const Objects& own)
    {
        const Objects& where = own.count(name) ? own : importedObjects;
        std::uint64_t size = 0;
        const auto [first, last] = where.equal_range(name);
        for (auto object = first; object != last; ++object)
            size = std::max(size, objectSize(*object->second, where));
        return size;
    }

    // A value is read as the lexer reads a line: every word one node, every
    // variable in it its own value again.
    std::uint64_t variableSize(const std::string& name)
    {
        auto known = variableSizes.find(name);
        if (known != variableSizes.end())
            return known->second;
        if (depth > maxDepth)
            return tooMany;
        variableSizes[name] = tooMany;
        ++depth;
        std::uint64_t size = 0;
        const auto [first, last] = values.equal_range(name);
        for (auto value = first; value != last; ++value)
            size = std::max(size, valueSize(value->second));
        --depth;
        return variableSizes[name] = size;
    }

    std::uint64_t valueSize(const std::string& value)
    {
        const std::string separators = " \t\r\n{}:\"";
        std::uint64_t size = 0;
        for (std::size_t start = value.find_first_not_of(separators); start != std::string::npos;) {
            const std::size_t end = value.find_first_of(separators, start);
            const std::string word = value.substr(start, end == std::string::npos ? std::string::npos : end - start);
            size = sum(size, word[0] == '$' ? sum(1, variableSize(word)) : 1);
            start = end == std::string::npos ? end : value.find_first_not_of(separators, end);
        }
        return size;
    }

    Objects scriptObjects;
    Objects importedObjects;
    std::multimap<std::string, std::string> values;
    std::map<const ConcreteNode*, std::uint64_t> objectSizes;
    std::map<std::string, std::uint64_t> variableSizes;
    int depth = 0;
};

} // namespace

std::uint64_t expandedNodeCount(const ConcreteNodeList& script, const std::vector<const ConcreteNodeList*>& imports)
{
    Measure measure(script, imports);
    std::uint64_t count = measure.total(script, false);
    for (const ConcreteNodeList* list : imports)
        count = sum(count, measure.total(*list, true));
    return count;
}
