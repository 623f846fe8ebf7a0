#include "app/ScriptImports.h"

#include "app/ScriptErrorLines.h"
#include "app/ScriptPairing.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

namespace {

// Ogre's parser is reachable only through a compiler: a compiler of its own
// parses the text and hands its nodes over here before compiling them, and
// then compiles nothing.
class TakeParsedNodes : public Ogre::ScriptCompilerListener {
public:
    void preConversion(Ogre::ScriptCompiler*, Ogre::ConcreteNodeListPtr nodes) override
    {
        taken = std::make_shared<Ogre::ConcreteNodeList>();
        taken->swap(*nodes);
    }
    Ogre::ConcreteNodeListPtr taken = std::make_shared<Ogre::ConcreteNodeList>();
};

Ogre::ConcreteNodeListPtr parse(const std::string& name, const std::string& group)
{
    TakeParsedNodes nodes;
    try {
        Ogre::DataStreamPtr stream = Ogre::ResourceGroupManager::getSingleton().openResource(name, group, nullptr, false);
        if (!stream) {
            logScriptFault("import " + name + " not found");
            return nodes.taken;
        }
        PairedScript script = pairedScript(stream->getAsString());
        if (!script.fault.empty())
            logScriptFault("import " + name + ": braces and quotes do not pair up, read up to " + script.fault);
        Ogre::ScriptCompiler parser;
        parser.setListener(&nodes);
        parser.compile(script.text, name, group);
    } catch (const Ogre::Exception& e) {
        logScriptFault("import " + name + ": " + e.getDescription());
    }
    return nodes.taken;
}

// The scripts an import line names; the target before them is an object's
// name or "*".
void importedNames(const Ogre::ConcreteNodeList& script, std::vector<std::string>& names)
{
    for (const Ogre::ConcreteNodePtr& node : script)
        if (node->type == Ogre::CNT_IMPORT && node->children.size() == 2)
            names.push_back(node->children.back()->token);
}

} // namespace

void ScriptImports::readFor(const Ogre::ConcreteNodeList& script, const std::string& group)
{
    parsed.clear();
    handedOut.clear();
    std::vector<std::string> names;
    importedNames(script, names);
    while (!names.empty()) {
        const std::string name = names.back();
        names.pop_back();
        if (!parsed.count(name))
            importedNames(*read(name, group), names);
    }
}

Ogre::ConcreteNodeListPtr ScriptImports::take(const std::string& name, const std::string& group)
{
    if (!handedOut.insert(name).second)
        return std::make_shared<Ogre::ConcreteNodeList>();
    return read(name, group);
}

Ogre::ConcreteNodeListPtr ScriptImports::read(const std::string& name, const std::string& group)
{
    Ogre::ConcreteNodeListPtr& nodes = parsed[name];
    if (!nodes)
        nodes = parse(name, group);
    return nodes;
}

std::vector<const Ogre::ConcreteNodeList*> ScriptImports::lists() const
{
    std::vector<const Ogre::ConcreteNodeList*> lists;
    for (const auto& entry : parsed)
        lists.push_back(entry.second.get());
    return lists;
}
