#include "app/ResourceListeners.h"

#include "app/ScriptErrorLines.h"
#include "app/ScriptExpansion.h"
#include "app/ScriptTranslatorGuard.h"
#include "app/ZipMembers.h"

#include <OgreScriptCompiler.h>

#include <string>

Ogre::DataStreamPtr UsePreviousResourceLoadingListener::resourceLoading(const Ogre::String&,
                                                                        const Ogre::String&,
                                                                        Ogre::Resource*)
{
    return Ogre::DataStreamPtr(); // Ogre opens the resource its normal way
}

void UsePreviousResourceLoadingListener::resourceStreamOpened(const Ogre::String& name, const Ogre::String& group,
                                                              Ogre::Resource*, Ogre::DataStreamPtr& stream)
{
    checkZipMember(name, group, stream);
}

bool UsePreviousResourceLoadingListener::resourceCollision(Ogre::Resource*, Ogre::ResourceManager*)
{
    return false;
}

bool MyScriptCompilerListener::handleEvent(Ogre::ScriptCompiler*, Ogre::ScriptCompilerEvent* event, void*)
{
    return event && event->mType == "processResourceName";
}

void MyScriptCompilerListener::preConversion(Ogre::ScriptCompiler* compiler, Ogre::ConcreteNodeListPtr nodes)
{
    imports.readFor(*nodes, compiler->getResourceGroup());
    if (expandedNodeCount(*nodes, imports.lists()) <= maxScriptNodes)
        return;
    nodes->clear();
    logScriptFault("its objects' bases and variables would expand it past " + std::to_string(maxScriptNodes)
                   + " nodes, nothing of it compiled");
}

Ogre::ConcreteNodeListPtr MyScriptCompilerListener::importFile(Ogre::ScriptCompiler* compiler, const Ogre::String& name)
{
    return imports.take(name, compiler->getResourceGroup());
}

void installResourceListeners()
{
    static MyScriptCompilerListener compilerListener;
    static UsePreviousResourceLoadingListener loadingListener;
    Ogre::ScriptCompilerManager::getSingleton().setListener(&compilerListener);
    Ogre::ResourceGroupManager::getSingleton().setLoadingListener(&loadingListener);
    installScriptTranslatorGuard();
}
