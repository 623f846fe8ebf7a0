// A script may import the objects of another ("import * from "other.material"").
// The compiler would read the imported script itself, past the loader's
// checks: its braces paired up, its expansion measured. Imports are read
// here instead, the loader's way, before the importing script is compiled,
// so that its measure takes in what it imports.
#pragma once

#include <OgreScriptCompiler.h>

#include <map>
#include <set>
#include <string>
#include <vector>

class ScriptImports {
public:
    // Reads what the script imports, and what those import, from the group;
    // forgets what was read for the script before.
    void readFor(const Ogre::ConcreteNodeList& script, const std::string& group);
    // The parsed import for the compiler, read now when it was not; empty
    // when it cannot be read, and when it was handed out before: the compiler
    // asks again only while it is still importing it, for a script that
    // imports itself or one that imports it, and would never stop.
    Ogre::ConcreteNodeListPtr take(const std::string& name, const std::string& group);
    std::vector<const Ogre::ConcreteNodeList*> lists() const;

private:
    Ogre::ConcreteNodeListPtr read(const std::string& name, const std::string& group);

    std::map<std::string, Ogre::ConcreteNodeListPtr> parsed;
    std::set<std::string> handedOut;
};
