// The two Ogre listeners installed at start-up that shape how the exported
// game's scripts and resources are taken in.
#pragma once

#include "app/ScriptImports.h"

#include <OgreResourceGroupManager.h>
#include <OgreScriptCompiler.h>

// A resource name defined twice keeps the definition created first, instead
// of failing the whole group with a duplicate-name error. A resource opened
// from a Zip archive is checked against the archive's records (checkZipMember).
class UsePreviousResourceLoadingListener : public Ogre::ResourceLoadingListener {
public:
    Ogre::DataStreamPtr resourceLoading(const Ogre::String& name, const Ogre::String& group,
                                        Ogre::Resource* resource) override;
    void resourceStreamOpened(const Ogre::String& name, const Ogre::String& group,
                              Ogre::Resource* resource, Ogre::DataStreamPtr& stream) override;
    bool resourceCollision(Ogre::Resource* resource, Ogre::ResourceManager* manager) override;
};

// Resource names inside scripts stay exactly as the scripts write them. A
// script that would expand past what any real one does is not compiled;
// what it imports is read the loader's way.
class MyScriptCompilerListener : public Ogre::ScriptCompilerListener {
public:
    bool handleEvent(Ogre::ScriptCompiler* compiler, Ogre::ScriptCompilerEvent* event,
                     void* result) override;
    void preConversion(Ogre::ScriptCompiler* compiler, Ogre::ConcreteNodeListPtr nodes) override;
    Ogre::ConcreteNodeListPtr importFile(Ogre::ScriptCompiler* compiler, const Ogre::String& name) override;

private:
    ScriptImports imports;
};

// Installs the program-wide instances on the script compiler manager and the
// resource group manager, and the guard that keeps a script object Ogre cannot
// build from ending the parse; the Ogre root must exist.
void installResourceListeners();
