#include "app/ResourceListeners.h"

#include "app/ScriptTranslatorGuard.h"

#include <OgreScriptCompiler.h>

Ogre::DataStreamPtr UsePreviousResourceLoadingListener::resourceLoading(const Ogre::String&,
                                                                        const Ogre::String&,
                                                                        Ogre::Resource*)
{
    return Ogre::DataStreamPtr(); // Ogre opens the resource its normal way
}

void UsePreviousResourceLoadingListener::resourceStreamOpened(const Ogre::String&, const Ogre::String&,
                                                              Ogre::Resource*, Ogre::DataStreamPtr&)
{
}

bool UsePreviousResourceLoadingListener::resourceCollision(Ogre::Resource*, Ogre::ResourceManager*)
{
    return false;
}

bool MyScriptCompilerListener::handleEvent(Ogre::ScriptCompiler*, Ogre::ScriptCompilerEvent* event, void*)
{
    return event && event->mType == "processResourceName";
}

void installResourceListeners()
{
    static MyScriptCompilerListener compilerListener;
    static UsePreviousResourceLoadingListener loadingListener;
    Ogre::ScriptCompilerManager::getSingleton().setListener(&compilerListener);
    Ogre::ResourceGroupManager::getSingleton().setLoadingListener(&loadingListener);
    installScriptTranslatorGuard();
}
